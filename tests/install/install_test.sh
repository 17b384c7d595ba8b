#!/usr/bin/env bash
# An install into a staging folder holds exactly the expected files, and the
# desktop's own validators accept the desktop entry and the metainfo.
#   install_test.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1 id=$2
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
diff <(sed "s/@ID@/$id/g" "$here/expected-files.txt" | sort) \
     <(cd "$stage" && find . -type f -o -type l | sed 's/^\.//' | sort)

desktop="$stage/usr/share/applications/$id.desktop"
desktop-file-validate "$desktop"
# Fails on warnings and errors; the placeholder hosts' plain http is only a hint.
appstreamcli validate --no-net "$stage/usr/share/metainfo/$id.metainfo.xml"
# The entry starts the installed binary, and names the icon and window class.
grep -qx "Exec=zentavi-tv" "$desktop"
grep -qx "Icon=$id" "$desktop"
grep -qx "StartupWMClass=$id" "$desktop"
[[ -x "$stage/usr/bin/zentavi-tv" ]]
echo "install: ok"
