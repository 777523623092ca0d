#!/usr/bin/env bash
# Writes the sample song of the immediate-play list's default entry: an original tune in the
# G major pentatonic scale, a plucked melody over soft plucked chords, faded in and out.
#   make-demo-tune.sh OUT.mp3 LENGTH_MS
# sox draws and mixes the notes; ffmpeg encodes the MP3, since Debian's sox writes none.
# The piece is 45 bars of 2.4 s; silence after it, where the reverb dies away, or a cut makes
# it LENGTH_MS long, the length the list stores.
set -euo pipefail
out=$1
length_ms=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=44100
half_ms=300  # the unit of every duration: half a beat at 100 beats a minute

# Semitones from A4 (440 Hz), as sox's "%" frequencies take them.
declare -A semitone=(
    [A2]=-24 [D3]=-19 [E3]=-17 [G3]=-14 [A3]=-12 [B3]=-10
    [D4]=-7 [E4]=-5 [G4]=-2 [A4]=0 [B4]=2 [D5]=5 [E5]=7 [G5]=10
)
# Each chord's three notes, low and open, so that none clashes with the pentatonic melody.
declare -A chord=(
    [G]="G3 B3 D4" [Em]="E3 G3 B3" [Am]="A2 E3 G3" [D]="D3 A3 E4"
)

seconds() {
    printf '%d.%03d' $(($1 / 1000)) $(($1 % 1000))
}

# One melody note (or the rest "r") of `units` half beats, drawn once and reused.
note() {
    local name=$1 units=$2
    local file="$work/note-$name-$units.wav"
    local duration
    duration=$(seconds $((units * half_ms)))
    if [ ! -e "$file" ]; then
        if [ "$name" = r ]; then
            sox -n -r $rate -c 1 "$file" trim 0 "$duration"
        else
            sox -n -r $rate -c 1 "$file" synth "$duration" pluck "%${semitone[$name]}" fade q 0.005 "$duration" 0.04
        fi
    fi
    echo "$file"
}

# Half a bar of the accompaniment: the chord's notes struck together.
strike() {
    local name=$1
    local file="$work/chord-$name.wav"
    local duration
    duration=$(seconds $((4 * half_ms)))
    if [ ! -e "$file" ]; then
        local tones=()
        for n in ${chord[$name]}; do tones+=(pluck "%${semitone[$n]}"); done
        sox -n -r $rate -c 3 "$work/chord-$name-3.wav" synth "$duration" "${tones[@]}" fade q 0.005 "$duration" 0.05
        sox "$work/chord-$name-3.wav" "$file" remix -
    fi
    echo "$file"
}

# The melody's phrases, bar by bar: note:half-beats, eight to a bar.
phrase_a=(
    G4:2 A4:2 B4:2 D5:2   E5:4 D5:2 B4:2   A4:2 B4:2 G4:2 E4:2   D4:6 r:2
    G4:2 A4:2 B4:2 D5:2   E5:2 G5:2 E5:2 D5:2   B4:2 A4:2 G4:2 A4:2   G4:6 r:2
)
phrase_b=(
    E5:3 D5:1 E5:2 G5:2   D5:4 B4:2 A4:2   B4:2 D5:2 E5:2 D5:2   B4:6 r:2
    A4:3 B4:1 A4:2 G4:2   E4:2 G4:2 A4:2 B4:2   D5:2 B4:2 A4:3 B4:1   A4:6 r:2
)
ending=(D5:2 B4:2 A4:2 B4:2   A4:4 G4:4   G4:8)
# Two bars of chords alone, then A B A B A and the ending.
chords_a=(G Em Am D G Em Am G)
chords_b=(Em D G Em Am Em D D)
bars=(G G "${chords_a[@]}" "${chords_b[@]}" "${chords_a[@]}" "${chords_b[@]}" "${chords_a[@]}" G Am G)

melody=("$(note r 16)")
units=16
for token in "${phrase_a[@]}" "${phrase_b[@]}" "${phrase_a[@]}" "${phrase_b[@]}" "${phrase_a[@]}" "${ending[@]}"; do
    melody+=("$(note "${token%%:*}" "${token##*:}")")
    units=$((units + ${token##*:}))
done
accompaniment=()
for name in "${bars[@]}"; do
    accompaniment+=("$(strike "$name")" "$(strike "$name")")
done
sox "${melody[@]}" "$work/melody.wav"
sox "${accompaniment[@]}" "$work/accompaniment.wav"

# The chords sit well below the melody; a light reverb in stereo softens both.
length=$(seconds "$length_ms")
tail_ms=$((length_ms - units * half_ms))
[ $tail_ms -ge 0 ] || tail_ms=0
sox -m -v 0.9 "$work/melody.wav" -v 0.45 "$work/accompaniment.wav" "$work/tune.wav" \
    channels 2 reverb 40 50 70 100 10 pad 0 "$(seconds $tail_ms)" trim 0 "$length" fade t 2 "$length" 5 norm -3
mkdir -p "$(dirname "$out")"
ffmpeg -nostdin -loglevel error -y -i "$work/tune.wav" -codec:a libmp3lame -b:a 128k "$out"
