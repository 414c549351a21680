# Sourced by the tools: the Wine environment of one build folder.
#   source tools/wine-env.sh BUILD
# Two prefixes: one with the null graphics driver for headless tests, one
# with the X11 driver for the screenshots under Xvfb.
_build=$(realpath -m "${1:?build folder}")
export WINEPREFIX_NULL="$_build/wine-null"
export WINEPREFIX_X11="$_build/wine-x11"
export WINEPREFIX="$WINEPREFIX_NULL"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="

# make_prefix FOLDER null|x11: creates the prefix once. The driver key must be
# in place before Wine first starts in it.
# A prefix remembers the Wine packages that made it: one made before wine32
# was installed cannot start any program afterwards ("could not load
# kernel32.dll"), so a prefix made by other packages is made again.
wine_packages() {
    dpkg-query -W -f='${Package}:${Architecture}=${Version}\n' wine64 wine32 2>/dev/null | sort | tr '\n' ' '
}

make_prefix() {
    local prefix=$1 driver=$2 made_by
    made_by=$(wine_packages)
    if [ -f "$prefix/system.reg" ] && [ "$(cat "$prefix/.made-by" 2>/dev/null)" = "$made_by" ]; then
        return 0
    fi
    if [ -d "$prefix" ]; then
        WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
        rm -rf "$prefix"
    fi
    mkdir -p "$prefix"
    if [ "$driver" = null ]; then
        printf 'WINE REGISTRY Version 2\n\n#arch=win64\n\n[Software\\\\Wine\\\\Drivers]\n"Graphics"="null"\n' > "$prefix/user.reg"
    fi
    WINEPREFIX="$prefix" wineboot -i >/dev/null 2>&1 || true
    WINEPREFIX="$prefix" wineserver -w
    printf '%s' "$made_by" > "$prefix/.made-by"
}

# install_wine_fonts FOLDER: copies Wine's own fonts (package fonts-wine) into
# the prefix's C:\windows\Fonts. Wine would read them from its data folder,
# but Debian's wine64 finds that folder as /usr/lib/wine/../../share/wine, and
# the ".." in that path makes every font file there unreadable to Wine; the
# prefix is left without Marlett (the glyphs of the caption buttons, drawn as
# letters without it), Tahoma and the "MS Sans Serif" bitmap fonts. Files
# already there stay, so running it again changes nothing.
install_wine_fonts() {
    local fonts="$1/drive_c/windows/Fonts" source=/usr/share/wine/fonts
    [ -d "$source" ] || return 0
    mkdir -p "$fonts"
    cp -n "$source"/*.ttf "$source"/*.fon "$fonts"/ 2>/dev/null || true
}

# map_japanese_fonts FOLDER: the Japanese resource module's dialogs name the
# Windows fonts "MS UI Gothic" and "MS Gothic"; Wine draws them with the IPA
# Gothic fonts of Debian (package fonts-ipafont-gothic), copied into the
# prefix's C:\windows\Fonts; the names are mapped once per prefix.
map_japanese_fonts() {
    local prefix=$1 key='HKCU\Software\Wine\Fonts\Replacements'
    mkdir -p "$prefix/drive_c/windows/Fonts"
    cp -n /usr/share/fonts/opentype/ipafont-gothic/*.ttf "$prefix/drive_c/windows/Fonts/" \
        2>/dev/null || true
    grep -q '"MS UI Gothic"="IPAPGothic"' "$prefix/user.reg" 2>/dev/null && return 0
    WINEPREFIX="$prefix" wine reg add "$key" /v "MS UI Gothic" /t REG_SZ /d IPAPGothic /f >/dev/null 2>&1
    WINEPREFIX="$prefix" wine reg add "$key" /v "MS Gothic" /t REG_SZ /d IPAGothic /f >/dev/null 2>&1
    WINEPREFIX="$prefix" wineserver -w
}
