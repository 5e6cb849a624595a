// The list at 200 % on a 2560 x 1440 screen (set by CTest): Qt lays it out as 1280 x 720, yet it
// is a large screen, and no default width cuts the widest text of its column. The icons are as
// sharp as their SVG at 200 % and beyond; the style's overflow icons are fetched when drawn.
#include "editor/base/deferred_icon_style.h"
#include "editor/base/start_up.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"

#include <QPainter>
#include <QScreen>
#include <QStyleFactory>
#include <QSvgRenderer>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace kanalo;

class ScaledViewTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void defaultWidthsFitTheirWidestTexts() {
        installLanguage(Language::English);
        const QScreen* screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->geometry().size(), QSize(1280, 720));
        test::EditorWindow editor;
        editor.open();
        CRowListView* view = editor.frame->view();
        QCOMPARE(view->sizeClass(), SizeClass::Large);
        // The widest cells: a service ID and the longest satellite name.
        const QFontMetrics metrics = view->fontMetrics();
        QVERIFY(view->columnWidth(11) >=
                metrics.horizontalAdvance(QStringLiteral("65535")) + CListViewEx::kCellAllowance);
        QVERIFY(view->columnWidth(3) >=
                metrics.horizontalAdvance(QStringLiteral("Kopernikus 23.5° O")) +
                    CListViewEx::kCellAllowance);
    }

    // The toolbar draws pixels rendered at build time at 200 %, and the SVG itself at 300 %:
    // either way exactly what the SVG gives at that size.
    void iconsAreTheirSvgAtEverySize() {
        test::EditorWindow editor;
        editor.open();
        editor.show();
        const QIcon icon = editor.frame->action(Command::Open)->icon();
        const auto svgAt = [](int side) {
            QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QSvgRenderer renderer(QStringLiteral(":/icons/open.svg"));
            QPainter painter(&image);
            renderer.render(&painter);
            return image;
        };
        const QSize toolBarIcon = editor.frame->findChild<QToolBar*>()->iconSize();
        QCOMPARE(toolBarIcon, QSize(20, 20));
        for (const qreal scale : {2.0, 3.0}) {
            const QPixmap drawn = icon.pixmap(toolBarIcon, scale);
            QCOMPARE(drawn.deviceIndependentSize(), QSizeF(toolBarIcon));
            const int side = int(20 * scale);
            QImage pixels = drawn.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
            pixels.setDevicePixelRatio(1);
            QCOMPARE(pixels, svgAt(side));
        }
        // Between rendered sizes: scaled from the next larger one, not blank.
        const QImage between = icon.pixmap(QSize(30, 30), 1.0).toImage();
        QCOMPARE(between.size(), QSize(30, 30));
        QVERIFY(between.pixelColor(15, 15).alpha() > 0);
        // A disabled button is drawn grey, as with any other icon.
        QVERIFY(icon.pixmap(toolBarIcon, 2.0, QIcon::Disabled).toImage() !=
                icon.pixmap(toolBarIcon, 2.0, QIcon::Normal).toImage());
        QCOMPARE(editor.frame->windowIcon().availableSizes().size(), 4);
    }

    // Building and showing the window fetches neither overflow icon; drawn, one is the style's
    // own at the size and scale asked for, fetched once.
    void overflowIconsAreFetchedWhenFirstDrawn() {
        struct CountingStyle : QProxyStyle {
            mutable int fetched = 0;
            CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
            QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const override {
                if (icon != SP_ToolBarHorizontalExtensionButton &&
                    icon != SP_ToolBarVerticalExtensionButton)
                    return QProxyStyle::standardIcon(icon, option, widget);
                ++fetched;
                QIcon sized; // one colour for each size
                for (const auto& [side, colour] :
                     {std::pair{16, Qt::red}, {32, Qt::green}, {64, Qt::blue}}) {
                    QPixmap pixmap(side, side);
                    pixmap.fill(colour);
                    sized.addPixmap(pixmap);
                }
                return sized;
            }
        };
        auto* counting = new CountingStyle;
        QApplication::setStyle(new DeferredIconStyle(counting));
        {
            test::EditorWindow editor;
            editor.open();
            editor.show();
            QVERIFY(QTest::qWaitForWindowExposed(editor.frame.get()));
        }
        const QIcon chevron =
            QApplication::style()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        QCOMPARE(counting->fetched, 0);
        for (const auto& [scale, colour] : {std::pair{1.0, Qt::red}, {2.0, Qt::green}}) {
            const QPixmap drawn = chevron.pixmap(QSize(16, 16), scale);
            QCOMPARE(drawn.size(), QSize(16, 16) * scale);
            QCOMPARE(drawn.toImage().pixelColor(0, 0), QColor(colour));
        }
        QCOMPARE(counting->fetched, 1);
        QApplication::setStyle(QStringLiteral("Fusion"));
    }
};

QTEST_MAIN(ScaledViewTest)
#include "scaled_view_test.moc"
