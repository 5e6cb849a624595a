#!/usr/bin/env bash
# Copies three channels in one editor process and pastes them in another, over the real
# clipboard of a private X server, then compares the pasted channels byte for byte.
set -euo pipefail
peer=$1 list_tool=$2 sample=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/run.sh" <<SCRIPT
set -e
"$peer" copy "$sample" 4 3 >"$work/copy.log" 2>&1 &
copier=\$!
for _ in \$(seq 100); do grep -q copied "$work/copy.log" 2>/dev/null && break; sleep 0.1; done
"$peer" paste "$sample" 9 "$work/pasted.dat"
kill \$copier
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/run.sh"

# Rows 4..6 of the sample now stand again at rows 10..12 of the pasted list.
"$list_tool" dump "$sample" | sed -n '5,7p' | sed 's/"slot":[0-9]*,//' >"$work/expected"
"$list_tool" dump "$work/pasted.dat" | sed -n '11,13p' | sed 's/"slot":[0-9]*,//' >"$work/actual"
if ! diff "$work/expected" "$work/actual"; then
    echo "pasted channels differ from the copied ones" >&2
    exit 1
fi
echo "3 channels copied between two editors"
