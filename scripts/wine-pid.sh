# Sourced by the measuring scripts (idle-cost.sh, soak.sh) inside the Wine harness.
# wine_pid_of EXE [any]: the Linux process that runs the Windows program EXE in this Wine prefix
# (other copies may run in other prefixes). Without "any" its command line must name the program
# with no argument: the program's watcher is a second lvtx.exe with a private one.
wine_pid_of() {
    local cmd pid
    for cmd in /proc/[0-9]*/cmdline; do
        pid=${cmd#/proc/}
        pid=${pid%/cmdline}
        if tr '\0' '\n' 2>/dev/null <"$cmd" | head -n1 | grep -qiE "[\\/]$1\$" &&
            { [ "${2:-}" = any ] || [ -z "$(tr '\0' '\n' 2>/dev/null <"$cmd" | sed -n 2p)" ]; } &&
            tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$WINEPREFIX"; then
            echo "$pid"
            return 0
        fi
    done
    return 1
}
