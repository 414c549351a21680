#!/usr/bin/env bash
# Builds the benchmark programs and runs them under Wine: speed of reading
# and writing sort conditions, listing a kind's catalogue with 10, 1,000 and
# 10,000 condition files, and listing a full "folder.ini"; then mode 1 of the
# module against a bare sheet of its page templates (start and OK times,
# with the templates only, 1,000 and 10,000 user conditions per kind): once
# with the product build, for the ratios, and once with a build of the
# module that has its phase timers compiled in (folder x64-timers beside
# x64), for where the time goes.
#   usage: tools/bench.sh [build-folder] [seconds per rate, default 2] [opens, default 21]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
seconds=${2:-2}
opens=${3:-21}
"$root/tools/setup.sh" "$build"
source "$root/tools/wine-env.sh" "$build"

(cd "$root" && cmake --preset x64 -B "$build/x64" >/dev/null)
cmake --build "$build/x64" -j2 --target vorda_bench vorda_pages_bench
(cd "$root" && cmake --preset x64-timers -B "$build/x64-timers" >/dev/null)
cmake --build "$build/x64-timers" -j2 --target vorda_pages_bench

wine "$build/x64/bin/vorda_bench.exe" "$seconds"
echo
echo "== product build"
wine "$build/x64/bin/vorda_pages_bench.exe" "$opens"
echo
echo "== phase timers"
exec wine "$build/x64-timers/bin/vorda_pages_bench.exe" "$opens"
