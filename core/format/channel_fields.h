#pragma once

#include "core/channels/channel_table.h"
#include "core/format/cell_text.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kanalo {

// How the channel dialogs read their number fields, and how names travel between the record's
// bytes and the text the user edits.

// Number fields are read from their first 18 characters only.
inline constexpr std::size_t kFieldScanLength = 18;

// Reads a number the way "%u" or "%x" would: leading white space, an optional sign, for hex an
// optional "0x", then at least one digit; whatever follows is ignored. A minus wraps modulo 2^32
// and a value beyond 32 bits saturates, so both fail any range test.
std::optional<unsigned> scanUnsigned(std::string_view text, PidRadix radix);

struct NumberRange {
    unsigned min;
    unsigned max;
    bool contains(unsigned value) const { return min <= value && value <= max; }
};

enum class NumberField { PcrPid, VideoPid, AudioPid, ServiceId, BouquetNumber };

// The video PID of a TV channel may not be 0; a Radio channel has none.
NumberRange numberFieldRange(NumberField field, ListKind list);
inline constexpr NumberRange kSymbolRateRange{1000, 45000};

enum class FieldStatus { Ok, NotANumber, OutOfRange };

struct FieldValue {
    FieldStatus status = FieldStatus::NotANumber;
    unsigned value = 0;
    bool ok() const { return status == FieldStatus::Ok; }
};

// A PID, the service ID or the bouquet number in the current radix.
FieldValue readNumberField(std::string_view text, PidRadix radix, NumberRange range, bool noLimits);
// The frequency in MHz, decimal.
FieldValue readFrequencyField(std::string_view text, NumberRange range, bool noLimits);
// The symbol rate: the whole text must be an integer (surrounding blanks allowed).
FieldValue readSymbolRateField(std::string_view text, bool noLimits);

// Stored name bytes as the user sees them, as UTF-8: trailing blanks dropped and, with
// brackets, the emphasis codes 0x86 / 0x87 shown as "[" / "]".
std::string editableName(std::string_view stored, bool brackets);

// The outcome of turning an edited name back into bytes.
struct NameBytes {
    std::string bytes;           // padded with blanks to 31 when valid
    std::size_t length = 0;      // characters typed
    std::optional<char32_t> bad; // the first character the receiver's set has no byte for
};

// Edited text (code points) to the record's bytes: with brackets "[" / "]" become 0x86 / 0x87;
// padded with blanks to 31 characters. Longer texts are reported by length and left unpadded.
NameBytes storedName(std::u32string_view text, bool brackets);

} // namespace kanalo
