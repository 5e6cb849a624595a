#include "editor/mainwindow/main_frame.h"

#include "core/channels/channel_file.h"
#include "editor/base/prompter.h"
#include "editor/base/rendered_icon.h"
#include "editor/base/texts.h"
#include "editor/commands/backup_commands.h"
#include "editor/commands/channel_commands.h"
#include "editor/commands/clipboard_commands.h"
#include "editor/commands/compare_commands.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/export_commands.h"
#include "editor/commands/find_commands.h"
#include "editor/commands/import_commands.h"
#include "editor/commands/options_commands.h"
#include "editor/commands/print_commands.h"
#include "editor/commands/reference_order_commands.h"
#include "editor/commands/transfer_commands.h"
#include "editor/commands/undo_commands.h"
#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/config_list_dialog.h"
#include "editor/dialogs/help_window.h"
#include "editor/listview/row_list_view.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace kanalo {

namespace {

constexpr int kSecondPaneWidth = 198;
constexpr int kMaxTitleLength = 255;

} // namespace

CMainFrame::CMainFrame(EditorState state, QSettings& store, QString commandLineFile,
                       QWidget* parent)
    : QMainWindow(parent), state_(std::move(state)), store_(store),
      commandLineFile_(std::move(commandLineFile)), actions_(this) {
    setWindowIcon(resourceIcon("kanalo"));
    setAcceptDrops(true); // a list file dropped on the window opens
    state_.columnSets =
        ColumnSets::fromSettings(state_.settings.listView, state_.settings.listPrint);

    view_ = new CRowListView(state_, this);
    documents_ = new DocumentCommands(*this);
    // Read while the rest of the window is built; shown when the window first shows.
    if (const QString list = startUpList(); !list.isEmpty())
        documents_->readAhead(list);
    view_->LoadColumnWidths(state_.settings.columnWidths);
    view_->InsertColumns(true);
    setCentralWidget(view_);

    const CommandActions::MenuBarAnchors anchors = actions_.buildMenuBar(menuBar());
    recentFilesMenu_ = anchors.recentFiles;
    mainContextMenu_ = actions_.buildContextMenu(mainListContextMenuTree(), this);
    updateContextMenu_ = actions_.buildContextMenu(updateListContextMenuTree(), this);
    createBars();
    // First of the groups: it catches the selection before any other group's command runs.
    undo_ = new UndoCommands(*this);
    channels_ = new ChannelCommands(*this, *mainContextMenu_, anchors.rowCommands);
    clipboard_ = new ClipboardCommands(*this);
    // Further command groups: each connects its own actions and follows commandStatesUpdated.
    new TransferCommands(*this);
    new FindCommands(*this);
    new CompareCommands(*this);
    new OptionsCommands(*this);
    new PrintCommands(*this);
    new ImportCommands(*this);
    new ExportCommands(*this);
    new ReferenceOrderCommands(*this);
    new BackupCommands(*this);
    // (end of command groups)
    connectCommands();
    updateRecentFiles();
    updateTitle();
    updateCommandStates();
    restorePlacement();
}

CMainFrame::~CMainFrame() {
    // The list view outlives the state it draws from while the window closes: it fills no row
    // any more.
    view_->rows().setRowSource({});
}

void CMainFrame::createBars() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar"));
    toolBar_->setObjectName(QStringLiteral("ToolBar"));
    toolBar_->setIconSize(QSize(20, 20));
    actions_.fillToolBar(toolBar_);

    // Two sunken panes: pane 0 stretches and shows the status bar's messages and prompts,
    // pane 1 has a fixed width.
    firstPane_ = new QLabel(this);
    secondPane_ = new QLabel(this);
    for (QLabel* pane : {firstPane_, secondPane_})
        pane->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    firstPane_->setMinimumWidth(1); // long messages are cut, not widening the window
    secondPane_->setFixedWidth(kSecondPaneWidth);
    statusBar()->addPermanentWidget(firstPane_, 1);
    statusBar()->addPermanentWidget(secondPane_);
    connect(statusBar(), &QStatusBar::messageChanged, firstPane_, &QLabel::setText);
}

