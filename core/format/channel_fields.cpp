#include "core/format/channel_fields.h"

#include "core/channels/channel_record.h"
#include "core/channels/line_scanner.h"
#include "core/channels/windows1252.h"

#include <cstdint>
#include <limits>

namespace kanalo {

namespace {

constexpr unsigned char kEmphasisOn = 0x86;
constexpr unsigned char kEmphasisOff = 0x87;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Scans from pos; on success pos is left after the last digit.
std::optional<unsigned> scanAt(std::string_view text, std::size_t& pos, unsigned base) {
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    if (base == 16 && pos + 2 < text.size() && text[pos] == '0' &&
        (text[pos + 1] == 'x' || text[pos + 1] == 'X') && digitValue(text[pos + 2], 16) >= 0)
        pos += 2;
    if (pos >= text.size() || digitValue(text[pos], base) < 0)
        return std::nullopt;
    constexpr std::uint64_t kMax = std::numeric_limits<unsigned>::max();
    std::uint64_t value = 0;
    for (; pos < text.size() && digitValue(text[pos], base) >= 0; ++pos) {
        value = value * base + static_cast<unsigned>(digitValue(text[pos], base));
        if (value > kMax)
            value = kMax + 1; // keeps growing digits from overflowing 64 bits
    }
    if (value > kMax)
        return static_cast<unsigned>(kMax);
    const auto result = static_cast<unsigned>(value);
    return negative ? 0u - result : result;
}

FieldValue judged(std::optional<unsigned> number, NumberRange range, bool noLimits) {
    if (!number)
        return {FieldStatus::NotANumber, 0};
    if (!noLimits && !range.contains(*number))
        return {FieldStatus::OutOfRange, *number};
    return {FieldStatus::Ok, *number};
}

} // namespace

std::optional<unsigned> scanUnsigned(std::string_view text, PidRadix radix) {
    std::size_t pos = 0;
    return scanAt(text.substr(0, kFieldScanLength), pos, radix == PidRadix::Hex ? 16 : 10);
}

NumberRange numberFieldRange(NumberField field, ListKind list) {
    switch (field) {
    case NumberField::VideoPid:
        return {list == ListKind::Tv ? 1u : 0u, 8191};
    case NumberField::PcrPid:
    case NumberField::AudioPid:
        return {0, 8191};
    case NumberField::ServiceId:
    case NumberField::BouquetNumber:
        break;
    }
    return {0, 65535};
}

FieldValue readNumberField(std::string_view text, PidRadix radix, NumberRange range,
                           bool noLimits) {
    return judged(scanUnsigned(text, radix), range, noLimits);
}

FieldValue readFrequencyField(std::string_view text, NumberRange range, bool noLimits) {
    return judged(scanUnsigned(text, PidRadix::Decimal), range, noLimits);
}

FieldValue readSymbolRateField(std::string_view text, bool noLimits) {
    std::size_t pos = 0;
    std::optional<unsigned> number = scanAt(text, pos, 10);
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos != text.size())
        number.reset(); // trailing characters: not an integer
    return judged(number, kSymbolRateRange, noLimits);
}

std::string editableName(std::string_view stored, bool brackets) {
    const std::size_t last = stored.find_last_not_of(' ');
    std::string bytes(last == std::string_view::npos ? std::string_view()
                                                     : stored.substr(0, last + 1));
    if (brackets) {
        for (char& c : bytes) {
            if (static_cast<unsigned char>(c) == kEmphasisOn)
                c = '[';
            else if (static_cast<unsigned char>(c) == kEmphasisOff)
                c = ']';
        }
    }
    return windows1252ToUtf8(bytes);
}

NameBytes storedName(std::u32string_view text, bool brackets) {
    NameBytes result;
    result.length = text.size();
    for (const char32_t c : text) {
        std::optional<unsigned char> byte;
        if (brackets && c == U'[')
            byte = kEmphasisOn;
        else if (brackets && c == U']')
            byte = kEmphasisOff;
        else if (c != 0) // a zero byte would end the name early
            byte = encodeWindows1252(c);
        if (!byte) {
            result.bad = c;
            result.bytes.clear();
            return result;
        }
        result.bytes += static_cast<char>(*byte);
    }
    if (result.bytes.size() < ChannelRecord::kMaxTextLength)
        result.bytes.resize(ChannelRecord::kMaxTextLength, ' ');
    return result;
}

} // namespace kanalo
