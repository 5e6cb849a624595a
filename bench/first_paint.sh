#!/usr/bin/env bash
# Start-up to the first painted list, whole process: Kanalo with a full list autoloaded against
# a minimal Qt Widgets program (the floor), taking turns under one Xvfb. Each program prints the
# milliseconds from its exec (told by first_paint_launch) to the end of its first paint
# (KANALO_REPORT_FIRST_PAINT).
# Prints both medians and their ratio.
# Usage: bench/first_paint.sh [BIN_DIR] [RUNS]
set -euo pipefail
bin=$(cd "${1:-build/bin}" && pwd)
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A full list: 1999 TV and 1999 Radio channels, 999 of each in the user list.
awk 'BEGIN {
    for (i = 0; i < 3998; i++)
        printf "ASTRA 8192 %d h 27500   2 %5d   255   256 %5d %d \"Channel %d\"\r\n",
            10700000 + (i * 7919) % 2000000, i, i < 1999 ? 255 : 0, i % 1999 < 999, i
}' >"$work/full.dat"
mkdir -p "$work/config/Kanalo"
printf '[Settings]\nBoxType=3\nFirmware=2\nLanguage1=English\n[Directories]\nAutoLoad=%s\n' \
    "$work/full.dat" >"$work/config/Kanalo/Kanalo.ini"

export KANALO_REPORT_FIRST_PAINT=1 XDG_CONFIG_HOME="$work/config" TMPDIR="$work"
export BIN="$bin" RUNS="$runs" OUT="$work"
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    for _ in $(seq "$RUNS"); do
        "$BIN/first_paint_launch" "$BIN/first_paint_floor" >>"$OUT/floor.ms"
        "$BIN/first_paint_launch" "$BIN/Kanalo" >>"$OUT/kanalo.ms"
    done' 2>/dev/null

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }
floor=$(median "$work/floor.ms")
kanalo=$(median "$work/kanalo.ms")
echo "first paint, median of $runs: Kanalo $kanalo ms, minimal Qt program $floor ms," \
    "ratio $(awk -v k="$kanalo" -v f="$floor" 'BEGIN { printf "%.2f", k / f }')"
