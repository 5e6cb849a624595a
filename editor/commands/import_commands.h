#pragma once

#include "core/listops/dvb_import.h"

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace kanalo {

class EditorContext;
class ChannelTable;
struct EditorState;
struct VdrImportCounts;

// "%1 TV and %2 Radio channels imported." and, when anything was skipped, the reasons.
QString vdrSummaryText(const VdrImportCounts& counts);
// "Wrong file version." and the summary, for a file that brings no channel.
QString vdrRefusalText(const VdrImportCounts& counts);

// Import DVB Channel List and Import VDR Channel List: replace the main list with the channels
// of a DVB2000 file (all of them or group by group) or of a VDR channels.conf, and leave a
// modified list without a file name.
class ImportCommands : public QObject {
    Q_OBJECT

public:
    enum class Mode { All, Selected };
    struct FileChoice {
        QString path; // empty: cancelled
        Mode mode = Mode::All;
    };
    // The open-file dialog with its extra All / Selected row, starting in the folder.
    using FileChooser = std::function<FileChoice(QWidget* parent, const QString& folder)>;

    explicit ImportCommands(EditorContext& context);

    void importDvb();
    void importVdr();
    // Import the file into the main list and show it; false after a failure message.
    bool importFile(const QString& path, Mode mode);
    bool importVdrFile(const QString& path);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    static FileChoice chooseDvbFile(QWidget* parent, const QString& folder);

private:
    using Reader = DvbReadStatus (*)(const std::filesystem::path&, std::string&);

    EditorState& state() const;
    // The questions asked before the main list is replaced; false: stop.
    // Reads the whole file under the status text; false after the failure message.
    bool readFile(const QString& path, Reader reader, std::string& bytes);
    // Makes the imported table the main list and shows it as a modified list without a name.
    void replaceMainList(const ChannelTable& imported);

    EditorContext& context_;
    FileChooser chooseFile_ = &ImportCommands::chooseDvbFile;
};

} // namespace kanalo
