#!/usr/bin/env bash
# Moves the sources into the core/ and editor/ layers and the tests into a mirror of them.
# Run at the root of a clean worktree: git mv for every file, include lines rewritten to name
# their layer (include root = repository root), CMake files written for the new folders.
# Stops when main holds a file or a CMake file it does not know: extend the tables then.
set -euo pipefail
cd "${1:-.}"
[ -z "$(git status --porcelain)" ] || { echo "worktree not clean" >&2; exit 1; }

status=0
python3 - <<'PY' || status=$?
import hashlib, os, re, subprocess, sys

def git(*args):
    return subprocess.run(['git', *args], check=True, capture_output=True, text=True).stdout

# Sources: old stem -> new stem (.h and .cpp move together).
SOURCES = """
editor/channels/channel_record        core/channels/channel_record
editor/channels/channel_table         core/channels/channel_table
editor/channels/satellite_table       core/channels/satellite_table
editor/channels/channel_file_reader   core/channels/channel_file_reader
editor/channels/channel_file_writer   core/channels/channel_file_writer
editor/channels/channel_file          core/channels/channel_file
editor/channels/line_scanner          core/channels/line_scanner
editor/channels/windows1252           core/channels/windows1252
editor/channels/channel_file_save     core/channels/channel_file_save
editor/channels/file_descriptor       core/channels/file_descriptor
editor/ops/list_history               core/listops/list_history
editor/ops/channel_order              core/listops/channel_order
editor/ops/slot_operations            core/listops/slot_operations
editor/ops/channel_changes            core/listops/channel_changes
editor/ops/clipboard_block            core/listops/clipboard_block
editor/ops/search                     core/listops/search
editor/ops/duplicates                 core/listops/duplicates
editor/ops/transponders               core/listops/transponders
editor/ops/dvb_import                 core/listops/dvb_import
editor/shell/update_comparison        core/compare/update_comparison
editor/shell/compare_matches          core/compare/compare_matches
editor/view/column_set                core/format/column_set
editor/view/cell_text                 core/format/cell_text
editor/view/print_line                core/format/print_line
editor/ops/print_layout               core/format/print_layout
editor/view/channel_fields            core/format/channel_fields
editor/transfer/transfer_plan         core/transfer/transfer_plan
editor/transfer/serial_ports          core/transfer/serial_ports
editor/shell/texts                    editor/base/texts
editor/shell/prompter                 editor/base/prompter
editor/shell/editor_settings          editor/base/editor_settings
editor/shell/editor_state             editor/base/editor_state
editor/shell/start_up                 editor/base/start_up
editor/view/qt_text                   editor/base/qt_text
editor/view/list_view_ex              editor/listview/list_view_ex
editor/view/row_table_model           editor/listview/row_table_model
editor/view/row_data                  editor/listview/row_data
editor/view/text_shortening           editor/listview/text_shortening
editor/view/row_list_view             editor/listview/row_list_view
editor/view/row_list_sort             editor/listview/row_list_sort
editor/view/channel_dialog            editor/dialogs/channel_dialog
editor/view/change_value_dialog       editor/dialogs/change_value_dialog
editor/view/satellite_choice_dialog   editor/dialogs/satellite_choice_dialog
editor/view/config_list_dialog        editor/dialogs/config_list_dialog
editor/ops/find_dialog                editor/dialogs/find_dialog
editor/ops/channel_list_dialog        editor/dialogs/channel_list_dialog
editor/shell/compare_dialog           editor/dialogs/compare_dialog
editor/shell/about_dialog             editor/dialogs/about_dialog
editor/shell/help_window              editor/dialogs/help_window
editor/ops/options_sheet              editor/options/options_sheet
editor/ops/prop_autoload              editor/options/prop_autoload
editor/ops/prop_pid                   editor/options/prop_pid
editor/ops/prop_ports                 editor/options/prop_ports
editor/ops/prop_sort                  editor/options/prop_sort
editor/ops/prop_update                editor/options/prop_update
editor/shell/main_frame               editor/mainwindow/main_frame
editor/shell/menu_builder             editor/mainwindow/menu_builder
editor/shell/commands                 editor/mainwindow/command_table
editor/shell/document_commands        editor/commands/document_commands
editor/shell/compare_commands         editor/commands/compare_commands
editor/view/channel_commands          editor/commands/channel_commands
editor/ops/clipboard_commands         editor/commands/clipboard_commands
editor/ops/find_commands              editor/commands/find_commands
editor/ops/import_commands            editor/commands/import_commands
editor/ops/print_commands             editor/commands/print_commands
editor/ops/options_commands           editor/commands/options_commands
editor/transfer/transfer_commands     editor/commands/transfer_commands
editor/ops/print_job                  editor/commands/print_job
editor/transfer/tool_runner           editor/commands/tool_runner
"""