void CMainFrame::restorePlacement() {
    if (!state_.settings.toolBarState.isEmpty())
        restoreState(state_.settings.toolBarState);
    const WindowPlacement placement = WindowPlacement::parse(state_.settings.window);
    if (placement.hasRect) {
        // On the screen it was saved on, when that screen is still there.
        const QScreen* on = QGuiApplication::screenAt(placement.normalRect.center());
        if (!on)
            on = screen();
        setGeometry(
            WindowPlacement::fitted(placement.normalRect, on ? on->availableGeometry() : QRect()));
    } else {
        const QSize room = screen() ? screen()->availableSize() : QSize(1000, 700);
        resize(QSize(1000, 700).boundedTo(room));
    }
    if (placement.showState == WindowPlacement::kShowMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMainFrame::connectCommands() {
    using C = Command;
    const auto on = [this](Command command, auto handler) {
        connect(actions_[command], &QAction::triggered, this, handler);
    };
    on(C::Exit, [this] { close(); });
    on(C::Open, [this] { documents_->open(); });
    on(C::Save, [this] { documents_->save(); });
    on(C::SaveAs, [this] { documents_->saveAs(); });
    on(C::OpenUpdate, [this] { documents_->openUpdate(); });
    // A check mark flips before the handler runs, which may stop early or be cancelled: the
    // marks are set again afterwards from the list on screen.
    const auto onSwitch = [&on, this](Command command, auto handler) {
        on(command, [this, handler] {
            handler();
            updateCommandStates();
        });
    };
    onSwitch(C::ViewTv, [this] { documents_->showHalf(ListKind::Tv); });
    onSwitch(C::ViewRadio, [this] { documents_->showHalf(ListKind::Radio); });
    onSwitch(C::MainList, [this] { documents_->showMainList(); });
    onSwitch(C::UpdateList, [this] { documents_->showUpdateList(); });
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

    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMainFrame::updateCommandStates);
    connect(view_, &CRowListView::exchangeEnded, this, &CMainFrame::updateCommandStates);
    connect(view_, &CRowListView::sortRequested, documents_, &DocumentCommands::sortByColumn);
    connect(view_, &CRowListView::sortRefused, this, [this] {
        showStatus(text("The Main-List can be sorted when \"Main-list can be sorted\" is on in "
                        "Settings › Options › General."));
    });
    connect(view_, &CRowListView::contextMenuRequested, this, [this](int, const QPoint& at) {
        (state_.showingUpdate ? updateContextMenu_ : mainContextMenu_)->popup(at);
    });
}

void CMainFrame::updateCommandStates() {
    using C = Command;
    for (const Command always :
         {C::Exit, C::Open, C::ViewTv, C::ViewRadio, C::ToggleToolbar, C::ToggleStatusBar, C::Com1,
          C::Com2, C::Com3, C::Com4, C::ConfigureScreen, C::ConfigurePrinter,
          C::DefaultColumnWidths, C::HelpContents, C::About})
        actions_[always]->setEnabled(true);
    const bool loaded = state_.listLoaded();
    for (const Command listCommand : {C::SaveAs, C::OpenUpdate, C::SelectAll})
        actions_[listCommand]->setEnabled(loaded);
    actions_[C::Save]->setEnabled(state_.modified);
    const std::size_t selected = loaded ? view_->selectedRows().size() : 0;
    const bool editable = loaded && !state_.showingUpdate && !state_.numbersUnsorted;
    actions_[C::Copy]->setEnabled(selected > 0);
    actions_[C::Cut]->setEnabled(editable && selected > 0);
    actions_[C::Delete]->setEnabled(editable && selected > 0);
    const bool canPaste = editable && selected == 1 && clipboard_->clipboardHasChannels();
    actions_[C::Paste]->setEnabled(canPaste);
    actions_[C::PasteDirect]->setEnabled(canPaste);
    actions_[C::MainList]->setEnabled(state_.hasUpdateList());
    actions_[C::UpdateList]->setEnabled(state_.hasUpdateList());
    actions_[C::ViewTv]->setChecked(state_.shownList == ListKind::Tv);
    actions_[C::ViewRadio]->setChecked(state_.shownList == ListKind::Radio);
    actions_[C::MainList]->setChecked(state_.hasUpdateList() && !state_.showingUpdate);
    actions_[C::UpdateList]->setChecked(state_.showingUpdate);
    const Command ports[] = {C::Com1, C::Com2, C::Com3, C::Com4};
    actions_[ports[std::clamp(state_.settings.comPort, 1, 4) - 1]]->setChecked(true);
    Q_EMIT commandStatesUpdated();
}

void CMainFrame::onCommandStatesUpdated(QObject* receiver, std::function<void()> handler) {
    connect(this, &CMainFrame::commandStatesUpdated, receiver, std::move(handler));
}

Prompter& CMainFrame::prompter() {
    return kanalo::prompter();
}

void CMainFrame::showStatus(const QString& text) {
    statusBar()->showMessage(text);
    statusBar()->repaint();
}

void CMainFrame::clearStatus() {
    statusBar()->clearMessage();
}

void CMainFrame::editList(EditKind kind, ListTable table, const ListEdit& edit) {
    undo_->edit(kind, table, edit);
}

void CMainFrame::replaceList(ListTable table, ChannelTable contents, ReplacedList replaced) {
    undo_->replace(table, std::move(contents), replaced);
}

void CMainFrame::setModified(bool modified) {
    state_.modified = modified;
    setWindowModified(modified);
    if (!modified)
        undo_->markMainSaved();
    updateCommandStates();
}

QString CMainFrame::windowTitleFor(const QString& fileTitle) {
    // "[*]" is where the platform shows the modified mark.
    if (fileTitle.isEmpty())
        return QStringLiteral("Kanalo[*]");
    QString title = fileTitle.left(kMaxTitleLength);
    const qsizetype dot = title.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0 && title.mid(dot + 1).compare(QLatin1String("chl"), Qt::CaseInsensitive) == 0)
        title.truncate(dot);
    return title + QStringLiteral("[*] - Kanalo");
}

