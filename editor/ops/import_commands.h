#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace kanalo {

class CMainFrame;
struct EditorState;

// Import DVB Channel List: replaces the main list with the channels of a DVB2000 file, all of
// them or group by group, and leaves a modified list without a file name.
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

    explicit ImportCommands(CMainFrame& frame);

    void importDvb();
    // Imports the file into the main list and shows it; false after a failure message.
    bool importFile(const QString& path, Mode mode);

    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    static FileChoice chooseDvbFile(QWidget* parent, const QString& folder);

private:
    EditorState& state() const;

    CMainFrame& frame_;
    FileChooser chooseFile_ = &ImportCommands::chooseDvbFile;
};

} // namespace kanalo
