#!/usr/bin/env bash
# Builds the benchmark program and runs it under Wine: speed of reading and
# writing sort conditions, listing a kind's catalogue with 10, 1,000 and
# 10,000 condition files, and listing a full "folder.ini".
#   usage: tools/bench.sh [build-folder] [seconds per rate, default 2]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
seconds=${2:-2}
"$root/tools/setup.sh" "$build"
source "$root/tools/wine-env.sh" "$build"

(cd "$root" && cmake --preset x64 -B "$build/x64" >/dev/null)
cmake --build "$build/x64" -j2 --target vorda_bench

exec wine "$build/x64/bin/vorda_bench.exe" "$seconds"
