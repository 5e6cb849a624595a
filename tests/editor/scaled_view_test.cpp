// The list at 200 % on a 2560 x 1440 screen (set by CTest): Qt lays it out as 1280 x 720, yet it
// is a large screen, and no default width cuts the widest text of its column.
#include "editor/base/start_up.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"

#include <QScreen>
#include <QTest>

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
        const QFontMetrics metrics = view->fontMetrics();
        const QString widest[] = {QStringLiteral("1999"),  QStringLiteral("32"),
                                  QStringLiteral("65535"), QStringLiteral("H"),
                                  QStringLiteral("65535"), QStringLiteral("7/8"),
                                  QStringLiteral("8191"),  QStringLiteral("8191"),
                                  QStringLiteral("8191"),  QStringLiteral("65535")};
        const int positions[] = {0, 2, 4, 5, 6, 7, 8, 9, 10, 11}; // every column but the names
        for (std::size_t i = 0; i < std::size(positions); ++i)
            QVERIFY2(view->columnWidth(positions[i]) >=
                         metrics.horizontalAdvance(widest[i]) + CListViewEx::kCellAllowance,
                     qPrintable(widest[i]));
        QVERIFY(view->columnWidth(3) >=
                metrics.horizontalAdvance(QStringLiteral("Kopernikus 23.5° O")) +
                    CListViewEx::kCellAllowance);
    }
};

QTEST_MAIN(ScaledViewTest)
#include "scaled_view_test.moc"
