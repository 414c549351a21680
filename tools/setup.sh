#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine (only the
# packages that are missing) and prepares the Wine prefixes under the build
# folder. Safe to run again: it does nothing that is already done.
#   usage: tools/setup.sh [build-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")

# wine32:i386 runs the 32-bit build beside the 64-bit one in the same prefix.
# fonts-ipafont-gothic: the Japanese interface's dialog font and pictures.
packages=(cmake mingw-w64 wine wine64 wine32:i386 fonts-wine fonts-ipafont-gothic xvfb xdotool
    imagemagick googletest locales clang-format jq)
missing=()
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo_cmd dpkg --add-architecture i386
    fi
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The Japanese locale: Wine then runs with code page 932, and the tests of
# double-byte names can create such files.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    echo "setup: generating the ja_JP.UTF-8 locale"
    $sudo_cmd localedef -i ja_JP -f UTF-8 ja_JP.UTF-8 || echo "setup: could not generate ja_JP.UTF-8" >&2
fi

mkdir -p "$build"
# shellcheck source=tools/wine-env.sh
source "$root/tools/wine-env.sh" "$build"
make_prefix "$WINEPREFIX_NULL" null
make_prefix "$WINEPREFIX_X11" x11
# The Japanese dialogs name "MS UI Gothic"; both prefixes draw it with IPA.
map_japanese_fonts "$WINEPREFIX_NULL"
map_japanese_fonts "$WINEPREFIX_X11"
# The pictures need the fonts the window frames are drawn with.
install_wine_fonts "$WINEPREFIX_X11"
