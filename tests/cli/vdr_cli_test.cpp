// kanalo-list import-vdr, export-vdr and export-csv, run as the real program on the sample.
#include "core/channels/channel_file.h"
#include "tests/support/run_kanalo_list.h"

#include <gtest/gtest.h>
#include <memory>

namespace kanalo {
namespace {

using test::readFile;
using test::runKanaloList;
using test::TempDir;

const std::string kSampleConf = KANALO_EXAMPLES "/astra-19.2e.conf";
const std::string kSampleList = KANALO_EXAMPLES "/sample.dat";

std::string lineOf(const std::string& text, std::size_t index) {
    std::size_t start = 0;
    for (; index > 0; --index)
        start = text.find('\n', start) + 1;
    return text.substr(start, text.find('\n', start) - start);
}

TEST(VdrCommands, ImportTheSampleThenExportItAsVdrAndCsv) {
    const TempDir dir;
    const std::string list = (dir / "astra.dat").string();
    test::RunResult result = runKanaloList(dir, {"import-vdr", kSampleConf, list});
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "20 TV and 8 Radio channels imported; 3 skipped (DVB-S2: 3, not "
                          "satellite: 0, unreadable: 0, lists full: 0).\n");
    auto table = std::make_unique<ChannelTable>();
    ASSERT_EQ(loadChannelFile(list, *table), LoadStatus::Ok);
    EXPECT_EQ(std::as_const(*table).tv().occupiedCount(), 20u);
    EXPECT_EQ(std::as_const(*table).radio().occupiedCount(), 8u);

    // An export replaces a file as a save does: the old one stays as the backup.
    test::writeFile(dir / "out.conf", "old\n");
    ASSERT_EQ(runKanaloList(dir, {"export-vdr", list, (dir / "out.conf").string()}).exitCode, 0);
    EXPECT_EQ(readFile(dir / "out.bak"), "old\n");
    const std::string conf = readFile(dir / "out.conf");
    EXPECT_EQ(lineOf(conf, 0), ":TV");
    EXPECT_EQ(lineOf(conf, 1), "Nordlicht TV;Nord Medien:12422:HC34M2S0:S19.2E:27500:1201:1202:"
                               "0:0:28001:0:0:0");
    EXPECT_EQ(lineOf(conf, 21), ":Radio");
    EXPECT_EQ(lineOf(conf, 24), "Jazz Welle;Nord Medien:12265:HC34M2S0:S19.2E:27500:0+820:821:0:"
                                "0:28403:0:0:0");

    ASSERT_EQ(runKanaloList(dir, {"export-csv", list, (dir / "out.csv").string()}).exitCode, 0);
    const std::string csv = readFile(dir / "out.csv");
    EXPECT_EQ(lineOf(csv, 1), "TV,1,Nordlicht TV,1,Astra 19.2° O,12422,H,27500,3/4,1201,1201,"
                              "1202,28001,1,0,1,Nord Medien\r");
    EXPECT_EQ(lineOf(csv, 28), "Radio,8,Surround Radio,1,Astra 19.2° O,12265,H,27500,3/4,871,,"
                               "871,28408,1,0,4,Süd Medien\r");

    // A channel list file is no channels.conf: refused, the output untouched.
    result = runKanaloList(dir, {"import-vdr", kSampleList, list});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "Wrong file version.\n");
    test::writeFile(dir / "s2.conf", "HD:11494:HS1:S19.2E:22000:5101:5102:0:0:1:0:0:0\n");
    result = runKanaloList(dir, {"import-vdr", (dir / "s2.conf").string(), list});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.starts_with("Wrong file version.\n0 TV and 0 Radio")) << result.err;
    ASSERT_EQ(loadChannelFile(list, *table), LoadStatus::Ok);
    EXPECT_EQ(std::as_const(*table).tv().occupiedCount(), 20u);
    EXPECT_EQ(runKanaloList(dir, {"export-csv", list}).exitCode, 2);
}

} // namespace
} // namespace kanalo
