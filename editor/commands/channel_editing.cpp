#include "editor/commands/channel_editing.h"

#include "editor/base/editor_settings.h"
#include "editor/commands/editor_context.h"
#include "editor/dialogs/channel_dialog.h"

namespace kanalo {

std::optional<ChannelRecord> editInChannelDialog(EditorContext& context,
                                                 const ChannelRecord& record, ListKind half,
                                                 std::size_t userListCount, QWidget* parent) {
    const EditorState& state = context.state();
    ChannelDialogContext surroundings;
    surroundings.list = half;
    surroundings.firmware = state.receiver.firmware;
    surroundings.radix = state.settings.pidRadix;
    surroundings.bands = state.settings.bands;
    // Read afresh each time: the setting may have been changed in the file meanwhile.
    surroundings.noLimits = EditorSettings::readNoLimits(context.settingsStore());
    surroundings.userListCount = userListCount;
    surroundings.german = state.german;
    CChannelDlg dialog(record, surroundings, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.record();
}

} // namespace kanalo
