#include "editor/base/start_up.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kanalo;

namespace {

struct Fixture : test::EditorWindow {
    Fixture() {
        open(QStringLiteral("[Settings]\nSortMainList=1\n"));
        show();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame.get())); // shortcuts need an active window
        loadSample();
        QApplication::clipboard()->clear();
    }
    ConstChannelList tv() { return frame->state().mainTable()->tv(); }
    CRowListView* view() { return frame->view(); }
    void select(std::vector<int> rows) {
        view()->selectRows(rows);
        frame->updateCommandStates();
    }
    void trigger(Command command) { frame->action(command)->trigger(); }
    void key(const char* sequence) {
        QTest::keySequence(frame.get(), QKeySequence(QString::fromLatin1(sequence)));
    }
    QString lastShown() const { return prompts.shown.isEmpty() ? QString() : prompts.shown.last(); }
    std::string name(std::size_t slot) { return std::string(tv()[slot].name()); }

    test::ScriptedPrompter prompts;
};

} // namespace

class ClipboardTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void copyThenPasteInsertsAfterTheSelectedRow() {
        Fixture f;
        const std::string a = f.name(4), b = f.name(5), after = f.name(10);
        f.select({4, 5});
        QVERIFY(f.frame->action(Command::Copy)->isEnabled());
        QVERIFY(!f.frame->action(Command::Paste)->isEnabled());
        f.trigger(Command::Copy);
        const QByteArray block = QApplication::clipboard()->mimeData()->data("SorrelpadTV");
        QCOMPARE(block.size(), 2 + 2 * 80);
        QCOMPARE(int(block[1]), 2);
        // Beside the block, the rows as a text editor takes them: headers, then cells by tabs.
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0].split('\t').size(), f.view()->rows().columnCount());
        QCOMPARE(lines[1].split('\t').value(1), QString::fromStdString(a).trimmed());

        f.select({9});
        QVERIFY(f.frame->action(Command::Paste)->isEnabled());
        f.trigger(Command::Paste);
        QCOMPARE(f.name(10), a);
        QCOMPARE(f.name(11), b);
        QCOMPARE(f.name(12), after);
        QVERIFY(f.frame->state().modified);
        QCOMPARE(f.view()->rows().rowData(10).texts[1], QString::fromStdString(a));
    }

    void radioListHasItsOwnFormat() {
        Fixture f;
        f.select({0});
        f.trigger(Command::Copy);
        f.trigger(Command::ViewRadio);
        f.select({0});
        QVERIFY(!f.frame->action(Command::Paste)->isEnabled());
    }

    void cutCompactsAndSelectsTheRowAbove() {
        Fixture f;
        const std::string eight = f.name(8);
        f.select({5, 6, 7});
        f.trigger(Command::Cut);
        QCOMPARE(f.name(5), eight);
        QCOMPARE(f.view()->selectedRows(), std::vector<int>{4});
        QVERIFY(f.tv()[1998].isFree());

        f.select({1});
        f.trigger(Command::Cut);
        QVERIFY(f.view()->selectedRows().empty());
    }

    void pasteRefusalsChangeNothing() {
        Fixture f;
        f.select({0, 1});
        f.trigger(Command::Copy);
        f.select({0, 1});
        f.frame->action(Command::Paste)->setEnabled(true); // as the key would reach it
        f.key("Ctrl+V");
        QCOMPARE(f.lastShown(),
                 QStringLiteral("Please select one channel. The contents of the clipboard will be "
                                "inserted after this channel."));
        f.select({1998});
        const ChannelRecord last = f.tv()[1998];
        f.key("Ctrl+V");
        QCOMPARE(f.lastShown(), QStringLiteral("Not enough free channels at the end of "
                                               "list to insert from clipboard."));
        QVERIFY(f.tv()[1998] == last);
        f.select({1});
        f.key("Ctrl+B");
        QCOMPARE(f.lastShown(),
                 QStringLiteral("Not enough free channels to insert from clipboard."));
    }

    void foreignBlocksAreIgnored() {
        Fixture f;
        auto* data = new QMimeData;
        data->setData("SorrelpadTV", QByteArray("\x00\x05short", 7));
        QApplication::clipboard()->setMimeData(data);
        const std::string ten = f.name(10);
        f.select({9});
        f.trigger(Command::Paste);
        QCOMPARE(f.name(10), ten);
        QVERIFY(!f.frame->state().modified);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void keyboardGuardRefusesInGermanWhileNumbersAreUnsorted() {
        Fixture f;
        Q_EMIT f.view()->headerClicked(1);
        QVERIFY(f.frame->state().numbersUnsorted);
        f.select({3});
        QVERIFY(!f.frame->action(Command::Cut)->isEnabled());
        const std::string three = f.name(3);
        f.key("Ctrl+X");
        QCOMPARE(f.lastShown(), QString::fromUtf8("Ausschneiden nicht möglich wenn "
                                                  "Nummern nicht aufsteigend sortiert."));
        QCOMPARE(f.name(3), three);
        f.key("Del");
        QCOMPARE(f.lastShown(), QString::fromUtf8("Löschen nicht möglich wenn Nummern "
                                                  "nicht aufsteigend sortiert."));
        f.key("Ctrl+C");
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat("SorrelpadTV"));
    }

    void updateListAllowsOnlyCopy() {
        Fixture f;
        f.prompts.fileNames = {test::sampleListPath()};
        f.trigger(Command::OpenUpdate);
        f.select({2});
        QVERIFY(f.frame->action(Command::Copy)->isEnabled());
        QVERIFY(!f.frame->action(Command::Cut)->isEnabled());
        QVERIFY(!f.frame->action(Command::Delete)->isEnabled());
        f.key("Del");
        QVERIFY(!f.frame->state().mainTable()->tv()[2].isFree());
        QVERIFY(f.prompts.shown.isEmpty());
    }
};

QTEST_MAIN(ClipboardTest)
#include "clipboard_test.moc"
