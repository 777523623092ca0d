#!/usr/bin/env bash
# Measures the web console's status request under the Wine harness: lvtx.exe on a sample school
# day with the console on, one logged-in browser asking GET /api/status at 20 per second for
# 30 s on a kept-alive connection (scripts/web_bench.py). Prints the 50th, 95th and 99th
# percentile times; the goal is under 20 ms at the 95th.
#   web-bench.sh [RATE] [SECONDS]
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
rate=${1:-20}
seconds=${2:-30}
build=${LVTX_BUILD_DIR:-build/windows}
port=18790
password='bench password'

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
    cmake --build "$build" --target lvtx
    cmake --preset native >/dev/null
    cmake --build --preset native --target lvtxctl
    LVTX_WINE_HTTP=1 exec bash scripts/wine-harness.sh bash "$0" "$rate" "$seconds"
fi

wine=/usr/lib/wine/wine64
appdata=$("$wine" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
source "$build/product.sh"
data_dir="$("$wine" winepath -u "$appdata" 2>/dev/null)/$data_folder"
python3 "$root/scripts/sample_programs.py" "$data_dir" 'C:\校园铃声' --quiet $((seconds + 120))
work=$(mktemp -d "${TMPDIR:-/tmp}/lvtx-web-bench.XXXXXX")
program=
cleanup() {
    [ -z "$program" ] || kill "$program" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
printf '%s\n' "$password" >"$work/password"
"$root/build/native/src/lvtxctl/lvtxctl" web --data "$data_dir" --on --port "$port" --password-file "$work/password" >/dev/null

# Started from an unrelated folder, as a user would; no watcher, which would only wait.
cd "$WINEPREFIX/drive_c"
LVTX_E2E_NO_WATCHDOG=1 "$wine" "$("$wine" winepath -w "$root/$build/lvtx.exe" 2>/dev/null)" >/dev/null 2>&1 </dev/null &
program=$!
cd "$root"

python3 scripts/web_bench.py "$port" "$password" --rate "$rate" --seconds "$seconds"