# Test files: old path -> new path. Whole folders below.
TESTS = """
tests/channels/channel_record_test.cpp        tests/core/channels/channel_record_test.cpp
tests/channels/satellite_table_test.cpp       tests/core/channels/satellite_table_test.cpp
tests/channels/channel_file_reader_test.cpp   tests/core/channels/channel_file_reader_test.cpp
tests/channels/channel_file_writer_test.cpp   tests/core/channels/channel_file_writer_test.cpp
tests/channels/channel_file_save_test.cpp     tests/core/channels/channel_file_save_test.cpp
tests/view/windows1252_test.cpp               tests/core/channels/windows1252_test.cpp
tests/channels/kanalo_list_test.cpp           tests/cli/kanalo_list_test.cpp
tests/ops/kanalo_list_ops_test.cpp            tests/cli/kanalo_list_ops_test.cpp
tests/search/kanalo_list_duplicates_test.cpp  tests/cli/kanalo_list_duplicates_test.cpp
tests/import/import_dvb_cli_test.cpp          tests/cli/import_dvb_cli_test.cpp
tests/ops/channel_order_test.cpp              tests/core/listops/channel_order_test.cpp
tests/ops/slot_operations_test.cpp            tests/core/listops/slot_operations_test.cpp
tests/ops/channel_changes_test.cpp            tests/core/listops/channel_changes_test.cpp
tests/ops/clipboard_block_test.cpp            tests/core/listops/clipboard_block_test.cpp
tests/ops/list_history_test.cpp               tests/core/listops/list_history_test.cpp
tests/ops/slot_list_fixture.h                 tests/core/listops/slot_list_fixture.h
tests/search/search_test.cpp                  tests/core/listops/search_test.cpp
tests/search/duplicates_test.cpp              tests/core/listops/duplicates_test.cpp
tests/search/transponders_test.cpp            tests/core/listops/transponders_test.cpp
tests/import/dvb_import_test.cpp              tests/core/listops/dvb_import_test.cpp
tests/ops/update_comparison_test.cpp          tests/core/compare/update_comparison_test.cpp
tests/ops/compare_matches_test.cpp            tests/core/compare/compare_matches_test.cpp
tests/view/column_set_test.cpp                tests/core/format/column_set_test.cpp
tests/view/cell_text_test.cpp                 tests/core/format/cell_text_test.cpp
tests/view/print_line_test.cpp                tests/core/format/print_line_test.cpp
tests/ops/print_layout_test.cpp               tests/core/format/print_layout_test.cpp
tests/transfer/transfer_plan_test.cpp         tests/core/transfer/transfer_plan_test.cpp
tests/ops/serial_ports_test.cpp               tests/core/transfer/serial_ports_test.cpp
tests/transfer/updaters_test.sh               tests/tools/updaters_test.sh
tests/ops/channel_builder.h                   tests/support/channel_builder.h
tests/import/dvb_builder.h                    tests/support/dvb_builder.h
"""
FOLDERS = {'tests/gui/': 'tests/editor/'}

# Folders that dissolve: every file in them must be mapped; their CMake files are replaced.
DISSOLVED = ['editor/channels', 'editor/ops', 'editor/shell', 'editor/transfer', 'editor/view',
             'tests/channels', 'tests/ops', 'tests/search', 'tests/import', 'tests/transfer',
             'tests/view', 'tests/gui']
