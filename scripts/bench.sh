#!/usr/bin/env bash
# Builds the optimised benchmarks and runs them: the time of one scheduler tick's
# eligibility work (256 programs, 128 holidays, 128 shift days) and its ratio to the
# same tick with the range test done on formatted texts; whole ticks in the worst case
# and on a typical school day; lvtxctl's plan of a large day. Takes well under a minute.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

cmake --preset bench >/dev/null
cmake --build --preset bench

results=build/bench/eligibility.json
build/bench/bench/lvtx_eligibility_bench --benchmark_min_time=0.2 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_out="$results" --benchmark_out_format=json

ticks=build/bench/scheduler.json
build/bench/bench/lvtx_scheduler_bench --benchmark_min_time=0.2 --benchmark_repetitions=3 \
  --benchmark_report_aggregates_only=true --benchmark_out="$ticks" --benchmark_out_format=json

python3 - "$results" "$ticks" <<'PY'
import json
import sys

runs = []
for path in sys.argv[1:]:
    with open(path) as f:
        runs += json.load(f)["benchmarks"]
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
worst, school, plan = median["worstCaseTick"], median["schoolDayTick"], median["planOfALargeDay"]
print("whole tick, worst case (256 x 512 start times, 128 + 128): %.1f us = %.3f%% of the period" % (worst, 100 * worst / period))
print("whole tick, school day (20 programs, 3 holidays):           %.2f us = %.4f%% of the period" % (school, 100 * school / period))
print("lvtxctl plan of one day, 256 programs x 16 start times:     %.1f ms" % plan)
PY
