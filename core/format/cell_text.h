#pragma once

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/format/column_set.h"

#include <string>
#include <string_view>

namespace kanalo {

enum class PidRadix { Decimal, Hex };

// The "PID" setting: hexadecimal when it begins with "hex" in any case.
PidRadix pidRadixFromSetting(std::string_view value);

// "%04X" or "%u".
std::string pidText(unsigned value, PidRadix radix);

// "H", "V", or "-" for the two values only an import can bring.
std::string_view polarisationText(std::uint8_t polarisation);

// The emphasis codes 0x86 and 0x87 appear as "[" and "]"; the rest stays as stored.
std::string bracketedName(std::string_view stored);

// Windows-1252 bytes of one list cell. Free slots have empty cells (the number is the
// view's business); a Radio row has an empty video PID.
std::string cellText(ColumnKind kind, const ChannelRecord& record, SlotKind slotKind,
                     PidRadix radix);

} // namespace kanalo
