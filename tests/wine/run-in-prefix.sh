#!/usr/bin/env bash
# Runs one Windows program under Wine in a fresh prefix cloned from the template, with a
# home folder of its own, and removes both afterwards. Used as the cross-compiling
# emulator of every unit test.
#   LUMETRA_WINE_TEMPLATE  template prefix (made by make-template.sh)
#   LUMETRA_KEEP_PREFIX    when set, the prefix is kept and its path printed
#   LUMETRA_WINDOWS_VERSION  when set (win7, win8, win10, ...), the prefix reports that
#                          Windows version
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/common.sh"

template="${LUMETRA_WINE_TEMPLATE:?LUMETRA_WINE_TEMPLATE is not set}"
run=$(mktemp -d "${TMPDIR:-/tmp}/lumetra-run.XXXXXX")
lumetra_clone_prefix "$template" "$run/prefix"
mkdir -p "$run/home"
lumetra_wine_env "$run/prefix" "$run/home"

cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
    lumetra_forget_server_dir "$run/prefix"
    if [ -n "${LUMETRA_KEEP_PREFIX:-}" ]; then echo "prefix kept: $run" >&2; else rm -rf "$run"; fi
}
trap cleanup EXIT

# A persistent server, warmed up with a first process, keeps Wine's own background
# processes off the test's output pipe.
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
if [ -n "${LUMETRA_WINDOWS_VERSION:-}" ]; then
    wine reg add 'HKCU\Software\Wine' /v Version /d "$LUMETRA_WINDOWS_VERSION" /f </dev/null >/dev/null 2>&1
fi

wine "$@"
rc=$?
exit $rc
