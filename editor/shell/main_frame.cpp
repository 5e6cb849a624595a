#include "shell/main_frame.h"

#include "channels/channel_file.h"
#include "shell/about_dialog.h"
#include "shell/help_window.h"
#include "shell/prompter.h"
#include "shell/texts.h"
#include "view/config_list_dialog.h"
#include "view/row_list_view.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

namespace kanalo {

namespace {

constexpr int kSecondPaneWidth = 198;
constexpr int kMaxTitleLength = 255;

const char* loadMessage(LoadStatus status) {
    return status == LoadStatus::CannotOpen ? KANALO_TEXT("Cannot open file.")
                                            : KANALO_TEXT("Read error.");
}

} // namespace

CMainFrame::CMainFrame(EditorState state, QSettings& store, QString commandLineFile,
                       QWidget* parent)
    : QMainWindow(parent), state_(std::move(state)), store_(store),
      commandLineFile_(std::move(commandLineFile)), actions_(this) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/kanalo.svg")));
    state_.columnSets =
        ColumnSets::fromSettings(state_.settings.listView, state_.settings.listPrint);
    configDialog_ = std::make_unique<CConfigListDlg>(state_.columnSets, this);

    view_ = new CRowListView(state_, this);
    view_->LoadColumnWidths(state_.settings.columnWidths);
    view_->InsertColumns(true);
    setCentralWidget(view_);

    QMenu* recentAnchor = nullptr;
    actions_.buildMenuBar(menuBar(), &recentAnchor);
    recentFilesMenu_ = recentAnchor;
    mainContextMenu_ = actions_.buildContextMenu(mainListContextMenuTree(), this);
    updateContextMenu_ = actions_.buildContextMenu(updateListContextMenuTree(), this);
    createBars();
    connectCommands();
    updateRecentFiles();
    updateTitle();
    updateCommandStates();
    restorePlacement();
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createBars() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(20, 20));
    actions_.fillToolBar(toolBar_);

    // Pane 0 is the status bar's own message area; pane 1 has a fixed width.
    secondPane_ = new QLabel(this);
    secondPane_->setFixedWidth(kSecondPaneWidth);
    statusBar()->addPermanentWidget(secondPane_);
}

