#!/usr/bin/env bash
# Builds the setup and runs its main job: a silent installation into a throwaway Wine
# prefix, followed by a readable summary of what the installation did.
#   DEMO_OPTIONS  the setup's options (default: /silent /group=1 /desktop=1 /thumbs=1 /assoc=1)
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/bootstrap.sh >/dev/null
bash scripts/build.sh >/dev/null
build="${BUILD_DIR:-build}"
bash tests/wine/make-template.sh "$build/wine-template"

LUMETRA_WINE_TEMPLATE="$PWD/$build/wine-template" \
LUMETRA_SETUP_EXE="$PWD/$build/$(sed -n 's/^#define LUMETRA_SETUP_FILE_NAME "\(.*\)"$/\1/p' app/build_constants.h)" \
LUMETRA_TOOLS_DIR="$PWD/$build/tests/tools" \
LUMETRA_SOURCE_DIR="$PWD" \
    python3 scripts/demo.py "${DEMO_OPTIONS:-/silent /group=1 /desktop=1 /thumbs=1 /assoc=1}"
