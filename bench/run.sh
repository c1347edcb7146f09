#!/usr/bin/env bash
# The benchmark: our setup against an NSIS installer doing the same work, on the standard
# payload and on a large synthetic one, under Wine; writes bench/RESULTS.md.
#   BENCH_ROUNDS  runs of every contender (default 9)
#   BENCH_CLEAN   1: remove the bench builds first (a clean build)
# Builds in build/bench/ only: build/bench/standard is the product's configuration,
# build/bench/large embeds the large payload (-DLUMETRA_PAYLOAD_ZIP). Takes a while.
set -euo pipefail
cd "$(dirname "$0")/.."

rounds="${BENCH_ROUNDS:-9}"
jobs="${JOBS:-$(nproc)}"
bench="$PWD/build/bench"

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

bash scripts/bootstrap.sh >/dev/null
# makensis builds the peer installer and GNU time reads peak memory; only the benchmark
# needs them.
missing=()
for p in nsis time; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "bench: installing ${missing[*]}"
    sudo_if_needed apt-get update -qq
    DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ "${BENCH_CLEAN:-0}" = 1 ]; then rm -rf "$bench"; fi
mkdir -p "$bench"

large="$bench/large-payload.zip"
if [ ! -f "$large" ] || [ bench/large_payload.py -nt "$large" ] || [ res/payload/make_payload.py -nt "$large" ]; then
    echo "bench: writing the large payload"
    python3 bench/large_payload.py --out "$large"
fi

for variant in standard large; do
    dir="$bench/$variant"
    mkdir -p "$dir/maps"
    options=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-Map=$dir/maps/")
    if [ "$variant" = large ]; then options+=("-DLUMETRA_PAYLOAD_ZIP=$large"); fi
    echo "bench: building $dir"
    cmake -S . -B "$dir" "${options[@]}" >/dev/null
    cmake --build "$dir" -j "$jobs" --target lumetra_setup read_links record_installation warm_up empty_program \
        >"$dir/build.log" || { tail -n 40 "$dir/build.log"; exit 1; }
done

bash tests/wine/make-template.sh "$bench/wine-template"

python3 bench/benchmark.py --standard-build "$bench/standard" --large-build "$bench/large" \
    --template "$bench/wine-template" --work "$bench/work" --rounds "$rounds" \
    --out bench/RESULTS.md --command "bash bench/run.sh"
