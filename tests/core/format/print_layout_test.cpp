#include "core/format/print_layout.h"
#include "tests/support/channel_builder.h"

#include <gtest/gtest.h>
#include <memory>
#include <numeric>

namespace kanalo {
namespace {

// A fixed-pitch heading: every unit of font height is `perUnit` wide, heights are 1.5 times
// the font height. Records every height it was asked for.
struct FakeMeasure {
    int perUnit;
    std::vector<int> asked;
    TextExtent operator()(int fontHeight) {
        asked.push_back(fontHeight);
        return {perUnit * fontHeight, fontHeight * 3 / 2};
    }
};

FontFit fit(int pageWidth, FakeMeasure& measure) {
    return fitPrintFont(pageWidth, [&measure](int height) { return measure(height); });
}

TEST(PrintFontFit, ShrinksInStepsUntilTheHeadingFitsBesideTheLeftEdge) {
    FakeMeasure wide{50, {}};
    // 50 * n + 1000 <= 20000 holds from n = 380 down.
    const FontFit shrunk = fit(20000, wide);
    EXPECT_EQ(shrunk.fontHeight, 380);
    EXPECT_EQ(shrunk.lineHeight, 570);
    EXPECT_EQ(shrunk.headingWidth, 19000);
    EXPECT_EQ(wide.asked, (std::vector<int>{400, 390, 380}));

    FakeMeasure narrow{10, {}};
    const FontFit kept = fit(5000, narrow); // 4000 + 1000 is not more than the page
    EXPECT_EQ(kept.fontHeight, 400);
    EXPECT_EQ(narrow.asked, std::vector<int>{400});
}

TEST(PrintFontFit, GivesUpAtATenthOfAMillimetre) {
    FakeMeasure huge{1000, {}};
    const FontFit fit10 = fit(1500, huge);
    EXPECT_EQ(fit10.fontHeight, 10);
    EXPECT_EQ(fit10.lineHeight, 30); // measured at 20, the last height tried
    EXPECT_EQ(huge.asked.back(), 20);
    EXPECT_EQ(huge.asked.size(), 39u);
}

TEST(PrintRows, AllTakesEveryOccupiedSlotAndSelectionOnlyTheSelectedOnes) {
    auto table = std::make_unique<ChannelTable>();
    for (const std::size_t slot : {0u, 2u, 5u, 1998u})
        table->tv()[slot] = test::Channel{}.record();
    const ConstChannelList list = std::as_const(*table).tv();
    const std::vector<int> selected{5, 3, 1998, 0, 5, -1, 1999};

    EXPECT_EQ(rowsToPrint(list, PrintChoice::All, selected), (std::vector<int>{0, 2, 5, 1998}));
    EXPECT_EQ(rowsToPrint(list, PrintChoice::Selection, selected), (std::vector<int>{0, 5, 1998}));
    EXPECT_TRUE(rowsToPrint(list, PrintChoice::Selection, std::vector<int>{1, 3}).empty());
}

std::vector<int> rows(int count) {
    std::vector<int> out(static_cast<std::size_t>(count));
    std::iota(out.begin(), out.end(), 0);
    return out;
}

TEST(PrintPages, LinesFollowTheHeadingAndABreakComesOnlyBeforeALine) {
    const int h = 415; // odd: the half line rounds down
    EXPECT_EQ(firstPrintLine(h), 1300 + 415 + 207);
    // The last line may start exactly at page height - 14 mm.
    const int perPage = 10;
    const int pageHeight = firstPrintLine(h) + (perPage - 1) * h + kPrintBottomReserve;

    const auto full = layoutPrintPages(rows(perPage), pageHeight, h);
    ASSERT_EQ(full.size(), 1u);
    EXPECT_EQ(full[0].lines.size(), 10u);
    EXPECT_EQ(full[0].lines[1].baseline, firstPrintLine(h) + h);

    const auto overflow = layoutPrintPages(rows(2 * perPage + 1), pageHeight, h);
    ASSERT_EQ(overflow.size(), 3u);
    EXPECT_EQ(overflow[1].lines.front().row, perPage);
    EXPECT_EQ(overflow[1].lines.front().baseline, firstPrintLine(h));
    EXPECT_EQ(overflow[2].lines.size(), 1u);
    EXPECT_EQ(overflow[2].lines[0].row, 2 * perPage);

    const auto nothing = layoutPrintPages({}, pageHeight, h);
    ASSERT_EQ(nothing.size(), 1u); // the heading alone
    EXPECT_TRUE(nothing[0].lines.empty());
}

TEST(PrintPages, APageTooShortForOneLineStillPrintsEveryLine) {
    const auto pages = layoutPrintPages(rows(3), 1000, 400);
    ASSERT_EQ(pages.size(), 3u);
    for (const PrintPage& page : pages)
        EXPECT_EQ(page.lines.size(), 1u);
}

} // namespace
} // namespace kanalo
