#include "cli/json_dump.h"
#include "core/channels/channel_file.h"
#include "tests/support/run_kanalo_list.h"

#include <gtest/gtest.h>
#include <vector>

namespace kanalo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runKanaloList;
using test::RunResult;
using test::TempDir;
using test::writeFile;

const char* const kTwoChannels =
    "ASTRA 8192 11954000 h 27500 2 28006 255 256 255 1 1 \"Das Erste\xFC\" 3 \"ARD\"\n"
    "User-3 ffffffff 3900000 v 1 9 2 3 4 0 0 \"Radio \x86\"\\x\x87\"\n";

TEST(KanaloListDump, PrintsOneObjectPerChannelLosslessly) {
    TempDir dir;
    writeFile(dir / "in.dat", kTwoChannels);
    const RunResult run = runKanaloList(dir, {"dump", (dir / "in.dat").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "{\"list\":\"tv\",\"slot\":0,\"videoPid\":255,\"audioPid\":256,\"pcrPid\":255,"
              "\"serviceId\":28006,\"frequency\":11954,\"polarisation\":0,\"symbolRate\":27500,"
              "\"fecCode\":2,\"satelliteIndex\":0,\"inUserList\":1,\"epg\":1,\"bouquetNumber\":3,"
              "\"name\":\"Das Erste\xC3\xBC\",\"bouquetName\":\"ARD\"}\n"
              "{\"list\":\"radio\",\"slot\":0,\"videoPid\":0,\"audioPid\":4,\"pcrPid\":3,"
              "\"serviceId\":2,\"frequency\":3900,\"polarisation\":1,\"symbolRate\":1,"
              "\"fecCode\":9,\"satelliteIndex\":19,\"inUserList\":0,\"epg\":0,\"bouquetNumber\":0,"
              "\"name\":\"Radio \xC2\x86\",\"bouquetName\":\"\"}\n");
}

TEST(KanaloListDump, EscapesControlsQuotesAndBackslashes) {
    std::string out;
    appendJsonByteString(out, std::string("a\"b\\c\x01\x7f\xff\r\n", 10));
    EXPECT_EQ(out, "\"a\\\"b\\\\c\\u0001\\u007f\xC3\xBF\\u000d\\u000a\"");
}

TEST(KanaloListConvert, WritesTheChosenFormWithBackup) {
    TempDir dir;
    writeFile(dir / "in.dat", kTwoChannels);
    writeFile(dir / "out.dat", "previous");
    RunResult run = runKanaloList(
        dir, {"convert", (dir / "in.dat").string(), (dir / "out.dat").string(), "--form", "short"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(readFile(dir / "out.dat"),
              "ASTRA 8192 11954000 h 27500   2 28006   255   256   255 1 \"Das Erste\xFC\"\r\n"
              "User-3 ffffffff  3900000 v     1   9     2     3     4     0 0 \"Radio \x86\"\r\n");
    EXPECT_EQ(readFile(dir / "out.bak"), "previous");

    run = runKanaloList(dir, {"convert", (dir / "in.dat").string(), (dir / "long.dat").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(readFile(dir / "long.dat").find("1 1 \"Das Erste\xFC\" 3 \"ARD\"\r\n"),
              std::string::npos);
}

TEST(KanaloListErrors, ReportFailuresAndUsage) {
    TempDir dir;
    RunResult run = runKanaloList(dir, {"dump", (dir / "missing.dat").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Cannot open file.\n");

    writeFile(dir / "huge.dat", "");
    fs::resize_file(dir / "huge.dat", kMaxChannelFileSize + 1);
    run = runKanaloList(dir, {"dump", (dir / "huge.dat").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Read error.\n");

    writeFile(dir / "in.dat", kTwoChannels);
    run = runKanaloList(dir, {"convert", (dir / "in.dat").string(), "/dev/full"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "File write error.\n");

    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"dump"},
                                               {"dump", "a", "b"},
                                               {"convert", "in"},
                                               {"convert", "a", "b", "--form"},
                                               {"convert", "a", "b", "--form", "medium"},
                                               {"convert", "a", "b", "--size", "long"}}) {
        run = runKanaloList(dir, bad);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.err.find("Usage: kanalo-list"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir / "b"));

    run = runKanaloList(dir, {"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Usage: kanalo-list"), std::string::npos);
}

} // namespace
} // namespace kanalo
