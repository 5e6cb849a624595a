// The sort, diff, apply-order and backups sub-commands, run as the real program.
#include "tests/support/run_kanalo_list.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kanalo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::runKanaloList;
using test::RunResult;
using test::TempDir;
using test::writeFile;

// One long-form line; video PID 0 puts it into the Radio list.
std::string line(const char* name, int mhz, int videoPid, int audioPid, char pol = 'h',
                 int serviceId = 100) {
    return "ASTRA 8192 " + std::to_string(mhz) + "000 " + pol + " 27500 2 " +
           std::to_string(serviceId) + " 300 " + std::to_string(audioPid) + " " +
           std::to_string(videoPid) + " 1 0 \"" + name + "\" 0 \"\"\n";
}

const std::string kZdf = line("ZDF", 11953, 110, 120);
const std::string kArte = line("arte", 10744, 401, 402);
const std::string kErste = line("\x86"
                                "Das Erste\x87",
                                11836, 101, 102);
const std::string kRadioB = line("Radio B", 12000, 0, 50);
const std::string kRadioA = line("radio a", 12100, 0, 40);

// What the program writes for these lines in this order, produced by convert.
std::string saved(const TempDir& dir, const std::string& lines) {
    writeFile(dir / "expected.dat", lines);
    fs::remove(dir / "expected.out");
    const RunResult run = runKanaloList(
        dir, {"convert", (dir / "expected.dat").string(), (dir / "expected.out").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return readFile(dir / "expected.out");
}

TEST(KanaloListSort, SortsOneListByEachKeyAndKeepsTheOther) {
    TempDir dir;
    const std::string vertical = line("V", 10700, 50, 51, 'v');
    const std::string user = "User-1 ffffffff 10600000 h 27500 2 1 2 3 4 0 0 \"U\" 0 \"\"\n";
    writeFile(dir / "in.dat", kZdf + kArte + kErste + vertical + user + kRadioB + kRadioA);
    writeFile(dir / "out.dat", "previous");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--key", "name"}, kArte + kErste + user + vertical + kZdf + kRadioB + kRadioA},
        {{"--key", "sat"}, vertical + kArte + kErste + kZdf + user + kRadioB + kRadioA},
        {{"--key", "freq"}, user + vertical + kArte + kErste + kZdf + kRadioB + kRadioA},
        {{"--key", "pol"}, kArte + kErste + kZdf + user + vertical + kRadioB + kRadioA},
        {{"--radio", "--key", "name"}, kZdf + kArte + kErste + vertical + user + kRadioA + kRadioB},
    };
    for (const auto& [options, expected] : cases) {
        std::vector<std::string> args = {"sort", (dir / "in.dat").string(),
                                         (dir / "out.dat").string()};
        args.insert(args.end(), options.begin(), options.end());
        const RunResult run = runKanaloList(dir, args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(readFile(dir / "out.dat"), saved(dir, expected)) << options.back();
    }
    EXPECT_EQ(readFile(dir / "out.bak"), "previous");
}

TEST(KanaloListDiff, PrintsUpdateDifferencesThenMainChannelsMissingFromTheUpdate) {
    TempDir dir;
    const std::string zdfRenamed = line("zdf", 11954, 110, 120);
    const std::string moved = line("ZDF", 11955, 110, 120);
    const std::string newChannel = line("Neu", 12500, 700, 701);
    writeFile(dir / "main.dat", kZdf + kArte + kErste + kRadioA);
    writeFile(dir / "update.dat", newChannel + zdfRenamed + kErste + moved + kRadioB);

    RunResult run =
        runKanaloList(dir, {"diff", (dir / "main.dat").string(), (dir / "update.dat").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // Update 1 is new, 2 differs in the name's case, 4 is 2 MHz away; main 2 (arte) is gone.
    EXPECT_EQ(run.out, "1\n2\n4\n--\n2\n");

    run = runKanaloList(dir, {"diff", (dir / "main.dat").string(), (dir / "update.dat").string(),
                              "--ignore-names"});
    EXPECT_EQ(run.out, "1\n4\n--\n2\n");

    run = runKanaloList(
        dir, {"diff", (dir / "main.dat").string(), (dir / "update.dat").string(), "--radio"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "1\n--\n1\n");
}

TEST(KanaloListApplyOrder, OrdersByAReferenceAndRefusesWhatIsNone) {
    TempDir dir;
    writeFile(dir / "in.dat", kZdf + kArte + kErste + kRadioB + kRadioA);
    writeFile(dir / "names.txt", "# mine\nradio A\narte\nZDF\n");
    writeFile(dir / "out.dat", "previous");
    const std::string in = (dir / "in.dat").string();
    const std::string out = (dir / "out.dat").string();
    const std::string names = (dir / "names.txt").string();
    RunResult run = runKanaloList(dir, {"apply-order", names, in, out});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "TV: 2 of 3 channels ordered by the reference, 1 not found placed after "
                       "them. Radio: 1 of 2 channels ordered by the reference, 1 not found "
                       "placed after them.\n");
    EXPECT_EQ(readFile(dir / "out.dat"), saved(dir, kArte + kZdf + kErste + kRadioA + kRadioB));
    EXPECT_EQ(readFile(dir / "out.bak"), "previous");

    run = runKanaloList(dir, {"apply-order", names, in, out, "--remove-unmatched", "--radio"});
    EXPECT_EQ(run.out, "Radio: 1 of 2 channels ordered by the reference, 1 not found removed.\n");
    EXPECT_EQ(readFile(dir / "out.dat"), saved(dir, kZdf + kArte + kErste + kRadioA));

    writeFile(dir / "latin1.txt", "Das Erste\n\xE4ra\n");
    for (const auto& [reference, message] : std::vector<std::pair<std::string, std::string>>{
             {(dir / "latin1.txt").string(), "Wrong file version.\n"},
             {(dir / "missing.txt").string(), "Cannot open file.\n"}}) {
        run = runKanaloList(dir, {"apply-order", reference, in, out});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, message);
    }
    run = runKanaloList(dir, {"apply-order", names, in, out, "--tv", "--radio"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(readFile(dir / "out.dat"), saved(dir, kZdf + kArte + kErste + kRadioA));
}

TEST(KanaloListOpsErrors, ReportFailuresAndUsage) {
    TempDir dir;
    writeFile(dir / "in.dat", kZdf);
    RunResult run =
        runKanaloList(dir, {"diff", (dir / "in.dat").string(), (dir / "missing.dat").string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Cannot open file.\n");
    EXPECT_EQ(run.out, "");

    run = runKanaloList(
        dir, {"sort", (dir / "missing.dat").string(), (dir / "out.dat").string(), "--key", "name"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "Cannot open file.\n");
    EXPECT_FALSE(fs::exists(dir / "out.dat"));

    run = runKanaloList(dir, {"sort", (dir / "in.dat").string(), "/dev/full", "--key", "freq"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "File write error.\n");

    const std::string in = (dir / "in.dat").string();
    for (const std::vector<std::string>& bad :
         std::vector<std::vector<std::string>>{{"sort", in, "out"},
                                               {"sort", in, "out", "--key"},
                                               {"sort", in, "out", "--key", "sr"},
                                               {"sort", in, "out", "--key", "name", "--tv"},
                                               {"sort", in},
                                               {"diff", in},
                                               {"diff", in, in, "--names"}}) {
        run = runKanaloList(dir, bad);
        EXPECT_EQ(run.exitCode, 2) << bad.back();
        EXPECT_NE(run.err.find("kanalo-list diff MAIN UPDATE"), std::string::npos);
    }
    EXPECT_FALSE(fs::exists(dir / "out"));
}

TEST(KanaloListBackups, ListsNewestFirstComparedWithAListAndTakesAMissingFolder) {
    TempDir dir;
    fs::create_directory(dir / "backups");
    const fs::path sent = dir / "backups/2026-12-09_080000-to-box.dat";
    const fs::path loaded = dir / "backups/2026-12-08_112005-from-box.dat";
    writeFile(sent, kZdf + kRadioA);
    writeFile(loaded, kZdf + kArte + kRadioB);
    writeFile(dir / "backups/notes.txt", "");
    writeFile(dir / "now.dat", kArte + kZdf + kRadioA);

    RunResult run = runKanaloList(dir, {"backups", "--folder", (dir / "backups").string(),
                                        "--compare", (dir / "now.dat").string()});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "2026-12-09 08:00:00\tto Box\tTV 1\tRadio 1\tonly in backup 0\t"
                       "only in list 1\tat another slot 1\t" +
                           sent.string() +
                           "\n2026-12-08 11:20:05\tfrom Box\tTV 2\tRadio 1\tonly in backup 1\t"
                           "only in list 1\tat another slot 2\t" +
                           loaded.string() + "\n");

    run = runKanaloList(dir, {"backups", "--folder", (dir / "none").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "No backups in " + (dir / "none").string() + "\n");
    EXPECT_EQ(runKanaloList(dir, {"backups", "--folder"}).exitCode, 2);
}

} // namespace
} // namespace kanalo