void CMainFrame::updateTitle() {
    setWindowTitle(windowTitleFor(state_.showingUpdate ? state_.updateTitle : state_.fileTitle));
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
    const QStringList& files = state_.settings.recentFiles;
    for (int i = 0; i < files.size(); ++i) {
        auto* item =
            new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(files[i]), recentFilesMenu_);
        item->setStatusTip(text("Open this channel list file"));
        const QString path = files[i];
        connect(item, &QAction::triggered, this, [this, path] { documents_->openRecent(path); });
        recentFilesMenu_->insertAction(anchor, item);
        recentFileActions_ << item;
    }
    if (files.isEmpty()) {
        auto* item = new QAction(text("Recent File"), recentFilesMenu_);
        item->setEnabled(false);
        recentFilesMenu_->insertAction(anchor, item);
        recentFileActions_ << item;
    }
}

bool CMainFrame::loadFile(const QString& path) {
    return documents_->loadFile(path);
}

void CMainFrame::setComPort(int port) {
    state_.settings.comPort = port;
    updateCommandStates();
}

void CMainFrame::configureColumns(bool printer) {
    view_->cancelPendingExchange();
    const ColumnSet previous = state_.columnSets.screen;
    // Made at its first use: building it would cost the start-up as much as the list.
    if (!configDialog_)
        configDialog_ = std::make_unique<CConfigListDlg>(state_.columnSets, this);
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
    if (!(previous == state_.columnSets.screen))
        view_->ReplaceColumns();
}

void CMainFrame::showHelp() {
    if (!help_)
        help_ = std::make_unique<HelpWindow>(state_.german);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

namespace {

QString droppedFile(const QMimeData* data) {
    for (const QUrl& url : data ? data->urls() : QList<QUrl>())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const QString path = droppedFile(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    documents_->openDropped(path);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (activated_)
        return;
    activated_ = true;
    state_.currentPath.clear();
    const QString list = startUpList();
    if (list.isEmpty() || !loadFile(list))
        return;
    // The list's scroll bar would otherwise show through a queued layout after the first
    // frame, and the window would be drawn twice: it is settled before the first frame.
    view_->doItemsLayout();
    QCoreApplication::sendPostedEvents(view_, QEvent::MetaCall);
}

QString CMainFrame::startUpList() const {
    if (!commandLineFile_.isEmpty())
        return commandLineFile_;
    const QString& autoLoad = state_.settings.autoLoad;
    return !autoLoad.isEmpty() && QFileInfo::exists(autoLoad) ? autoLoad : QString();
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
    if (!documents_->askToSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    if (help_)
        help_->close();
    event->accept();
}

} // namespace kanalo
