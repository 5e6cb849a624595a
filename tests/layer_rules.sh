#!/usr/bin/env bash
# Checks the layer rules over every #include and names each offending file and line.
# Usage: layer_rules.sh SOURCE_ROOT [compile_commands.json]
set -uo pipefail
cd "$1" || exit 2
commands=${2:-}
failed=0

# forbidden PATTERN MESSAGE FOLDER...: every include line in the folders matching PATTERN
# (a Perl regex for the part after "#include ") breaks a rule.
forbidden() {
    local pattern=$1 message=$2
    shift 2
    local hits
    hits=$(grep -rnP --include='*.h' --include='*.cpp' "^\s*#\s*include\s*$pattern" "$@") ||
        return 0
    sed -E "s/^([^:]+:[0-9]+):\s*/\1: $message: /" <<<"$hits"
    failed=1
}

qt='<(Qt\w*/)?Q\w+(\.h)?>'
forbidden "$qt" "core uses Qt" core
forbidden '["<](editor|cli|tools)/' "core includes a layer above it" core
forbidden '["<](cli|tools)/' "the editor includes cli/ or tools/" editor
forbidden '["<]editor/' "includes the editor" cli tools
forbidden '["<]editor/(commands|mainwindow)/' "includes the command groups or the main window" \
    editor/base editor/listview editor/dialogs editor/options
forbidden '"(?!core/|editor/base/)' "editor/base includes more than core/ and Qt" editor/base
forbidden '["<]editor/mainwindow/' "a command group includes the main window" editor/commands
forbidden '"\.\.?/' "a relative include; name the layer" core editor cli tools tests bench
# Inside the core: channels, then format, then listops and compare above both.
forbidden '"core/(format|listops|compare|transfer|backups)/' \
    "core/channels includes a folder above it" core/channels
forbidden '"core/(listops|compare|transfer|backups)/' "core/format includes a folder above it" \
    core/format
# The backups sit on channels and compare; nothing else in the core includes them.
forbidden '"core/(format|listops|transfer)/' \
    "core/backups includes more than channels and compare" core/backups
forbidden '"core/backups/' "includes core/backups" core/listops core/compare core/transfer

# editor/base names no class of a higher layer, not even in a forward declaration.
higher=$(grep -rhoP '^(class|struct)\s+\K\w+(?=\s*(final\s*)?[:{])' --include='*.h' \
    editor/listview editor/dialogs editor/options editor/commands editor/mainwindow | sort -u |
    paste -sd'|')
if hits=$(grep -rnwE --include='*.h' --include='*.cpp' "($higher)" editor/base); then
    sed -E "s/^([^:]+:[0-9]+):\s*/\1: editor\/base names a higher layer: /" <<<"$hits"
    failed=1
fi

# The build itself: no file of core/ is compiled with a Qt include path.
if [ -n "$commands" ] && [ -f "$commands" ]; then
    hits=$(grep -E "\"command\":.* -c $PWD/core/" "$commands" | grep -iE -- '-(I|isystem) ?[^ ]*qt')
    if [ -n "$hits" ]; then
        sed -E "s|.* -c $PWD/([^ \"]+).*|\1: compiled with a Qt include path|" <<<"$hits"
        failed=1
    fi
fi
exit "$failed"
