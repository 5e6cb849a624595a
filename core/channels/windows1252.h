#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kanalo {

// Channel names are bytes in the receiver's 8-bit character set, shown and typed as
// Windows-1252. The five bytes that Windows-1252 leaves undefined map to the C1 control code
// points of the same value, so decoding never loses a byte.
char32_t decodeWindows1252(unsigned char byte);
std::optional<unsigned char> encodeWindows1252(char32_t codePoint);

// Well-formed UTF-8 throughout: no overlong form, surrogate or stray continuation byte.
bool isValidUtf8(std::string_view text);

// Whole texts: bytes to UTF-8, and UTF-8 to bytes (nullopt when a character has no byte).
std::string windows1252ToUtf8(std::string_view bytes);
std::optional<std::string> utf8ToWindows1252(std::string_view utf8);
// For foreign files: each character without a byte becomes the replacement, and a byte that
// starts no UTF-8 sequence is taken as Latin-1 (older files are written in an 8-bit set).
std::string utf8ToWindows1252Lossy(std::string_view utf8, char replacement);

} // namespace kanalo
