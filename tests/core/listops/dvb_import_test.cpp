#include "core/listops/dvb_import.h"
#include "tests/support/dvb_builder.h"
#include "tests/support/test_files.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace kanalo {
namespace {

using test::dvbChannel;
using test::dvbGroup;
using test::DvbRecord;

struct Imported {
    std::unique_ptr<ChannelTable> table = std::make_unique<ChannelTable>();
    DvbImportCounts counts;
    std::vector<std::string> asked;

    // Answers the group questions in order; Import once the answers run out.
    Imported(const std::string& bytes, std::vector<DvbGroupAnswer> answers) {
        std::size_t next = 0;
        counts = importDvbRecords(bytes, *table, [&](std::string_view title) {
            asked.emplace_back(title);
            return next < answers.size() ? answers[next++] : DvbGroupAnswer::Import;
        });
    }
    explicit Imported(const std::string& bytes) { counts = importDvbRecords(bytes, *table); }

    std::vector<std::string> names(ListKind kind) const {
        std::vector<std::string> out;
        for (const auto& record : std::as_const(*table).list(kind))
            if (!record.isFree())
                out.emplace_back(record.name());
        return out;
    }
};

using Names = std::vector<std::string>;

TEST(DvbImport, TakesEveryFieldOfATvRecordWithinItsWidth) {
    DvbRecord in;
    in.serviceId = 0xfedc;
    in.frequency = 0xc000 | 12188; // the top two bits are not part of the frequency
    in.symbolRate = 0xffff;
    in.fec = 0xf9; // low three bits: 1
    in.polarisation = 0xfe;
    in.satellite = 0xfe;
    in.videoPid = 0xe000 | 511;
    in.audioPid = 0xe000 | 512;
    in.pcrPid = 0xe000 | 8191;
    in.text = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const Imported result(in.bytes());
    ASSERT_EQ(result.counts.tv, 1u);
    const ChannelRecord& r = result.table->tv()[0];
    EXPECT_FALSE(r.isFree());
    EXPECT_EQ(r.serviceId(), 0xfedc);
    EXPECT_EQ(r.frequency(), 12188);
    EXPECT_EQ(r.symbolRate(), 0xffff);
    EXPECT_EQ(r.fecCode(), 2);
    EXPECT_EQ(r.polarisation(), 2); // kept as it comes; shown as "-"
    EXPECT_EQ(r.satelliteIndex(), 2);
    EXPECT_EQ(r.videoPid(), 511);
    EXPECT_EQ(r.audioPid(), 512);
    EXPECT_EQ(r.pcrPid(), 8191);
    EXPECT_EQ(r.name(), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_TRUE(r.inUserList());
    EXPECT_FALSE(r.marked());
    EXPECT_FALSE(r.epg());
    EXPECT_EQ(r.bouquetNumber(), 0);
    EXPECT_EQ(r.bouquetName(), "");
}

TEST(DvbImport, RadioChannelsGetNoVideoPidAndOtherServiceTypesNoSlot) {
    std::string bytes = dvbChannel("Radio 1", 2);
    for (const unsigned type : {0u, 3u, 0x81u})
        bytes += dvbChannel("Data", type);
    bytes += dvbChannel("TV 1", 1) + dvbChannel("Radio 2", 2);
    const Imported result(bytes);
    EXPECT_EQ(result.names(ListKind::Tv), Names{"TV 1"});
    EXPECT_EQ(result.names(ListKind::Radio), (Names{"Radio 1", "Radio 2"}));
    EXPECT_EQ(result.table->radio()[0].videoPid(), 0);
    EXPECT_EQ(result.table->tv()[0].videoPid(), 255);
    EXPECT_TRUE(result.table->tv()[1].isFree());
}

TEST(DvbImport, FecCodesFollowTheTable) {
    // File code 0..7 → 3/4, 3/4, 1/2, 2/3, 3/4, 3/4, 5/6, 7/8.
    const std::string_view expected[] = {"3/4", "3/4", "1/2", "2/3", "3/4", "3/4", "5/6", "7/8"};
    for (unsigned code = 0; code < 8; ++code) {
        DvbRecord in;
        in.fec = code;
        const Imported result(in.bytes());
        EXPECT_EQ(fecRateText(result.table->tv()[0].fecCode()), expected[code]) << code;
    }
}

TEST(DvbImport, NamesEndAtZeroAndLoseWhatAListFileCannotCarry) {
    std::string withZero = "Short";
    withZero += '\0';
    withZero += "hidden";
    const Imported result(dvbChannel(withZero) + dvbChannel("a \"b\"\r\nc") +
                          dvbChannel("\x86Sport\x87 News"));
    EXPECT_EQ(result.names(ListKind::Tv), (Names{"Short", "a  b   c", "\x86Sport\x87 News"}));
}

TEST(DvbImport, ListsStopAt1999AndTheUserListAt999) {
    std::string bytes;
    for (int i = 0; i < 2100; ++i)
        bytes += dvbChannel("TV " + std::to_string(i));
    bytes += dvbChannel("Radio after full TV", 2);
    const Imported result(bytes);
    EXPECT_EQ(result.counts.tv, kListCapacity);
    const ConstChannelList tv = std::as_const(*result.table).tv();
    EXPECT_EQ(tv.occupiedCount(), kListCapacity);
    EXPECT_EQ(tv.userListCount(), kUserListCapacity);
    EXPECT_TRUE(tv[998].inUserList());
    EXPECT_FALSE(tv[999].inUserList());
    EXPECT_EQ(tv[1998].name(), "TV 1998");
    EXPECT_EQ(result.names(ListKind::Radio), Names{"Radio after full TV"});
}

TEST(DvbImport, WalkEndsAtTheFirstRecordWithoutMagicOrAtAShortPiece) {
    std::string bytes;
    for (int i = 0; i < 12; ++i) {
        DvbRecord in;
        in.text = "C" + std::to_string(i);
        if (i == 9)
            in.magic = "DVSo";
        bytes += in.bytes();
    }
    const Imported result(bytes);
    EXPECT_EQ(result.counts.tv, 9u);

    const std::string tail = dvbChannel("Whole") + dvbChannel("Cut").substr(0, 63);
    EXPECT_EQ(Imported(tail).names(ListKind::Tv), Names{"Whole"});
    const Imported magicOnly("DVSO");
    EXPECT_EQ(magicOnly.counts.tv + magicOnly.counts.radio, 0u);
}

TEST(DvbImport, ReplacesEveryChannelOfBothLists) {
    auto table = std::make_unique<ChannelTable>();
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio})
        for (auto& record : table->list(kind)) {
            record = ChannelRecord();
            record.setName("old");
        }
    importDvbRecords(dvbChannel("new"), *table);
    EXPECT_EQ(std::as_const(*table).tv().occupiedCount(), 1u);
    EXPECT_EQ(table->tv()[0].name(), "new");
    EXPECT_EQ(std::as_const(*table).radio().occupiedCount(), 0u);
}

