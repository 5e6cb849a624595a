#include "core/format/column_set.h"

#include <gtest/gtest.h>

namespace kanalo {
namespace {

TEST(ColumnSetMask, ZeroMeansAllAndTheNumberIsAlwaysOn) {
    EXPECT_EQ(ColumnSet::fromMask(0).visibleCount(), 12);
    const ColumnSet set = ColumnSet::fromMask(0b10);
    EXPECT_TRUE(set.shows(ColumnKind::Number)) << "bit 0 is forced on";
    EXPECT_TRUE(set.shows(ColumnKind::Name));
    EXPECT_FALSE(set.shows(ColumnKind::SatName));
    EXPECT_EQ(set.toMask(), 0b11);
    EXPECT_EQ(ColumnSet::fromMask(0xFFFFF000 | 0b100).toMask(), 0b101) << "bits above 11 ignored";
    EXPECT_EQ(ColumnSet::fromMask(-1).visibleCount(), 12);
}

TEST(ColumnSetMask, PrinterSetFallsBackToTheScreenSet) {
    auto sets = ColumnSets::fromSettings(0b1001, 0);
    EXPECT_EQ(sets.printer, sets.screen);
    sets = ColumnSets::fromSettings(0, 0b11);
    EXPECT_EQ(sets.screen.visibleCount(), 12);
    EXPECT_EQ(sets.printer.visibleCount(), 2);
}

TEST(ColumnSetPositions, MapDisplayPositionsToKinds) {
    ColumnSet set = ColumnSet::fromMask(0b1000'0010'0101);
    EXPECT_EQ(set.kindAtDisplayPosition(0), 0);
    EXPECT_EQ(set.kindAtDisplayPosition(1), 2);
    EXPECT_EQ(set.kindAtDisplayPosition(2), 5);
    EXPECT_EQ(set.kindAtDisplayPosition(3), 11);
    EXPECT_EQ(set.kindAtDisplayPosition(4), -1);
    set.set(ColumnKind::Number, false);
    EXPECT_TRUE(set.shows(ColumnKind::Number));
}

TEST(ColumnWidths, PackTwoSizeClassesAndRejectNonsense) {
    ColumnWidths widths;
    EXPECT_EQ(widths.packed(ColumnKind::Name), (120 << 16) | 160);
    EXPECT_EQ(ColumnWidths::packedDefault(ColumnKind::ServiceId), (45 << 16) | 59);
    widths.setPacked(ColumnKind::Name, (200LL << 16) | 300);
    EXPECT_EQ(widths.width(SizeClass::Small, ColumnKind::Name), 200);
    EXPECT_EQ(widths.width(SizeClass::Large, ColumnKind::Name), 300);
    widths.setPacked(ColumnKind::Name, -5);
    EXPECT_EQ(widths.packed(ColumnKind::Name), ColumnWidths::packedDefault(ColumnKind::Name));
    widths.setPacked(ColumnKind::Name, 1LL << 40);
    EXPECT_EQ(widths.packed(ColumnKind::Name), ColumnWidths::packedDefault(ColumnKind::Name));
    widths.setWidth(SizeClass::Large, ColumnKind::Fec, -1);
    EXPECT_EQ(widths.width(SizeClass::Large, ColumnKind::Fec), 52);
    // A width of 0 would show a column nobody sees: never kept, the other half stays.
    widths.setWidth(SizeClass::Large, ColumnKind::Fec, 0);
    EXPECT_EQ(widths.width(SizeClass::Large, ColumnKind::Fec), 52);
    widths.setPacked(ColumnKind::AudioPid, 90LL << 16);
    EXPECT_EQ(widths.packed(ColumnKind::AudioPid), (90 << 16) | 52);
}

TEST(SizeClass, NeedsBoth1024WideAnd768High) {
    EXPECT_EQ(sizeClassFor(1024, 768), SizeClass::Large);
    EXPECT_EQ(sizeClassFor(1024, 767), SizeClass::Small);
    EXPECT_EQ(sizeClassFor(1023, 2000), SizeClass::Small);
}

} // namespace
} // namespace kanalo
