#include "editor/commands/import_commands.h"

#include "core/listops/vdr_channels.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/qt_text.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/editor_context.h"
#include "editor/listview/row_list_view.h"

#include <QAction>
#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QRadioButton>

namespace kanalo {

namespace {

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

QString vdrSummaryText(const VdrImportCounts& counts) {
    if (counts.skipped() == 0)
        return text("%1 TV and %2 Radio channels imported.").arg(counts.tv).arg(counts.radio);
    return text("%1 TV and %2 Radio channels imported; %3 skipped (DVB-S2: %4, not satellite: %5, "
                "unreadable: %6, lists full: %7).")
        .arg(counts.tv)
        .arg(counts.radio)
        .arg(counts.skipped())
        .arg(counts.dvbS2)
        .arg(counts.notSatellite)
        .arg(counts.unreadable)
        .arg(counts.listsFull);
}

QString vdrRefusalText(const VdrImportCounts& counts) {
    return text("Wrong file version.") + QStringLiteral("\n\n") + vdrSummaryText(counts);
}

ImportCommands::ImportCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    for (const Command command : {Command::ImportDvb, Command::ImportVdr}) {
        QAction* action = context_.action(command);
        context_.onCommandStatesUpdated(action, [action] { action->setEnabled(true); });
        action->setEnabled(true);
    }
    connect(context_.action(Command::ImportDvb), &QAction::triggered, this,
            &ImportCommands::importDvb);
    connect(context_.action(Command::ImportVdr), &QAction::triggered, this,
            &ImportCommands::importVdr);
}

EditorState& ImportCommands::state() const {
    return context_.state();
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
    giveRoomToFileDialog(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().front(), selected->isChecked() ? Mode::Selected : Mode::All};
}

void ImportCommands::importDvb() {
    if (!context_.documents().beforeReplacingMainList())
        return;
    const FileChoice choice = chooseFile_(context_.widget(), state().settings.vbsFolder);
    if (choice.path.isEmpty())
        return;
    importFile(choice.path, choice.mode);
}

void ImportCommands::importVdr() {
    if (!context_.documents().beforeReplacingMainList())
        return;
    const QString path =
        context_.prompter().openFileName(context_.widget(), QString(), state().settings.vbsFolder,
                                         text("VDR Channel Lists (*.conf);;All Files (*)"));
    if (!path.isEmpty())
        importVdrFile(path);
}

bool ImportCommands::readFile(const QString& path, Reader reader, std::string& bytes) {
    context_.showStatus(text("Reading file ..."));
    DvbReadStatus result;
    {
        WaitCursor wait;
        result = reader(QFile::encodeName(path).toStdString(), bytes);
    }
    if (result == DvbReadStatus::Ok)
        return true;
    context_.clearStatus();
    context_.prompter().error(context_.widget(), text(statusMessage(result)));
    return false;
}

void ImportCommands::replaceMainList(const ChannelTable& imported) {
    // An imported list has no file: it counts as modified until saved, undo or not.
    context_.documents().showListWithoutFile(imported, ReplacedList::Modified);
}

bool ImportCommands::importFile(const QString& path, Mode mode) {
    std::string bytes;
    if (!readFile(path, &readDvbFile, bytes))
        return false;
    DvbGroupQuestion askGroup;
    if (mode == Mode::Selected)
        askGroup = [this](std::string_view title) {
            // The question is answered with the normal cursor.
            QApplication::restoreOverrideCursor();
            const Prompter::Answer answer =
                context_.prompter().question(context_.widget(), fromWindows1252(title), true);
            QApplication::setOverrideCursor(Qt::WaitCursor);
            return groupAnswer(answer);
        };
    auto imported = std::make_unique<ChannelTable>();
    {
        WaitCursor wait;
        importDvbRecords(bytes, *imported, askGroup);
    }
    replaceMainList(*imported);
    return true;
}

bool ImportCommands::importVdrFile(const QString& path) {
    std::string text;
    if (!readFile(path, &readVdrFile, text))
        return false;
    // Imported aside first: a file that brings no channel replaces nothing.
    auto imported = std::make_unique<ChannelTable>();
    const VdrImportCounts counts = importVdrText(text, *imported);
    if (counts.imported() == 0) {
        context_.clearStatus();
        context_.prompter().error(context_.widget(), vdrRefusalText(counts));
        return false;
    }
    replaceMainList(*imported);
    const QString summary = vdrSummaryText(counts);
    context_.showStatus(summary);
    if (counts.skipped() > 0)
        context_.prompter().information(context_.widget(), summary);
    return true;
}

} // namespace kanalo
