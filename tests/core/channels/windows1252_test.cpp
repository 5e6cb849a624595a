#include "core/channels/windows1252.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

TEST(Windows1252, DecodesEveryByteAndEncodesBack) {
    for (int byte = 0; byte < 256; ++byte) {
        const char32_t c = decodeWindows1252(static_cast<unsigned char>(byte));
        const auto back = encodeWindows1252(c);
        ASSERT_TRUE(back.has_value()) << byte;
        EXPECT_EQ(*back, byte);
    }
    EXPECT_EQ(decodeWindows1252(0x80), U'\u20AC');
    EXPECT_EQ(decodeWindows1252(0x86), U'\u2020');
    EXPECT_EQ(decodeWindows1252(0xFC), U'\u00FC');
}

TEST(Windows1252, ConvertsTextsAndRefusesWhatHasNoByte) {
    EXPECT_EQ(windows1252ToUtf8("T\xFCrksat \x80"), "Türksat €");
    EXPECT_EQ(utf8ToWindows1252("Türksat €"), "T\xFCrksat \x80");
    EXPECT_FALSE(utf8ToWindows1252("Ελλάδα").has_value());
    EXPECT_FALSE(utf8ToWindows1252("\xC3").has_value()) << "truncated sequence";
    EXPECT_FALSE(utf8ToWindows1252("\xFF").has_value());
}

// Overlong forms, surrogates and code points beyond Unicode are invalid bytes, not the
// characters they would spell: no NUL, no separator of a foreign format slips through.
TEST(Windows1252, RefusesOverlongFormsSurrogatesAndCodePointsBeyondUnicode) {
    for (const std::string_view bad :
         {"\xC0\x80", "\xE0\x80\xBA", "\xC0\xBB", "\xC0\xAC", "\xC0\xAF", "\xF0\x80\x80\xBA",
          "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        EXPECT_FALSE(utf8ToWindows1252(bad).has_value());
        const std::string lossy = utf8ToWindows1252Lossy(bad, '?');
        EXPECT_EQ(lossy.find_first_of(std::string_view(":;,/\0", 5)), std::string::npos) << lossy;
        EXPECT_EQ(lossy.size(), bad.size()) << "each byte stands for itself";
    }
}

} // namespace
} // namespace kanalo
