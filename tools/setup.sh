#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine (only the
# packages that are missing) and prepares the Wine prefixes under the build
# folder. Safe to run again: it does nothing that is already done.
#   usage: tools/setup.sh [build-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}

packages=(cmake mingw-w64 wine wine64 xvfb xdotool imagemagick googletest)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

mkdir -p "$build"
# shellcheck source=tools/wine-env.sh
source "$root/tools/wine-env.sh" "$build"
make_prefix "$WINEPREFIX_NULL" null
make_prefix "$WINEPREFIX_X11" x11
