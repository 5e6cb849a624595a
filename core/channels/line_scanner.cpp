#include "core/channels/line_scanner.h"

#include <algorithm>

namespace kanalo {

int digitValue(char c, unsigned base) {
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value >= 0 && static_cast<unsigned>(value) < base ? value : -1;
}

void LineScanner::skipSpace() {
    while (pos_ < text_.size() && isScanSpace(text_[pos_]))
        ++pos_;
}

std::optional<std::string_view> LineScanner::word(std::size_t maxKeep) {
    skipSpace();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !isScanSpace(text_[pos_]))
        ++pos_;
    if (pos_ == start)
        return std::nullopt;
    return text_.substr(start, std::min(pos_ - start, maxKeep));
}

std::optional<std::int32_t> LineScanner::hex() {
    return number(16);
}

std::optional<std::int32_t> LineScanner::decimal() {
    return number(10);
}

std::optional<std::int32_t> LineScanner::number(unsigned base) {
    skipSpace();
    std::size_t pos = pos_;
    bool negative = false;
    if (pos < text_.size() && (text_[pos] == '+' || text_[pos] == '-')) {
        negative = text_[pos] == '-';
        ++pos;
    }
    // A "0x" prefix counts only when a hexadecimal digit follows; otherwise the 0 is the number.
    if (base == 16 && pos + 2 < text_.size() && text_[pos] == '0' &&
        (text_[pos + 1] == 'x' || text_[pos + 1] == 'X') && digitValue(text_[pos + 2], 16) >= 0)
        pos += 2;
    std::uint32_t value = 0;
    const std::size_t firstDigit = pos;
    for (int digit; pos < text_.size() && (digit = digitValue(text_[pos], base)) >= 0; ++pos)
        value = value * base + static_cast<std::uint32_t>(digit);
    if (pos == firstDigit)
        return std::nullopt;
    pos_ = pos;
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

} // namespace kanalo
