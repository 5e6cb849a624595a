#include "editor/commands/clipboard_commands.h"

#include "core/listops/clipboard_block.h"
#include "core/listops/slot_operations.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/editor_context.h"
#include "editor/listview/row_list_view.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>

namespace kanalo {

ClipboardCommands::ClipboardCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    using C = Command;
    connect(context_.action(C::Copy), &QAction::triggered, this, &ClipboardCommands::copy);
    connect(context_.action(C::Cut), &QAction::triggered, this, &ClipboardCommands::cut);
    connect(context_.action(C::Paste), &QAction::triggered, this, &ClipboardCommands::paste);
    connect(context_.action(C::PasteDirect), &QAction::triggered, this,
            &ClipboardCommands::pasteDirect);
    connect(context_.action(C::Delete), &QAction::triggered, this, [this] { deleteSelected(); });
    // The menu entries show the keys; the keys themselves go through the guard.
    addGuardKey("Del", Guarded::Delete);
    addGuardKey("Ctrl+X", Guarded::Cut);
    addGuardKey("Ctrl+V", Guarded::Paste);
    addGuardKey("Ctrl+B", Guarded::PasteDirect);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { context_.updateCommandStates(); });
}

void ClipboardCommands::addGuardKey(const char* key, Guarded command) {
    auto* guard = new QAction(context_.widget());
    guard->setShortcut(QKeySequence(QString::fromLatin1(key)));
    guard->setShortcutContext(Qt::WindowShortcut);
    connect(guard, &QAction::triggered, this, [this, command] { guardedKey(command); });
    context_.widget()->addAction(guard);
}

EditorState& ClipboardCommands::state() const {
    return context_.state();
}

const char* ClipboardCommands::formatFor(bool radio) {
    return radio ? kClipboardFormatRadio : kClipboardFormatTv;
}

bool ClipboardCommands::clipboardHasChannels() const {
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && data->hasFormat(QLatin1String(formatFor(state().shownList == ListKind::Radio)));
}

void ClipboardCommands::guardedKey(Guarded command) {
    if (!state().listLoaded() || state().showingUpdate)
        return;
    if (state().numbersUnsorted) {
        // These refusals are German in both interface languages.
        const char* refusal = command == Guarded::Delete
                                  ? "Löschen nicht möglich wenn Nummern nicht aufsteigend sortiert."
                              : command == Guarded::Cut
                                  ? "Ausschneiden nicht möglich wenn Nummern nicht aufsteigend "
                                    "sortiert."
                                  : "Einfügen nicht möglich wenn Nummern nicht aufsteigend "
                                    "sortiert.";
        context_.prompter().error(context_.widget(), QString::fromUtf8(refusal));
        return;
    }
    switch (command) {
    case Guarded::Delete:
        deleteSelected();
        break;
    case Guarded::Cut:
        cut();
        break;
    case Guarded::Paste:
        paste();
        break;
    case Guarded::PasteDirect:
        pasteDirect();
        break;
    }
}

void ClipboardCommands::copy() {
    context_.view()->cancelPendingExchange();
    const std::vector<int> rows = context_.view()->selectedRows();
    if (!state().listLoaded() || rows.empty())
        return;
    const ConstChannelList list = state().shownTable()->list(state().shownList);
    std::vector<ChannelRecord> records;
    records.reserve(rows.size());
    for (const int row : rows)
        records.push_back(list[static_cast<std::size_t>(row)]);
    const std::vector<std::uint8_t> block = encodeClipboardBlock(records);
    auto* data = new QMimeData;
    data->setData(QLatin1String(formatFor(state().shownList == ListKind::Radio)),
                  QByteArray(reinterpret_cast<const char*>(block.data()),
                             static_cast<qsizetype>(block.size())));
    // For text editors and spreadsheets; Paste reads only the block above.
    data->setText(context_.view()->rowsAsText(rows));
    QApplication::clipboard()->setMimeData(data);
    context_.updateCommandStates();
}

void ClipboardCommands::deleteSelected(EditKind kind) {
    context_.view()->cancelPendingExchange();
    const std::vector<int> rows = context_.view()->selectedRows();
    if (!state().listLoaded() || state().showingUpdate || state().numbersUnsorted || rows.empty())
        return;
    WaitCursor wait;
    context_.editList(kind, ListTable::Main, [&](ChannelTable& table) {
        context_.view()->clearSelection();
        deleteWithCompaction(table.list(state().shownList), rows);
    });
}

void ClipboardCommands::cut() {
    context_.view()->cancelPendingExchange();
    const std::vector<int> rows = context_.view()->selectedRows();
    if (!state().listLoaded() || state().showingUpdate || state().numbersUnsorted || rows.empty())
        return;
    copy();
    deleteSelected(EditKind::Cut);
    const int select = rowSelectedAfterCut(rows.front());
    if (select >= 0) {
        CRowListView* view = context_.view();
        const QModelIndex index = view->rows().index(select, 0);
        view->selectRows({select});
        view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        view->scrollTo(index);
    }
    context_.updateCommandStates();
}

void ClipboardCommands::paste() {
    pasteWith(PasteMode::Insert);
}

void ClipboardCommands::pasteDirect() {
    pasteWith(PasteMode::Direct);
}

void ClipboardCommands::pasteWith(PasteMode mode) {
    context_.view()->cancelPendingExchange();
    if (!state().listLoaded() || state().showingUpdate || state().numbersUnsorted)
        return;
    const std::vector<int> rows = context_.view()->selectedRows();
    if (rows.size() != 1) {
        context_.prompter().error(context_.widget(),
                                  text("Please select one channel. The contents of the "
                                       "clipboard will be inserted after this channel."));
        return;
    }
    const int position =
        insertionPosition(state().mainTable()->list(state().shownList), rows.front());
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QString format = QLatin1String(formatFor(state().shownList == ListKind::Radio));
    if (!data || !data->hasFormat(format))
        return;
    const QByteArray bytes = data->data(format);
    // A block from another program that does not hold what its count says is ignored.
    const auto records = decodeClipboardBlock(
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
    if (!records)
        return;
    const bool direct = mode == PasteMode::Direct;
    PasteOutcome outcome = PasteOutcome::Done;
    {
        WaitCursor wait;
        context_.editList(direct ? EditKind::PasteDirect : EditKind::Paste, ListTable::Main,
                          [&](ChannelTable& table) {
                              ChannelList list = table.list(state().shownList);
                              outcome = direct ? kanalo::pasteDirect(list, position, *records)
                                               : pasteInsert(list, position, *records);
                          });
    }
    if (outcome != PasteOutcome::Done)
        context_.prompter().error(
            context_.widget(),
            direct ? text("Not enough free channels to insert from clipboard.")
                   : text("Not enough free channels at the end of list to insert from "
                          "clipboard."));
}

} // namespace kanalo
