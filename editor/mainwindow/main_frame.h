#pragma once

#include "editor/base/editor_state.h"
#include "editor/commands/editor_context.h"
#include "editor/mainwindow/menu_builder.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QSettings;

namespace kanalo {

class CConfigListDlg;
class ChannelCommands;
class ClipboardCommands;
class CRowListView;
class DocumentCommands;
class HelpWindow;
class UndoCommands;

// The main window: owns the editor state for the whole run, builds the menus and hands their
// commands to the command groups, which reach it as their EditorContext.
class CMainFrame : public QMainWindow, public EditorContext {
    Q_OBJECT

public:
    CMainFrame(EditorState state, QSettings& store, QString commandLineFile = {},
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    // EditorContext
    EditorState& state() override { return state_; }
    CRowListView* view() const override { return view_; }
    QAction* action(Command command) const override { return actions_[command]; }
    QWidget* widget() override { return this; }
    QSettings& settingsStore() const override { return store_; }
    DocumentCommands& documents() const override { return *documents_; }
    Prompter& prompter() override;
    void setModified(bool modified) override;
    void updateCommandStates() override;
    void onCommandStatesUpdated(QObject* receiver, std::function<void()> handler) override;
    void updateTitle() override;
    void updateRecentFiles() override;
    void showStatus(const QString& text) override;
    void clearStatus() override;
    void editList(EditKind kind, ListTable table, const ListEdit& edit) override;
    void replaceList(ListTable table, ChannelTable contents, ReplacedList replaced) override;

    QMenu* mainContextMenu() const { return mainContextMenu_; }
    QLabel* firstStatusPane() const { return firstPane_; }
    QLabel* secondStatusPane() const { return secondPane_; }
    HelpWindow* helpWindow() const { return help_.get(); }
    UndoCommands& undoCommands() const { return *undo_; }

    // Loads a channel list file into the main table with the status text, wait cursor and
    // failure messages; on success it becomes the current file.
    bool loadFile(const QString& path);

    static QString windowTitleFor(const QString& fileTitle);

Q_SIGNALS:
    // After the frame has set the states of its own commands; command groups that live in
    // their own classes set theirs here.
    void commandStatesUpdated();

protected:
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The command line's file, else the AutoLoad file when it exists; empty for none.
    QString startUpList() const;
    void createBars();
    void restorePlacement();
    void connectCommands();
    void setComPort(int port);
    void configureColumns(bool printer);
    void showHelp();
    void writeSettings();

    EditorState state_;
    QSettings& store_;
    QString commandLineFile_;
    bool activated_ = false;

    CommandActions actions_;
    CRowListView* view_ = nullptr;
    DocumentCommands* documents_ = nullptr;
    ChannelCommands* channels_ = nullptr;
    ClipboardCommands* clipboard_ = nullptr;
    UndoCommands* undo_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* firstPane_ = nullptr;
    QLabel* secondPane_ = nullptr;
    QMenu* recentFilesMenu_ = nullptr;
    QList<QAction*> recentFileActions_;
    QMenu* mainContextMenu_ = nullptr;
    QMenu* updateContextMenu_ = nullptr;
    std::unique_ptr<CConfigListDlg> configDialog_;
    std::unique_ptr<HelpWindow> help_;
};

} // namespace kanalo
