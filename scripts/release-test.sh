#!/usr/bin/env bash
# The release test: the packages that scripts/package.sh wrote into dist/, tried as a Windows
# user would, in a fresh Wine environment. The zip must name its folder so that Windows reads
# it; unpacked, its launcher starts the program; the installer installs, upgrades over a running
# copy and writes an uninstaller that removes everything but the data folder
# (tests/release/ReleaseTest.cpp), reserving the web console's URL and opening its port, and the
# uninstaller removes both.
# LVTX_BUILD_DIR names a configured Windows build (default build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$(realpath -m "${LVTX_BUILD_DIR:-build/windows}")
source packaging/release-names.sh

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    python3 packaging/release_zip.py check "$zip" "$product"
    cmake --build "$build" --target lvtx_release_tests
    exec bash scripts/wine-harness.sh bash "$0"
fi

wine=/usr/lib/wine/wine64
# Unpacked where a user might: a folder of their own with a Chinese name, away from the build.
unpacked="$WINEPREFIX/drive_c/users/Public/下载"
mkdir -p "$unpacked"
python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$unpacked"
export LVTX_RELEASE_UNPACKED LVTX_RELEASE_SETUP
LVTX_RELEASE_UNPACKED=$("$wine" winepath -w "$unpacked" 2>/dev/null)
LVTX_RELEASE_SETUP=$("$wine" winepath -w "$root/$setup" 2>/dev/null)
# Wine's netsh is a stub that logs its arguments: they show the installer's and the uninstaller's
# netsh calls as Windows would run them (tests/release/netsh-calls.py).
export WINEDEBUG=-all,fixme+netsh
netsh_log="$WINEPREFIX/netsh.log"
# Started from an unrelated folder: every program finds its files from its own.
cd "$WINEPREFIX/drive_c"
status=0
"$wine" "$build/tests/lvtx_release_tests.exe" --gtest_brief=1 2>"$netsh_log" || status=$?
grep -v "fixme:netsh" "$netsh_log" >&2 || true
python3 "$root/tests/release/netsh-calls.py" "$netsh_log" "$web_port" "$web_rule" || status=1
exit "$status"
