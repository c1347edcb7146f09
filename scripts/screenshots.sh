#!/usr/bin/env bash
# Pictures of every wizard page as a user sees them, at 96 and at 144 DPI: the setup runs
# under Xvfb in a throwaway Wine prefix and is stepped through with the wizard driver.
#   BUILD_DIR   build folder (default: build); the PNGs go to $BUILD_DIR/screenshots
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${BUILD_DIR:-build}"

bash scripts/bootstrap.sh >/dev/null
bash scripts/build.sh >/dev/null
template="$root/$build/wine-template"
bash tests/wine/make-template.sh "$template"
setup="$root/$build/$(sed -n 's/^#define LUMETRA_SETUP_FILE_NAME "\(.*\)"$/\1/p' app/build_constants.h)"
driver="$root/$build/tests/tools/wizard_driver.exe"
out="$root/$build/screenshots"
# A German Windows: the system's own texts (message box buttons) in German.
locales="$root/$build/locale"
if [ ! -d "$locales/de_DE.UTF-8" ]; then
    mkdir -p "$locales"
    localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8"
fi
rm -rf "$out"
mkdir -p "$out"

for dpi in 96 144; do
    run=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-screenshots.XXXXXX")
    status=0
    (
        set -e
        . tests/wine/common.sh
        lumetra_clone_prefix "$template" "$run/prefix"
        # Windows on the X server, with Wine's own title bars (Xvfb has no window manager).
        sed -i 's/"Graphics"="null"/"Graphics"="x11"/' "$run/prefix/user.reg"
        printf '\n[Software\\\\Wine\\\\X11 Driver]\n"Managed"="N"\n' >> "$run/prefix/user.reg"
        # Wine's own fonts (Tahoma, MS Sans Serif, Marlett for the title bar buttons) are
        # not found by this Wine build on its own: give the prefix a copy.
        cp /usr/share/wine/fonts/*.ttf "$run/prefix/drive_c/windows/Fonts/"
        mkdir -p "$run/home" "$out/${dpi}dpi"
        xvfb-run -a -s "-screen 0 1024x768x24" \
            env LOCPATH="$locales" bash scripts/screenshots-of-one-run.sh "$dpi" "$run/prefix" "$run/home" \
                "$out/${dpi}dpi" "$setup" "$driver"
        lumetra_forget_server_dir "$run/prefix"
    ) || status=$?
    rm -rf "$run"
    if [ "$status" -ne 0 ]; then
        echo "screenshots at $dpi DPI failed" >&2
        exit 1
    fi
done
echo "screenshots in $out:"
ls -1 "$out"/*/
