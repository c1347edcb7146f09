#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (unit tests and
# end-to-end scenarios, all under Wine in throwaway prefixes).
#   BUILD_DIR   build folder (default: build)
#   JOBS        parallel jobs (default: number of cores)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/bootstrap.sh
bash scripts/build.sh

build="${BUILD_DIR:-build}"
jobs="${JOBS:-$(nproc)}"
start=$(date +%s)
status=0
(cd "$build" && ctest --output-on-failure -j "$jobs") || status=$?
echo "tests took $(( $(date +%s) - start )) s"
exit $status
