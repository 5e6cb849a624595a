#include "core/channels/windows1252.h"

#include <array>

namespace kanalo {

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the set equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one UTF-8 sequence at pos; nullopt for malformed input: a bad or missing
// continuation byte, an overlong form (C0 80 would smuggle in a NUL, C0 BB a ';'), a surrogate
// or a code point above U+10FFFF.
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& pos) {
    static constexpr std::array<char32_t, 4> kShortest{0, 0x80, 0x800, 0x10000};
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || pos + static_cast<std::size_t>(extra) > text.size())
        return std::nullopt;
    char32_t c = lead & (0x3F >> extra);
    for (int i = 0; i < extra; ++i) {
        const auto next = static_cast<unsigned char>(text[pos++]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    if (c < kShortest[static_cast<std::size_t>(extra)] || (c >= 0xD800 && c <= 0xDFFF) ||
        c > 0x10FFFF)
        return std::nullopt;
    return c;
}

} // namespace

char32_t decodeWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : byte;
}

std::optional<unsigned char> encodeWindows1252(char32_t codePoint) {
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<unsigned char>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == codePoint)
            return static_cast<unsigned char>(0x80 + i);
    return std::nullopt;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes)
        appendUtf8(out, decodeWindows1252(static_cast<unsigned char>(byte)));
    return out;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (!nextUtf8(text, pos))
            return false;
    return true;
}

std::optional<std::string> utf8ToWindows1252(std::string_view utf8) {
    std::string out;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto c = nextUtf8(utf8, pos);
        const auto byte = c ? encodeWindows1252(*c) : std::nullopt;
        if (!byte)
            return std::nullopt;
        out += static_cast<char>(*byte);
    }
    return out;
}

std::string utf8ToWindows1252Lossy(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        std::optional<char32_t> c = nextUtf8(utf8, pos);
        if (!c) {
            pos = start + 1;
            c = static_cast<unsigned char>(utf8[start]);
        }
        const auto byte = encodeWindows1252(*c);
        out += byte ? static_cast<char>(*byte) : replacement;
    }
    return out;
}

} // namespace kanalo
