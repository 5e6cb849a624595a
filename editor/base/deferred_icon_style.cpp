#include "editor/base/deferred_icon_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>
#include <QWidget>
#include <memory>
#include <optional>

namespace kanalo {

namespace {

// Asks the style for its icon when the icon is first needed; copies share what was fetched.
class DeferredIconEngine final : public QIconEngine {
public:
    struct Source {
        QPointer<QStyle> style;
        QStyle::StandardPixmap icon;
        std::optional<QStyleOption> option; // as the style was told
        QPointer<QWidget> widget;
        QIcon fetched;
        bool done = false;
    };

    explicit DeferredIconEngine(std::shared_ptr<Source> source) : source_(std::move(source)) {}

    QIconEngine* clone() const override { return new DeferredIconEngine(source_); }
    QString key() const override { return QStringLiteral("DeferredIconEngine"); }
    bool isNull() override { return icon().isNull(); }

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // Sizes come in device pixels.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size / scale, scale, mode, state);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }

private:
    const QIcon& icon() {
        if (!source_->done) {
            source_->done = true;
            const QStyleOption* option = source_->option ? &*source_->option : nullptr;
            // After the style was replaced, the one in use now draws it.
            QStyle* style = source_->style ? source_->style.data() : QApplication::style();
            source_->fetched = style->standardIcon(source_->icon, option, source_->widget);
        }
        return source_->fetched;
    }

    std::shared_ptr<Source> source_;
};

} // namespace

DeferredIconStyle::DeferredIconStyle() = default;

DeferredIconStyle::DeferredIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    auto source = std::make_shared<DeferredIconEngine::Source>();
    source->style = baseStyle();
    source->icon = icon;
    if (option) {
        source->option = *option;
        source->option->styleObject = nullptr; // may be gone by the time the icon is drawn
    }
    source->widget = const_cast<QWidget*>(widget);
    return QIcon(new DeferredIconEngine(std::move(source)));
}

} // namespace kanalo
