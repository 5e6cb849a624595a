#!/usr/bin/env bash
# The placeholder updaters accept exactly their command lines and check the software file.
set -u
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
file="$work/new software.pad"
echo data >"$file"
failures=0
expect() {
    local want=$1
    shift
    "$@" >/dev/null 2>&1
    local got=$?
    if [ "$got" -ne "$want" ]; then
        echo "expected exit $want, got $got: $*"
        failures=$((failures + 1))
    fi
}
expect 0 "$bin/Update" -p 1 "$file"
expect 0 "$bin/Update2" -p 4 "$file"
expect 0 "$bin/Update3" -p 2 -c "$file"
expect 2 "$bin/Update3" -p 2 "$file"
expect 2 "$bin/Update" -p 5 "$file"
expect 2 "$bin/Update" -p x "$file"
expect 2 "$bin/Update2" "$file"
expect 1 "$bin/Update" -p 1 "$work/missing.pad"
expect 1 "$bin/Update" -p 1 "$work"
echo "$((9 - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
