#pragma once

#include "core/channels/channel_table.h"

#include <string>

namespace kanalo {

// Short form: no EPG and no bouquet fields (receiver software before 1.5-46).
// Long form: with EPG flag, bouquet number and bouquet name.
enum class FileForm { Short, Long };

// Appends the line of one occupied record, ending in CR LF.
void appendChannelLine(std::string& out, const ChannelRecord& record, FileForm form);

// The text of a whole channel list file: every occupied TV slot, then every occupied Radio slot.
std::string writeChannelText(const ChannelTable& table, FileForm form);

} // namespace kanalo
