#!/usr/bin/env bash
# Builds the memory program and runs it under Wine with the null driver:
# the growth of the anonymous resident memory (RssAnon) per open of the
# options sheet in modes 0, 1 and 2 and of the import-destination dialog,
# beside a plain and a themed property sheet of the platform's own. Each
# case runs in a process of its own.
#   usage: tools/memory.sh [build-folder] [cycles, default 300] [more vorda_memory arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
cycles=${2:-300}
shift $(($# < 2 ? $# : 2))
"$root/tools/setup.sh" "$build"
source "$root/tools/wine-env.sh" "$build"

(cd "$root" && cmake --preset x64 -B "$build/x64" >/dev/null)
cmake --build "$build/x64" -j2 --target vorda_memory

exec wine "$build/x64/bin/vorda_memory.exe" "$cycles" 20 "$@"
