// Random runs of the real commands on a nearly full list: every change passes the one recorded
// door. After each command at most one step is new and the modified mark says whether the list
// differs from the saved file; undoing everything gives back the loaded tables byte for byte,
// redoing everything the edited ones.
#include "core/channels/channel_file_writer.h"
#include "editor/base/start_up.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/undo_commands.h"
#include "editor/dialogs/channel_dialog.h"
#include "editor/dialogs/compare_dialog.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <random>

using namespace kanalo;
using Answer = Prompter::Answer;

namespace {

// 1900 channels in each list with names and frequencies in no order, some outside the user list.
QByteArray nearlyFullList(std::mt19937& random) {
    ChannelTable table;
    for (const ListKind kind : {ListKind::Tv, ListKind::Radio})
        for (std::size_t slot = 0; slot < 1900; ++slot) {
            ChannelRecord& r = table.list(kind)[slot];
            r.setFree(false);
            r.setName("Channel " + std::to_string(random() % 5000));
            r.setFrequency(10700 + random() % 2000);
            r.setSymbolRate(22000 + random() % 6000);
            r.setVideoPid(kind == ListKind::Tv ? 100 + random() % 100 : 0);
            r.setAudioPid(200 + random() % 100);
            r.setServiceId(random() % 60000);
            r.setInUserList(slot < 999 && random() % 8 != 0);
            r.setEpg(r.inUserList() && random() % 2 != 0);
        }
    return QByteArray::fromStdString(writeChannelText(table, FileForm::Long));
}

struct Run : test::EditorWindow {
    explicit Run(unsigned seed) : random(seed) {
        open();
        show();
        const QString path = write(QStringLiteral("list.dat"), nearlyFullList(random));
        QVERIFY(frame->loadFile(path));
        prompts.fileNames = {path};
        frame->action(Command::OpenUpdate)->trigger(); // the same file as Update-List
        frame->action(Command::MainList)->trigger();
        saved = text();
    }

    EditorState& state() { return frame->state(); }
    CRowListView* view() { return frame->view(); }
    void trigger(Command command) { frame->action(command)->trigger(); }
    int pick(int limit) { return static_cast<int>(random() % static_cast<unsigned>(limit)); }
    QByteArray text() {
        return QByteArray::fromStdString(writeChannelText(*state().mainTable(), FileForm::Long));
    }
    std::size_t steps() {
        return frame->undoCommands().history(ListTable::Main).count() +
               frame->undoCommands().history(ListTable::Update).count();
    }
    void selectSome() {
        const int first = pick(1995);
        std::vector<int> rows{first};
        for (int more = pick(4); more > 0; --more)
            rows.push_back(first + more);
        view()->selectRows(rows);
        view()->setCurrentRow(first);
    }
    // Answers the next modal dialog of that type with the function.
    template <typename Dialog> void answer(std::function<void(Dialog&)> work) {
        QTimer::singleShot(0, [this, work] {
            if (auto* dialog = frame->findChild<Dialog*>())
                work(*dialog);
        });
    }

