#include "editor/commands/print_job.h"

#include "core/format/print_layout.h"
#include "editor/base/qt_text.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace kanalo {

namespace {

constexpr double kUnitsPerInch = 2540.0; // 0.01 mm

class PrintPainter {
public:
    explicit PrintPainter(QPrinter& printer)
        : printer_(printer), pixelsPerUnit_(printer.resolution() / kUnitsPerInch),
          font_(QFontDatabase::systemFont(QFontDatabase::FixedFont)) {
        font_.setStyleHint(QFont::TypeWriter, QFont::PreferMatch);
        font_.setFixedPitch(true);
        font_.setWeight(QFont::Normal);
        font_.setItalic(false);
    }

    QFont fontAt(int height) const {
        QFont font = font_;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(height * pixelsPerUnit_))));
        return font;
    }

    TextExtent measure(const QString& text, int height) const {
        const QFontMetricsF metrics(fontAt(height), &printer_);
        return {toUnits(metrics.horizontalAdvance(text)), toUnits(metrics.height())};
    }

    void draw(QPainter& painter, int baseline, const QString& text) const {
        painter.drawText(QPointF(kPrintLeftEdge * pixelsPerUnit_, baseline * pixelsPerUnit_), text);
    }

private:
    int toUnits(double pixels) const {
        return static_cast<int>(std::ceil(pixels / pixelsPerUnit_));
    }

    QPrinter& printer_;
    double pixelsPerUnit_;
    QFont font_;
};

} // namespace

bool printChannelLines(QPrinter& printer, const PrintLineFormatter& formatter,
                       ConstChannelList list, ListKind shown, std::span<const int> rows) {
    printer.setDocName(QString::fromLatin1(kPrintJobName));
    if (!printer.isValid() || printer.resolution() <= 0)
        return false;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PrintPainter pen(printer);
    const int pageWidth = printer.widthMM() * 100;
    const int pageHeight = printer.heightMM() * 100;

    const QString heading = fromWindows1252(formatter.header());
    const FontFit fit =
        fitPrintFont(pageWidth, [&](int height) { return pen.measure(heading, height); });
    painter.setFont(pen.fontAt(fit.fontHeight));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);

    const std::vector<PrintPage> pages = layoutPrintPages(rows, pageHeight, fit.lineHeight);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            printer.newPage(); // failures of later pages are not reported
        pen.draw(painter, kPrintHeadingBaseline, heading);
        for (const PrintedLine& line : pages[page].lines) {
            const ChannelRecord& record = list[static_cast<std::size_t>(line.row)];
            pen.draw(
                painter, line.baseline,
                fromWindows1252(formatter.channelLine(line.row, record, slotKind(record, shown))));
        }
    }
    return painter.end();
}

} // namespace kanalo
