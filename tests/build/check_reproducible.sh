#!/usr/bin/env bash
# Checks the setup's PE header, then builds the setup a second time in another folder and compares it byte for byte with the
# first build: no time stamp, path or other accident of the build may reach the program.
#   check_reproducible.sh <source dir> <setup executable of the first build>
set -euo pipefail
source_dir="$1"
first="$2"

# The header of a hardened program: no time stamp; ASLR with high-entropy addresses and
# DEP (DllCharacteristics 0x0020, 0x0040, 0x0100).
header=$(x86_64-w64-mingw32-objdump -p "$first")
grep -q 'Time/Date[[:space:]]*Thu Jan  1 00:00:00 1970' <<<"$header" || { echo "time stamp in the PE header" >&2; exit 1; }
characteristics=$((16#$(sed -n 's/^DllCharacteristics[[:space:]]*\([0-9a-fA-F]*\)$/\1/p' <<<"$header")))
if (( (characteristics & 0x160) != 0x160 )); then
    printf 'DllCharacteristics %x lacks ASLR/high-entropy/NX\n' "$characteristics" >&2
    exit 1
fi

second_dir=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-repro.XXXXXX")
trap 'rm -rf "$second_dir"' EXIT

cmake -S "$source_dir" -B "$second_dir" -DCMAKE_BUILD_TYPE=Release -DLUMETRA_BUILD_TESTS=OFF >/dev/null
cmake --build "$second_dir" --target lumetra_setup -j "$(nproc)" >/dev/null
second="$second_dir/$(basename "$first")"

if cmp -s "$first" "$second"; then
    echo "identical: $(sha256sum "$first" | cut -d' ' -f1)"
else
    echo "the two builds differ:" >&2
    sha256sum "$first" "$second" >&2
    cmp -l "$first" "$second" | head -n 20 >&2 || true
    exit 1
fi
