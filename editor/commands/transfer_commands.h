#pragma once

#include "editor/commands/tool_runner.h"

#include <QObject>
#include <QTemporaryDir>
#include <memory>

namespace kanalo {

class EditorContext;
struct EditorState;

// Load Settings from Box, Send Setings to Box and the receiver software update: the editor
// writes or expects a channel list file, starts the tool that suits the receiver type and
// judges the transfer by the tool's exit code. The transfer files live in a private temporary
// folder of this process, so two editors never share them, and which goes with the editor also
// when a signal ends it. While a tool runs no other tool can start, and while an updater runs
// the main window refuses to close.
class TransferCommands : public QObject {
    Q_OBJECT

public:
    explicit TransferCommands(EditorContext& context);

    void loadFromBox();
    void sendToBox();
    void softwareUpdate();

    ToolRunner& runner() { return runner_; }
    QString transferFile() const;

private:
    EditorState& state();
    void updateStates();
    void prepareEnvironment();
    void finishStatus();
    void reportFailure(const ToolRunner& runner);
    int runTool(ToolRunner& runner, const ToolInvocation& tool, const QString& file,
                const QString& captureFile = {});
    void tidyUpBeforeTermination();

    EditorContext& context_;
    ToolRunner runner_;
    // The private folder of the transfer files, made at the first transfer.
    mutable std::unique_ptr<QTemporaryDir> folder_;
    bool toolRunning_ = false;
};

} // namespace kanalo
