#!/usr/bin/env bash
# Takes the README's pictures of the main window: lvtx.exe in a Wine virtual desktop of
# 1280x800, either on a sample school day with one program playing and one waiting, or on its
# holiday page with a sample school year's holidays and shift days.
#   screenshot.sh [OUTPUT]               the timed-play page (default docs/main-window.png)
#   screenshot.sh --holidays [OUTPUT]    the holiday page (default docs/holiday-page.png)
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
page=
default=docs/main-window.png
if [ "${1:-}" = --holidays ]; then
    page=--holidays
    default=docs/holiday-page.png
    shift
fi
output=$(realpath -m "${1:-$default}")
build=${LVTX_BUILD_DIR:-build/windows}

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
    cmake --build "$build" --target lvtx
    exec bash scripts/wine-harness.sh bash "$0" $page "$output"
fi
exe=$(realpath "$build/lvtx.exe")

wine=/usr/lib/wine/wine64
appdata=$("$wine" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
data_dir="$("$wine" winepath -u "$appdata" 2>/dev/null)/lvtx.10"
audio_dir="$WINEPREFIX/drive_c/校园铃声"
log="$data_dir/日志t.txt"

if [ -n "$page" ]; then
    python3 "$root/scripts/sample_calendar.py" "$data_dir"
    ready=软件启动
else
    # Sounds made here, never kept: short bells and two folders of songs.
    mkdir -p "$audio_dir/歌曲" "$audio_dir/早读音乐"
    tone() { sox -n -r 22050 -c 1 "$1" synth "$2" sine "$3" vol 0.3; }
    for bell in 上课铃 下课铃 眼保健操 广播体操 周末自习铃 校园广播通知; do tone "$audio_dir/$bell.wav" 3 660; done
    for n in 1 2 3; do
        tone "$audio_dir/歌曲/校园歌曲$n.wav" 20 523
        tone "$audio_dir/早读音乐/晨读配乐$n.wav" 30 440
    done
    python3 "$root/scripts/sample_programs.py" "$data_dir" 'C:\校园铃声'
    # The waiting program's queue line comes about 20 s after the data was written.
    ready=排队等候
fi

"$wine" explorer /desktop=lvtx,1280x800 "$("$wine" winepath -w "$exe" 2>/dev/null)" >/dev/null 2>&1 </dev/null &
desktop=$!

for _ in $(seq 120); do
    if [ -f "$log" ] && iconv -f UTF-16 -t UTF-8 "$log" 2>/dev/null | grep -q "$ready"; then break; fi
    sleep 0.5
done
sleep 2
if [ -n "$page" ]; then
    # The navigation bar's third button, below the maximised window's caption.
    xdotool mousemove 70 140 click 1
    sleep 1
fi
mkdir -p "$(dirname "$output")"
import -window root -crop 1280x800+0+0 +repage "$output"
kill "$desktop" 2>/dev/null || true
echo "screenshot: $output"
