#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the Windows program and starts it under Wine.
# Until the main window exists, this runs the Windows smoke test: the data-file
# operations against the real Win32 file system.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset windows
cmake --build --preset windows
exec bash scripts/wine-harness.sh /usr/lib/wine/wine64 build/windows/tests/lvtx_win32_tests.exe "$@"
