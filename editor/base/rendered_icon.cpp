#include "editor/base/rendered_icon.h"

#include "editor/base/rendered_icon_pixels.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <cstring>

namespace kanalo {

namespace {

class RenderedIconEngine final : public QIconEngine {
public:
    explicit RenderedIconEngine(const RenderedIconSet& set) : set_(set) {}

    QIconEngine* clone() const override { return new RenderedIconEngine(set_); }
    QString key() const override { return QStringLiteral("RenderedIconEngine"); }
    bool isNull() override { return false; }

    // Square, and drawn at any size.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const RenderedIconImage& image : set_.images)
            sizes.append(QSize(image.side, image.side));
        return sizes;
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return {};
        const QString cacheKey = QStringLiteral("kanalo-icon/%1/%2/%3")
                                     .arg(QLatin1String(set_.name))
                                     .arg(side)
                                     .arg(int(mode));
        QPixmap drawn;
        if (QPixmapCache::find(cacheKey, &drawn))
            return drawn;
        drawn = QPixmap::fromImage(normalImage(side));
        // Disabled and selected icons look as the style makes them, as with any other icon.
        if (mode != QIcon::Normal && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            option.palette = QGuiApplication::palette();
            drawn = QApplication::style()->generatedIconPixmap(mode, drawn, &option);
        }
        QPixmapCache::insert(cacheKey, drawn);
        return drawn;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal scale = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap((QSizeF(rect.size()) * scale).toSize(), mode, state);
        drawn.setDevicePixelRatio(scale);
        painter->drawPixmap(rect, drawn);
    }

private:
    QImage normalImage(int side) const {
        // The smallest rendered image at least as large as asked for.
        const RenderedIconImage* fitting = nullptr;
        for (const RenderedIconImage& image : set_.images)
            if (image.side >= side && (!fitting || image.side < fitting->side))
                fitting = &image;
        if (!fitting)
            return fromSvg(side);
        const QImage rendered(reinterpret_cast<const uchar*>(fitting->pixels), fitting->side,
                              fitting->side, QImage::Format_ARGB32_Premultiplied);
        if (fitting->side == side)
            return rendered;
        return rendered.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    QImage fromSvg(int side) const {
        const QIcon svg(QString::fromLatin1(set_.resource));
        return svg.pixmap(QSize(side, side), 1.0)
            .toImage()
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    }

    const RenderedIconSet& set_;
};

} // namespace

QIcon resourceIcon(const char* name) {
    for (const RenderedIconSet& set : renderedIconSets())
        if (std::strcmp(set.name, name) == 0)
            return QIcon(new RenderedIconEngine(set));
    // Every icon of the resources is rendered (editor/resources/CMakeLists.txt).
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
}

} // namespace kanalo
