# Shared by the test scripts: a Wine environment that never touches the real home
# folder, shows no window on a display and cannot launch desktop integration.
lumetra_wine_env() {
    # $1: prefix folder, $2: home folder for this run
    export WINEPREFIX="$1"
    export HOME="$2"
    export WINEDEBUG="${LUMETRA_WINEDEBUG:--all}"
    export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
    export WINEARCH=win64
    unset DISPLAY WAYLAND_DISPLAY
    if [ -z "${LUMETRA_KEEP_LANG:-}" ]; then
        export LANG=C.UTF-8 LC_ALL=C.UTF-8
    fi
}

# The registry and ini files are rewritten in place by Wine: a clone must own them,
# or a write in one test would leak into the template and every later clone.
lumetra_clone_prefix() {
    # $1: template, $2: new prefix folder
    cp -al "$1" "$2"
    local f
    for f in system.reg user.reg userdef.reg .update-timestamp \
             drive_c/windows/win.ini drive_c/windows/system.ini; do
        if [ -e "$1/$f" ]; then cp --remove-destination -p "$1/$f" "$2/$f"; fi
    done
}

# Debian's Wine keeps each prefix's server socket in a folder named by the prefix's
# device and inode below a temporary folder recorded in the prefix; remove it once the
# server is gone so that runs leave nothing in /tmp.
lumetra_forget_server_dir() {
    local prefix="$1" base dev ino
    [ -f "$prefix/wineserver" ] || return 0
    base="${TMPDIR:-/tmp}/$(cat "$prefix/wineserver")"
    dev=$(stat -c %d "$prefix") ino=$(stat -c %i "$prefix")
    rm -rf "$base/$(printf 'server-%x-%x' "$dev" "$ino")"
}
