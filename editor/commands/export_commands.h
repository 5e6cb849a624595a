#pragma once

#include <QObject>
#include <QString>
#include <string>

namespace kanalo {

class EditorContext;

// Export > VDR Channel List and CSV File: write the main list for other programs. The list
// itself, its file name and its modified flag stay as they are.
class ExportCommands : public QObject {
    Q_OBJECT

public:
    explicit ExportCommands(EditorContext& context);

    void exportVdr();
    void exportCsv();

private:
    // The file to write, with the suffix added when the name has none; empty: cancelled.
    QString chooseFile(const QString& filter, const QString& suffix);
    bool write(const QString& path, const std::string& text);

    EditorContext& context_;
};

} // namespace kanalo
