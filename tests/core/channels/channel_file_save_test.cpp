#include "core/channels/channel_file.h"
#include "core/channels/file_descriptor.h"
#include "tests/support/test_files.h"
#include "tests/support/unprivileged.h"

#include <climits>
#include <csignal>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace kanalo {
namespace {

namespace fs = std::filesystem;
using test::giveToUnprivileged;
using test::readFile;
using test::runUnprivileged;
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

// A list too large for a write limited to a few kilobytes.
std::unique_ptr<ChannelTable> fullTable() {
    auto table = std::make_unique<ChannelTable>();
    for (auto& r : table->tv()) {
        r.setFree(false);
        r.setVideoPid(1);
        r.setName("A name long enough to need room");
    }
    return table;
}

std::size_t entriesIn(const fs::path& dir) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// A call that blocks for ever fails the test (the alarm ends it) instead of hanging it.
class HangGuard {
public:
    HangGuard() { ::alarm(10); }
    ~HangGuard() { ::alarm(0); }
};

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

// Saves as an unprivileged user, for whom permissions bind, optionally with writes limited.
SaveStatus saveAsUser(const fs::path& path, const ChannelTable& table, rlim_t writeLimit = 0) {
    return static_cast<SaveStatus>(runUnprivileged([&] {
        std::unique_ptr<FileSizeLimit> limit;
        if (writeLimit)
            limit = std::make_unique<FileSizeLimit>(writeLimit);
        return static_cast<int>(saveChannelFile(path, table, FileForm::Long));
    }));
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
    std::string big(kMaxChannelFileSize, 'x');
    for (std::size_t i = 0; i < big.size(); i += 97)
        big[i] = '\n';
    writeFile(dir / "big.dat", big);
    auto table = std::make_unique<ChannelTable>();
    EXPECT_EQ(loadChannelFile(dir / "big.dat", *table), LoadStatus::Ok);
    EXPECT_EQ(table->tv().occupiedCount(), 0u);
}

TEST(LoadFile, OnlyRegularFilesOfListSizeAreRead) {
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    auto table = tableNamed("Kept");
    {
        HangGuard guard;
        for (const fs::path& path : {dir / "fifo", fs::path("/dev/zero")})
            EXPECT_EQ(loadChannelFile(path, *table), LoadStatus::CannotOpen) << path;
    }

    writeFile(dir / "huge.dat", "");
    fs::resize_file(dir / "huge.dat", kMaxChannelFileSize + 1);
    std::string bytes = "untouched";
    EXPECT_EQ(readWholeFile(dir / "huge.dat", bytes), LoadStatus::ReadError);
    EXPECT_EQ(bytes, "untouched");
    EXPECT_EQ(table->tv()[0].name(), "Kept");
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
    EXPECT_EQ(entriesIn(dir.path()), 2u) << "no temporary file is left behind";
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

TEST(SaveFile, KeepsModeOwnerAndLinksAndTakesTheLongestNames) {
    TempDir dir;
    const std::string stem(251, 'n'); // with ".dat" the longest name a folder takes
    const fs::path real = dir / (stem + ".dat");
    writeFile(real, kOldContent);
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    giveToUnprivileged(real);
    struct stat before {};
    ASSERT_EQ(::stat(real.c_str(), &before), 0);
    fs::create_symlink(real, dir / "link.dat");
    ASSERT_EQ(saveChannelFile(dir / "link.dat", *tableNamed("Linked"), FileForm::Long),
              SaveStatus::Ok);
    EXPECT_TRUE(fs::is_symlink(dir / "link.dat"));
    EXPECT_NE(readFile(real).find("\"Linked\""), std::string::npos);
    EXPECT_EQ(readFile(dir / (stem + ".bak")), kOldContent);
    struct stat after {};
    ASSERT_EQ(::stat(real.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
}

TEST(SaveFailure, FullDiskLeavesTargetAndBackupIntact) {
    TempDir dir;
    const fs::path list = dir / "list.dat";
    writeFile(list, kOldContent);
    const auto big = fullTable();
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(saveChannelFile(list, *big, FileForm::Long), SaveStatus::WriteError);
    }
    EXPECT_EQ(readFile(list), kOldContent);
    EXPECT_FALSE(fs::exists(dir / "list.bak")) << "a failed save makes no backup";
    EXPECT_EQ(entriesIn(dir.path()), 1u);

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
    ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
    HangGuard guard;
    EXPECT_EQ(saveChannelFile(dir / "fifo", *table, FileForm::Long), SaveStatus::WriteError)
        << "a pipe nobody reads is not waited for";
}

TEST(SaveAsUser, NeverReplacesAFileTheUserMayNotWrite) {
    TempDir dir;
    giveToUnprivileged(dir.path());
    const fs::path list = dir / "list.dat";
    writeFile(list, kOldContent);
    writeFile(dir / "list.bak", "older backup");
    fs::permissions(list, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    giveToUnprivileged(list);
    EXPECT_EQ(saveAsUser(list, *tableNamed("x")), SaveStatus::WriteError);
    EXPECT_EQ(readFile(list), kOldContent);
    EXPECT_EQ(readFile(dir / "list.bak"), "older backup");
    EXPECT_EQ(entriesIn(dir.path()), 2u);
}

TEST(SaveAsUser, ReadOnlyFolderIsSavedInPlaceAndAFailedWriteIsUndone) {
    TempDir dir;
    const fs::path list = dir / "list.dat";
    writeFile(list, kOldContent);
    fs::permissions(list, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    giveToUnprivileged(list);
    giveToUnprivileged(dir.path());
    fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);

    ASSERT_EQ(saveAsUser(list, *tableNamed("New")), SaveStatus::Ok);
    const std::string saved = readFile(list);
    EXPECT_NE(saved.find("\"New\""), std::string::npos);
    EXPECT_EQ(entriesIn(dir.path()), 1u) << "the folder takes no backup and no temporary file";
    EXPECT_EQ(fs::status(list).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    EXPECT_EQ(saveAsUser(list, *fullTable(), 4096), SaveStatus::WriteError);
    EXPECT_EQ(readFile(list), saved);
}

// The places a save can meet, each with what it must leave behind. "asUser" saves as an
// unprivileged user (permissions bind), "writeLimit" makes writes fail beyond that many bytes.
struct SaveCase {
    const char* name;
    std::function<fs::path(const TempDir&)> prepare; // returns the path saved to
    bool asUser = false;
    rlim_t writeLimit = 0;
    SaveStatus expected = SaveStatus::Ok;
    std::function<void(const TempDir&, const fs::path&)> check;
};

fs::path stickyFolderWithRootsFile(const TempDir& dir) {
    fs::create_directory(dir / "shared");
    fs::permissions(dir / "shared", fs::perms::all | fs::perms::sticky_bit);
    writeFile(dir / "shared" / "list.dat", kOldContent);
    fs::permissions(dir / "shared" / "list.dat",
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                        fs::perms::group_write | fs::perms::others_read | fs::perms::others_write);
    return dir / "shared" / "list.dat";
}

bool holdsNew(const fs::path& path) {
    return fs::exists(path) && readFile(path).find("\"New\"") != std::string::npos;
}

// A disk that fails every in-place write, the old bytes written back included.
class FailingOverwrites {
public:
    FailingOverwrites() : saved_(overwriteFromStart) {
        overwriteFromStart = [](int, std::string_view) { return false; };
    }
    ~FailingOverwrites() { overwriteFromStart = saved_; }

private:
    OverwriteFunction saved_;
};

TEST(SaveCases, EachPlaceKeepsItsRules) {
    const std::vector<SaveCase> cases{
        {"a dangling link: the link stays, its target is created",
         [](const TempDir& dir) {
             fs::create_directory(dir / "sub");
             fs::create_directory(dir / "other");
             fs::create_symlink("../other/nothere.dat", dir / "sub" / "dang.dat");
             return dir / "sub" / "dang.dat";
         },
         false, 0, SaveStatus::Ok,
         [](const TempDir& dir, const fs::path& saved) {
             EXPECT_TRUE(fs::is_symlink(fs::symlink_status(saved)));
             EXPECT_TRUE(holdsNew(dir / "other" / "nothere.dat"));
         }},
        {"someone else's file in a sticky folder is saved in place", stickyFolderWithRootsFile,
         true, 0, SaveStatus::Ok,
         [](const TempDir& dir, const fs::path& saved) {
             EXPECT_TRUE(holdsNew(saved));
             EXPECT_EQ(fs::status(saved).permissions() & fs::perms::all,
                       fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                           fs::perms::group_write | fs::perms::others_read |
                           fs::perms::others_write);
             EXPECT_EQ(readFile(dir / "shared" / "list.bak"), kOldContent);
         }},
        {"a failed save in a sticky folder leaves no backup behind", stickyFolderWithRootsFile,
         true, 4096, SaveStatus::WriteError,
         [](const TempDir& dir, const fs::path& saved) {
             EXPECT_EQ(readFile(saved), kOldContent);
             EXPECT_EQ(entriesIn(dir / "shared"), 1u);
         }},
        {"a 255-byte name without a dot gets a backup cut to fit",
         [](const TempDir& dir) {
             writeFile(dir / std::string(255, 'n'), kOldContent);
             return dir / std::string(255, 'n');
         },
         false, 0, SaveStatus::Ok,
         [](const TempDir& dir, const fs::path& saved) {
             EXPECT_TRUE(holdsNew(saved));
             EXPECT_EQ(readFile(dir / (std::string(251, 'n') + ".bak")), kOldContent);
         }},
        {"a new file whose temporary path would pass PATH_MAX",
         [](const TempDir& dir) {
             fs::path deep = dir.path();
             const std::size_t folderLength = PATH_MAX - 12;
             while (deep.native().size() + 202 < folderLength)
                 deep /= std::string(100, 'd');
             deep /= std::string(folderLength - deep.native().size() - 1, 'e');
             fs::create_directories(deep);
             return deep / "a.dat";
         },
         false, 0, SaveStatus::Ok,
         [](const TempDir&, const fs::path& saved) { EXPECT_TRUE(holdsNew(saved)); }},
        {"every name of a hard-linked file sees the new list",
         [](const TempDir& dir) {
             writeFile(dir / "a.dat", kOldContent);
             fs::create_hard_link(dir / "a.dat", dir / "b.dat");
             return dir / "a.dat";
         },
         false, 0, SaveStatus::Ok,
         [](const TempDir& dir, const fs::path& saved) {
             EXPECT_TRUE(holdsNew(dir / "b.dat"));
             EXPECT_EQ(fs::hard_link_count(saved), 2u);
             EXPECT_EQ(readFile(dir / "a.bak"), kOldContent);
             EXPECT_EQ(fs::hard_link_count(dir / "a.bak"), 1u);
         }},
    };
    for (const SaveCase& saveCase : cases) {
        SCOPED_TRACE(saveCase.name);
        TempDir dir;
        giveToUnprivileged(dir.path());
        const fs::path path = saveCase.prepare(dir);
        const auto table = saveCase.writeLimit ? fullTable() : tableNamed("New");
        const SaveStatus status = saveCase.asUser ? saveAsUser(path, *table, saveCase.writeLimit)
                                                  : saveChannelFile(path, *table, FileForm::Long);
        EXPECT_EQ(status, saveCase.expected);
        try {
            saveCase.check(dir, path);
        } catch (const std::exception& missing) {
            ADD_FAILURE() << missing.what();
        }
    }
}

TEST(SaveFailure, AFailedWriteBackKeepsTheBackupThatHoldsTheOldList) {
    TempDir dir;
    writeFile(dir / "a.dat", kOldContent);
    fs::create_hard_link(dir / "a.dat", dir / "b.dat");
    {
        FailingOverwrites failing;
        EXPECT_EQ(saveChannelFile(dir / "a.dat", *tableNamed("New"), FileForm::Long),
                  SaveStatus::WriteError);
    }
    EXPECT_EQ(readFile(dir / "a.bak"), kOldContent);
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
