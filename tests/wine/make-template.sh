#!/usr/bin/env bash
# Creates the template Wine prefix that every test clones. Quick when it already exists
# for the installed Wine version.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

template="$1"
stamp="$template/.lumetra-template"
version=$(wine --version 2>/dev/null)
if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$version" ]; then
    exit 0
fi

work="$template.new.$$"
rm -rf "$work" "$work.home"
mkdir -p "$work.home"
lumetra_wine_env "$work" "$work.home"
wineboot -i >/dev/null 2>&1 </dev/null || true
wineserver -w

# The user's shell folders are symlinks to $HOME after wineboot: make them real folders
# inside the prefix, so that links on the desktop stay in the prefix.
user_dir=$(find "$work/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
for d in Desktop Documents Downloads Music Pictures Videos "Templates"; do
    if [ -L "$user_dir/$d" ]; then rm -f "$user_dir/$d"; mkdir -p "$user_dir/$d"; fi
done
for d in "$work"/drive_c/users/Public/*; do
    if [ -L "$d" ]; then rm -f "$d"; mkdir -p "$d"; fi
done

# Windows without a display: the null graphics driver. It must be written while no
# wineserver runs, or the server overwrites it on exit.
cat >> "$work/user.reg" <<'REG'

[Software\\Wine\\Drivers]
"Graphics"="null"
REG

rm -rf "$work.home"
echo "$version" > "$work/.lumetra-template"
rm -rf "$template"
mv "$work" "$template"