# CMake files written anew: stop when main changed them since the script was written.
REPLACED_CMAKE = {
    'editor/CMakeLists.txt': 'e0a35fc4',
    'editor/channels/CMakeLists.txt': '5c33b242',
    'editor/ops/CMakeLists.txt': 'b7658678',
    'editor/shell/CMakeLists.txt': '03018664',
    'editor/transfer/CMakeLists.txt': '36deb9a3',
    'editor/view/CMakeLists.txt': 'cebfe34b',
    'tests/CMakeLists.txt': '4d4d0c42',
    'tests/channels/CMakeLists.txt': 'f05689ea',
    'tests/ops/CMakeLists.txt': '2d2cbb84',
    'tests/search/CMakeLists.txt': '73ba3c91',
    'tests/import/CMakeLists.txt': '0a022c62',
    'tests/transfer/CMakeLists.txt': '20673f51',
    'tests/view/CMakeLists.txt': 'a01a82c8',
}

def table(text):
    return [tuple(line.split()) for line in text.strip().splitlines()]

tracked = set(git('ls-files').split('\n')) - {''}
moves = {}
for old, new in table(SOURCES):
    found = False
    for ext in ('.h', '.cpp'):
        if old + ext in tracked:
            moves[old + ext] = new + ext
            found = True
    if not found:
        sys.exit(f'no files for {old}')
for old, new in table(TESTS):
    if old not in tracked:
        sys.exit(f'missing {old}')
    moves[old] = new
for path in sorted(tracked):
    for old_dir, new_dir in FOLDERS.items():
        if path.startswith(old_dir) and path not in moves:
            moves[path] = new_dir + path[len(old_dir):]

cmake_drops = [p for p in REPLACED_CMAKE if p in tracked]
problems = []
for path in sorted(tracked):
    if any(path.startswith(d + '/') for d in DISSOLVED) and path not in moves \
            and path not in cmake_drops:
        problems.append(f'unmapped file {path}')
for path, digest in REPLACED_CMAKE.items():
    if path not in tracked:
        problems.append(f'missing {path}')
        continue
    now = hashlib.sha1(open(path, 'rb').read()).hexdigest()[:8]
    if os.environ.get('LAYOUT_PRINT_HASHES'):
        print(f"    '{path}': '{now}',")
    elif now != digest:
        problems.append(f'{path} changed on main ({now}): fold the change into the script')
if os.environ.get('LAYOUT_PRINT_HASHES'):
    sys.exit(3)
if problems:
    sys.exit('\n'.join(problems))

def new_path(path):
    return moves.get(path, path)

# Quoted includes resolve as the compiler did: beside the file, then the old include roots.
ROOTS = ['editor', 'tools', 'cli', 'tests/support', 'tests/ops', 'tests/import', 'tests/tools',
         'tests/gui', 'bench']
INCLUDE = re.compile(r'^(\s*#\s*include\s+")([^"]+)(".*)$')

def rewrite(path, text):
    out = []
    for number, line in enumerate(text.split('\n'), 1):
        m = INCLUDE.match(line)
        if m and not m.group(2).endswith('.moc'):
            name = m.group(2)
            candidates = [os.path.normpath(os.path.join(os.path.dirname(path), name))]
            candidates += [f'{root}/{name}' for root in ROOTS]
            target = next((c for c in candidates if c in tracked), None)
            if target is None:
                sys.exit(f'{path}:{number}: cannot resolve "{name}"')
            line = m.group(1) + new_path(target) + m.group(3)
        out.append(line)
    return '\n'.join(out)

sources = [p for p in tracked if p.endswith(('.h', '.cpp'))]
contents = {p: rewrite(p, open(p, encoding='utf-8').read()) for p in sources}

for old, new in sorted(moves.items()):
    os.makedirs(os.path.dirname(new), exist_ok=True)
    git('mv', old, new)
