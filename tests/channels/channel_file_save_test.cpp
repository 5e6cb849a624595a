#include "channels/channel_file.h"
#include "test_files.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <unistd.h>

namespace kanalo {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::TempDir;
using test::writeFile;

const char* const kOldContent = "ASTRA 8192 11954000 h 27500 2 1 2 3 4 0 \"Old\"\r\n";

std::unique_ptr<ChannelTable> tableNamed(std::string_view name) {
    auto table = std::make_unique<ChannelTable>();
    ChannelRecord& r = table->tv()[0];
    r.setFree(false);
    r.setVideoPid(100);
    r.setName(name);
    return table;
}

TEST(BackupName, CutsTheFileNameAtItsLastDot) {
    EXPECT_EQ(backupPathFor("dir/list.dat"), fs::path("dir/list.bak"));
    EXPECT_EQ(backupPathFor("dir/list.old.dat"), fs::path("dir/list.old.bak"));
    EXPECT_EQ(backupPathFor("my.dir/list"), fs::path("my.dir/list.bak"));
    EXPECT_EQ(backupPathFor("list"), fs::path("list.bak"));
}

TEST(LoadFile, ReportsFailuresAndLeavesTheTableAlone) {
    TempDir dir;
    auto table = tableNamed("Kept");
    EXPECT_EQ(loadChannelFile(dir / "missing.dat", *table), LoadStatus::CannotOpen);
    EXPECT_EQ(loadChannelFile(dir.path(), *table), LoadStatus::CannotOpen);
    EXPECT_EQ(table->tv()[0].name(), "Kept");
    EXPECT_STREQ(statusMessage(LoadStatus::CannotOpen), "Cannot open file.");
    EXPECT_STREQ(statusMessage(LoadStatus::ReadError), "Read error.");
    EXPECT_STREQ(statusMessage(SaveStatus::WriteError), "File write error.");

    writeFile(dir / "list.dat", kOldContent);
    EXPECT_EQ(loadChannelFile(dir / "list.dat", *table), LoadStatus::Ok);
    EXPECT_EQ(table->tv()[0].name(), "Old");
}

TEST(LoadFile, ReadsALargeFileOfNoise) {
    TempDir dir;
    std::string big(100u << 20, 'x');
    for (std::size_t i = 0; i < big.size(); i += 97)
        big[i] = '\n';
    writeFile(dir / "big.dat", big);
    auto table = std::make_unique<ChannelTable>();
    EXPECT_EQ(loadChannelFile(dir / "big.dat", *table), LoadStatus::Ok);
    EXPECT_EQ(table->tv().occupiedCount(), 0u);
}

TEST(SaveFile, KeepsTheFirstBackupAndNeverReplacesIt) {
    TempDir dir;
    const fs::path list = dir / "list.dat";
    writeFile(list, kOldContent);
    ASSERT_EQ(saveChannelFile(list, *tableNamed("First"), FileForm::Long), SaveStatus::Ok);
    EXPECT_EQ(readFile(dir / "list.bak"), kOldContent);
    EXPECT_NE(readFile(list).find("\"First\""), std::string::npos);

    ASSERT_EQ(saveChannelFile(list, *tableNamed("Second"), FileForm::Long), SaveStatus::Ok);
    EXPECT_EQ(readFile(dir / "list.bak"), kOldContent);
    EXPECT_NE(readFile(list).find("\"Second\""), std::string::npos);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 2)
        << "no temporary file is left behind";
}

TEST(SaveFile, NewFileGetsNoBackupAndDottedDirectoriesAreLeftAlone) {
    TempDir dir;
    fs::create_directory(dir / "lists.d");
    const fs::path list = dir / "lists.d" / "channels";
    ASSERT_EQ(saveChannelFile(list, *tableNamed("New"), FileForm::Short), SaveStatus::Ok);
    EXPECT_FALSE(fs::exists(dir / "lists.d" / "channels.bak"));
    ASSERT_EQ(saveChannelFile(list, *tableNamed("Again"), FileForm::Short), SaveStatus::Ok);
    EXPECT_NE(readFile(dir / "lists.d" / "channels.bak").find("\"New\""), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "lists.bak"));
}

TEST(SaveFile, KeepsModeAndSavesThroughSymbolicLinks) {
    TempDir dir;
    const fs::path real = dir / "real.dat";
    writeFile(real, kOldContent);
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink(real, dir / "link.dat");
    ASSERT_EQ(saveChannelFile(dir / "link.dat", *tableNamed("Linked"), FileForm::Long),
              SaveStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_NE(readFile(real).find("\"Linked\""), std::string::npos);
    EXPECT_EQ(readFile(dir / "real.bak"), kOldContent);
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

// Writes fail beyond this many bytes, as on a full disk; root is not exempt.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit saved_{};
};

TEST(SaveFailure, FullDiskLeavesTargetAndBackupIntact) {
    TempDir dir;
    const fs::path list = dir / "list.dat";
    writeFile(list, kOldContent);
    auto big = std::make_unique<ChannelTable>();
    for (auto& r : big->tv()) {
        r.setFree(false);
        r.setVideoPid(1);
        r.setName("A name long enough to need room");
    }
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(saveChannelFile(list, *big, FileForm::Long), SaveStatus::WriteError);
    }
    EXPECT_EQ(readFile(list), kOldContent);
    EXPECT_FALSE(fs::exists(dir / "list.bak")) << "a failed save makes no backup";
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    writeFile(dir / "list.bak", "older backup");
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(saveChannelFile(list, *big, FileForm::Long), SaveStatus::WriteError);
    }
    EXPECT_EQ(readFile(list), kOldContent);
    EXPECT_EQ(readFile(dir / "list.bak"), "older backup");
}

TEST(SaveFailure, UnwritablePlacesReportWriteError) {
    TempDir dir;
    const auto table = tableNamed("x");
    EXPECT_EQ(saveChannelFile(dir / "no" / "such" / "dir.dat", *table, FileForm::Long),
              SaveStatus::WriteError);
    EXPECT_EQ(saveChannelFile(dir.path(), *table, FileForm::Long), SaveStatus::WriteError);
    EXPECT_EQ(saveChannelFile("/dev/full", *table, FileForm::Long), SaveStatus::WriteError);
    EXPECT_TRUE(fs::is_character_file("/dev/full")) << "a device is never renamed or replaced";
    EXPECT_FALSE(fs::exists("/dev/full.bak"));
    EXPECT_EQ(writeChannelFile("/dev/full", *table, FileForm::Long), SaveStatus::WriteError);
}

TEST(SaveFailure, ReadOnlyDirectoryKeepsTheOldFile) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser; the size-limit test covers this";
    TempDir dir;
    const fs::path list = dir / "list.dat";
    writeFile(list, kOldContent);
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(saveChannelFile(list, *tableNamed("x"), FileForm::Long), SaveStatus::WriteError);
    EXPECT_EQ(readFile(list), kOldContent);
    EXPECT_FALSE(fs::exists(dir / "list.bak"));
}

TEST(WriteFile, TruncatesWithoutBackup) {
    TempDir dir;
    const fs::path temp = dir / "temp.dat";
    writeFile(temp, std::string(10000, 'z'));
    ASSERT_EQ(writeChannelFile(temp, *tableNamed("T"), FileForm::Short), SaveStatus::Ok);
    EXPECT_EQ(readFile(temp),
              "ASTRA 8192     0000 h     0   0     0     0     0   100 0 \"T\"\r\n");
    EXPECT_FALSE(fs::exists(dir / "temp.bak"));
}

} // namespace
} // namespace kanalo
