#!/usr/bin/env bash
# Generates the audio tests' sample files into FOLDER: a 2-second stereo tone in every format
# the player must open, and a 1-second mp3 for the real-time checks.
#   make-samples.sh FOLDER
set -euo pipefail
out=$1
mkdir -p "$out"
tone=(-f lavfi -i "sine=frequency=440:sample_rate=44100:duration=2" -ac 2)
encode() {
    ffmpeg -nostdin -hide_banner -loglevel error -y "$@"
}
encode "${tone[@]}" -c:a pcm_s16le "$out/tone.wav"
encode "${tone[@]}" -c:a libmp3lame -b:a 128k "$out/tone.mp3"
encode "${tone[@]}" -c:a flac "$out/tone.flac"
encode "${tone[@]}" -c:a libvorbis -q:a 4 "$out/tone.ogg"
encode "${tone[@]}" -c:a aac -b:a 128k "$out/tone.m4a"
encode "${tone[@]}" -c:a aac -b:a 128k -f adts "$out/tone.aac"
encode "${tone[@]}" -c:a wmav2 -b:a 128k "$out/tone.wma"
encode "${tone[@]}" -c:a mp2 -b:a 192k "$out/tone.mp2"
encode -f lavfi -i "sine=frequency=660:sample_rate=44100:duration=1" -ac 2 -c:a libmp3lame -b:a 128k "$out/short.mp3"
