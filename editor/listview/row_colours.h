#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace kanalo {

// The text colour of an unselected row from its colour flags: EPG rows blue (magenta when also
// missing from the Update-List), rows missing from it red (dark red outside the user list),
// rows outside the user list `notInUserList`, the rest the palette's text. On a dark palette
// (base lighter than half) the fixed colours become lighter shades of their hue that keep a
// contrast of 4.5:1 to the base, and rows outside the user list take the palette's grey.
QColor rowTextColour(std::uint8_t flags, const QPalette& palette, const QColor& notInUserList);

// The contrast ratio of two colours as WCAG 2 defines it: 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace kanalo
