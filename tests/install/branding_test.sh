#!/usr/bin/env bash
# A viewer built with other branding goes to the other hosts and shows the
# other names. Builds it beside the main build, then runs the black-box check.
#   branding_test.sh SOURCE_DIR BUILD_DIR BLACKBOX_TESTS
set -euo pipefail
src=$1 build=$2 tests=$3
cmake -S "$src" -B "$build" -DZENTAVI_BUILD_TESTS=OFF -DZENTAVI_SERVICE_HOST=live.other.example \
      -DZENTAVI_MAKER_HOST=www.other.example -DZENTAVI_MAKER_NAME=他方 >/dev/null
cmake --build "$build" --target zentavi-tv -j2 >/dev/null
ZENTAVI_BRANDED_VIEWER="$build/zentavi-tv" "$tests" --gtest_also_run_disabled_tests \
  --gtest_filter='StartupTest.DISABLED_BrandedViewerGoesToItsOwnHosts'
