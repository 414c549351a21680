#!/usr/bin/env bash
# Builds everything (64-bit with tests, 32-bit without) and runs every test
# under Wine with the null graphics driver.
#   usage: tools/test.sh [ctest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/setup.sh" "$build"
source "$root/tools/wine-env.sh" "$build"
jobs=$(nproc)

cmake -S "$root" -B "$build/x64" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64-w64-mingw32.cmake" >/dev/null
cmake --build "$build/x64" -j "$jobs"

cmake -S "$root" -B "$build/x86" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORDA_BUILD_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686-w64-mingw32.cmake" >/dev/null
cmake --build "$build/x86" -j "$jobs"

# One wineserver for the whole run: each test process then starts in a
# fraction of a second instead of seconds.
wineserver -p
wine cmd /c exit >/dev/null 2>&1 || true
status=0
# Serially: the tests share one Wine registry (the App Paths entry) and one
# wineserver.
(cd "$build/x64" && ctest --output-on-failure "$@") || status=$?
wineserver -k || true
exit $status
