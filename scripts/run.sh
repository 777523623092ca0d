#!/usr/bin/env bash
# Sets up a fresh Debian machine, builds the Windows program and starts it under Wine:
#   run.sh [1|2|3]     (the program's own argument: start hidden, lock, both)
# With DISPLAY set it appears on that screen, in a lasting Wine prefix (WINEPREFIX, by default
# ~/.local/share/lvtx-wine) so that its data folder survives; without one it runs inside the
# harness's virtual screen and fresh prefix until it exits.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset windows
cmake --build --preset windows --target lvtx
exe=build/windows/lvtx.exe

if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX="${WINEPREFIX:-$HOME/.local/share/lvtx-wine}" WINEARCH=win64
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG="${WINEDEBUG:--all}"
    exec /usr/lib/wine/wine64 "$exe" "$@"
fi
exec bash scripts/wine-harness.sh /usr/lib/wine/wine64 "$exe" "$@"
