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
        // The widest cells: a service ID and the longest satellite name.
        const QFontMetrics metrics = view->fontMetrics();
        QVERIFY(view->columnWidth(11) >=
                metrics.horizontalAdvance(QStringLiteral("65535")) + CListViewEx::kCellAllowance);
        QVERIFY(view->columnWidth(3) >=
                metrics.horizontalAdvance(QStringLiteral("Kopernikus 23.5° O")) +
                    CListViewEx::kCellAllowance);
    }
};

QTEST_MAIN(ScaledViewTest)
#include "scaled_view_test.moc"
