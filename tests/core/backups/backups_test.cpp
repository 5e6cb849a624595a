#include "core/backups/backup_comparison.h"
#include "core/backups/backup_folder.h"
#include "core/backups/backup_list.h"
#include "core/backups/backup_writer.h"
#include "core/channels/channel_file_writer.h"
#include "tests/support/channel_builder.h"
#include "tests/support/test_files.h"
#include "tests/support/unprivileged.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <sys/stat.h>

namespace kanalo {
namespace {

namespace fs = std::filesystem;
using test::Channel;
using test::TempDir;
using test::writeFile;
using Dir = BackupDirection;

constexpr std::time_t kMoment = 1796728805; // 2026-12-08 11:20:05 UTC

std::chrono::system_clock::time_point at(std::time_t offset) {
    return std::chrono::system_clock::from_time_t(kMoment + offset);
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

// The names are made in UTC here, so each is known in advance.
class Backups : public ::testing::Test {
protected:
    void SetUp() override {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
    }
    void TearDown() override {
        ::unsetenv("TZ");
        ::tzset();
    }
};

TEST_F(Backups, NamesRoundTripTheDefaultFolderFollowsXdg) {
    EXPECT_EQ(backupFileName(Dir::FromBox, localStamp(at(0))), "2026-12-08_112005-from-box.dat");
    for (const BackupStamp stamp : {BackupStamp{2026, 12, 8, 11, 20, 5}, {1999, 1, 2, 3, 4, 60}})
        for (const Dir direction : {Dir::FromBox, Dir::ToBox})
            EXPECT_EQ(parseBackupFileName(backupFileName(direction, stamp)),
                      (BackupName{stamp, direction}));
    for (const char* other : {"2026-12-08_112005-to-box.dat.bak", "2026-13-08_112005-to-box.dat",
                              "2026-12-08_1120055-to-box.dat", "2026-12-08 112005-to-box.dat",
                              "2026-12-08_112005-to-box.DAT", "2026-12-08_11200x-from-box.dat"})
        EXPECT_FALSE(parseBackupFileName(other)) << other;

    ::setenv("HOME", "/home/user", 1);
    ::setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_EQ(defaultBackupFolder(), "/home/user/.local/share/Kanalo/backups");
    ::setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(defaultBackupFolder(), "/data/Kanalo/backups");
    ::unsetenv("XDG_DATA_HOME");
}

TEST_F(Backups, KeepsTheNewestOfEachDirectionWritesNoRepeatAndReplacesNothing) {
    TempDir dir;
    const fs::path folder = dir / "data/Kanalo/backups";
    const auto write = [&](Dir direction, const char* bytes, std::time_t offset, int keep = 3) {
        return writeBackup(folder, direction, bytes, at(offset), keep);
    };
    const BackupResult first = write(Dir::FromBox, "A", 0);
    EXPECT_EQ(first.outcome, BackupOutcome::Written);
    EXPECT_EQ(first.path, folder / "2026-12-08_112005-from-box.dat");
    for (const fs::path& created : {folder, dir / "data"})
        EXPECT_EQ(fs::status(created).permissions(), fs::perms::owner_all);
    writeFile(folder / "notes.txt", "mine");
    writeFile(folder / "2020-01-01_000000-from-box.dat.bak", "mine");

    EXPECT_EQ(write(Dir::FromBox, "A", 60).outcome, BackupOutcome::SkippedSameAsNewest);
    EXPECT_EQ(write(Dir::ToBox, "A", 60).outcome, BackupOutcome::Written);
    EXPECT_EQ(write(Dir::FromBox, "B", 0).path, folder / "2026-12-08_112006-from-box.dat");
    EXPECT_EQ(test::readFile(first.path), "A");
    write(Dir::FromBox, "C", 120);
    write(Dir::FromBox, "D", 180);
    EXPECT_EQ(write(Dir::FromBox, "C", 240).outcome, BackupOutcome::Written); // D is newest
    EXPECT_EQ(write(Dir::FromBox, "E", 300, 0).outcome, BackupOutcome::Off);
    EXPECT_EQ(namesIn(folder),
              (std::set<std::string>{
                  "notes.txt", "2020-01-01_000000-from-box.dat.bak", "2026-12-08_112105-to-box.dat",
                  "2026-12-08_112205-from-box.dat", "2026-12-08_112305-from-box.dat",
                  "2026-12-08_112405-from-box.dat"}));
}

TEST_F(Backups, AFolderThatTakesNoFileFailsWithItsReason) {
    TempDir dir;
    writeFile(dir / "file", "");
    const BackupResult blocked = writeBackup(dir / "file/backups", Dir::ToBox, "A", at(0), 30);
    EXPECT_EQ(blocked.outcome, BackupOutcome::Failed);
    EXPECT_EQ(blocked.reason,
              "Cannot create the folder " + (dir / "file/backups").string() + ": Not a directory");

    test::giveToUnprivileged(dir.path());
    fs::create_directory(dir / "ro");
    test::giveToUnprivileged(dir / "ro");
    fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec);
    const std::string expected = "Cannot write " + (dir / "ro").string() +
                                 "/2026-12-08_112005-to-box.dat: Permission denied";
    EXPECT_EQ(test::runUnprivileged([&] {
                  const BackupResult r = writeBackup(dir / "ro", Dir::ToBox, "A", at(0), 30);
                  return r.outcome == BackupOutcome::Failed && r.reason == expected ? 0 : 1;
              }),
              0);
    EXPECT_TRUE(fs::is_empty(dir / "ro"));
}

TEST_F(Backups, ListsEveryBackupNewestFirstWithCountsOrState) {
    TempDir dir;
    auto table = std::make_unique<ChannelTable>();
    table->tv()[0] = Channel{.name = "A"}.record();
    table->tv()[1] = Channel{.name = "B"}.record();
    table->radio()[0] = Channel{.name = "R", .videoPid = 0}.record();
    writeFile(dir / "2026-12-08_112005-from-box.dat", writeChannelText(*table, FileForm::Long));
    writeFile(dir / "2026-12-08_112005-to-box.dat", "not\na list\n");
    writeFile(dir / "2026-12-08_100000-from-box.dat", "");
    fs::create_directory(dir / "2026-12-08_090000-to-box.dat");
    writeFile(dir / "notes.txt", "");

    std::vector<std::tuple<std::string, Dir, BackupFileState, std::size_t, std::size_t>> got;
    for (const BackupEntry& e : listBackups(dir.path()).entries)
        got.emplace_back(e.path.filename().string(), e.direction, e.state, e.tvChannels,
                         e.radioChannels);
    EXPECT_EQ(
        got,
        (decltype(got){
            {"2026-12-08_112005-to-box.dat", Dir::ToBox, BackupFileState::NotAChannelList, 0, 0},
            {"2026-12-08_112005-from-box.dat", Dir::FromBox, BackupFileState::Ok, 2, 1},
            {"2026-12-08_100000-from-box.dat", Dir::FromBox, BackupFileState::Ok, 0, 0},
            {"2026-12-08_090000-to-box.dat", Dir::ToBox, BackupFileState::CannotOpen, 0, 0}}));
    EXPECT_EQ(listBackups(dir / "missing").failure, "");
    EXPECT_EQ(listBackups(dir / "notes.txt").failure,
              "Cannot read the folder " + (dir / "notes.txt").string() + ": Not a directory");
}

TEST(BackupComparison, CountsEachSideAndMovesListByList) {
    auto backup = std::make_unique<ChannelTable>();
    auto current = std::make_unique<ChannelTable>();
    backup->tv()[0] = Channel{.name = "A"}.record();
    backup->tv()[1] = Channel{.name = "B"}.record();
    backup->tv()[2] = Channel{.name = "Gone"}.record();
    backup->radio()[0] = Channel{.name = "R"}.record();
    current->tv()[0] = Channel{.name = "B", .freq = 11955}.record(); // 1 MHz off: the same
    current->tv()[1] = Channel{.name = "A"}.record();
    current->tv()[2] = Channel{.name = "gone"}.record(); // the name counts
    current->radio()[0] = Channel{.name = "R"}.record();
    current->radio()[1] = Channel{.name = "A"}.record(); // a TV channel of the backup
    EXPECT_EQ(compareBackupWithList(*backup, *current),
              (BackupDifference{.onlyInBackup = 1, .onlyInList = 2, .atAnotherSlot = 2}));
}

} // namespace
} // namespace kanalo
