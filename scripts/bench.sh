#!/usr/bin/env bash
# Builds the optimised benchmarks and runs them: the time of one scheduler tick's
# eligibility work (256 programs, 128 holidays, 128 shift days) and its ratio to the
# same tick with the range test done on formatted texts. Takes well under a minute.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset bench >/dev/null
cmake --build --preset bench

results=build/bench/eligibility.json
build/bench/bench/lvtx_eligibility_bench --benchmark_min_time=0.2 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_out="$results" --benchmark_out_format=json

python3 - "$results" <<'PY'
import json
import sys

with open(sys.argv[1]) as f:
    runs = json.load(f)["benchmarks"]
errors = [run["name"] for run in runs if run.get("error_occurred")]
if errors:
    sys.exit("benchmark failed: " + ", ".join(errors))
median = {run["run_name"]: run["real_time"] for run in runs if run.get("aggregate_name") == "median"}
tick, by_text = median["schedulerTick"], median["schedulerTickByText"]
period = 50_000.0  # the tick period in microseconds
print()
print("tick (eligibility + validity cell, 256 programs): %.2f us = %.3f%% of the 50 ms period" % (tick, 100 * tick / period))
print("same tick with the text comparison:               %.2f us = %.3f%% of the period" % (by_text, 100 * by_text / period))
print("ratio text / fast: %.1f" % (by_text / tick))
PY
