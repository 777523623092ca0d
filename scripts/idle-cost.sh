#!/usr/bin/env bash
# Measures what the program costs while it waits for its next bell: lvtx.exe under the Wine
# harness on a sample school day with nothing due, and beside it, in the same Wine session, a
# window that has only a 50 ms timer (the floor for any program with a 50 ms tick). Over
# SECONDS (default 60) it prints the CPU share of one core of each process (utime + stime of the
# Linux process that runs it), their ratio, and the resident memory (VmRSS).
#   idle-cost.sh [SECONDS]
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here);
# LVTX_IDLE_SETTLE the seconds left for start-up before the measurement (default 20);
# LVTX_IDLE_WEB=1 switches the web console on first (a password, port 18791, Wine's HTTP service
# started) and checks that it answers before the measurement, with no client during it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-60}
settle=${LVTX_IDLE_SETTLE:-20}
build=${LVTX_BUILD_DIR:-build/windows}

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
    cmake --build "$build" --target lvtx lvtx_timer_floor
    if [ "${LVTX_IDLE_WEB:-0}" = 1 ]; then
        cmake --preset native >/dev/null
        cmake --build --preset native --target lvtxctl
        export LVTX_WINE_HTTP=1
    fi
    exec bash scripts/wine-harness.sh bash "$0" "$seconds"
fi

wine=/usr/lib/wine/wine64
program_exe=$(realpath "$build/lvtx.exe")
floor_exe=$(realpath "$build/bench/idle/lvtx_timer_floor.exe")
appdata=$("$wine" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
source "$build/product.sh"
data_dir="$("$wine" winepath -u "$appdata" 2>/dev/null)/$data_folder"
# The start times are all that matter here: nothing plays, so the sounds need not exist.
python3 "$root/scripts/sample_programs.py" "$data_dir" 'C:\校园铃声' --quiet $((settle + seconds + 60))
web_port=18791
if [ "${LVTX_IDLE_WEB:-0}" = 1 ]; then
    password_file=$(mktemp "${TMPDIR:-/tmp}/lvtx-idle-web.XXXXXX")
    echo 'idle password' >"$password_file"
    "$root/build/native/src/lvtxctl/lvtxctl" web --data "$data_dir" --on --port "$web_port" \
        --password-file "$password_file" >/dev/null
    rm -f "$password_file"
fi

# Started from an unrelated folder, as a user would.
started=()
cleanup() { for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT
cd "$WINEPREFIX/drive_c"
for exe in "$program_exe" "$floor_exe"; do
    "$wine" "$("$wine" winepath -w "$exe" 2>/dev/null)" >/dev/null 2>&1 </dev/null &
    started+=($!)
done
cd "$root"

source "$root/scripts/wine-pid.sh"
# Clock ticks of user and system time; the fields after the command name, which may hold spaces.
cpu_ticks() { sed 's/.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
uptime_now() { cut -d' ' -f1 /proc/uptime; }
resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

sleep "$settle"
if [ "${LVTX_IDLE_WEB:-0}" = 1 ]; then
    python3 - "$web_port" <<'PROBE' || { echo "idle-cost: the web console does not answer" >&2; exit 1; }
import http.client, sys
connection = http.client.HTTPConnection("127.0.0.1", int(sys.argv[1]), timeout=5)
connection.request("GET", "/")
sys.exit(0 if connection.getresponse().status == 200 else 1)
PROBE
    echo "web console: on, answering on port $web_port; no client during the measurement"
fi
program_pid=$(wine_pid_of lvtx.exe) || { echo "idle-cost: lvtx.exe is not running" >&2; exit 1; }
floor_pid=$(wine_pid_of lvtx_timer_floor.exe) || { echo "idle-cost: the floor program is not running" >&2; exit 1; }

t0=$(uptime_now); p0=$(cpu_ticks "$program_pid"); f0=$(cpu_ticks "$floor_pid")
sleep "$seconds"
t1=$(uptime_now); p1=$(cpu_ticks "$program_pid"); f1=$(cpu_ticks "$floor_pid")
program_rss=$(resident_kib "$program_pid")
floor_rss=$(resident_kib "$floor_pid")

log="$data_dir/日志t.txt"
if [ -f "$log" ] && iconv -f UTF-16 -t UTF-8 "$log" 2>/dev/null | grep -q 开始播放; then
    echo "idle-cost: something played during the run; the figures are not those of an idle program" >&2
fi

awk -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" -v p=$((p1 - p0)) -v f=$((f1 - f0)) \
    -v prss="$program_rss" -v frss="$floor_rss" 'BEGIN {
    wall = t1 - t0
    program = 100 * p / hz / wall
    floor = 100 * f / hz / wall
    printf "idle cost over %.0f s, lvtx.exe beside a window with a 50 ms timer, in one Wine session\n", wall
    printf "program: %5.2f %% of a core, %6.1f MiB resident\n", program, prss / 1024
    printf "floor:   %5.2f %% of a core, %6.1f MiB resident\n", floor, frss / 1024
    if (f > 0) printf "ratio program/floor: %.2f (goal: at most 1.5)\n", program / floor
    else print "ratio program/floor: no floor measured (run longer)"
}'
