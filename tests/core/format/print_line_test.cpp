#include "core/format/print_line.h"

#include <gtest/gtest.h>
#include <sstream>

namespace kanalo {
namespace {

ChannelRecord channel() {
    ChannelRecord r;
    r.setName("ABC\x86X\x87 padded            tail");
    r.setSatelliteIndex(0);
    r.setFrequency(11954);
    r.setSymbolRate(27500);
    r.setFecCode(2);
    r.setPcrPid(255);
    r.setVideoPid(255);
    r.setAudioPid(256);
    r.setServiceId(28006);
    return r;
}

TEST(PrintHeader, PiecesFollowThePrinterSetAndLanguage) {
    const PrintLineFormatter all(ColumnSet::fromMask(0), PidRadix::Decimal, false);
    EXPECT_EQ(all.header(), "Nr. Name                Sat     Satname       Frq Pol   SR  FEC   PCR "
                            "  VPID  APID  SID ");
    const PrintLineFormatter german(ColumnSet::fromMask(0b1001), PidRadix::Decimal, true);
    EXPECT_EQ(german.header(), "Nr.     Sat Name    ");
}

TEST(PrintLine, FormatsTvAndRadioLines) {
    const PrintLineFormatter all(ColumnSet::fromMask(0), PidRadix::Decimal, false);
    const ChannelRecord r = channel();
    EXPECT_EQ(all.channelLine(0, r, SlotKind::Tv),
              "  1 ABC[X] padded         1     Astra 19.2\xB0 O 11954 H  27500 3/4    255   255"
              "   256 28006");
    EXPECT_EQ(all.channelLine(1998, r, SlotKind::Radio),
              "1999 ABC[X] padded         1     Astra 19.2\xB0 O 11954 H  27500 3/4    255      "
              "   256 28006")
        << "a Radio line has six blanks for the video PID";
    const PrintLineFormatter hex(ColumnSet::fromMask(0b1'0000'0001), PidRadix::Hex, false);
    EXPECT_EQ(hex.channelLine(4, r, SlotKind::Tv), "  5  00FF");
}

TEST(PrintLine, UnsortedNumbersComeFromTheNumberTexts) {
    PrintLineFormatter formatter(ColumnSet::fromMask(1), PidRadix::Decimal, false);
    formatter.setUnsortedNumbers([](int row) { return row == 0 ? std::string("42") : "x"; });
    const ChannelRecord r = channel();
    EXPECT_EQ(formatter.channelLine(0, r, SlotKind::Tv), " 42");
    EXPECT_EQ(formatter.channelLine(6, r, SlotKind::Tv), "  7") << "falls back to row + 1";
}

TEST(PrintLine, StreamsHeadersWithRules) {
    const PrintLineFormatter formatter(ColumnSet::fromMask(0b11), PidRadix::Decimal, false);
    const std::string header = "Nr. Name                ";
    const std::string rule(header.size(), '-');
    std::ostringstream out;
    EXPECT_EQ(formatter.formatPrintLine(&out, kHeaderWithRule, nullptr, SlotKind::Free), header);
    EXPECT_EQ(out.str(), header + "\n" + rule + "\n");
    out.str("");
    formatter.formatPrintLine(&out, kRuleHeaderRule, nullptr, SlotKind::Free);
    EXPECT_EQ(out.str(), rule + "\n" + header + "\n" + rule + "\n");
    out.str("");
    formatter.formatPrintLine(&out, kRuleOnly, nullptr, SlotKind::Free);
    EXPECT_EQ(out.str(), rule + "\n");
    out.str("");
    const ChannelRecord r = channel();
    EXPECT_EQ(formatter.formatPrintLine(&out, 3, nullptr, SlotKind::Tv), header)
        << "no record counts as a header";

    out.setstate(std::ios::badbit);
    EXPECT_FALSE(formatter.formatPrintLine(&out, 0, &r, SlotKind::Tv).has_value());
    EXPECT_TRUE(formatter.formatPrintLine(nullptr, 0, &r, SlotKind::Tv).has_value());
}

} // namespace
} // namespace kanalo
