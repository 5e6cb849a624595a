#pragma once

#include "core/channels/channel_table.h"

#include <functional>
#include <span>
#include <vector>

namespace kanalo {

// Printed page geometry in units of 0.01 mm from the top-left corner of the printable area,
// y growing downwards.
inline constexpr int kPrintLeftEdge = 1000;
inline constexpr int kPrintHeadingBaseline = 1300;
inline constexpr int kPrintBottomReserve = 1400;
inline constexpr int kPrintStartFontHeight = 400;
inline constexpr int kPrintFontStep = 10;
inline constexpr int kPrintMinFontHeight = 10;

// Which rows the print dialog asked for: All, or anything else (Selection, a page range).
enum class PrintChoice { All, Selection };

struct TextExtent {
    int width = 0;
    int height = 0;
};

struct FontFit {
    int fontHeight = kPrintStartFontHeight;
    int lineHeight = 0;   // the heading's height as last measured; the advance of every line
    int headingWidth = 0; // the heading's width as last measured
};

// Shrinks the font from 4 mm in 0.1 mm steps until the heading plus the left edge fits the page
// width. At 0.1 mm it gives up: the heading then runs past the right edge, and the line height
// stays the one measured at 0.2 mm.
FontFit fitPrintFont(int pageWidth, const std::function<TextExtent(int fontHeight)>& measure);

// The slots to print, in top-to-bottom order: every slot for All, the selected rows otherwise;
// free slots never print.
std::vector<int> rowsToPrint(ConstChannelList list, PrintChoice choice,
                             std::span<const int> selectedRows);

struct PrintedLine {
    int row = 0;
    int baseline = 0;
};

// One page: the heading at kPrintHeadingBaseline, then its channel lines.
struct PrintPage {
    std::vector<PrintedLine> lines;
};

int firstPrintLine(int lineHeight);

// Splits the rows into pages. A page ends only before a line that still has to be printed, so
// there is always at least one page and never one with the heading alone after the first.
std::vector<PrintPage> layoutPrintPages(std::span<const int> rows, int pageHeight, int lineHeight);

} // namespace kanalo
