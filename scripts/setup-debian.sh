#!/usr/bin/env bash
# Installs, on Debian 12 as root, every package the viewer and its tests need.
# Only what is missing is installed; any failure stops the caller.
set -euo pipefail

packages=(
  # building
  build-essential cmake pkg-config libgtk-3-dev libwebkit2gtk-4.1-dev libsoup-3.0-dev
  librsvg2-bin libglib2.0-dev-bin
  # the captions are Chinese: a font with Chinese glyphs
  fonts-wqy-microhei
  # the engine plays channels' media through GStreamer; the tools make the test clip
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav gstreamer1.0-tools
  # tests: GoogleTest, a virtual display, a window manager, real input events
  googletest libgtest-dev xvfb openbox libx11-dev libxtst-dev
  # checking what is installed and packaged
  desktop-file-utils appstream dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [[ $(id -u) -ne 0 ]]; then
    echo "setup: missing packages, and installing them needs root: ${missing[*]}" >&2
    exit 1
  fi
  echo "setup: installing ${missing[*]}"
  apt-get update -q
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
