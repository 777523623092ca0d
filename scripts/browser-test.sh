#!/usr/bin/env bash
# The web console in a real browser: headless chromium with a phone's screen, through chromedriver
# (python3-selenium), against lvtx.exe under the Wine harness with Wine's HTTP service started. It
# logs in on the page, watches a bell ring in the now-playing list, presses stop and sees the bell
# stop, also in the play log (tests/browser/test_console.py).
#   browser-test.sh [SCREENSHOT]
# SCREENSHOT is where the phone-sized picture of the console with the bell ringing goes (default
# BUILD/browser/web-console-phone.png; the README's is docs/web-console-phone.png).
# Run inside the harness already (LVTX_WINE_READY=1, with LVTX_WINE_HTTP=1), it runs at once.
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here).
set -euo pipefail
screenshot=()
if [ $# -gt 0 ]; then screenshot=(--screenshot "$(realpath -m "$1")"); fi
cd "$(dirname "$0")/.."
build=${LVTX_BUILD_DIR:-build/windows}

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
    cmake --build "$build" --target lvtx
    export LVTX_WINE_HTTP=1
    exec bash scripts/wine-harness.sh bash scripts/browser-test.sh "${screenshot[@]:1}"
fi

# Debian's python3, which has python3-selenium, whatever python3 comes first on PATH.
exec /usr/bin/python3 -B tests/browser/test_console.py --build "$build" "${screenshot[@]}"
