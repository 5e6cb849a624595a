#!/usr/bin/env bash
# Takes the README screenshots: the editor with a full list, in English and in German, under
# a private X server, the Edit menu after a Delete, the list on a dark palette and at 200 % on a
# 2560 x 1440 screen. Needs xvfb-run, xdotool and ImageMagick's import; run after building with
# the tests (the dark picture comes from tests/support/dark_screenshot).
# Usage: take-screenshots.sh [english|german|edit-menu|dark|200-percent ...] (all without names);
# BUILD_DIR names the build folder, build by default.
set -euo pipefail
cd "$(dirname "$0")/.."
bin=${BUILD_DIR:-build}/bin
out=docs/screenshots
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wanted() { [ ${#shots[@]} -eq 0 ] || [[ " ${shots[*]} " == *" $1 "* ]]; }
shots=("$@")

# A full TV and Radio list made from the sample channels, and an Update-List that lacks four of
# them, so that the dark picture shows rows missing from it.
python3 - "$work/full.dat" "$work/update.dat" <<'PY'
import sys
lines = [l for l in open("examples/sample.dat", "rb").read().split(b"\r\n") if l]
tv = [l for l in lines if l.split()[9] != b"0"]
radio = [l for l in lines if l.split()[9] == b"0"]
full = [tv[i % len(tv)] for i in range(1999)] + [radio[i % len(radio)] for i in range(1999)]
open(sys.argv[1], "wb").write(b"\r\n".join(full) + b"\r\n")
gone = {"Alpen Info", "Rheinwelle HD", "Doku Welt", "Reise Kanal"}
update = [l for l in lines if l.split(b'"')[1].decode("latin-1") not in gone]
open(sys.argv[2], "wb").write(b"\r\n".join(update) + b"\r\n")
PY

# A settings file for the editor in the given language, the window 1000 x 640 at the top left.
settings() {
    mkdir -p "$work/config/Kanalo"
    printf '[Settings]\nBoxType=3\nFirmware=2\nLanguage1=%s\nWindow=1 0 1000 0 640\n' \
        "$1" >"$work/config/Kanalo/Kanalo.ini"
}

mkdir -p "$out"
for language in English German; do
    name=$(echo "$language" | tr '[:upper:]' '[:lower:]')
    wanted "$name" || continue
    settings "$language"
    shot="$out/kanalo-$name.png"
    XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
        "$bin/Kanalo '$work/full.dat' & sleep 3; import -window root -crop 1000x640+0+0 '$shot'; kill %1"
    echo "wrote $shot"
done

# The Edit menu naming the step that Undo takes back: a row deleted, then Alt+E.
if wanted edit-menu; then
    settings English
    shot="$out/kanalo-edit-menu.png"
    XDG_CONFIG_HOME="$work/config" xvfb-run -a -s "-screen 0 1280x800x24" bash -c \
        "$bin/Kanalo '$work/full.dat' & sleep 3
         xdotool mousemove 200 140 click 1; sleep 0.5; xdotool key Delete; sleep 0.5
         xdotool key alt+e; sleep 1
         import -window root -crop 520x400+0+0 '$shot'; kill %1"
    echo "wrote $shot"
fi

# The dark palette: the row colours take their lighter shades.
if wanted dark; then
    shot="$out/kanalo-dark.png"
    # The same 1280 x 800 screen as the other pictures, so the list takes the same widths.
    printf '{ "screens": [ { "name": "s", "x": 0, "y": 0, "width": 1280, "height": 800 } ] }' \
        >"$work/screen.json"
    QT_QPA_PLATFORM="offscreen:configfile=$work/screen.json" "$bin/dark_screenshot" "$work/full.dat" "$work/update.dat" "$shot"
    echo "wrote $shot"
fi

# 200 % on a 2560 x 1440 screen: the 1000 x 640 window is 2000 x 1280 pixels.
if wanted 200-percent; then
    settings English
    shot="$out/kanalo-200-percent.png"
    XDG_CONFIG_HOME="$work/config" QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x1440x24" \
        bash -c "$bin/Kanalo '$work/full.dat' & sleep 4
                 import -window root -crop 2000x1280+0+0 '$shot'; kill %1"
    echo "wrote $shot"
fi
