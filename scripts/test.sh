#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds everything and runs every test:
# the native unit tests (with sanitizers), the tool tests, the Windows tests under Wine,
# a short soak run under Wine, the release packages and their test under Wine, and a bounded
# fuzzing run of the data-file readers.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

# The layering, before anything is built: the checker's own tests, then the tree.
python3 -B tests/layers/test_check_layers.py
python3 -B scripts/check-layers.py

cmake --preset native
cmake --build --preset native
ctest --test-dir build/native --output-on-failure -j "$(nproc)"

cmake --preset windows
cmake --build --preset windows
bash scripts/wine-harness.sh ctest --test-dir build/windows --output-on-failure -E lvtx_e2e_web_tests
# The web console's test and its test in a real browser, in a Wine of its own whose HTTP service
# runs from the start, as on Windows.
LVTX_WINE_HTTP=1 bash scripts/wine-harness.sh bash -c \
    'ctest --test-dir build/windows --output-on-failure -R lvtx_e2e_web_tests && bash scripts/browser-test.sh'

# Five minutes of bells, songs and an endless immediate-play run beside Windows' own graph, and
# local midnight: nothing missed, nothing failing, nothing growing faster than the platform.
LVTX_BUILD_DIR=build/windows bash scripts/soak.sh "${LVTX_SOAK_MINUTES:-5}"

# The release packages, built from that build and tried as a user would.
LVTX_BUILD_DIR=build/windows bash scripts/package.sh
LVTX_BUILD_DIR=build/windows bash scripts/release-test.sh

bash scripts/fuzz.sh "${LVTX_FUZZ_SECONDS:-60}"
