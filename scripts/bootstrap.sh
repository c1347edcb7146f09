#!/usr/bin/env bash
# Installs everything the build and the tests need on a Debian 12 machine.
# Idempotent: when every tool and source is already in place it only checks and returns.
set -euo pipefail

deps="${LUMETRA_DEPS:-${XDG_CACHE_HOME:-$HOME/.cache}/lumetra-deps}"

# fp-utils brings chmcmd, which compiles the viewer's help files; fonts-wine gives the
# wizard's screenshots Wine's own dialog fonts.
packages=(mingw-w64 g++-mingw-w64-x86-64 libz-mingw-w64-dev wine wine64 fonts-wine xvfb xauth
          cmake googletest imagemagick locales python3 dpkg-dev fp-utils)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "bootstrap: installing ${missing[*]}"
    sudo_if_needed apt-get update -qq
    DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# minizip is not packaged for mingw: take its sources from Debian's zlib source package.
minizip="$deps/minizip"
if [ ! -f "$minizip/unzip.c" ]; then
    if ! grep -rqsE '^(Types:.*deb-src|deb-src)' /etc/apt/sources.list /etc/apt/sources.list.d; then
        echo "bootstrap: adding Debian source entries"
        sudo_if_needed tee /etc/apt/sources.list.d/lumetra-deb-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
        sudo_if_needed apt-get update -qq
    fi
    work=$(mktemp -d)
    (cd "$work" && apt-get source --download-only zlib >/dev/null)
    orig=$(ls "$work"/zlib_*.orig.tar.* | head -n 1)
    mkdir -p "$minizip"
    top=$(basename "$orig" | sed -E 's/^zlib_(.*)\.orig\.tar\..*$/zlib-\1/')
    for f in unzip.c unzip.h ioapi.c ioapi.h iowin32.c iowin32.h crypt.h; do
        tar -xOf "$orig" "$top/contrib/minizip/$f" > "$minizip/$f"
    done
    rm -rf "$work"
    echo "bootstrap: minizip sources in $minizip"
fi

echo "bootstrap: ready"
