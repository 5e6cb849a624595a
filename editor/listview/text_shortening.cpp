#include "editor/listview/text_shortening.h"

namespace kanalo {

QString shortenText(const QFontMetrics& metrics, const QString& text, int width, int allowance) {
    if (text.isEmpty() || metrics.horizontalAdvance(text) + allowance <= width)
        return text;

    static const QString dots = QStringLiteral("...");
    const int room = width - allowance - metrics.horizontalAdvance(dots);
    // Never split a surrogate pair: half of one draws as a broken glyph before the dots.
    const qsizetype minimum = text.size() > 1 && text.at(0).isHighSurrogate() ? 2 : 1;
    qsizetype kept = text.size();
    while (kept > minimum && metrics.horizontalAdvance(text, int(kept)) > room)
        --kept; // a split pair measures as the whole pair, so the loop never stops inside one
    return text.left(kept) + dots;
}

} // namespace kanalo
