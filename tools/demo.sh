#!/usr/bin/env bash
# Builds the module and the host program, lays out the sample installation
# (an application folder with its settings and sort conditions, and a LibRoot
# folder with libraries, cabinets and binders) under build/sample, and then
#   - with a display ($DISPLAY set): opens the options sheet in mode 1 on it;
#   - without one: starts a virtual X server, opens every mode of the sheet,
#     the condition pages' dialogs and the import-destination dialog,
#     captures them, backs out of each, and writes the pictures as PNG files
#     to build/screenshots/, those of the French and Japanese interfaces to
#     build/screenshots/fr/ and ja/ (it fails when the sample was changed).
#   usage: tools/demo.sh [build-folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
"$root/tools/setup.sh" "$build"
# shellcheck source=tools/wine-env.sh
source "$root/tools/wine-env.sh" "$build"
export WINEPREFIX="$WINEPREFIX_X11"

echo "demo: building"
(cd "$root" && cmake --preset x64 -B "$build/x64" >/dev/null)
cmake --build "$build/x64" -j "$(nproc)" --target VordaHost >/dev/null
host="$build/x64/bin/VordaHost.exe"

# Windows path of a Unix path (drive Z: is the root of the file system).
winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Every Wine process of the demo must see the display it will use: a
# wineserver started without one cannot open windows later. So the virtual
# display comes first, and a wineserver left over in the prefix goes.
xvfb_pid=""
stop_xvfb() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
interactive=1
if [ -z "${DISPLAY:-}" ]; then
    interactive=0
    display=99
    while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
        display=$((display + 1))
    done
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap stop_xvfb EXIT
    for _ in $(seq 100); do
        [ -e "/tmp/.X11-unix/X$display" ] && break
        kill -0 "$xvfb_pid" 2>/dev/null || { echo "demo: Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    export DISPLAY=":$display"
fi

sample="$build/sample"
echo "demo: laying out the sample setup in $sample"
rm -rf "$sample"
cp -r "$root/host/sample" "$sample"
mkdir -p "$sample/WorkArea"
sample_win=$(winpath "$sample")
# The settings, the common INI and DIVSET.ini (the conditions in force) hold
# full paths into the sample.
for ini in "$sample/App/Vorda.ini" "$sample/App/VordaCommon.ini" "$sample/App/DIVSET.ini"; do
    sed -i "s|@SAMPLE@|${sample_win//\\/\\\\}|g" "$ini"
done
wine reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\VordaMonoTavo.exe' \
    /v Path /t REG_SZ /d "$sample_win\\App" /f >/dev/null 2>&1
# Without a window manager Wine draws the window frames itself.
managed=$([ $interactive -eq 1 ] && echo Y || echo N)
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$managed" /f >/dev/null 2>&1
libroot_win="$sample_win\\LibRoot"

if [ $interactive -eq 1 ]; then
    echo "demo: opening the options sheet (mode 1) on $libroot_win"
    wine "$host" 1 "$libroot_win" "" "" 0 0
    exit $?
fi

shots="$build/screenshots"
rm -rf "$shots"
# The tour backs out of every window: the sample must come out unchanged.
sample_files() { (cd "$sample" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
before=$(sample_files)
status=0
# tour FOLDER VARIABLE=VALUE...: the pictures of one interface language as
# PNG files in FOLDER; the variables choose the language.
tour() {
    local folder=$1 result=0
    shift
    mkdir -p "$folder/bmp"
    echo "demo: capturing every window on display $DISPLAY ($*)"
    env "$@" wine "$host" --screenshots "$(winpath "$folder/bmp")" "$libroot_win" || result=$?
    if [ "$(sample_files)" != "$before" ]; then
        echo "demo: the tour changed files of the sample setup:" >&2
        diff <(echo "$before") <(sample_files) >&2 || true
        [ $result -ne 0 ] || result=3
    fi
    for bmp in "$folder"/bmp/*.bmp; do
        [ -e "$bmp" ] || continue
        png="$folder/$(basename "${bmp%.bmp}").png"
        convert "$bmp" "$png"
        echo "demo: wrote $png"
    done
    rm -rf "$folder/bmp"
    if [ $result -ne 0 ]; then
        echo "demo: the host reported a failure ($result)" >&2
        [ $status -ne 0 ] || status=$result
    fi
}
tour "$shots" VORDA_LANGID=1033
# French and Japanese from their language modules; Japanese under its own
# code page, drawn with the IPA Gothic fonts that setup put into the prefix.
tour "$shots/fr" VORDA_LANGID=1036
tour "$shots/ja" VORDA_LANGID=1041 LC_ALL=ja_JP.UTF-8
exit $status
