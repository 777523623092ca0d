#!/usr/bin/env bash
# A soak run of the program under the Wine harness, with sound flowing to the null device:
#   soak.sh MINUTES
# Main part, MINUTES long: a bell every 10 s, a folder program of three short songs every minute
# and an endless immediate-play run under them (so timed play is lowered throughout). Beside the
# program, in the same Wine session, Media Foundation's source reader decodes the bell file and
# Windows' own DirectShow graph plays it, at the same rate of plays (bench/soak/GraphPlayer.cpp):
# the platform's own memory growth per play, of the two pieces each of the program's plays uses. Every
# minute, at second 25 (no bell or song then, only the endless run), it samples the program's
# VmRSS, Linux threads and file descriptors, its Windows handles, and the baseline's VmRSS and
# handles. A running soak reads this script as it goes: edit a copy, never the one running.
# Midnight part, about 2.5 minutes: the program started again with a time zone (TZ, which Wine
# honours for local time) that puts local midnight inside the run; bells ring on both sides, and
# programs limited to one weekday ring only on their own day's side.
# scripts/soak_judge.py judges the plays, the failure lines, memory, threads and handles, and
# prints the summary; the exit code is non-zero on failure. The data folders and logs are kept
# in the results folder (LVTX_SOAK_RESULTS, default a new temp folder), which is printed.
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
minutes=${1:?usage: soak.sh MINUTES}
build=${LVTX_BUILD_DIR:-build/windows}

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
    cmake --build "$build" --target lvtx lvtx_soak_probe lvtx_graph_player
    export LVTX_SOAK_RESULTS=${LVTX_SOAK_RESULTS:-$(mktemp -d "${TMPDIR:-/tmp}/lvtx-soak.XXXXXX")}
    exec bash scripts/wine-harness.sh bash "$0" "$minutes"
fi

