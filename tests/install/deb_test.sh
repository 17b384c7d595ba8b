#!/usr/bin/env bash
# The Debian package: its control data, and that it carries exactly the
# installed files. It is not installed here: that would change the machine.
#   deb_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
here=$(cd "$(dirname "$0")" && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/*.deb)
[[ $(dpkg-deb -f "$deb" Package) == zentavi-tv ]]
[[ $(dpkg-deb -f "$deb" Version) == 1.01 ]]
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libgtk-3-0 libwebkit2gtk-4.1-0 gstreamer1.0-plugins-good gstreamer1.0-libav fonts-wqy-microhei; do
  [[ $depends == *"$needed"* ]] || { echo "deb: Depends lacks $needed: $depends" >&2; exit 1; }
done
diff <(sed "s/@ID@/$id/g" "$here/expected-files.txt" | sort) \
     <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $NF}' | sed 's/^\.//' | sort)
echo "deb: ok"