    // One random command the user could give in the present state; false when it does not
    // apply now.
    bool randomCommand() {
        const bool onMain = !state().showingUpdate;
        const bool ordered = !state().numbersUnsorted;
        prompts.answers = {pick(2) ? Answer::Yes : Answer::No}; // a renumber question, if any
        switch (pick(13)) {
        case 0: // Delete, Cut, Copy then Paste
            if (!onMain || !ordered)
                return false;
            selectSome();
            trigger(pick(2) ? Command::Delete : Command::Cut);
            return true;
        case 1:
            if (!onMain || !ordered)
                return false;
            selectSome();
            trigger(Command::Copy);
            view()->selectRows({pick(1999)});
            trigger(pick(2) ? Command::Paste : Command::PasteDirect);
            return true;
        case 2: // a move or a swap from the context menu, or a drag
            if (!onMain || !ordered)
                return false;
            Q_EMIT(pick(2) ? view()->moveRequested(pick(1999), pick(1999))
                           : view()->swapRequested(pick(1999), pick(1999)));
            return true;
        case 3: // the channel dialog
            if (!onMain)
                return false;
            answer<CChannelDlg>([this](CChannelDlg& dialog) {
                dialog.nameEdit()->setText(QStringLiteral("Edited %1").arg(pick(100)));
                dialog.accept();
                if (dialog.isVisible()) // a field it refused
                    dialog.reject();
            });
            Q_EMIT view()->editRequested(pick(1900));
            return true;
        case 4: { // Change selected channels, and the flags of one
            if (!onMain)
                return false;
            selectSome();
            const Command changes[] = {Command::ChangeVertical, Command::ChangeUserListNo,
                                       Command::ChangeEpgYes,   Command::ChangeDelete,
                                       Command::ToggleUserList, Command::ToggleEpg};
            trigger(changes[pick(6)]);
            return true;
        }
        case 5: // a header sort, with and without renumbering
            state().settings.sortNumbers = pick(2) != 0;
            Q_EMIT view()->sortRequested(pick(2) ? ColumnKind::Name : ColumnKind::Frequency);
            return true;
        case 6: // Compare Channels: copy, or copy keeping the name
            if (onMain)
                return false;
            answer<CCompareDlg>([this](CCompareDlg& dialog) {
                (pick(2) ? dialog.copyButton() : dialog.copyKeepNameButton())->click();
                dialog.accept();
            });
            Q_EMIT view()->differencesRequested(pick(1900));
            return true;
        case 7: // the context menu, opened and left
            if (!onMain)
                return false;
            view()->setCurrentRow(pick(1999));
            Q_EMIT frame->mainContextMenu()->aboutToShow();
            return true;
        case 8:
            trigger(state().shownList == ListKind::Tv ? Command::ViewRadio : Command::ViewTv);
            return true;
        case 9:
            trigger(onMain ? Command::UpdateList : Command::MainList);
            return true;
        case 10:
            prompts.answers = {Answer::Yes}; // "Numbers are not sorted ... save now anyway ?"
            trigger(Command::Save);
            saved = text();
            return true;
        default:
            return false;
        }
    }

    // Undo or Redo until there is nothing left; the list on screen stays.
    void undoAll(Command command) {
        for (int guard = 0; frame->action(command)->isEnabled() && guard < 200; ++guard)
            trigger(command);
        state().numbersUnsorted = false; // an undone sort may leave them so; leaving would ask
    }

    std::mt19937 random;
    QByteArray saved;
    test::ScriptedPrompter prompts;
};

bool sameBytes(const ChannelTable& a, const ChannelTable& b) {
    for (std::size_t slot = 0; slot < kTableCapacity; ++slot)
        if (a.slots()[slot].toImage() != b.slots()[slot].toImage())
            return false;
    return true;
}

} // namespace

class EditPathPropertyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void everyCommandIsOneStepAndUndoGivesBackEveryByte() {
        for (const unsigned seed : {7u, 1999u, 20261208u}) {
            Run run(seed);
            const ChannelTable loadedMain = *run.state().mainTable();
            const ChannelTable loadedUpdate = *run.state().updateTable();
            for (int done = 0; done < 60;) {
                const std::size_t before = run.steps();
                if (!run.randomCommand())
                    continue;
                ++done;
                QVERIFY2(run.steps() <= before + 1,
                         qPrintable(QStringLiteral("seed %1, command %2").arg(seed).arg(done)));
                QCOMPARE(run.state().modified, run.text() != run.saved);
            }
            // Numbers out of order would ask to renumber at each switch below, itself a step.
            run.prompts.answers = {Answer::Yes};
            run.trigger(Command::MainList);
            run.prompts.answers = {Answer::Yes};
            run.frame->documents().askRenumberQuestion();
            const ChannelTable editedMain = *run.state().mainTable();
            const ChannelTable editedUpdate = *run.state().updateTable();

            run.undoAll(Command::Undo);
            QVERIFY(sameBytes(*run.state().mainTable(), loadedMain));
            run.trigger(Command::UpdateList);
            run.undoAll(Command::Undo);
            QVERIFY(sameBytes(*run.state().updateTable(), loadedUpdate));
            run.undoAll(Command::Redo);
            QVERIFY(sameBytes(*run.state().updateTable(), editedUpdate));
            run.trigger(Command::MainList);
            run.undoAll(Command::Redo);
            QVERIFY(sameBytes(*run.state().mainTable(), editedMain));
        }
    }
};

QTEST_MAIN(EditPathPropertyTest)
#include "edit_path_property_test.moc"
