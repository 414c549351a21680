#!/usr/bin/env bash
# Builds everything for 64-bit and 32-bit Windows and runs the tests of both
# under Wine with the null graphics driver: every test on the 64-bit build;
# the unit, UI and tool tests on the 32-bit one (the reruns under
# code page 932, the fuzzer, the memory program and the trial of the writers
# once, on 64-bit).
#   usage: tools/test.sh [ctest arguments...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
"$root/tools/setup.sh" "$build"
source "$root/tools/wine-env.sh" "$build"
jobs=$(nproc)

# The code keeps the project's format (.clang-format).
if ! (cd "$root" && git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror --style=file); then
    echo "test: the files above are not formatted; run clang-format -i on them" >&2
    exit 1
fi

for arch in x64 x86; do
    (cd "$root" && cmake --preset "$arch" -B "$build/$arch" >/dev/null)
    cmake --build "$build/$arch" -j "$jobs"
done

# One wineserver for the whole run: each test process then starts in a
# fraction of a second instead of seconds.
wineserver -p >/dev/null 2>&1 || true  # (one may be running already)
wine cmd /c exit >/dev/null 2>&1 || true
status=0
# Serially: the tests share one Wine registry (the App Paths entry) and one
# wineserver.
(cd "$build/x64" && ctest --output-on-failure "$@") || status=$?
(cd "$build/x86" && ctest --output-on-failure -E '^cp932\.|^fuzz\.|^memory\.|^trial\.' "$@") || status=$?
wineserver -k || true

# The size of the tests beside the rest of the code: they should stay within
# a third of it.
(cd "$root" && git ls-files '*.cpp' '*.h' | xargs wc -l | awk '
    $2 == "total" { next }
    $2 ~ /^tests\// { tests += $1; next }
    { code += $1 }
    END { printf "test: %d lines of C++ in tests/, %d in the rest (%.1f%%; at most 33.3%%)\n",
          tests, code, 100 * tests / code }')
exit $status
