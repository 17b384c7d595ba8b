#!/usr/bin/env bash
# Installs what is missing, builds, and runs the viewer against the bundled
# demo channel service on 127.0.0.1 (the viewer's own hosts are placeholders
# until it is built for a real service). Needs a graphical desktop.
set -euo pipefail
here="$(dirname "$0")"
bash "$here/setup-debian.sh"
bash "$here/build.sh"
cd "$here/../build"
if [[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  echo "demo: no graphical desktop (DISPLAY is not set)" >&2
  exit 1
fi

log=$(mktemp)
./tests/channel_service >"$log" &
service=$!
trap 'kill "$service" 2>/dev/null; wait "$service" 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 100); do
  port=$(sed -n 's/^PORT //p' "$log")
  [[ -n "$port" ]] && break
  kill -0 "$service" || { echo "demo: the channel service did not start" >&2; exit 1; }
  sleep 0.05
done
[[ -n "$port" ]] || { echo "demo: the channel service did not start" >&2; exit 1; }
echo "demo: channel service on 127.0.0.1:$port"
# GDK_BACKEND: the viewer places its window itself, which X11 allows.
http_proxy="http://127.0.0.1:$port" GDK_BACKEND=x11 ./zentavi-tv
