#pragma once

#include "core/listops/dvb_import.h"
#include "core/listops/order_reference.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace kanalo {

// The reference order a text holds, told by its content:
// - a channel list file: its TV and Radio lists in slot order;
// - a VDR channels.conf: its satellite channels in file order, DVB-S2 ones too, a video PID
//   other than 0 making a TV entry; groups play no part;
// - a name list: UTF-8, one name per line, blank lines and lines starting with "#" skipped,
//   the same names for both lists.
// Nothing for any other text: one naming no channel, binary data (control characters other
// than tab and line ends), or a name list that is not UTF-8. A name no channel can carry (a
// character Windows-1252 lacks) stays in its place and matches by name nothing.
std::optional<OrderReference> readOrderReferenceText(std::string_view text);

// Reads the file as readOrderReferenceText; "Cannot open file." and "Read error." as for any
// file, WrongVersion for a text that holds no reference. On failure the reference is left
// untouched.
DvbReadStatus readOrderReferenceFile(const std::filesystem::path& path, OrderReference& reference);

} // namespace kanalo
