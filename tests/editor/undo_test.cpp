#include "core/listops/list_history.h"
#include "editor/base/start_up.h"
#include "editor/commands/channel_commands.h"
#include "editor/commands/undo_commands.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QStatusBar>
#include <QTest>

using namespace kanalo;

namespace {

struct Fixture : test::EditorWindow {
    Fixture() {
        open(QStringLiteral("[Settings]\nSortNumbers=0\n"));
        show();
        frame->loadFile(write(QStringLiteral("list.dat"), test::sampleListBytes()));
    }
    EditorState& state() { return frame->state(); }
    CRowListView* view() { return frame->view(); }
    QAction* action(Command command) { return frame->action(command); }
    void trigger(Command command) { action(command)->trigger(); }
    void select(std::vector<int> rows) {
        view()->selectRows(rows);
        view()->setCurrentRow(rows.front());
    }
    ChannelTable table() { return *state().mainTable(); }
    ChannelCommands* channels() { return frame->findChild<ChannelCommands*>(); }

    test::ScriptedPrompter prompts;
};

bool sameRecords(const ChannelTable& a, const ChannelTable& b) {
    for (const ListKind list : {ListKind::Tv, ListKind::Radio})
        for (std::size_t slot = 0; slot < kListCapacity; ++slot)
            if (!(a.list(list)[slot] == b.list(list)[slot]))
                return false;
    return true;
}

} // namespace

class UndoTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    // A mixed run of commands on both halves: undoing them all gives back the loaded list and
    // an unmodified document, redoing them all the edited list; menu texts name each step.
    void undoAllAndRedoAllOverBothHalves() {
        Fixture f;
        const ChannelTable loaded = f.table();
        QVERIFY(!f.action(Command::Undo)->isEnabled());
        QCOMPARE(f.action(Command::Undo)->text(), QStringLiteral("Und&o\tCtrl+Z"));

        f.select({1, 2, 3});
        f.trigger(Command::Delete);
        QCOMPARE(f.action(Command::Undo)->text(), QStringLiteral("Und&o Delete\tCtrl+Z"));
        QVERIFY(f.state().modified && f.action(Command::Save)->isEnabled());
        Q_EMIT f.view()->swapRequested(0, 5);
        Q_EMIT f.view()->sortRequested(ColumnKind::Name); // numbers travel with the rows
        QVERIFY(f.state().numbersUnsorted);
        QCOMPARE(f.action(Command::Undo)->text(), QStringLiteral("Und&o Sort\tCtrl+Z"));
        f.trigger(Command::Undo); // the sort, and the number column with it
        QVERIFY(!f.state().numbersUnsorted);
        QCOMPARE(f.view()->rows().rowData(4).texts[0], QStringLiteral("5"));
        f.trigger(Command::Redo);
        QVERIFY(f.state().numbersUnsorted);
        f.prompts.answers = {Prompter::Answer::Yes}; // renumber on leaving: a step of its own
        f.trigger(Command::ViewRadio);
        QCOMPARE(f.state().shownList, ListKind::Radio);
        f.select({0, 1});
        f.channels()->changeSelected(Command::ChangeEpgYes); // a context-menu command
        f.select({0});
        f.trigger(Command::Copy);
        f.select({4});
        f.trigger(Command::Paste);
        QCOMPARE(f.action(Command::Undo)->text(), QStringLiteral("Und&o Paste\tCtrl+Z"));
        const ChannelTable edited = f.table();

        int steps = 0;
        while (f.action(Command::Undo)->isEnabled()) {
            f.trigger(Command::Undo);
            ++steps;
        }
        QCOMPARE(steps, 6); // delete, swap, sort, renumber, EPG, paste
        QVERIFY(sameRecords(f.table(), loaded));
        QCOMPARE(f.state().shownList, ListKind::Tv); // the first step's half came on screen
        QCOMPARE(f.view()->selectedRows(), (std::vector<int>{1, 2, 3}));
        QVERIFY(!f.state().modified && !f.action(Command::Save)->isEnabled());
        QCOMPARE(f.frame->statusBar()->currentMessage(), QStringLiteral("Undone: Delete"));

        while (f.action(Command::Redo)->isEnabled())
            f.trigger(Command::Redo);
        QVERIFY(sameRecords(f.table(), edited));
        QCOMPARE(f.state().shownList, ListKind::Radio);
        QVERIFY(f.state().modified);
        QCOMPARE(f.action(Command::Redo)->text(), QStringLiteral("R&edo\tCtrl+Y"));
        QVERIFY(f.action(Command::Redo)->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    }

    // Saving moves the clean point; a pending Move holds Undo back; a load starts afresh.
    void cleanPointPendingMoveAndFreshHistory() {
        Fixture f;
        f.select({2});
        f.channels()->toggleEpg();
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("list.dat* - Kanalo"));
        f.trigger(Command::Save);
        QVERIFY(!f.state().modified);
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("list.dat - Kanalo"));
        f.trigger(Command::Undo);
        QVERIFY(f.state().modified); // the saved file still has the change
        f.trigger(Command::Redo);
        QVERIFY(!f.state().modified);

        // However a pending Move ends, Undo comes back with it.
        f.channels()->armMove();
        QVERIFY(!f.action(Command::Undo)->isEnabled());
        QTest::keyClick(f.view(), Qt::Key_Escape);
        QVERIFY(f.action(Command::Undo)->isEnabled());

        QVERIFY(f.frame->loadFile(f.write(QStringLiteral("other.dat"), test::sampleListBytes())));
        QVERIFY(!f.action(Command::Undo)->isEnabled());
        QCOMPARE(f.frame->undoCommands().history(ListTable::Main).count(), std::size_t{0});
    }

    void germanStepNames() {
        installLanguage(Language::German);
        Fixture f;
        f.select({1});
        f.trigger(Command::Delete);
        QCOMPARE(f.action(Command::Undo)->text(),
                 QString::fromUtf8("&Rückgängig: Löschen\tStrg+Z"));
        installLanguage(Language::English);
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
