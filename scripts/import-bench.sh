#!/usr/bin/env bash
# Measures adding 300 files to the immediate-play list under the Wine harness: the import
# dialog measures each file's length through the built tools folder, as "添加文件夹..." does.
# The files (half mp3, half wav, 1.5 to 3.5 s each) are made with ffmpeg at run time. Prints the
# time and the rate in files per second; the goal is 300 files in under 10 s.
#   import-bench.sh
# LVTX_BUILD_DIR names a configured Windows build (default build/windows, configured here).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${LVTX_BUILD_DIR:-build/windows}

if [ "${LVTX_WINE_READY:-0}" != 1 ]; then
    if [ -z "${LVTX_BUILD_DIR:-}" ]; then cmake --preset windows >/dev/null; fi
    cmake --build "$build" --target lvtx_import_bench
    exec bash scripts/wine-harness.sh bash "$0"
fi

samples=$(mktemp -d "${TMPDIR:-/tmp}/lvtx-import-bench.XXXXXX")
trap 'rm -rf "$samples"' EXIT
# Ten distinct sounds, each copied under thirty names: 300 files the probe opens one by one.
for i in $(seq 0 4); do
    length=$(awk -v i="$i" 'BEGIN { printf "%.1f", 1.5 + 0.5 * i }')
    tone=(-f lavfi -i "sine=frequency=$((330 + 110 * i)):sample_rate=44100:duration=$length" -ac 2)
    ffmpeg -nostdin -hide_banner -loglevel error -y "${tone[@]}" -c:a libmp3lame -b:a 128k "$samples/source$i.mp3"
    ffmpeg -nostdin -hide_banner -loglevel error -y "${tone[@]}" -c:a pcm_s16le "$samples/source$i.wav"
done
for n in $(seq -w 1 30); do
    for i in $(seq 0 4); do
        cp "$samples/source$i.mp3" "$samples/歌曲$n-$i.mp3"
        cp "$samples/source$i.wav" "$samples/铃声$n-$i.wav"
    done
done
rm "$samples"/source*

wine=/usr/lib/wine/wine64
bench_exe=$("$wine" winepath -w "$(realpath "$build/bench/import/lvtx_import_bench.exe")" 2>/dev/null)
"$wine" "$bench_exe" "$("$wine" winepath -w "$samples" 2>/dev/null)"
