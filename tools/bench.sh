#!/usr/bin/env bash
# Builds the benchmark programs and runs them under Wine: speed of reading
# and writing sort conditions, listing a kind's catalogue with 10, 1,000 and
# 10,000 condition files, and listing a full "folder.ini"; then the condition
# pages' start and OK times through the module's export, with the templates
# only, 1,000 and 10,000 user conditions per kind.
#   usage: tools/bench.sh [build-folder] [seconds per rate, default 2] [opens, default 5]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
seconds=${2:-2}
"$root/tools/setup.sh" "$build"
source "$root/tools/wine-env.sh" "$build"

(cd "$root" && cmake --preset x64 -B "$build/x64" >/dev/null)
cmake --build "$build/x64" -j2 --target vorda_bench vorda_pages_bench

wine "$build/x64/bin/vorda_bench.exe" "$seconds"
echo
exec wine "$build/x64/bin/vorda_pages_bench.exe" "${3:-5}"
