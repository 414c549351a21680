#!/usr/bin/env bash
# Builds the fuzzer of the module's file readers and runs it under Wine:
# damaged condition files, DIVSET.ini, "folder.ini" files and settings INI
# files, fed through every reader; prints the inputs run, crashes, hangs,
# guard-byte hits and bad values, and exits nonzero when there was any.
#   usage: tools/fuzz.sh [build-folder] [count, default 100000] [seed, default 1]
# Set LC_ALL=ja_JP.UTF-8 to run under code page 932.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
case $build in /*) ;; *) build=$PWD/$build ;; esac
count=${2:-100000}
seed=${3:-1}
"$root/tools/setup.sh" "$build"
source "$root/tools/wine-env.sh" "$build"

(cd "$root" && cmake --preset x64 -B "$build/x64" >/dev/null)
cmake --build "$build/x64" -j2 --target vorda_fuzz

exec wine "$build/x64/bin/vorda_fuzz.exe" "$count" "$seed"
