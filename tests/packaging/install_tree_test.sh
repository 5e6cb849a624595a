#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR under a strict umask and checks the tree: every
# file in place with its mode, every folder 0755, the desktop entry and AppStream metainfo valid,
# every man page rendering without warnings, the licence and the changelogs, the editor's tool
# lookup from the installed bin/ folder, and lintian's verdict on the package when it is there.
set -u
build=$1
probe=$2
source=$3
tools=$4       # the updaters' folder under the prefix, as configured
tool_folder=$5 # the same, in full, as the man page names it
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failures=0
check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}
same() { # expected actual
    [ "$1" == "$2" ] && return 0
    diff <(printf '%s\n' "$1") <(printf '%s\n' "$2")
    return 1
}

if ! (umask 077 && DESTDIR="$work/destdir" cmake --install "$build" --prefix /usr) >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    echo "0 passed, 1 failed"
    exit 1
fi
usr=$(realpath "$work/destdir/usr")
app=io.github.kanalo.Kanalo

# Everything the install holds, with its mode: nothing missing, nothing extra.
tree=$(cd "$usr" && find . -type f -printf '%P %m\n' -o -type l -printf '%P -> %l\n' | LC_ALL=C sort)
check "installed tree" same "bin/Kanalo 755
bin/boxsim 755
bin/kanalo-list 755
bin/listfetch1 755
bin/listfetch3 755
bin/listsend1 755
bin/listsend2 755
bin/listsend3 755
$tools/Update 755
$tools/Update2 755
$tools/Update3 755
share/applications/$app.desktop 644
share/doc/kanalo/changelog.Debian.gz 644
share/doc/kanalo/changelog.gz 644
share/doc/kanalo/copyright 644
share/icons/hicolor/128x128/apps/$app.png 644
share/icons/hicolor/256x256/apps/$app.png 644
share/icons/hicolor/48x48/apps/$app.png 644
share/icons/hicolor/scalable/apps/$app.svg 644
share/lintian/overrides/kanalo 644
share/man/man1/Kanalo.1.gz 644
share/man/man1/boxsim.1.gz 644
share/man/man1/kanalo-list.1.gz 644
share/man/man1/listfetch1.1.gz 644
share/man/man1/listfetch3.1.gz 644
share/man/man1/listsend1.1.gz -> listfetch1.1.gz
share/man/man1/listsend2.1.gz -> listfetch1.1.gz
share/man/man1/listsend3.1.gz -> listfetch3.1.gz
share/metainfo/$app.metainfo.xml 644" "$tree"
# A folder the umask narrowed would hide the updaters from every other user.
check "folders 0755 under umask 077" same "" "$(find "$work/destdir" -mindepth 1 -type d ! -perm 755 -printf '%P %m\n')"

# Each PNG has the size of its folder: the signature, then width and height from the header.
for size in 48 128 256; do
    png="$usr/share/icons/hicolor/${size}x${size}/apps/$app.png"
    check "${size} px icon" same "89 50 4e 47 0d 0a 1a 0a $size $size" \
        "$(od -An -tx1 -N8 "$png" | xargs) $(od -An -tu4 --endian=big -j16 -N8 "$png" | xargs)"
done

check "desktop-file-validate" same "" "$(desktop-file-validate "$usr/share/applications/$app.desktop" 2>&1)"
check "appstreamcli validate" appstreamcli validate --no-net --pedantic \
    "$usr/share/metainfo/$app.metainfo.xml"
# The tree as a whole: the launchable desktop entry and the icon the metainfo names.
check "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$work/destdir"

# Every page renders without a warning and names each program whose name it is installed under.
for page in "$usr"/share/man/man1/*.1.gz; do
    name=$(basename "$page" .1.gz)
    check "$name(1) renders" same "" "$(zcat "$page" | groff -man -ww -z 2>&1)"
    check "$name(1) carries the version" grep -qE '^\.TH .*"Kanalo [0-9]+\.[0-9]+\.[0-9]+"' \
        <(zcat "$page")
    check "$name(1) names $name" grep -qE -- "(^|, )$name[ ,]" \
        <(zcat "$page" | sed -n '/^\.SH NAME/{n;s/\\-/-/g;p;}')
done

check "Kanalo(1) names the updaters' folder" grep -qF "$tool_folder/Update" <(zcat "$usr/share/man/man1/Kanalo.1.gz")

# The licence: the machine-readable copyright file names it, the source carries its text.
check "copyright names GPL-3+" grep -qxF "License: GPL-3+" "$usr/share/doc/kanalo/copyright"
check "LICENSE is the GPL 3" grep -qF "GNU GENERAL PUBLIC LICENSE" <(head -2 "$source/LICENSE")
# The changelogs: the program's is CHANGELOG.md, the package's top entry is this version, the
# AppStream releases are the changelog's, and no archive records a name or a time.
check "changelog.gz" cmp -s "$source/CHANGELOG.md" <(zcat "$usr/share/doc/kanalo/changelog.gz")
version=$(zcat "$usr/share/man/man1/Kanalo.1.gz" | sed -n '1s/.*"Kanalo \([0-9.]*\)".*/\1/p')
check "changelog.Debian.gz" grep -q "^kanalo ($version-[0-9]*) " \
    <(zcat "$usr/share/doc/kanalo/changelog.Debian.gz" | head -1)
check "AppStream releases" same \
    "$(sed -n 's/^## \[\([0-9.]*\)\] - \(.*\)/\1 \2/p' "$source/CHANGELOG.md")" \
    "$(sed -n 's/.*<release version="\([^"]*\)" date="\([^"]*\)".*/\1 \2/p' \
        "$usr/share/metainfo/$app.metainfo.xml")"
for gz in $(find "$usr" -name '*.gz' -type f); do
    check "${gz#"$usr"/}: no name, no time" same "08 00 00 00 00 00" "$(od -An -tx1 -j2 -N6 "$gz" | xargs)"
done

# Beside the installed editor the lookup finds the updaters in their private folder, even with
# a program of an updater's name in bin/, the tools in bin/, anything else on PATH, and nothing
# for an unknown name.
cp "$probe" "$usr/bin/kanalo-lookup-probe"
cp "$probe" "$usr/bin/Update2"
check "tool lookup" same "$usr/$tools/Update
$usr/$tools/Update2

$usr/$tools/Update3
$usr/bin/listsend3
$(PATH=/usr/bin:/bin command -v sh)" "$(PATH=/usr/bin:/bin "$usr/bin/kanalo-lookup-probe" \
        Update Update2 no-such-kanalo-tool Update3 listsend3 sh)"

# The package as a Debian maintainer would see it: no error, no warning.
if command -v lintian >/dev/null; then
    if cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
        check "lintian" same "" "$(lintian "$work"/package/kanalo_*.deb 2>&1 | grep -E '^[EW]: ')"
    else
        cat "$work/cpack.log"
        check "cpack" false
    fi
fi

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
