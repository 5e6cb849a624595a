#include "core/format/print_layout.h"

#include <algorithm>

namespace kanalo {

FontFit fitPrintFont(int pageWidth, const std::function<TextExtent(int)>& measure) {
    FontFit fit;
    TextExtent extent = measure(fit.fontHeight);
    while (extent.width + kPrintLeftEdge > pageWidth) {
        fit.fontHeight -= kPrintFontStep;
        if (fit.fontHeight <= kPrintMinFontHeight) {
            fit.fontHeight = kPrintMinFontHeight;
            break;
        }
        extent = measure(fit.fontHeight);
    }
    fit.lineHeight = extent.height;
    fit.headingWidth = extent.width;
    return fit;
}

std::vector<int> rowsToPrint(ConstChannelList list, PrintChoice choice,
                             std::span<const int> selectedRows) {
    std::vector<int> rows;
    const auto occupied = [&list](int row) {
        return row >= 0 && static_cast<std::size_t>(row) < list.size() &&
               !list[static_cast<std::size_t>(row)].isFree();
    };
    if (choice == PrintChoice::All) {
        for (int row = 0; row < static_cast<int>(list.size()); ++row)
            if (occupied(row))
                rows.push_back(row);
        return rows;
    }
    rows.assign(selectedRows.begin(), selectedRows.end());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::erase_if(rows, [&occupied](int row) { return !occupied(row); });
    return rows;
}

int firstPrintLine(int lineHeight) {
    return kPrintHeadingBaseline + lineHeight + lineHeight / 2;
}

std::vector<PrintPage> layoutPrintPages(std::span<const int> rows, int pageHeight, int lineHeight) {
    std::vector<PrintPage> pages(1);
    int next = firstPrintLine(lineHeight);
    for (const int row : rows) {
        // On a page too short for even one line each line still gets a page of its own.
        if (next > pageHeight - kPrintBottomReserve && !pages.back().lines.empty()) {
            pages.emplace_back();
            next = firstPrintLine(lineHeight);
        }
        pages.back().lines.push_back({row, next});
        next += lineHeight;
    }
    return pages;
}

} // namespace kanalo
