#!/usr/bin/env bash
# Builds the release packages into dist/:
#   dist/lvtx-<version>-win64.zip    the program folder "岚铃校园定时广播系统", to unpack anywhere
#   dist/lvtx-<version>-setup.exe    the installer (NSIS), which also writes the uninstaller
# Both hold the same program folder: the launcher, lvtx.exe, its tools folder, the troubleshooting
# page and the music folder with the sample song; nothing else (everything is linked statically,
# GDI+ is Windows' own). scripts/release-test.sh tries them under Wine.
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

build=${LVTX_BUILD_DIR:-build/windows}
if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
source packaging/release-names.sh
cmake --build "$build" --target lvtx TolvarBroadcasting lvtx_demo_tune

stage=dist/stage
folder=$stage/$product
rm -rf "$stage"
mkdir -p "$folder"
cp "$build/TolvarBroadcasting.exe" "$build/lvtx.exe" "$build/faqOfRun.htm" "$folder/"
cp -r "$build/lvtx_tools" "$build/music" "$folder/"

rm -f "$zip"
python3 packaging/release_zip.py write "$stage" "$product" "$zip"

# The uninstaller removes exactly what the installer put there: the files, then their folders
# deepest first, each only when empty.
removal=$stage/removal.nsh
{
    (cd "$folder" && find . -type f | LC_ALL=C sort) |
        sed -e 's|^\./||' -e 's|/|\\|g' -e 's|.*|Delete "$INSTDIR\\&"|'
    (cd "$folder" && find . -mindepth 1 -type d | LC_ALL=C sort -r) |
        sed -e 's|^\./||' -e 's|/|\\|g' -e 's|.*|RMDir "$INSTDIR\\&"|'
} >"$removal"

makensis -INPUTCHARSET UTF8 -V2 -DVERSION="$version" -DPRODUCT="$product" -DMUTEX="$mutex" \
    -DWATCHDOG_STOP="$watchdog_stop" -DWEB_PORT="$web_port" -DWEB_RULE="$web_rule" -DSTAGE="$(realpath "$folder")" \
    -DREMOVAL_LIST="$(realpath "$removal")" -DICON="$(realpath "$build/src/shell/win32/resources/lvtx.ico")" \
    -DOUTFILE="$(realpath -m "$setup")" packaging/installer.nsi
rm -rf "$stage"

ls -l "$zip" "$setup"