for path in cmake_drops:
    if os.path.exists(path):
        git('rm', '-q', path)
for old, text in contents.items():
    with open(new_path(old), 'w', encoding='utf-8') as f:
        f.write(text)

# ---- CMake files ---------------------------------------------------------------------------

def listing(folder, suffix='.cpp'):
    return sorted(f for f in os.listdir(folder) if f.endswith(suffix))

def write(path, text):
    os.makedirs(os.path.dirname(path) or '.', exist_ok=True)
    with open(path, 'w') as f:
        f.write(text.lstrip('\n'))

def edit(path, old, new, count=1):
    text = open(path).read()
    if text.count(old) != count:
        sys.exit(f'{path}: expected {count}x {old!r}')
    with open(path, 'w') as f:
        f.write(text.replace(old, new))

def source_block(target, folder, files, indent='    '):
    body = '\n'.join(f'{indent}{folder}/{f}' for f in files)
    return f'target_sources({target} PRIVATE\n{body}\n)\n'

CORE_PARTS = [
    ('channels', 'Channel records, the two lists, the satellite table and the list file.'),
    ('listops', 'Algorithms over a channel list: order, slots, changes, clipboard, search, '
                'import, undo history.'),
    ('compare', 'The Update-List comparison and the matches of Compare Channels.'),
    ('format', 'Columns, cell texts, print lines and layout, the channel dialog\'s field rules.'),
    ('transfer', 'Which transfer tool to start, and the serial devices a port can use.'),
]
core = ['''# kanalo_core: channel data, list files and list algorithms. C++20 only: no Qt, links
# nothing. Shared by the editor, kanalo-list, the tests and the benchmarks.
add_library(kanalo_core STATIC)
target_compile_features(kanalo_core PUBLIC cxx_std_20)
''']
for part, comment in CORE_PARTS:
    core.append(f'\n# {comment}\n' + source_block('kanalo_core', part, listing(f'core/{part}')))
leftover = set(os.listdir('core')) - {p for p, _ in CORE_PARTS} - {'CMakeLists.txt'}
if any(not f.endswith('.h') for f in leftover):
    sys.exit(f'core/: unexpected {leftover}')
write('core/CMakeLists.txt', ''.join(core))

EDITOR_PARTS = [
    ('base', 'Texts, the prompter seam, settings, editor state and start-up.'),
    ('listview', 'The owner-drawn list control and the channel list view.'),
    ('dialogs', 'The dialogs and windows besides the options.'),
    ('options', 'The options sheet and its pages.'),
    ('mainwindow', 'The main window, its menus and the command table.'),
    ('commands', 'The command groups the main window hands its menu commands to.'),
]
editor = ['''# kanalo_editor: the Qt editor as a static library with everything but main(), so the GUI
# tests can link it. May use core/, never cli/ or tools/.
find_package(Qt6 6.4 REQUIRED COMPONENTS Widgets PrintSupport Svg LinguistTools)
add_library(kanalo_editor STATIC)
set_target_properties(kanalo_editor PROPERTIES AUTOMOC ON AUTORCC ON)
target_link_libraries(kanalo_editor PUBLIC kanalo_core Qt6::Widgets Qt6::PrintSupport Qt6::Svg)
target_compile_definitions(kanalo_editor PUBLIC QT_NO_KEYWORDS)
''']
for part, comment in EDITOR_PARTS:
    editor.append(f'\n# {comment}\n' +
                  source_block('kanalo_editor', part, listing(f'editor/{part}')))
editor.append('''
add_subdirectory(resources)

add_executable(Kanalo main.cpp)
target_link_libraries(Kanalo PRIVATE kanalo_editor)
''')
leftover = set(os.listdir('editor')) - {p for p, _ in EDITOR_PARTS} - {
    'CMakeLists.txt', 'main.cpp', 'resources'}
if leftover:
    sys.exit(f'editor/: unexpected {leftover}')
write('editor/CMakeLists.txt', ''.join(editor))

