#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kanalo {

// The value of a digit in the base (up to 16, either case), or -1 when c is none.
int digitValue(char c, unsigned base);

// Reads items from one line with the conventions of C's formatted input ("%s", "%x", "%d"),
// but with every result defined: numbers wrap modulo 2^32 like a 32-bit int, and words of any
// length are consumed whole while only their first maxKeep bytes are kept.
class LineScanner {
public:
    explicit LineScanner(std::string_view text) : text_(text) {}

    // "%s": skips white space, then takes the run of non-white characters.
    std::optional<std::string_view> word(std::size_t maxKeep);
    // "%x": optional sign, optional 0x prefix, hexadecimal digits.
    std::optional<std::int32_t> hex();
    // "%d": optional sign, decimal digits.
    std::optional<std::int32_t> decimal();

    std::size_t position() const { return pos_; }

private:
    void skipSpace();
    std::optional<std::int32_t> number(unsigned base);

    std::string_view text_;
    std::size_t pos_ = 0;
};

// White space as the C locale's isspace() knows it.
constexpr bool isScanSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace kanalo
