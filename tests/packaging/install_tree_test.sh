#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree: every file in place with its
# mode, the desktop entry and AppStream metainfo valid, every man page rendering without
# warnings, and the editor's tool lookup finding the updaters from the installed bin/ folder.
set -u
build=$1
probe=$2
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

if ! DESTDIR="$work/destdir" cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1; then
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
libexec/kanalo/Update 755
libexec/kanalo/Update2 755
libexec/kanalo/Update3 755
share/applications/$app.desktop 644
share/icons/hicolor/128x128/apps/$app.png 644
share/icons/hicolor/256x256/apps/$app.png 644
share/icons/hicolor/48x48/apps/$app.png 644
share/icons/hicolor/scalable/apps/$app.svg 644
share/man/man1/Kanalo.1.gz 644
share/man/man1/boxsim.1.gz 644
share/man/man1/kanalo-list.1.gz 644
share/man/man1/listfetch1.1.gz 644
share/man/man1/listfetch3.1.gz 644
share/man/man1/listsend1.1.gz -> listfetch1.1.gz
share/man/man1/listsend2.1.gz -> listfetch1.1.gz
share/man/man1/listsend3.1.gz -> listfetch3.1.gz
share/metainfo/$app.metainfo.xml 644" "$tree"

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

# Beside the installed editor the lookup finds the tools in bin/, the updaters in
# libexec/kanalo, anything else on PATH, and nothing for an unknown name.
cp "$probe" "$usr/bin/kanalo-lookup-probe"
check "tool lookup" same "$usr/libexec/kanalo/Update
$usr/libexec/kanalo/Update2

$usr/libexec/kanalo/Update3
$usr/bin/listsend3
$(PATH=/usr/bin:/bin command -v sh)" "$(PATH=/usr/bin:/bin "$usr/bin/kanalo-lookup-probe" \
        Update Update2 no-such-kanalo-tool Update3 listsend3 sh)"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
