#include "editor/listview/row_colours.h"

#include "editor/listview/row_data.h"

#include <algorithm>
#include <cmath>

namespace kanalo {

namespace {

constexpr double kReadableContrast = 4.5;

double relativeLuminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// The same hue, lighter in steps until it reads on the base.
QColor readableOn(QColor colour, const QColor& base) {
    float hue = 0, saturation = 0, lightness = 0;
    colour.getHslF(&hue, &saturation, &lightness);
    while (contrastRatio(colour, base) < kReadableContrast && lightness < 1) {
        lightness = std::min(1.0f, lightness + 0.02f);
        colour.setHslF(hue, saturation, lightness);
    }
    return colour;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

QColor rowTextColour(std::uint8_t flags, const QPalette& palette, const QColor& notInUserList) {
    const QColor base = palette.color(QPalette::Active, QPalette::Base);
    const bool dark = base.lightnessF() < 0.5;
    QColor fixed;
    if (flags & EpgMark)
        fixed = (flags & Deleted) ? QColor(255, 0, 255) : QColor(0, 0, 255);
    else if (flags & Deleted)
        fixed = (flags & NotInUserList) ? QColor(128, 0, 0) : QColor(255, 0, 0);
    else if (flags & NotInUserList)
        return dark ? palette.color(QPalette::Disabled, QPalette::Text) : notInUserList;
    else
        return palette.color(QPalette::Active, QPalette::Text);
    return dark ? readableOn(fixed, base) : fixed;
}

} // namespace kanalo
