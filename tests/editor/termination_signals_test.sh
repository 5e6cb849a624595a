#!/usr/bin/env bash
# An editor ended by a signal removes its private folder, and a receiver software update it
# started runs on to its end: Ctrl+C to the terminal's process group and SIGTERM to the editor
# alone during an update, SIGHUP with no update running.
set -u
child=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
wait_for() { # FILE SECONDS
    local tries=$(($2 * 20))
    while [ "$tries" -gt 0 ]; do
        [ -e "$1" ] && return 0
        sleep 0.05
        tries=$((tries - 1))
    done
    return 1
}
session_of() { awk '{ print $6 }' "/proc/$1/stat"; }

# The stand-in updater prints for two seconds after it started, into a pipe whose reader is gone
# by then, and records its session at the end.
updater='#!/bin/sh
dir=$(dirname "$0")
echo started
: >"$dir/started"
sleep 1
echo writing
sleep 1
echo still writing
awk "{ print \$6 }" /proc/$$/stat >"$dir/done"
'

run_case() { # MODE SIGNAL WHOM(group|editor)
    local mode=$1 signal=$2 whom=$3 case_dir="$work/$1-$2"
    mkdir -p "$case_dir/tmp" "$case_dir/outer"
    printf '%s' "$updater" >"$case_dir/Update3"
    chmod +x "$case_dir/Update3"
    : >"$case_dir/new.pad"
    # Job control gives the editor a process group of its own, as a shell in a terminal does.
    set -m
    TMPDIR="$case_dir/outer" QT_QPA_PLATFORM=offscreen "$child" "$case_dir" "$mode" \
        >/dev/null 2>&1 &
    local pid=$!
    set +m
    local ready="$case_dir/ready"
    [ "$mode" = update ] && ready="$case_dir/started"
    wait_for "$ready" 10 || { fail "$mode: the editor did not get ready"; kill -9 "$pid"; return; }
    local editor_session
    editor_session=$(session_of "$pid")
    [ -n "$(ls -A "$case_dir/tmp")" ] || fail "$mode: no private folder was made"
    if [ "$whom" = group ]; then kill "-$signal" -- "-$pid"; else kill "-$signal" "$pid"; fi
    wait "$pid"
    local status=$?
    [ "$status" -eq $((128 + $(kill -l "$signal"))) ] ||
        fail "$mode $signal: the editor ended with $status, not by the signal"
    [ -z "$(ls -A "$case_dir/tmp")" ] || fail "$mode $signal: the private folder was left behind"
    if [ "$mode" = update ]; then
        if wait_for "$case_dir/done" 5; then
            [ "$(cat "$case_dir/done")" != "$editor_session" ] ||
                fail "$signal: the updater ran in the editor's session"
        else
            fail "$signal to the $whom: the updater did not run to its end"
        fi
    fi
}

run_case update INT group
run_case update TERM editor
run_case idle HUP editor
echo "$failures failures"
[ "$failures" -eq 0 ]