results=${LVTX_SOAK_RESULTS:?}
mkdir -p "$results"
wine=/usr/lib/wine/wine64
program_exe=$(realpath "$build/lvtx.exe")
probe_exe=$(realpath "$build/bench/soak/lvtx_soak_probe.exe")
player_exe=$(realpath "$build/bench/soak/lvtx_graph_player.exe")
appdata=$("$wine" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
source "$build/product.sh"
data_dir="$("$wine" winepath -u "$appdata" 2>/dev/null)/$data_folder"
log="$data_dir/日志t.txt"
source "$root/scripts/wine-pid.sh"

# Sounds made here: a 1 s bell, four 2 s songs, two 20 s immediate-play items.
audio_unix="$WINEPREFIX/drive_c/soak"
audio='C:\soak'
mkdir -p "$audio_unix/歌曲" "$audio_unix/立即播"
sox -q -n -r 44100 -c 2 -b 16 "$audio_unix/bell.wav" synth 1 sine 880 vol 0.5
for i in 1 2 3 4; do
    ffmpeg -loglevel error -f lavfi -i "sine=frequency=$((300 + 100 * i)):duration=2" -ac 2 -ar 44100 \
        "$audio_unix/歌曲/歌$i.mp3"
done
for name in 甲 乙; do
    ffmpeg -loglevel error -f lavfi -i "sine=frequency=500:duration=20" -ac 2 -ar 44100 "$audio_unix/立即播/$name.mp3"
done

winpath() { "$wine" winepath -w "$1" 2>/dev/null; }
iso_at() { date -d "@$1" +%Y-%m-%dT%H:%M:%S; }
probe() { "$wine" "$(winpath "$probe_exe")" "$@" </dev/null | tr -d '\r'; }

started=()
cleanup() { for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done; }
trap cleanup EXIT

# Starts the program from an unrelated folder, as a user would; extra arguments are environment.
start_program() {
    (cd "$WINEPREFIX/drive_c" && exec env "$@" "$wine" "$(winpath "$program_exe")" >/dev/null 2>&1 </dev/null) &
    started+=($!)
    disown
}

# Sleeps until the Unix time $1.
sleep_until() {
    local left=$(($1 - $(date +%s)))
    if [ "$left" -gt 0 ]; then sleep "$left"; fi
}

# ---- Main part ----
now=$(date +%s)
first_bell=$(((now + 30) / 10 * 10 + 10))
# Samples at second 25 of each minute, the first one at least a minute after the first bell.
first_sample=$(((first_bell + 60) / 60 * 60 + 25))
last_sample=$((first_sample + (minutes - 1) * 60))
end=$((last_sample + 10))
rm -rf "$data_dir"
python3 "$root/scripts/soak_data.py" main "$data_dir" "$audio" "$(iso_at "$first_bell")" "$(iso_at "$end")" \
    >"$results/main-plan.json"

start_program
probe instant >/dev/null || { echo "soak: the endless immediate-play run did not start" >&2; exit 1; }
program_pid=$(wine_pid_of lvtx.exe) || { echo "soak: lvtx.exe is not running" >&2; exit 1; }

# The baseline plays the bell once per play of the program: 6 bells, 3 songs and 3 immediate-play
# items a minute, so one every 5 s. Its graphs are built 2.5 s off the bells' and songs' whole
# seconds: under Wine, audio renderers created at the same moment in two processes can fail
# (measured: one bell in twelve logged "音频设备无效" while the baseline played on the bells' grid).
count_file="$results/platform-plays.txt"
echo 0 >"$count_file"
(cd "$WINEPREFIX/drive_c" && exec "$wine" "$(winpath "$player_exe")" "$audio\\bell.wav" 5000 2500 \
    "$(winpath "$count_file")" >/dev/null 2>&1 </dev/null) &
started+=($!)
disown
sleep 5
player_pid=$(wine_pid_of lvtx_graph_player.exe any) || { echo "soak: the baseline player is not running" >&2; exit 1; }

resident_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
# The lowest VmRSS of the program and of the baseline over 2 s: a graph being built or torn down
# adds megabytes for a moment (measured: the baseline's samples alternated by 6 MiB).
resident_floors() {
    local low_a low_b a b
    for _ in 1 2 3 4 5; do
        a=$(resident_kib "$1")
        b=$(resident_kib "$2")
        if [ -z "${low_a:-}" ] || [ "$a" -lt "$low_a" ]; then low_a=$a; fi
        if [ -z "${low_b:-}" ] || [ "$b" -lt "$low_b" ]; then low_b=$b; fi
        sleep 0.4
    done
    echo "$low_a $low_b"
}
linux_threads() { awk '/^Threads:/ { print $2 }' "/proc/$1/status"; }
samples="$results/samples.tsv"
printf 'time\tpid\trssKiB\tthreads\tfds\thandles\twinThreads\tinstantItems\tplatformRssKiB\tplatformPlays\tplatformHandles\n' \
    >"$samples"
echo "soak: $minutes minutes from $(date -d "@$first_sample" +%T), results in $results"
for ((t = first_sample; t <= last_sample; t += 60)); do
    sleep_until "$t"
    pid=$(wine_pid_of lvtx.exe) || { echo "soak: lvtx.exe is gone at $(date +%T)" >&2; break; }
    line=$(probe sample) || { echo "soak: the probe failed at $(date +%T)" >&2; break; }
    eval "$line"  # handles=H threads=T instant=N platformHandles=P
    read -r rss platform_rss < <(resident_floors "$pid" "$player_pid")
    row="$(iso_at "$t")	$pid	$rss	$(linux_threads "$pid")	$(ls "/proc/$pid/fd" | wc -l)"
    row+="	$handles	$threads	$instant	$platform_rss	$(tr -d '\r' <"$count_file")	$platformHandles"
    printf '%s\n' "$row" | tee -a "$samples" | awk -F'\t' '{ printf "  %s  rss %d KiB  threads %d  handles %d  baseline %d KiB, %d handles after %d plays\n", substr($1, 12), $3, $4, $6, $9, $11, $10 }'
done
sleep_until "$end"
probe exit >/dev/null || echo "soak: the program did not leave through its close dialog" >&2
kill "$player_pid" 2>/dev/null || true
cp "$log" "$results/main-log.txt"
[ "$program_pid" = "$(tail -n1 "$samples" | cut -f2)" ] || echo "soak: the program's process changed" >&2

# ---- Midnight part ----
# A whole-minute UTC offset that makes local midnight fall 90 s from now (±30 s), within -12..+14 h.
now=$(date +%s)
offset=$(((86400 - (now + 90) % 86400 + 30) / 60 * 60 % 86400))
if [ "$offset" -gt $((14 * 3600)) ]; then offset=$((offset - 86400)); fi
sign=-
if [ "$offset" -lt 0 ]; then sign=+; fi
abs=${offset#-}
tz=$(printf 'SOAK%s%02d:%02d' "$sign" $((abs / 3600)) $((abs % 3600 / 60)))
midnight_unix=$(((now + 90 + offset + 43200) / 86400 * 86400 - offset))
rm -rf "$data_dir"
TZ=$tz python3 "$root/scripts/soak_data.py" midnight "$data_dir" "$audio" \
    "$(TZ=$tz iso_at "$midnight_unix")" >"$results/midnight-plan.json"
echo "soak: midnight part with TZ=$tz, local midnight at $(date -d "@$midnight_unix" +%T) (UTC)"
start_program TZ="$tz"
sleep_until $((midnight_unix + 65))
probe exit >/dev/null || echo "soak: the program did not leave through its close dialog" >&2
cp "$log" "$results/midnight-log.txt"

python3 "$root/scripts/soak_judge.py" "$results/main-plan.json" "$samples" "$results/main-log.txt" \
    "$results/midnight-plan.json" "$results/midnight-log.txt"
