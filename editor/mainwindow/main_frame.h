#pragma once

#include "editor/base/editor_state.h"
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

// The main window: owns the editor state for the whole run and handles the commands.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame(EditorState state, QSettings& store, QString commandLineFile = {},
               QWidget* parent = nullptr);
    ~CMainFrame() override;

    EditorState& state() { return state_; }
    CRowListView* view() const { return view_; }
    QAction* action(Command command) const { return actions_[command]; }
    // The actions of the commands in a menu tree, submenus included.
    QList<QAction*> actionsOf(std::span<const MenuNode> tree) const;
    QSettings& settingsStore() const { return store_; }
    QMenu* mainContextMenu() const { return mainContextMenu_; }
    QLabel* firstStatusPane() const { return firstPane_; }
    QLabel* secondStatusPane() const { return secondPane_; }
    HelpWindow* helpWindow() const { return help_.get(); }

    DocumentCommands& documents() const { return *documents_; }
    // Loads a channel list file into the main table with the status text, wait cursor and
    // failure messages; on success it becomes the current file.
    bool loadFile(const QString& path);

    // Every edit of the main list marks it modified, which enables Save.
    void setModified(bool modified);

    static QString windowTitleFor(const QString& fileTitle);
    void updateTitle();
    void updateRecentFiles();
    void updateCommandStates();

Q_SIGNALS:
    // After the frame has set the states of its own commands; command groups that live in
    // their own classes set theirs here.
    void commandStatesUpdated();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
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
