#pragma once

#include "shell/editor_state.h"
#include "shell/menu_builder.h"

#include <QMainWindow>
#include <memory>

class QLabel;
class QSettings;

namespace kanalo {

class CConfigListDlg;
class CRowListView;
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
    QLabel* secondStatusPane() const { return secondPane_; }
    HelpWindow* helpWindow() const { return help_.get(); }

    // Loads a channel list file into the main table with the status text, wait cursor and
    // failure messages; on success it becomes the current file.
    bool loadFile(const QString& path);
    // Saves the main list to the path with the backup rule; shows "File write error." on failure.
    bool saveFile(const QString& path);

    static QString windowTitleFor(const QString& fileTitle);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createBars();
    void restorePlacement();
    void connectCommands();
    void updateCommandStates();
    void updateTitle();
    void updateRecentFiles();
    void showList(ListKind list);
    void setComPort(int port);
    void configureColumns(bool printer);
    void showHelp();
    bool askToSave();
    void writeSettings();

    EditorState state_;
    QSettings& store_;
    QString commandLineFile_;
    QString fileTitle_;
    bool activated_ = false;

    CommandActions actions_;
    CRowListView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* secondPane_ = nullptr;
    QMenu* recentFilesMenu_ = nullptr;
    QList<QAction*> recentFileActions_;
    QMenu* mainContextMenu_ = nullptr;
    QMenu* updateContextMenu_ = nullptr;
    std::unique_ptr<CConfigListDlg> configDialog_;
    std::unique_ptr<HelpWindow> help_;
};

} // namespace kanalo
