#!/usr/bin/env bash
# What ships carries no symbol table; the test programs keep theirs for the debugger.
#   symbol-tables.sh NM --stripped FILE… --kept FILE…
set -euo pipefail
nm=$1
shift
status=0
kind=
for file in "$@"; do
    case $file in --stripped | --kept) kind=$file; continue ;; esac
    count=$("$nm" "$file" | wc -l)
    if [ "$kind" = --stripped ] && [ "$count" -ne 0 ]; then
        echo "$file ships with $count symbols"
        status=1
    elif [ "$kind" = --kept ] && [ "$count" -eq 0 ]; then
        echo "$file has no symbols"
        status=1
    fi
done
exit $status
