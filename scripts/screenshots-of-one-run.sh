#!/usr/bin/env bash
# Part of scripts/screenshots.sh, run inside the X server: starts the setup in the given
# prefix at the given DPI and saves a picture of every page (and of the question before
# leaving) into the output folder.
#   screenshots-of-one-run.sh <dpi> <prefix> <home> <output folder> <setup.exe> <wizard_driver.exe>
set -euo pipefail
dpi=$1 prefix=$2 home=$3 pictures=$4 setup=$5 driver=$6
display=$DISPLAY
. "$(dirname "$0")/../tests/wine/common.sh"
lumetra_wine_env "$prefix" "$home"
export DISPLAY="$display"
if [ -n "${LOCPATH:-}" ]; then export LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8; fi
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT

wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
# The pages' font, Microsoft Sans Serif, is not part of Wine: its Tahoma stands in, the
# face that Wine also gives the sheet itself (MS Shell Dlg), as Windows gives both one face.
wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Microsoft Sans Serif' /d 'Tahoma' /f >/dev/null 2>&1

wine "$setup" </dev/null >/dev/null 2>&1 &
drive() { wine "$driver" "$@" </dev/null 2>/dev/null; }
# picture <name> [messagebox]: the wizard's window, or its message box.
picture() {
    sleep 1  # let the window paint
    local x y w h
    read -r x y w h < <(drive rect ${2:-})
    import -window root -crop "${w}x${h}+${x}+${y}" +repage "$pictures/$1.png"
}

drive wait-sheet 60 >/dev/null
for page in 101:welcome 108:whats-new 104:associations 109:ready 110:finish; do
    id=${page%%:*} name=${page#*:}
    drive wait-page "$id" >/dev/null
    picture "page-$id-$name"
    if [ "$name" = welcome ]; then
        drive press cancel >/dev/null
        drive messagebox >/dev/null
        picture question-leave messagebox
        drive answer no >/dev/null
    fi
    [ "$name" = finish ] || drive press next >/dev/null
done
