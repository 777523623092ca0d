#!/usr/bin/env bash
# Runs a command inside a fresh Wine environment and returns its exit code:
#   wine-harness.sh COMMAND [ARGS...]
# The environment: a new WINEPREFIX and HOME under a temp folder, an ALSA null device as the
# default sound output (Wine then lists "Default DirectSound Device"), Xvfb on a free display,
# the zh_CN.UTF-8 locale (Chinese text and arguments), Wine booted once. Everything it started
# (its wineserver, Xvfb) is ended on exit, by prefix and by pid.
# LVTX_WINE_HTTP=1 starts Wine's HTTP service before COMMAND (up to a minute more).
# LVTX_WINE_KEEP=1 keeps the temp folder for inspection; LVTX_NO_SOUND=1 leaves out the null
# device, so that Wine has no sound device at all.
set -u

wine_dir=/usr/lib/wine
root=$(mktemp -d "${TMPDIR:-/tmp}/lvtx-wine.XXXXXX")
xvfb_pid=

cleanup() {
    WINEPREFIX="$root/prefix" "$wine_dir/wineserver" -k >/dev/null 2>&1
    WINEPREFIX="$root/prefix" "$wine_dir/wineserver" -w >/dev/null 2>&1
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null
        wait "$xvfb_pid" 2>/dev/null
    fi
    [ "${LVTX_WINE_KEEP:-0}" = 1 ] || rm -rf "$root"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

export HOME="$root/home" WINEPREFIX="$root/prefix" WINEARCH=win64
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=" WINEDEBUG="${WINEDEBUG:--all}"
mkdir -p "$HOME"
if [ "${LVTX_NO_SOUND:-0}" != 1 ]; then
    cat >"$HOME/.asoundrc" <<'ASOUND'
pcm.!default { type plug slave.pcm "nullout" }
pcm.nullout { type null }
ASOUND
fi

# Xvfb chooses a free display itself and reports it.
Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$root/display" >/dev/null 2>&1 </dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$root/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -s "$root/display" ]; then
    echo "wine-harness: Xvfb did not start" >&2
    exit 1
fi
export DISPLAY=":$(head -n1 "$root/display")"

# A persistent server with no inherited output: Wine's background processes would otherwise keep
# the caller's pipes open (and ctest waiting) after the test has ended.
"$wine_dir/wineserver" -p >/dev/null 2>&1 </dev/null 9>&-
"$wine_dir/wine64" wineboot -i >/dev/null 2>&1 </dev/null 9>&-
# wineboot returns before its services settle; a first real program confirms the prefix is usable.
"$wine_dir/wine64" cmd /c exit >/dev/null 2>&1 </dev/null 9>&-

# Wine's HTTP service (for the web console) starts only once the boot's services have let go of
# the service database, and a start refused before stays refused; it is started here, bounded.
if [ "${LVTX_WINE_HTTP:-0}" = 1 ]; then
    for _ in $(seq 20); do
        "$wine_dir/wine64" net start http >/dev/null 2>&1 </dev/null 9>&- && break
        sleep 3
    done
fi

export LVTX_WINE_READY=1
"$@"
exit $?
