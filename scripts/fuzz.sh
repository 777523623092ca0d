#!/usr/bin/env bash
# Builds the libFuzzer targets and runs the programs-file fuzzer for a bounded time.
# Usage: scripts/fuzz.sh [seconds]   (default 60). Exits nonzero on a crash, hang or leak.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset fuzz
cmake --build --preset fuzz

build=build/fuzz
seeds=$build/seeds/programs
corpus=$build/corpus/programs
artifacts=$build/artifacts/
mkdir -p "$corpus" "$artifacts"
python3 -B tests/fuzz/make_seeds.py "$seeds"

# New inputs go to the first folder; the seeds stay as generated.
"$build/tests/fuzz/ProgramsFileFuzz" "$corpus" "$seeds" \
  -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -artifact_prefix="$artifacts"
