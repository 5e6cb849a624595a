#pragma once

#include <QFontMetrics>
#include <QString>

namespace kanalo {

// Returns `text` if its width plus `allowance` fits in `width`, otherwise the longest prefix
// (at least one character) that fits together with a trailing "...", with the dots appended.
QString shortenText(const QFontMetrics& metrics, const QString& text, int width, int allowance);

} // namespace kanalo
