#!/usr/bin/env bash
# Takes the README screenshots: the editor with a full list, in English and in German, under
# a private X server, and the Edit menu after a Delete. Needs xvfb-run, xdotool and ImageMagick's
# import; run after building.
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A full TV and Radio list made from the sample channels.
python3 - "$work/full.dat" <<'PY'
import sys
lines = [l for l in open("examples/sample.dat", "rb").read().split(b"\r\n") if l]
tv = [l for l in lines if l.split()[9] != b"0"]
radio = [l for l in lines if l.split()[9] == b"0"]
full = [tv[i % len(tv)] for i in range(1999)] + [radio[i % len(radio)] for i in range(1999)]
open(sys.argv[1], "wb").write(b"\r\n".join(full) + b"\r\n")
PY

mkdir -p "$out"
for language in English German; do
    mkdir -p "$work/config/Kanalo"
    printf '[Settings]\nBoxType=3\nFirmware=2\nLanguage1=%s\nWindow=1 0 1000 0 640\n' \
        "$language" >"$work/config/Kanalo/Kanalo.ini"
    shot="$out/kanalo-$(echo "$language" | tr '[:upper:]' '[:lower:]').png"
    XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
        "build/bin/Kanalo '$work/full.dat' & sleep 3; import -window root -crop 1000x640+0+0 '$shot'; kill %1"
    echo "wrote $shot"
done

# The Edit menu naming the step that Undo takes back: a row deleted, then Alt+E.
mkdir -p "$work/config/Kanalo"
printf '[Settings]\nBoxType=3\nFirmware=2\nLanguage1=English\nWindow=1 0 1000 0 640\n' \
    >"$work/config/Kanalo/Kanalo.ini"
shot="$out/kanalo-edit-menu.png"
XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
    "build/bin/Kanalo '$work/full.dat' & sleep 3
     xdotool mousemove 200 140 click 1; sleep 0.5; xdotool key Delete; sleep 0.5
     xdotool key alt+e; sleep 1
     import -window root -crop 520x400+0+0 '$shot'; kill %1"
echo "wrote $shot"
