// kanalo-list import-dvb, run as the real program.
#include "core/channels/channel_file.h"
#include "tests/support/dvb_builder.h"
#include "tests/support/run_kanalo_list.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kanalo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

test::RunResult runImport(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), "import-dvb");
    return test::runKanaloList(dir, std::move(args));
}

std::string sampleDvb() {
    test::DvbRecord tv;
    tv.text = "Erstes";
    tv.fec = 7;
    tv.satellite = 1;
    return test::dvbGroup("Group") + tv.bytes() + test::dvbChannel("Welle", 2) +
           test::dvbGroup("Other") + test::dvbChannel("Zweites");
}

TEST(ImportDvbCommand, SavesEveryGroupAsAListFile) {
    const TempDir dir;
    writeFile(dir / "in.dvb", sampleDvb());
    ASSERT_EQ(runImport(dir, {(dir / "in.dvb").string(), (dir / "out.dat").string()}).exitCode, 0);
    auto table = std::make_unique<ChannelTable>();
    ASSERT_EQ(loadChannelFile(dir / "out.dat", *table), LoadStatus::Ok);
    const ConstChannelList tv = std::as_const(*table).tv();
    EXPECT_EQ(tv.occupiedCount(), 2u);
    EXPECT_EQ(tv[0].name(), "Erstes");
    EXPECT_EQ(tv[0].fecCode(), 5);
    EXPECT_EQ(tv[0].satelliteIndex(), 1);
    EXPECT_EQ(tv[1].name(), "Zweites");
    EXPECT_EQ(std::as_const(*table).radio()[0].name(), "Welle");
    EXPECT_EQ(std::as_const(*table).radio().occupiedCount(), 1u);
}

TEST(ImportDvbCommand, ShortFormAndBackupOfAnExistingOutput) {
    const TempDir dir;
    writeFile(dir / "in.dvb", sampleDvb());
    writeFile(dir / "out.dat", "old\r\n");
    ASSERT_EQ(
        runImport(dir, {(dir / "in.dvb").string(), (dir / "out.dat").string(), "--form", "short"})
            .exitCode,
        0);
    EXPECT_EQ(readFile(dir / "out.bak"), "old\r\n");
    const std::string out = readFile(dir / "out.dat");
    // The short form ends each line with the name: no EPG flag, no bouquet.
    EXPECT_NE(out.find("\"Erstes\"\r\n"), std::string::npos) << out;
}

TEST(ImportDvbCommand, FailuresLeaveTheOutputAlone) {
    const TempDir dir;
    writeFile(dir / "old.dat", "kept\r\n");
    writeFile(dir / "wrong.dvb", "DVSX" + std::string(60, '\0'));
    struct Case {
        std::string input;
        std::string message;
    };
    for (const Case& c : {Case{(dir / "missing.dvb").string(), "Cannot open file.\n"},
                          Case{(dir / "wrong.dvb").string(), "Wrong file version.\n"}}) {
        const test::RunResult result = runImport(dir, {c.input, (dir / "old.dat").string()});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err, c.message);
    }
    EXPECT_EQ(readFile(dir / "old.dat"), "kept\r\n");
    EXPECT_FALSE(fs::exists(dir / "old.bak"));

    for (const std::vector<std::string>& args : {std::vector<std::string>{"in.dvb"},
                                                 {"in.dvb", "out.dat", "--form", "wide"},
                                                 {"in.dvb", "out.dat", "--radio"}})
        EXPECT_EQ(runImport(dir, args).exitCode, 2);
}

} // namespace
} // namespace kanalo
