#pragma once

#include <QProxyStyle>

namespace kanalo {

// The application's style as it is, except that the icons of the menu bar's and tool bar's
// overflow buttons are fetched from it only when first drawn. Those buttons are created with
// every window but seldom shown, and the style's first icon read from an image file makes Qt
// look through all of its image format plugins: a few milliseconds of every start.
class DeferredIconStyle : public QProxyStyle {
    Q_OBJECT

public:
    // Over the application's default style (or the one chosen with -style).
    DeferredIconStyle();
    // Over the given style, which it takes over.
    explicit DeferredIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace kanalo
