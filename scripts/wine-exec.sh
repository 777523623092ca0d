#!/usr/bin/env bash
# Runs a Windows program under Wine: inside the harness when one is already set up
# (LVTX_WINE_READY), otherwise in a fresh harness of its own. CMake uses this as the
# emulator of the cross-compiled tests.
here=$(cd "$(dirname "$0")" && pwd)
if [ "${LVTX_WINE_READY:-0}" = 1 ]; then
    exec /usr/lib/wine/wine64 "$@"
fi
exec "$here/wine-harness.sh" /usr/lib/wine/wine64 "$@"
