#include "tools/listsend/list_line_reader.h"
#include "tools/listsend/unanswered_run.h"

#include <gtest/gtest.h>

namespace kanalo::send {
namespace {

std::vector<std::string> readAll(const std::string& content, bool toggle = false) {
    std::FILE* file = ::fmemopen(const_cast<char*>(content.data()), content.size(), "rb");
    ListLineReader reader(file, toggle);
    std::vector<std::string> lines;
    std::string text;
    while (reader.next(text))
        lines.push_back(text);
    std::fclose(file);
    return lines;
}

TEST(ListChecksum, CountsPrintableAsciiOnly) {
    EXPECT_EQ(lineChecksum("abc"), 294u);
    EXPECT_EQ(lineChecksum(""), 0u);
    EXPECT_EQ(lineChecksum(" \t\r"), 0u);
    EXPECT_EQ(lineChecksum("!"), 0x21u);
    EXPECT_EQ(lineChecksum("\x7f"), 0x7Fu);
    EXPECT_EQ(lineChecksum("\x80\xff\x86"), 0u);
}

TEST(ListChecksum, WireFormRightAlignsTheSumInEightPlaces) {
    EXPECT_EQ(wireForm("abc"), "abc      294\n");
    EXPECT_EQ(wireForm(""), "        0\n");
    EXPECT_EQ(wireForm(std::string(2047, '~')), std::string(2047, '~') + "   257922\n");
}

TEST(ListLineReader, DropsCarriageReturnsAndAnUnfinishedLastLine) {
    EXPECT_EQ(readAll("a\r\nb\r\r\n\nc"), (std::vector<std::string>{"a", "b", ""}));
    EXPECT_EQ(readAll(""), std::vector<std::string>{});
}

TEST(ListLineReader, SplitsLongLinesWithoutAddingEmptyPieces) {
    std::string exact(maxPieceLength, 'e');
    EXPECT_EQ(readAll(exact + "\r\nz\n"), (std::vector<std::string>{exact, "z"}));
    auto pieces = readAll(std::string(maxPieceLength * 2 + 5, 'x') + "\n");
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[2], "xxxxx");
    EXPECT_EQ(readAll(std::string(maxPieceLength * 2, 'x') + "\n").size(), 2u);
}

TEST(ListLineReader, ToggleTouchesOnlyTheFourthField) {
    auto lines = readAll("h v H 12000000 H hv\n"
                         "a\tb c d h v\n"  // a TAB is no separator, but ends a field
                         "a b c\t h v\n"   // a blank after a TAB is no separator
                         "a b c h\x86V\n", // 8-bit bytes pass unchanged
                         true);
    EXPECT_EQ(lines, (std::vector<std::string>{"h v H 12000000 H hv", "a\tb c d v v", "a b c\t h h",
                                               "a b c v\x86h"}));
    EXPECT_EQ(readAll("a b c h\n", false), std::vector<std::string>{"a b c h"});
}

TEST(UnansweredRun, FourInARowAtTheStartAbort) {
    UnansweredRun run;
    EXPECT_FALSE(run.noteUnanswered(0));
    EXPECT_FALSE(run.noteUnanswered(1));
    EXPECT_FALSE(run.noteUnanswered(2));
    EXPECT_TRUE(run.noteUnanswered(3));
}

TEST(UnansweredRun, LaterRunsNeedFiveAndAnAnsweredLineBreaksThem) {
    UnansweredRun run;
    EXPECT_FALSE(run.noteUnanswered(5));
    EXPECT_FALSE(run.noteUnanswered(6));
    EXPECT_FALSE(run.noteUnanswered(7));
    // line 8 answered
    EXPECT_FALSE(run.noteUnanswered(9));
    EXPECT_FALSE(run.noteUnanswered(10));
    EXPECT_FALSE(run.noteUnanswered(11));
    EXPECT_FALSE(run.noteUnanswered(12));
    EXPECT_TRUE(run.noteUnanswered(13));
}

} // namespace
} // namespace kanalo::send
