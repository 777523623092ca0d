#!/usr/bin/env bash
# Writes the test sounds of the tools filter tests into FOLDER:
#   make-test-sounds.sh FOLDER
# A 2-second 440 Hz stereo tone in every format the filter is expected to play, a mono 22050 Hz
# and a 6-channel WAV for the formats offered, one under a Chinese name, a text file disguised as
# an MP3, and 30-second files for measuring the decoding cost.
set -euo pipefail
out=$1
mkdir -p "$out"
cd "$out"

tone=(-f lavfi -i "sine=frequency=440:sample_rate=44100:duration=2")
encode() { # name, then ffmpeg output options
    local name=$1
    shift
    ffmpeg -nostdin -loglevel error -y "${tone[@]}" -ac 2 "$@" "$name"
}

encode tone.wav -c:a pcm_s16le
encode tone.mp3 -c:a libmp3lame -b:a 128k
encode tone.flac -c:a flac
encode tone.ogg -c:a libvorbis -q:a 4
encode tone.m4a -c:a aac -b:a 128k
encode tone.aac -c:a aac -b:a 128k -f adts
encode tone.wma -c:a wmav2 -b:a 128k
encode tone.mp2 -c:a mp2 -b:a 192k

sox -n -r 22050 -c 1 -b 16 mono22050.wav synth 2 sine 660
ffmpeg -nostdin -loglevel error -y -f lavfi -i "sine=frequency=330:sample_rate=48000:duration=2" \
    -af "pan=5.1|FL=c0|FR=c0|FC=c0|LFE=c0|BL=c0|BR=c0" -c:a pcm_s16le six.wav
cp tone.wav 上课铃.wav
ffmpeg -nostdin -loglevel error -y -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=30" -ac 2 \
    -c:a libmp3lame -b:a 128k long.mp3
ffmpeg -nostdin -loglevel error -y -f lavfi -i "sine=frequency=440:sample_rate=44100:duration=30" -ac 2 \
    -c:a pcm_s16le long.wav
printf 'not a sound at all\n' >not-audio.mp3
