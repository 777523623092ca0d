#!/usr/bin/env bash
# Takes the README's pictures: lvtx.exe in a Wine virtual desktop of 1280x800, showing one page.
#   screenshot.sh [PAGE [OUTPUT]]
# PAGE (default timed) and its default picture:
#   timed            docs/main-window.png         a sample school day, one program playing, one waiting
#   instant          docs/instant-page.png        the immediate-play list of a new installation
#   holidays         docs/holiday-page.png        a sample school year's holidays and shift days
#   settings         docs/settings-page.png
#   help             docs/help-page.png
#   troubleshooting  docs/troubleshooting-page.png
#   plan             docs/plan-view.png           the plan view "播放计划" of the sample school day
#   all              each of them, into its default picture
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
page=${1:-timed}
case $page in
    timed) default=docs/main-window.png; button=0 ;;
    instant) default=docs/instant-page.png; button=1 ;;
    holidays) default=docs/holiday-page.png; button=2 ;;
    settings) default=docs/settings-page.png; button=3 ;;
    help) default=docs/help-page.png; button=4 ;;
    troubleshooting) default=docs/troubleshooting-page.png; button=5 ;;
    plan) default=docs/plan-view.png; button=0 ;;
    all)
        for each in timed instant holidays settings help troubleshooting plan; do bash "$0" "$each"; done
        exit 0 ;;
    *) echo "screenshot.sh: unknown page $page" >&2; exit 2 ;;
esac
output=$(realpath -m "${2:-$default}")
build=${LVTX_BUILD_DIR:-build/windows}

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
    cmake --build "$build" --target lvtx
    exec bash scripts/wine-harness.sh bash "$0" "$page" "$output"
fi
exe=$(realpath "$build/lvtx.exe")

wine=/usr/lib/wine/wine64
appdata=$("$wine" cmd /c 'echo %APPDATA%' 2>/dev/null | tr -d '\r')
source "$build/product.sh"
data_dir="$("$wine" winepath -u "$appdata" 2>/dev/null)/$data_folder"
audio_dir="$WINEPREFIX/drive_c/校园铃声"
log="$data_dir/日志t.txt"

ready=软件启动
if [ "$page" = holidays ]; then
    python3 "$root/scripts/sample_calendar.py" "$data_dir"
elif [ "$page" = timed ] || [ "$page" = plan ]; then
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
    if [ "$page" = plan ]; then
        python3 "$root/scripts/sample_calendar.py" "$data_dir"
        ready=软件启动
    fi
fi

"$wine" explorer /desktop=lvtx,1280x800 "$("$wine" winepath -w "$exe" 2>/dev/null)" >/dev/null 2>&1 </dev/null &
desktop=$!

for _ in $(seq 120); do
    if [ -f "$log" ] && iconv -f UTF-16 -t UTF-8 "$log" 2>/dev/null | grep -q "$ready"; then break; fi
    sleep 0.5
done
sleep 2
if [ "$button" != 0 ]; then
    # The middle of the navigation bar's button, below the maximised window's caption
    # (buttons 35, 35, 52, 72, 72 and 72 pixels high from y = 15 of the bar, with their gaps).
    centres=(55 91 143 206 279 351)
    xdotool mousemove 70 "${centres[$button]}" click 1
    sleep 1
fi
if [ "$page" = plan ]; then
    # The link "播放计划…" beside "节目单编辑…" above the program list.
    xdotool mousemove 362 38 click 1
    sleep 2
fi
mkdir -p "$(dirname "$output")"
import -window root -crop 1280x800+0+0 +repage "$output"
kill "$desktop" 2>/dev/null || true
echo "screenshot: $output"
