#pragma once

#include "transfer/tool_runner.h"

#include <QObject>
#include <QTemporaryDir>

namespace kanalo {

class CMainFrame;
struct EditorState;

// Load Settings from Box, Send Setings to Box and the receiver software update: the editor
// writes or expects a channel list file, starts the tool that suits the receiver type and
// judges the transfer by the tool's exit code. The transfer files live in a private temporary
// folder of this process, so two editors never share them.
class TransferCommands : public QObject {
    Q_OBJECT

public:
    explicit TransferCommands(CMainFrame& frame);

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
    void reportFailure();

    CMainFrame& frame_;
    ToolRunner runner_;
    QTemporaryDir folder_;
};

} // namespace kanalo
