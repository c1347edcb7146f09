#!/usr/bin/env bash
# Configures and builds the setup, its payload and the tests.
#   BUILD_DIR   build folder (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
jobs="${JOBS:-$(nproc)}"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j "$jobs"
