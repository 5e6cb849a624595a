#pragma once

#include "core/channels/channel_table.h"
#include "core/format/print_line.h"

#include <span>

class QPrinter;

namespace kanalo {

// The name the print job is announced under.
inline constexpr char kPrintJobName[] = "Orvel Channel List";

// Prints the heading and the lines of the given rows of the list on the printer, in a
// fixed-pitch font shrunk to fit the heading across the page. False when the printer cannot be
// used or refuses the document; nothing is printed then.
bool printChannelLines(QPrinter& printer, const PrintLineFormatter& formatter,
                       ConstChannelList list, ListKind shown, std::span<const int> rows);

} // namespace kanalo