// Channels before the first group, group A, group B, group C.
std::string grouped() {
    return dvbChannel("before") + dvbGroup("Group A") + dvbChannel("a1") + dvbChannel("a2", 2) +
           dvbGroup("Group B") + dvbChannel("b1") + dvbChannel("b2") + dvbGroup("Group C") +
           dvbChannel("c1");
}

TEST(DvbImport, AllModeTakesEveryGroupWithoutAsking) {
    const Imported result(grouped());
    EXPECT_EQ(result.names(ListKind::Tv), (Names{"before", "a1", "b1", "b2", "c1"}));
    EXPECT_EQ(result.names(ListKind::Radio), Names{"a2"});
    EXPECT_FALSE(result.counts.stopped);
}

TEST(DvbImport, SelectedModeAsksEachGroupByItsTitle) {
    using A = DvbGroupAnswer;
    const Imported skipB(grouped(), {A::Import, A::Skip, A::Import});
    EXPECT_EQ(skipB.asked, (Names{"Group A", "Group B", "Group C"}));
    EXPECT_EQ(skipB.names(ListKind::Tv), (Names{"before", "a1", "c1"}));

    const Imported stopAtC(grouped(), {A::Import, A::Import, A::Stop});
    EXPECT_TRUE(stopAtC.counts.stopped);
    EXPECT_EQ(stopAtC.names(ListKind::Tv), (Names{"before", "a1", "b1", "b2"}));
    EXPECT_EQ(stopAtC.names(ListKind::Radio), Names{"a2"});

    const Imported skipAll(grouped(), {A::Skip, A::Skip, A::Skip});
    EXPECT_EQ(skipAll.names(ListKind::Tv), Names{"before"});
    EXPECT_TRUE(skipAll.names(ListKind::Radio).empty());
}

TEST(DvbImport, GroupTitlesUseAllThirtyTwoBytesUnlessEndedEarlier) {
    const std::string longTitle(32, 'T');
    const Imported result(dvbGroup(longTitle) + dvbGroup(std::string("Ends\0here", 9)), {});
    EXPECT_EQ(result.asked, (Names{longTitle, "Ends"}));
}

TEST(DvbReadFile, RefusesWhatIsNotADvbFileAndLeavesTheBytesAlone) {
    const test::TempDir dir;
    std::string bytes = "untouched";
    EXPECT_EQ(readDvbFile(dir / "missing.dvb", bytes), DvbReadStatus::CannotOpen);
    for (const std::string_view content : {"", "DVS", "DVSX and more", "dvso"}) {
        test::writeFile(dir / "wrong.dvb", content);
        EXPECT_EQ(readDvbFile(dir / "wrong.dvb", bytes), DvbReadStatus::WrongVersion) << content;
    }
    EXPECT_EQ(bytes, "untouched");
    test::writeFile(dir / "right.dvb", "DVSO");
    EXPECT_EQ(readDvbFile(dir / "right.dvb", bytes), DvbReadStatus::Ok);
    EXPECT_EQ(bytes, "DVSO");
    EXPECT_STREQ(statusMessage(DvbReadStatus::WrongVersion), "Wrong file version.");
}

} // namespace
} // namespace kanalo
