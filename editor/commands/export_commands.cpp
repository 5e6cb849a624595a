#include "editor/commands/export_commands.h"

#include "core/channels/channel_file.h"
#include "core/format/csv_export.h"
#include "core/listops/vdr_channels.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/commands/editor_context.h"

#include <QAction>
#include <QFileInfo>

namespace kanalo {

ExportCommands::ExportCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    QAction* vdr = context_.action(Command::ExportVdr);
    QAction* csv = context_.action(Command::ExportCsv);
    connect(vdr, &QAction::triggered, this, &ExportCommands::exportVdr);
    connect(csv, &QAction::triggered, this, &ExportCommands::exportCsv);
    context_.onCommandStatesUpdated(this, [this, vdr, csv] {
        const bool loaded = context_.state().listLoaded();
        vdr->setEnabled(loaded);
        csv->setEnabled(loaded);
    });
}

QString ExportCommands::chooseFile(const QString& filter, const QString& suffix) {
    QString path = context_.prompter().saveFileName(context_.widget(), QString(),
                                                    context_.state().settings.vbsFolder, filter);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
        path += suffix;
    return path;
}

bool ExportCommands::write(const QString& path, const std::string& text) {
    if (saveFile(QFile::encodeName(path).toStdString(), text) != SaveStatus::Ok) {
        context_.prompter().error(context_.widget(), kanalo::text("File write error."));
        return false;
    }
    context_.showStatus(kanalo::text("%1 saved.").arg(path));
    return true;
}

void ExportCommands::exportVdr() {
    const ChannelTable* table = context_.state().mainTable();
    if (!table)
        return;
    const QString path =
        chooseFile(text("VDR Channel Lists (*.conf);;All Files (*)"), QStringLiteral(".conf"));
    if (path.isEmpty())
        return;
    const VdrExport exported = writeVdrText(*table);
    if (write(path, exported.text) && exported.skipped > 0)
        context_.prompter().information(
            context_.widget(),
            text("%1 channels on a satellite without a position (User 1 to User 15) were left "
                 "out.")
                .arg(exported.skipped));
}

void ExportCommands::exportCsv() {
    if (const ChannelTable* table = context_.state().mainTable()) {
        const QString path =
            chooseFile(text("CSV Files (*.csv);;All Files (*)"), QStringLiteral(".csv"));
        if (!path.isEmpty())
            write(path, writeCsvText(*table));
    }
}

} // namespace kanalo
