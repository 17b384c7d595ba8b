#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. The GUI tests start
# virtual displays of their own, so no desktop is needed.
set -euo pipefail
here="$(dirname "$0")"
bash "$here/setup-debian.sh"
bash "$here/build.sh"
cd "$here/../build"
ctest --output-on-failure --no-tests=error -j2
