#pragma once

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/format/cell_text.h"
#include "core/format/column_set.h"

#include <functional>
#include <optional>
#include <ostream>
#include <string>

namespace kanalo {

// Rows below zero ask for header lines; a stream gets these lines written.
inline constexpr int kHeaderWithRule = -1; // header, then rule
inline constexpr int kRuleHeaderRule = -2; // rule, header, rule
inline constexpr int kRuleOnly = -3;       // rule

// Fixed-width text lines of the printed list, in the printer column set. Lines are
// Windows-1252 bytes, like the names they carry.
class PrintLineFormatter {
public:
    // While the numbers are unsorted, a channel line takes its number from the row's number
    // text; this returns that text for a row.
    using NumberText = std::function<std::string(int row)>;

    PrintLineFormatter(ColumnSet printerSet, PidRadix radix, bool german);
    void setUnsortedNumbers(NumberText numberText) { numberText_ = std::move(numberText); }

    std::string header() const;
    std::string channelLine(int row, const ChannelRecord& record, SlotKind slotKind) const;

    // A header (row < 0 or no record) or a channel line; with a stream, the lines of that row
    // are written, each followed by a line feed. Returns nothing when writing fails.
    std::optional<std::string> formatPrintLine(std::ostream* stream, int row,
                                               const ChannelRecord* record,
                                               SlotKind slotKind) const;

private:
    int numberOf(int row) const;

    ColumnSet set_;
    PidRadix radix_;
    bool german_;
    NumberText numberText_;
};

} // namespace kanalo
