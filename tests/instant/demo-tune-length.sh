#!/usr/bin/env bash
# The built sample song exists and lasts within a second of the length that the immediate-play
# list's default entry stores for it:   demo-tune-length.sh SONG.mp3 STORED_MS
set -euo pipefail
seconds=$(ffprobe -v error -show_entries format=duration -of csv=p=0 "$1")
measured_ms=$(awk -v s="$seconds" 'BEGIN { printf "%d", s * 1000 }')
difference=$((measured_ms - $2))
echo "measured ${measured_ms} ms, stored $2 ms"
[ "${difference#-}" -le 1000 ]
