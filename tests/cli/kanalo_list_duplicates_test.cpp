// The duplicates sub-command, run as the real program.
#include "tests/support/run_kanalo_list.h"

#include <gtest/gtest.h>
#include <string>

namespace kanalo {
namespace {

using test::readFile;
using test::runKanaloList;
using test::RunResult;
using test::TempDir;
using test::writeFile;

// One long-form line; video PID 0 puts it into the Radio list.
std::string line(const std::string& name, int mhz, int videoPid, int audioPid) {
    return "ASTRA 8192 " + std::to_string(mhz) + "000 h 27500 2 100 300 " +
           std::to_string(audioPid) + " " + std::to_string(videoPid) + " 1 0 \"" + name +
           "\" 0 \"\"\n";
}

TEST(KanaloListDuplicates, PrintsTheGroupsOfOneList) {
    TempDir dir;
    const std::string in = (dir / "in.dat").string();
    writeFile(in, line("Eins", 12000, 200, 201) + line("Zwei", 11000, 210, 211) +
                      line("Eins HD", 12000, 200, 201) + line("Radio A", 10900, 0, 90) +
                      line("Radio \xC4", 10900, 0, 90)); // Ä

    RunResult run = runKanaloList(dir, {"duplicates", in});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "*\t001\tTV\tEins\t01\t12000\n \t003\tTV\tEins HD\t01\t12000\n");

    run = runKanaloList(dir, {"duplicates", in, "--radio"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out,
              "*\t001\tRadio\tRadio A\t01\t10900\n \t002\tRadio\tRadio \xC3\x84\t01\t10900\n");
}

TEST(KanaloListDuplicates, RefusesBadCommandLinesAndMissingFiles) {
    TempDir dir;
    RunResult run = runKanaloList(dir, {"duplicates"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_NE(run.err.find("kanalo-list duplicates IN [--radio]"), std::string::npos);
    run = runKanaloList(dir, {"duplicates", (dir / "in.dat").string(), "--tv"});
    EXPECT_EQ(run.exitCode, 2);
    run = runKanaloList(dir, {"duplicates", (dir / "missing.dat").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Cannot open file.\n");
    EXPECT_EQ(run.out, "");
}

} // namespace
} // namespace kanalo