# The root: the include root is the repository root; core before everything else.
edit('CMakeLists.txt', 'enable_testing()\n',
     '# Every include names its layer: "core/...", "editor/...", "tools/...".\n'
     'include_directories(${PROJECT_SOURCE_DIR})\n\nenable_testing()\n')
edit('CMakeLists.txt', 'add_subdirectory(editor)\n\nif(KANALO_FUZZ)\n'
     '    add_subdirectory(tests/fuzz)\n    return()\nendif()\n',
     'add_subdirectory(core)\n\nif(KANALO_FUZZ)\n'
     '    add_subdirectory(tests/fuzz)\n    return()\nendif()\n\nadd_subdirectory(editor)\n')

# Per-target include folders give way to the repository root.
for path in ['cli/CMakeLists.txt', 'tools/CMakeLists.txt', 'tests/support/CMakeLists.txt']:
    text = open(path).read()
    text = re.sub(r'target_include_directories\(\w+ PUBLIC \$\{CMAKE_CURRENT_SOURCE_DIR\}\)\n',
                  '', text)
    write(path, text)
edit('bench/transfer/CMakeLists.txt',
     'target_include_directories(bench_transfer PRIVATE ${PROJECT_SOURCE_DIR}/tests/tools)\n', '')
edit('tests/editor/CMakeLists.txt', 'target_include_directories(import_commands_tests PRIVATE '
     '${CMAKE_CURRENT_SOURCE_DIR}/../import)\n', '')

# Tests mirror the sources.
write('tests/CMakeLists.txt', '''
add_subdirectory(support)
add_subdirectory(core)
add_subdirectory(cli)
add_subdirectory(editor)
add_subdirectory(tools)
add_subdirectory(fuzz)
''')
write('tests/core/CMakeLists.txt', '''
# GoogleTest suites of kanalo_core, one executable per folder of core/.
function(kanalo_core_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE kanalo_core kanalo_test_support GTest::gtest_main)
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
endfunction()

''' + ''.join(f'add_subdirectory({p})\n' for p, _ in CORE_PARTS))
for part, _ in CORE_PARTS:
    files = '\n'.join(f'    {f}' for f in listing(f'tests/core/{part}'))
    write(f'tests/core/{part}/CMakeLists.txt',
          f'kanalo_core_test(core_{part}_tests\n{files}\n)\n')
files = '\n'.join(f'    {f}' for f in listing('tests/cli'))
write('tests/cli/CMakeLists.txt', f'''
# kanalo-list: its JSON writer, and every sub-command run as a program.
add_executable(cli_tests
{files}
)
target_link_libraries(cli_tests PRIVATE kanalo_cli kanalo_test_support GTest::gtest_main)
gtest_discover_tests(cli_tests DISCOVERY_TIMEOUT 30)
''')
with open('tests/tools/CMakeLists.txt', 'a') as f:
    f.write('''
# The placeholders of the receiver software updaters.
add_test(NAME updater_placeholders
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/updaters_test.sh ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
''')

# Every test source must be built by some CMake file.
cmake_text = {}
for root, _, files in os.walk('tests'):
    for f in files:
        if f == 'CMakeLists.txt':
            cmake_text[root] = open(os.path.join(root, f)).read()
for path in git('ls-files', 'tests').split():
    if path.endswith('.cpp') and not path.startswith('tests/fuzz/'):
        folder, name = os.path.split(path)
        stem = name[:-len('.cpp')].removesuffix('_test')
        if stem not in cmake_text.get(folder, ''):
            sys.exit(f'{path} is built by no CMake file')
PY
[ "$status" -eq 0 ] || exit "$status"

# Include blocks sorted again; nothing but include lines may change.
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format -i
git add -A
if git diff --cached -M --unified=0 -- '*.cpp' '*.h' | grep -E '^[-+][^-+]' |
    grep -vE '^[-+]\s*#\s*include|^[-+]\s*$'; then
    echo "lines other than includes changed" >&2
    exit 1
fi
echo "Move done: $(git diff --cached -M --name-status | grep -c '^R') renames"
