#include "tools/seriallink/command_line.h"

#include <gtest/gtest.h>

namespace kanalo::serial {
namespace {

ParseResult parse(std::vector<std::string_view> arguments, std::string_view extra = "l") {
    return parseToolArguments(arguments, extra);
}

TEST(ToolCommandLine, DefaultsAndFileName) {
    ParseResult result = parse({"out.dat"});
    ASSERT_EQ(result.verdict, ParseVerdict::Accepted);
    EXPECT_EQ(result.options.portNumber, 1u);
    EXPECT_EQ(result.options.baud, 38400u);
    EXPECT_FALSE(result.options.switchReceiverBaud);
    EXPECT_FALSE(result.options.ignoreResponse);
    EXPECT_EQ(result.options.fileName, "out.dat");
}

TEST(ToolCommandLine, ForcedRatesWinOverBaudValuesInEitherOrder) {
    EXPECT_EQ(parse({"-f", "-b", "57600", "x"}).options.baud, 115200u);
    EXPECT_EQ(parse({"-b", "57600", "-f", "x"}).options.baud, 115200u);
    EXPECT_EQ(parse({"-s", "-b", "57600", "x"}).options.baud, 38400u);
    EXPECT_EQ(parse({"-f", "-s", "x"}).options.baud, 38400u);
    EXPECT_EQ(parse({"-b", "9600", "x"}).options.baud, 9600u);
}

TEST(ToolCommandLine, OptionsAndToolLetters) {
    ParseResult result = parse({"-p", "3", "-x", "-i", "-l", "x"});
    ASSERT_EQ(result.verdict, ParseVerdict::Accepted);
    EXPECT_EQ(result.options.portNumber, 3u);
    EXPECT_TRUE(result.options.switchReceiverBaud);
    EXPECT_TRUE(result.options.ignoreResponse);
    EXPECT_TRUE(result.options.has('l'));
    EXPECT_EQ(parse({"-l", "x"}, "t").verdict, ParseVerdict::ShowUsage);
}

TEST(ToolCommandLine, ExaminationStopsAtTheFileName) {
    ParseResult result = parse({"-p", "2", "x", "-p", "0", "-zz"});
    ASSERT_EQ(result.verdict, ParseVerdict::Accepted);
    EXPECT_EQ(result.options.portNumber, 2u);
    EXPECT_EQ(result.options.fileName, "x");
}

TEST(ToolCommandLine, MalformedOrLastOptionsShowUsage) {
    for (auto arguments : std::vector<std::vector<std::string_view>>{
             {}, {"-xi", "x"}, {"-", "x"}, {"-x"}, {"-p"}, {"-i", "-b"}, {"-c", "x"}})
        EXPECT_EQ(parse(arguments).verdict, ParseVerdict::ShowUsage) << arguments.size();
}

TEST(ToolCommandLine, OptionValueMayBeLastThenNoFileIsGiven) {
    ParseResult result = parse({"-p", "4"});
    EXPECT_EQ(result.verdict, ParseVerdict::Accepted);
    EXPECT_FALSE(result.options.hasFileName);
}

TEST(ToolCommandLine, PortAndRateMustBePositiveWholeNumbers) {
    for (std::string_view bad : {"0", "abc", "-1", "12abc", " 1", "4294967296", ""}) {
        EXPECT_EQ(parse({"-p", bad, "x"}).verdict, ParseVerdict::InvalidPort) << bad;
        EXPECT_EQ(parse({"-b", bad, "x"}).verdict, ParseVerdict::InvalidBaudrate) << bad;
    }
    // A refused rate is refused even where a forced rate would ignore it.
    EXPECT_EQ(parse({"-f", "-b", "zero", "x"}).verdict, ParseVerdict::InvalidBaudrate);
}

} // namespace
} // namespace kanalo::serial
