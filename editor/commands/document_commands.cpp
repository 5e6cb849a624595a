#include "editor/commands/document_commands.h"

#include "core/channels/channel_file.h"
#include "core/channels/channel_file_reader.h"
#include "core/compare/update_comparison.h"
#include "core/listops/channel_order.h"
#include "core/listops/vdr_channels.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/editor_context.h"
#include "editor/commands/import_commands.h"
#include "editor/commands/list_read_ahead.h"
#include "editor/listview/row_list_view.h"

#include <QFileInfo>
#include <algorithm>

namespace kanalo {

namespace {

DocumentCommands::ShownList leavesIf(bool leaves) {
    return leaves ? DocumentCommands::ShownList::Leaves : DocumentCommands::ShownList::Stays;
}

constexpr int kMaxFolderLength = 255;
constexpr int kMaxDialogTitleLength = 50;

} // namespace

DocumentCommands::DocumentCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {}

EditorState& DocumentCommands::state() {
    return context_.state();
}

QString DocumentCommands::channelListFilter() const {
    return text("Channel Lists (*.dat);;All Files (*)");
}

QString DocumentCommands::folderOf(const QString& path) {
    return QFileInfo(path).absolutePath().left(kMaxFolderLength);
}

void DocumentCommands::setCurrentFile(const QString& path) {
    state().currentPath = path;
    state().fileTitle = QFileInfo(path).fileName();
    context_.updateTitle();
}

void DocumentCommands::addRecentFile(const QString& path) {
    QStringList& recent = state().settings.recentFiles;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    recent.removeAll(absolute);
    recent.prepend(absolute);
    while (recent.size() > EditorSettings::kMaxRecentFiles)
        recent.removeLast();
    context_.updateRecentFiles();
}

void DocumentCommands::removeRecentFile(const QString& path) {
    state().settings.recentFiles.removeAll(path);
    context_.updateRecentFiles();
}

DocumentCommands::~DocumentCommands() = default;

void DocumentCommands::readAhead(const QString& path) {
    readAhead_ = std::make_unique<ListReadAhead>(QFile::encodeName(path).toStdString());
}

bool DocumentCommands::loadFile(const QString& path) {
    context_.showStatus(text("Reading file ..."));
    const std::filesystem::path file = QFile::encodeName(path).toStdString();
    std::optional<ListReadAhead::Result> read;
    if (readAhead_) {
        read = readAhead_->take(file);
        readAhead_.reset();
    }
    if (!read)
        read = ListReadAhead::read(file);
    if (read->status != LoadStatus::Ok) {
        context_.clearStatus();
        context_.prompter().error(context_.widget(), text(statusMessage(read->status)));
        return false;
    }
    const FileStamp stamp = read->stamp;
    context_.replaceList(ListTable::Main, std::move(read->table), ReplacedList::Unmodified);
    state().showingUpdate = false;
    // Rows are formatted as they are drawn: showing even a full list takes no wait cursor (whose
    // first use would load the cursor theme in the middle of start-up).
    context_.view()->ShowList(state().shownList, true);
    context_.view()->clearSelection();
    context_.view()->scrollToTop();
    context_.clearStatus();
    setCurrentFile(path);
    state().currentFileStamp = stamp;
    context_.updateCommandStates();
    return true;
}

bool DocumentCommands::saveFile(const QString& path) {
    if (!state().listLoaded())
        return false;
    if (state().numbersUnsorted &&
        context_.prompter().question(context_.widget(),
                                     text("Numbers are not sorted. If you save the nembers will be "
                                          "reassigned.\nDo you want to save now anyway ?"),
                                     false) != Prompter::Answer::Yes)
        return false;
    const std::string file = QFile::encodeName(path).toStdString();
    // Another program (or a second Kanalo) may have saved this file since it was read here.
    const bool currentFile =
        !state().currentPath.isEmpty() &&
        QFileInfo(path).absoluteFilePath() == QFileInfo(state().currentPath).absoluteFilePath();
    if (currentFile && changedSince(file, state().currentFileStamp) &&
        context_.prompter().question(context_.widget(),
                                     text("The file has been changed by another program since it "
                                          "was opened. Overwrite it?"),
                                     false) != Prompter::Answer::Yes)
        return false;
    if (saveChannelFile(file, *state().mainTable(), state().fileForm()) != SaveStatus::Ok) {
        context_.prompter().error(context_.widget(), text("File write error."));
        return false;
    }
    state().currentFileStamp = readFileStamp(file);
    return true;
}

bool DocumentCommands::askToSave() {
    if (!state().listLoaded() || !state().modified)
        return true;
    const auto answer = context_.prompter().question(
        context_.widget(), text("Would you like to save changes in %1 ?").arg(state().currentPath),
        true);
    if (answer == Prompter::Answer::Cancel)
        return false;
    if (answer == Prompter::Answer::No)
        return true;
    return state().currentPath.isEmpty() ? saveAs() : save();
}

bool DocumentCommands::askRenumberQuestion() {
    if (!state().numbersUnsorted)
        return true;
    switch (context_.prompter().renumberQuestion(context_.widget())) {
    case Prompter::Answer::Cancel:
        return false;
    case Prompter::Answer::Yes:
        context_.editList(EditKind::Renumber, ListTable::Shown,
                          [this](ChannelTable&) { context_.view()->Renumber(); });
        break;
    case Prompter::Answer::No:
        sortByColumn(ColumnKind::Number);
        break;
    }
    state().numbersUnsorted = false;
    context_.updateCommandStates();
    return true;
}

bool DocumentCommands::leaveShownList(ShownList shown) {
    // The armed source row would name a channel of a list no longer on screen.
    context_.view()->cancelPendingExchange();
    return shown == ShownList::Stays || askRenumberQuestion();
}

bool DocumentCommands::beforeReplacingMainList() {
    if (!leaveShownList(leavesIf(state().showingUpdate)) || !askToSave())
        return false;
    context_.setModified(false);
    return true;
}

void DocumentCommands::showListWithoutFile(ChannelTable table, ReplacedList replaced,
                                           const QString& title) {
    context_.replaceList(ListTable::Main, std::move(table), replaced);
    state().showingUpdate = false;
    CRowListView* view = context_.view();
    view->ShowList(state().shownList, true);
    view->clearSelection();
    view->scrollToTop();
    context_.clearStatus();
    state().currentPath.clear();
    state().fileTitle = title;
    context_.updateTitle();
    context_.updateCommandStates();
}

void DocumentCommands::open() {
    if (!beforeReplacingMainList())
        return;
    const QString path = context_.prompter().openFileName(
        context_.widget(), QString(), state().settings.vbsFolder, channelListFilter());
    if (path.isEmpty() || !loadFile(path))
        return;
    state().settings.vbsFolder = folderOf(path);
    addRecentFile(path);
}

void DocumentCommands::openRecent(const QString& path) {
    if (!beforeReplacingMainList())
        return;
    if (!loadFile(path)) {
        removeRecentFile(path);
        context_.updateCommandStates();
        return;
    }
    addRecentFile(path);
}

bool DocumentCommands::save() {
    context_.view()->cancelPendingExchange();
    if (state().currentPath.isEmpty())
        return saveAs();
    if (!saveFile(state().currentPath))
        return false;
    context_.setModified(false);
    context_.showStatus(text("%1 saved.").arg(state().currentPath));
    return true;
}

bool DocumentCommands::saveAs() {
    context_.view()->cancelPendingExchange();
    if (!state().listLoaded())
        return false;
    const QString start =
        state().currentPath.isEmpty() ? state().settings.vbsFolder : state().currentPath;
    QString path =
        context_.prompter().saveFileName(context_.widget(), QString(), start, channelListFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
        path += QStringLiteral(".dat"); // the default extension
    if (!saveFile(path))
        return false;
    context_.showStatus(text("%1 saved.").arg(path));
    setCurrentFile(path);
    addRecentFile(path);
    context_.setModified(false);
    return true;
}

void DocumentCommands::openUpdate() {
    if (!state().listLoaded() || !leaveShownList(leavesIf(!state().showingUpdate)))
        return;
    const QString title = text("Open Update Channel list").left(kMaxDialogTitleLength);
    const QString path = context_.prompter().openFileName(
        context_.widget(), title, state().settings.updFolder,
        text("Channel Lists (*.dat);;VDR Channel Lists (*.conf);;All Files (*)"));
    if (!path.isEmpty())
        openUpdateFile(path);
}

void DocumentCommands::openDropped(const QString& path) {
    std::string bytes;
    if (state().listLoaded() &&
        readWholeFile(QFile::encodeName(path).toStdString(), bytes) == LoadStatus::Ok &&
        isVdrChannelText(bytes)) {
        if (leaveShownList(leavesIf(!state().showingUpdate)))
            openUpdateFile(path);
        return;
    }
    if (!beforeReplacingMainList() || !loadFile(path))
        return;
    state().settings.vbsFolder = folderOf(path);
    addRecentFile(path);
}

void DocumentCommands::openUpdateFile(const QString& path) {
    context_.showStatus(text("Reading file ..."));
    std::string bytes;
    const LoadStatus result = readWholeFile(QFile::encodeName(path).toStdString(), bytes);
    if (result != LoadStatus::Ok) {
        context_.clearStatus();
        context_.prompter().error(context_.widget(), text(statusMessage(result)));
        return;
    }
    // A fresh scan in VDR's format is compared as it is; its summary says what it lacked. One
    // that brings no channel replaces nothing.
    auto read = std::make_unique<ChannelTable>();
    QString summary;
    if (isVdrChannelText(bytes)) {
        const VdrImportCounts counts = importVdrText(bytes, *read);
        if (counts.imported() == 0) {
            context_.clearStatus();
            context_.prompter().error(context_.widget(), vdrRefusalText(counts));
            return;
        }
        summary = vdrSummaryText(counts);
    } else {
        readChannelText(bytes, *read);
    }
    context_.replaceList(ListTable::Update, std::move(*read), ReplacedList::Unmodified);
    if (!state().showingUpdate)
        rememberTopLine(MainFirstLine);
    state().settings.updFolder = folderOf(path);
    state().updateTitle = QFileInfo(path).fileName();
    state().showingUpdate = true;
    context_.updateTitle();
    {
        WaitCursor wait;
        context_.view()->ShowList(state().shownList, true);
        markUpdateDifferences();
    }
    context_.showStatus(summary);
    context_.updateCommandStates();
}

void DocumentCommands::showMainList() {
    if (!leaveShownList(leavesIf(state().showingUpdate)) || !state().showingUpdate)
        return;
    rememberTopLine(UpdateFirstLine);
    state().showingUpdate = false;
    context_.updateTitle();
    {
        WaitCursor wait;
        context_.view()->ShowList(state().shownList, true);
        context_.view()->clearSelection();
    }
    restoreTopLine(MainFirstLine);
    context_.updateCommandStates();
}

void DocumentCommands::showUpdateList() {
    if (!state().hasUpdateList() || !leaveShownList(leavesIf(!state().showingUpdate)))
        return;
    if (state().showingUpdate) {
        markUpdateDifferences();
        return;
    }
    WaitCursor wait;
    rememberTopLine(MainFirstLine);
    state().showingUpdate = true;
    context_.updateTitle();
    context_.view()->ShowList(state().shownList, true);
    markUpdateDifferences();
    restoreTopLine(UpdateFirstLine);
    context_.updateCommandStates();
}

void DocumentCommands::showHalf(ListKind half) {
    if (!leaveShownList(leavesIf(state().shownList != half)) || state().shownList == half)
        return;
    const bool loaded = state().listLoaded();
    if (loaded) {
        rememberTopLine(half == ListKind::Tv ? RadioFirstLine : TvFirstLine);
        context_.showStatus(
            text(half == ListKind::Tv ? "Loading TV-List ..." : "Loading Radio-List ..."));
    }
    state().shownList = half;
    {
        WaitCursor wait;
        context_.view()->ShowList(half, true);
        if (state().showingUpdate) {
            markUpdateDifferences();
        } else {
            context_.view()->clearSelection();
            context_.view()->scrollToTop();
        }
        restoreTopLine(half == ListKind::Tv ? TvFirstLine : RadioFirstLine);
    }
    if (loaded)
        context_.clearStatus();
    context_.updateCommandStates();
}

void DocumentCommands::rememberTopLine(FirstLine which) {
    const QModelIndex top = context_.view()->indexAt(QPoint(1, 1));
    savedFirstLines_[which] = top.isValid() ? top.row() : 0;
}

void DocumentCommands::restoreTopLine(FirstLine which) {
    CRowListView* view = context_.view();
    const int first = savedFirstLines_[which];
    if (first <= 0 || view->rows().rowCount() == 0)
        return;
    const int rowHeight = std::max(1, view->sizeHintForRow(0));
    const int linesPerPage = std::max(1, view->viewport()->height() / rowHeight);
    const int line = std::min(first + linesPerPage - 1, view->rows().rowCount() - 1);
    const QModelIndex index = view->rows().index(line, 0);
    view->scrollTo(index, QAbstractItemView::PositionAtBottom);
    view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void DocumentCommands::markUpdateDifferences() {
    CRowListView* view = context_.view();
    view->clearSelection();
    view->scrollToTop();
    if (!state().listLoaded() || !state().hasUpdateList())
        return;
    const std::vector<int> rows = kanalo::markUpdateDifferences(
        state().mainTable()->list(state().shownList),
        state().updateTable()->list(state().shownList), state().settings.ignoreNames);
    view->selectRows(rows);
    if (!rows.empty())
        view->scrollTo(view->rows().index(rows.front(), 0));
}

void DocumentCommands::sortByColumn(ColumnKind kind) {
    if (!state().listLoaded())
        return;
    WaitCursor wait;
    CRowListView* view = context_.view();
    context_.editList(EditKind::Sort, ListTable::Shown, [&](ChannelTable& table) {
        ChannelList list = table.list(state().shownList);
        const std::vector<int> order = kind == ColumnKind::Number
                                           ? orderByNumberTexts(view->numberColumn())
                                           : sortedSlotOrder(list, state().shownList, kind);
        rewriteInOrder(list, order);
        view->reorderNumberColumn(order); // the number texts travel with their rows
        // So does the selection.
        std::vector<int> newRow(order.size());
        for (std::size_t row = 0; row < order.size(); ++row)
            newRow[std::size_t(order[row])] = int(row);
        std::vector<int> selected;
        for (const int row : view->selectedRows())
            selected.push_back(newRow[std::size_t(row)]);
        std::sort(selected.begin(), selected.end());
        view->selectRowsFrom(
            selected, view->currentRow() >= 0 ? newRow[std::size_t(view->currentRow())] : -1);
        if (state().settings.sortNumbers)
            view->Renumber();
        else
            state().numbersUnsorted = kind != ColumnKind::Number;
    });
    view->scrollTo(view->currentIndex());
}

} // namespace kanalo
