#!/usr/bin/env bash
# Builds the libFuzzer targets and runs the fuzzer of each data-file loader, of the backup file
# and of the web console's requests for its share of a bounded time.
# Usage: scripts/fuzz.sh [seconds]   (default 60, shared by the targets).
# Runs every target; exits nonzero when any found a crash, hang or leak.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset fuzz
cmake --build --preset fuzz

build=build/fuzz
artifacts=$build/artifacts/
mkdir -p "$artifacts"
python3 -B tests/fuzz/make_seeds.py "$build/seeds"

targets=(programs:ProgramsFileFuzz holidays:HolidaysFileFuzz settings:SettingsFileFuzz instant:InstantFileFuzz backup:BackupFileFuzz
         web:WebSettingsFileFuzz requests:WebRequestFuzz)
share=$(( seconds / ${#targets[@]} ))
(( share >= 1 )) || share=1

status=0
for entry in "${targets[@]}"; do
  kind=${entry%%:*}
  target=${entry#*:}
  corpus=$build/corpus/$kind
  mkdir -p "$corpus"
  echo "== $target: $share s"
  # New inputs go to the first folder; the seeds stay as generated.
  "$build/tests/fuzz/$target" "$corpus" "$build/seeds/$kind" \
    -max_total_time="$share" -timeout=5 -rss_limit_mb=2048 -artifact_prefix="$artifacts$kind-" || status=1
done
exit "$status"
