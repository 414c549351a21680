#!/bin/bash
# Lays out a large installation for timing VordaCond: the sample setup with
# PER_KIND user conditions of every kind (copies of the sample's own user
# conditions under numbered names), in FOLDER (made afresh).
#   tools/scale_setup.sh FOLDER [PER_KIND]
# Prints the environment to use it: VORDA_SETTINGS_INI, VORDA_COMMON_INI and
# the --app-folder argument. Needs winepath (tools/wine-env.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
folder=$(realpath -m "${1:?folder}")
per_kind=${2:-10000}
rm -rf "$folder"
cp -r "$root/host/sample" "$folder"
mkdir -p "$folder/WorkArea"
folder_win=$(winepath -w "$folder" 2>/dev/null)
for ini in "$folder/App/Vorda.ini" "$folder/App/VordaCommon.ini" "$folder/App/DIVSET.ini"; do
    sed -i "s|@SAMPLE@|${folder_win//\\/\\\\}|g" "$ini"
done
cd "$folder/App"
for prefix in s f n; do
    mapfile -t users < <(ls "$prefix"*.INI | grep -v 'Template Binder')
    for ((i = ${#users[@]}; i < per_kind; ++i)); do
        source_file=${users[i % ${#users[@]}]}
        cp "$source_file" "${source_file%.INI} $(printf %05d "$i").INI"
    done
done
echo "VORDA_SETTINGS_INI=$folder_win\\App\\Vorda.ini"
echo "VORDA_COMMON_INI=$folder_win\\App\\VordaCommon.ini"
echo "--app-folder $folder_win\\App"
