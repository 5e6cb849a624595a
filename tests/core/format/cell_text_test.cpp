#include "core/format/cell_text.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

ChannelRecord channel() {
    ChannelRecord r;
    r.setName("ABC \x86X\x87   ");
    r.setSatelliteIndex(4);
    r.setFrequency(11954);
    r.setSymbolRate(27500);
    r.setFecCode(4);
    r.setPcrPid(511);
    r.setVideoPid(160);
    r.setAudioPid(80);
    r.setServiceId(0xBEEF);
    r.setPolarisation(2);
    return r;
}

TEST(CellText, FormatsEveryColumn) {
    const ChannelRecord r = channel();
    const auto cell = [&](ColumnKind kind, PidRadix radix = PidRadix::Decimal) {
        return cellText(kind, r, SlotKind::Tv, radix);
    };
    EXPECT_EQ(cell(ColumnKind::Name), "ABC [X]");
    EXPECT_EQ(cell(ColumnKind::SatNumber), "5");
    EXPECT_EQ(cell(ColumnKind::SatName), "Kopernikus 23.5\xB0 O");
    EXPECT_EQ(cell(ColumnKind::Frequency), "11954");
    EXPECT_EQ(cell(ColumnKind::Polarisation), "-");
    EXPECT_EQ(cell(ColumnKind::SymbolRate), "27500");
    EXPECT_EQ(cell(ColumnKind::Fec), "---");
    EXPECT_EQ(cell(ColumnKind::PcrPid), "511");
    EXPECT_EQ(cell(ColumnKind::PcrPid, PidRadix::Hex), "01FF");
    EXPECT_EQ(cell(ColumnKind::ServiceId, PidRadix::Hex), "BEEF");
    EXPECT_EQ(cell(ColumnKind::SymbolRate, PidRadix::Hex), "27500") << "always decimal";
    EXPECT_EQ(cell(ColumnKind::VideoPid), "160");
    EXPECT_EQ(cellText(ColumnKind::VideoPid, r, SlotKind::Radio, PidRadix::Decimal), "");
    EXPECT_EQ(cellText(ColumnKind::Name, r, SlotKind::Free, PidRadix::Decimal), "");
}

TEST(CellText, UnknownSatelliteIndexHasNoName) {
    ChannelRecord r = channel();
    r.setSatelliteIndex(32);
    EXPECT_EQ(cellText(ColumnKind::SatName, r, SlotKind::Tv, PidRadix::Decimal), "");
    EXPECT_EQ(cellText(ColumnKind::SatNumber, r, SlotKind::Tv, PidRadix::Decimal), "33");
    r.setName("    ");
    EXPECT_EQ(cellText(ColumnKind::Name, r, SlotKind::Tv, PidRadix::Decimal), "");
}

TEST(PidRadixSetting, ChecksTheFirstThreeLettersInAnyCase) {
    EXPECT_EQ(pidRadixFromSetting("hex"), PidRadix::Hex);
    EXPECT_EQ(pidRadixFromSetting("HEXadecimal"), PidRadix::Hex);
    EXPECT_EQ(pidRadixFromSetting("he"), PidRadix::Decimal);
    EXPECT_EQ(pidRadixFromSetting("dec"), PidRadix::Decimal);
    EXPECT_EQ(pidRadixFromSetting(""), PidRadix::Decimal);
}

} // namespace
} // namespace kanalo