void CMainFrame::restorePlacement() {
    if (!state_.settings.toolBarState.isEmpty())
        restoreState(state_.settings.toolBarState);
    const WindowPlacement placement = WindowPlacement::parse(state_.settings.window);
    if (placement.hasRect)
        setGeometry(placement.normalRect);
    else
        resize(1000, 700);
    if (placement.showState == WindowPlacement::kShowMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::connectCommands() {
    using C = Command;
    const auto on = [this](Command command, auto handler) {
        connect(actions_[command], &QAction::triggered, this, handler);
    };
    on(C::Exit, [this] { close(); });
    on(C::ViewTv, [this] { showList(ListKind::Tv); });
    on(C::ViewRadio, [this] { showList(ListKind::Radio); });
    on(C::SelectAll, [this] { view_->selectAll(); });
    on(C::ToggleToolbar, [this](bool on) { toolBar_->setVisible(on); });
    on(C::ToggleStatusBar, [this](bool on) { statusBar()->setVisible(on); });
    on(C::ConfigureScreen, [this] { configureColumns(false); });
    on(C::ConfigurePrinter, [this] { configureColumns(true); });
    on(C::DefaultColumnWidths, [this] { view_->ResetColumnWidths(); });
    on(C::HelpContents, [this] { showHelp(); });
    on(C::About, [this] { AboutDialog(this).exec(); });

    auto* ports = new QActionGroup(this);
    const Command portCommands[] = {C::Com1, C::Com2, C::Com3, C::Com4};
    for (int port = 1; port <= 4; ++port) {
        QAction* item = actions_[portCommands[port - 1]];
        item->setCheckable(true);
        ports->addAction(item);
        connect(item, &QAction::triggered, this, [this, port] { setComPort(port); });
    }
    for (const Command check : {C::ViewTv, C::ViewRadio, C::MainList, C::UpdateList,
                                C::ToggleToolbar, C::ToggleStatusBar})
        actions_[check]->setCheckable(true);
    actions_[C::ToggleToolbar]->setChecked(true);
    actions_[C::ToggleStatusBar]->setChecked(true);
    connect(toolBar_, &QToolBar::visibilityChanged, actions_[C::ToggleToolbar],
            &QAction::setChecked);

    connect(view_, &CRowListView::contextMenuRequested, this, [this](int, const QPoint& at) {
        (state_.showingUpdate ? updateContextMenu_ : mainContextMenu_)->popup(at);
    });
}

void CMainFrame::updateCommandStates() {
    using C = Command;
    for (const Command always : {C::Exit, C::ToggleToolbar, C::ToggleStatusBar, C::Com1, C::Com2,
                                 C::Com3, C::Com4, C::ConfigureScreen, C::ConfigurePrinter,
                                 C::DefaultColumnWidths, C::HelpContents, C::About})
        actions_[always]->setEnabled(true);
    const bool loaded = state_.listLoaded();
    for (const Command listCommand : {C::ViewTv, C::ViewRadio, C::SelectAll})
        actions_[listCommand]->setEnabled(loaded);
    actions_[C::ViewTv]->setChecked(loaded && state_.shownList == ListKind::Tv);
    actions_[C::ViewRadio]->setChecked(loaded && state_.shownList == ListKind::Radio);
    actions_[C::MainList]->setChecked(loaded && !state_.showingUpdate);
    const Command ports[] = {C::Com1, C::Com2, C::Com3, C::Com4};
    actions_[ports[std::clamp(state_.settings.comPort, 1, 4) - 1]]->setChecked(true);
}

QString CMainFrame::windowTitleFor(const QString& fileTitle) {
    if (fileTitle.isEmpty())
        return QStringLiteral("Kanalo");
    QString title = fileTitle.left(kMaxTitleLength);
    const qsizetype dot = title.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && title.mid(dot + 1).compare(QLatin1String("chl"), Qt::CaseInsensitive) == 0)
        title.truncate(dot);
    return title + QStringLiteral(" - Kanalo");
}

void CMainFrame::updateTitle() {
    setWindowTitle(windowTitleFor(fileTitle_));
}

void CMainFrame::updateRecentFiles() {
    if (!recentFilesMenu_)
        return;
    qDeleteAll(recentFileActions_);
    recentFileActions_.clear();
    QAction* anchor = nullptr;
    for (QAction* item : recentFilesMenu_->actions())
        if (item->objectName() == QLatin1String("recentFiles"))
            anchor = item;
    // Opening from the list arrives with the document commands; until then it only shows.
    QStringList entries;
    for (int i = 0; i < state_.settings.recentFiles.size(); ++i)
        entries << QStringLiteral("&%1 %2").arg(i + 1).arg(state_.settings.recentFiles[i]);
    if (entries.isEmpty())
        entries << text("Recent File");
    for (const QString& entry : entries) {
        auto* item = new QAction(entry, recentFilesMenu_);
        item->setStatusTip(text("Open this channel list file"));
        item->setEnabled(false);
        recentFilesMenu_->insertAction(anchor, item);
        recentFileActions_ << item;
    }
}

bool CMainFrame::loadFile(const QString& path) {
    statusBar()->showMessage(text("Reading file ..."));
    statusBar()->repaint();
    // The main table is created by the first successful load and reused afterwards.
    std::unique_ptr<ChannelTable> created;
    ChannelTable* table = state_.mainTable.get();
    if (!table) {
        created = std::make_unique<ChannelTable>();
        table = created.get();
    }
    const LoadStatus status = loadChannelFile(path.toStdString(), *table);
    if (status != LoadStatus::Ok) {
        statusBar()->clearMessage();
        prompter().error(this, text(loadMessage(status)));
        return false;
    }
    if (created)
        state_.mainTable = std::move(created);
    state_.showingUpdate = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    view_->ShowList(state_.shownList, true);
    view_->clearSelection();
    view_->scrollToTop();
    QApplication::restoreOverrideCursor();
    statusBar()->clearMessage();
    state_.currentPath = path;
    fileTitle_ = QFileInfo(path).fileName();
    updateTitle();
    updateCommandStates();
    return true;
}

bool CMainFrame::saveFile(const QString& path) {
    if (!state_.mainTable)
        return false;
    if (saveChannelFile(path.toStdString(), *state_.mainTable, state_.fileForm()) !=
        SaveStatus::Ok) {
        prompter().error(this, text("File write error."));
        return false;
    }
    state_.modified = false;
    return true;
}

void CMainFrame::showList(ListKind list) {
    view_->cancelPendingExchange();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    statusBar()->showMessage(
        text(list == ListKind::Tv ? "Loading TV-List ..." : "Loading Radio-List ..."));
    view_->ShowList(list, true);
    statusBar()->clearMessage();
    QApplication::restoreOverrideCursor();
    updateCommandStates();
}

void CMainFrame::setComPort(int port) {
    state_.settings.comPort = port;
    updateCommandStates();
}

void CMainFrame::configureColumns(bool printer) {
    view_->cancelPendingExchange();
    const ColumnSet previous = state_.columnSets.screen;
    configDialog_->setEditedSet(printer ? CConfigListDlg::EditedSet::Printer
                                        : CConfigListDlg::EditedSet::Screen);
    const std::optional<int> mask = configDialog_->run();
    configDialog_->setEditedSet(CConfigListDlg::EditedSet::Screen);
    if (!mask)
        return;
    if (printer) {
        EditorSettings::writeListPrint(store_, *mask);
        return;
    }
    EditorSettings::writeListView(store_, *mask);
    if (!(previous == state_.columnSets.screen)) {
        view_->SaveColumnWidths(); // keep widths the user dragged before the columns change
        view_->ReplaceColumns(previous);
    }
}

void CMainFrame::showHelp() {
    if (!help_)
        help_ = std::make_unique<HelpWindow>(state_.german);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    state_.currentPath.clear();
    const QString autoLoad = state_.settings.autoLoad;
    if (!commandLineFile_.isEmpty())
        loadFile(commandLineFile_);
    else if (!autoLoad.isEmpty() && QFileInfo::exists(autoLoad))
        loadFile(autoLoad);
}

bool CMainFrame::askToSave() {
    if (!state_.mainTable || !state_.modified)
        return true;
    const auto answer = prompter().question(
        this, text("Would you like to save changes in %1 ?").arg(state_.currentPath), true);
    if (answer == Prompter::Answer::Cancel)
        return false;
    if (answer == Prompter::Answer::No)
        return true;
    QString path = state_.currentPath;
    if (path.isEmpty())
        path = prompter().saveFileName(this, QString(), state_.settings.vbsFolder,
                                       text("Channel Lists (*.dat);;All Files (*)"));
    return !path.isEmpty() && saveFile(path);
}

void CMainFrame::writeSettings() {
    WindowPlacement placement;
    placement.showState = isMaximized() ? WindowPlacement::kShowMaximized : 1;
    placement.normalRect = normalGeometry().isValid() ? normalGeometry() : geometry();
    placement.hasRect = true;
    state_.settings.window = placement.format();
    state_.settings.toolBarState = saveState();
    state_.settings.boxType = static_cast<int>(state_.receiver.boxType);
    state_.settings.firmware = state_.receiver.firmware;
    state_.settings.columnWidths = view_->SaveColumnWidths();
    state_.settings.writeAtExit(store_);
    store_.sync();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    view_->cancelPendingExchange();
    if (!askToSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    if (help_)
        help_->close();
    event->accept();
}

} // namespace kanalo
