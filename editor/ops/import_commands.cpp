#include "ops/import_commands.h"

#include "ops/dvb_import.h"
#include "shell/document_commands.h"
#include "shell/main_frame.h"
#include "shell/prompter.h"
#include "shell/texts.h"
#include "view/qt_text.h"
#include "view/row_list_view.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QStatusBar>

namespace kanalo {

namespace {

struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

DvbGroupAnswer groupAnswer(Prompter::Answer answer) {
    switch (answer) {
    case Prompter::Answer::Yes:
        return DvbGroupAnswer::Import;
    case Prompter::Answer::No:
        return DvbGroupAnswer::Skip;
    case Prompter::Answer::Cancel:
        break;
    }
    return DvbGroupAnswer::Stop;
}

} // namespace

ImportCommands::ImportCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    QAction* command = frame_.action(Command::ImportDvb);
    connect(command, &QAction::triggered, this, &ImportCommands::importDvb);
    connect(&frame_, &CMainFrame::commandStatesUpdated, command,
            [command] { command->setEnabled(true); });
    command->setEnabled(true);
}

EditorState& ImportCommands::state() const {
    return frame_.state();
}

ImportCommands::FileChoice ImportCommands::chooseDvbFile(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, QString(), folder,
                       text("DVB2000 Channel Lists (*.dvb);;All Files (*)"));
    // The extra row needs Qt's own dialog; a native one cannot carry it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("dvb"));
    auto* modes = new QWidget(&dialog);
    auto* row = new QHBoxLayout(modes);
    row->setContentsMargins(0, 0, 0, 0);
    auto* all = new QRadioButton(text("&All"), modes);
    auto* selected = new QRadioButton(text("&Selected"), modes);
    all->setChecked(true);
    row->addWidget(all);
    row->addWidget(selected);
    row->addStretch();
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(modes, grid->rowCount(), 0, 1, grid->columnCount());
    else if (dialog.layout())
        dialog.layout()->addWidget(modes);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().front(), selected->isChecked() ? Mode::Selected : Mode::All};
}

void ImportCommands::importDvb() {
    if (!frame_.documents().beforeReplacingMainList())
        return;
    const FileChoice choice = chooseFile_(&frame_, state().settings.vbsFolder);
    if (choice.path.isEmpty())
        return;
    importFile(choice.path, choice.mode);
}

bool ImportCommands::importFile(const QString& path, Mode mode) {
    QStatusBar* status = frame_.statusBar();
    status->showMessage(text("Reading file ..."));
    status->repaint();
    std::string bytes;
    DvbReadStatus result;
    {
        WaitCursor wait;
        result = readDvbFile(QFile::encodeName(path).toStdString(), bytes);
    }
    if (result != DvbReadStatus::Ok) {
        status->clearMessage();
        prompter().error(&frame_, text(statusMessage(result)));
        return false;
    }
    if (!state().mainTable)
        state().mainTable = std::make_unique<ChannelTable>();
    state().showingUpdate = false;

    DvbGroupQuestion askGroup;
    if (mode == Mode::Selected)
        askGroup = [this](std::string_view title) {
            // The question is answered with the normal cursor.
            QApplication::restoreOverrideCursor();
            const Prompter::Answer answer =
                prompter().question(&frame_, fromWindows1252(title), true);
            QApplication::setOverrideCursor(Qt::WaitCursor);
            return groupAnswer(answer);
        };
    {
        WaitCursor wait;
        importDvbRecords(bytes, *state().mainTable, askGroup);
        CRowListView* view = frame_.view();
        view->ShowList(state().shownList, true);
        view->clearSelection();
        view->scrollToTop();
    }
    status->clearMessage();
    state().currentPath.clear();
    state().fileTitle.clear();
    frame_.updateTitle();
    frame_.setModified(true);
    return true;
}

} // namespace kanalo
