#pragma once

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"

#include <cstddef>
#include <optional>

class QWidget;

namespace kanalo {

class EditorContext;

// The channel dialog over a copy of a record of `half`, told what it needs of the settings and
// the list; the edited record when OK was pressed. Edit, New channel and the list windows share
// it.
std::optional<ChannelRecord> editInChannelDialog(EditorContext& context,
                                                 const ChannelRecord& record, ListKind half,
                                                 std::size_t userListCount, QWidget* parent);

} // namespace kanalo
