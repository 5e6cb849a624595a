#include "editor/base/start_up.h"
#include "editor/dialogs/channel_dialog.h"
#include "editor/dialogs/channel_list_dialog.h"
#include "editor/dialogs/find_dialog.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace kanalo;

namespace {

// Runs the handler on the dialog of that type as soon as it is shown; the handler closes it.
template <typename Dialog>
void whenShown(QWidget* owner, std::function<void(Dialog&)> handler, int tries = 200) {
    QTimer::singleShot(0, owner, [owner, handler, tries] {
        for (Dialog* dialog : owner->findChildren<Dialog*>()) {
            if (dialog->isVisible()) {
                handler(*dialog);
                return;
            }
        }
        if (tries == 0)
            QFAIL("the dialog did not open");
        whenShown<Dialog>(owner, handler, tries - 1); // not up yet
    });
}

struct Fixture : test::EditorWindow {
    Fixture() {
        open();
        show();
        loadSample();
    }
    ConstChannelList tv() { return frame->state().mainTable()->tv(); }
    ConstChannelList radio() { return frame->state().mainTable()->radio(); }
    CRowListView* view() { return frame->view(); }
    QAction* action(Command command) { return frame->action(command); }
    std::vector<int> selected() { return view()->selectedRows(); }

    // Find name or Find frequency with the dialog filled in by the setter.
    void find(Command command, std::function<void(CFindDlg&)> fill) {
        whenShown<CFindDlg>(frame.get(), [fill](CFindDlg& dialog) {
            fill(dialog);
            dialog.findButton()->click();
            if (dialog.isVisible())
                dialog.reject();
        });
        action(command)->trigger();
    }
    void findName(const QString& text, bool matchCase = false) {
        find(Command::FindName, [text, matchCase](CFindDlg& dialog) {
            dialog.textEdit()->setText(text);
            dialog.matchCaseBox()->setChecked(matchCase);
        });
    }
    // Opens a list dialog through the command and works in it.
    void inListDialog(Command command, std::function<void(CChannelListDlg&)> work) {
        whenShown<CChannelListDlg>(frame.get(), [work](CChannelListDlg& dialog) {
            work(dialog);
            if (dialog.isVisible())
                dialog.reject();
        });
        action(command)->trigger();
    }
    void openMenuOn(int row) {
        view()->setCurrentRow(row);
        Q_EMIT frame->mainContextMenu()->aboutToShow();
    }
    // A copy of the channel in the source slot, named differently, so the two are duplicates.
    void duplicate(int source, int target, const char* name) {
        setUpList(ListTable::Main, ListKind::Tv, [&](ChannelList tv) {
            ChannelRecord& copy = tv[static_cast<std::size_t>(target)];
            copy = tv[static_cast<std::size_t>(source)];
            copy.setName(name);
            copy.setSymbolRate(1234);
        });
    }

    test::ScriptedPrompter prompts;
};

QStringList linesOf(const CChannelListDlg& dialog) {
    QStringList lines;
    for (int i = 0; i < dialog.lineCount(); ++i)
        lines << dialog.lineText(i);
    return lines;
}

} // namespace

class FindTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void findDialogModesAndFrequencyCheck() {
        test::ScriptedPrompter prompts;
        CFindDlg byName(CFindDlg::Mode::Name, {});
        QCOMPARE(byName.windowTitle(), QStringLiteral("Find Channel name"));
        QVERIFY(!byName.textEdit()->isHidden());
        QVERIFY(byName.frequencyEdit()->isHidden());
        QVERIFY(byName.satelliteBox()->isHidden());
        QCOMPARE(byName.textEdit()->maxLength(), 17);
        byName.textEdit()->setText(QStringLiteral("abc"));
        byName.findButton()->click(); // the hidden frequency holds 12000 and passes
        QCOMPARE(byName.result(), int(QDialog::Accepted));
        QCOMPARE(byName.values().text, QStringLiteral("abc"));

        FindDefaults defaults;
        defaults.satellite = 4;
        CFindDlg byFrequency(CFindDlg::Mode::Frequency, defaults);
        QCOMPARE(byFrequency.windowTitle(), QStringLiteral("Find frequency"));
        QVERIFY(byFrequency.textEdit()->isHidden());
        QVERIFY(byFrequency.matchCaseBox()->isHidden());
        QCOMPARE(byFrequency.satelliteBox()->count(), 33);
        QCOMPARE(byFrequency.satelliteBox()->itemText(0), QStringLiteral("All"));
        QCOMPARE(byFrequency.satelliteBox()->itemText(1), QString::fromUtf8("1 Astra 19.2° O"));
        QCOMPARE(byFrequency.satelliteBox()->currentIndex(), 5);

        const struct {
            const char* typed;
            const char* message;
        } refusals[] = {{"2999", "Please enter an integer between 3000 and 12750."},
                        {"12751", "Please enter an integer between 3000 and 12750."},
                        {"", "Please enter an integer."}};
        for (const auto& refusal : refusals) {
            prompts.shown.clear();
            byFrequency.frequencyEdit()->setText(QString::fromLatin1(refusal.typed));
            byFrequency.findButton()->click();
            QCOMPARE(prompts.shown, QStringList{QString::fromLatin1(refusal.message)});
            QCOMPARE(byFrequency.result(), int(QDialog::Rejected));
        }
        for (const char* accepted : {"3000", "12750"}) {
            byFrequency.frequencyEdit()->setText(QString::fromLatin1(accepted));
            byFrequency.findButton()->click();
            QCOMPARE(byFrequency.result(), int(QDialog::Accepted));
            QCOMPARE(byFrequency.values().frequency, QString::fromLatin1(accepted).toUInt());
        }

        installLanguage(Language::German);
        CFindDlg german(CFindDlg::Mode::Frequency, {});
        QCOMPARE(german.windowTitle(), QStringLiteral("Frequenz suchen"));
        QCOMPARE(german.satelliteBox()->itemText(0), QStringLiteral("Alle"));
        CChannelListDlg list(QStringLiteral("Transponder"), {});
        QCOMPARE(list.listButton()->text(), QStringLiteral("&Liste"));
        QCOMPARE(list.deleteButton()->text(), QStringLiteral("Lö&schen"));
        QCOMPARE(list.closeButton()->text(), QStringLiteral("Schließen"));
    }

    void findNameFoldsCaseWrapsAndEnds() {
        Fixture f;
        QVERIFY(f.action(Command::FindName)->isEnabled());
        QVERIFY(!f.action(Command::FindNext)->isEnabled());
        f.findName(QStringLiteral("kanal"));
        QCOMPARE(f.selected(), std::vector<int>{1}); // "Kanal Eins"
        QVERIFY(f.action(Command::FindNext)->isEnabled());
        f.action(Command::FindNext)->trigger();
        QCOMPARE(f.selected(), std::vector<int>{5}); // "Kinderkanal Plus"

        // Accented small letters find their capitals; match case tells them apart.
        f.findName(QString::fromUtf8("SÜD"));
        QCOMPARE(f.selected(), std::vector<int>{27}); // "Regional Süd"
        f.findName(QString::fromUtf8("SÜD"), true);
        QCOMPARE(f.prompts.shown, QStringList{QStringLiteral("No matching channel found.")});
        QVERIFY(f.selected().empty());
        QVERIFY(!f.action(Command::FindNext)->isEnabled());
        QTest::keyClick(f.view(), Qt::Key_F3);
        QCOMPARE(f.prompts.shown.size(), 1);

        // The dialog offers what was searched last.
        f.find(Command::FindName, [](CFindDlg& dialog) {
            QCOMPARE(dialog.textEdit()->text(), QString::fromUtf8("SÜD"));
            QVERIFY(dialog.matchCaseBox()->isChecked());
            dialog.matchCaseBox()->setChecked(false);
            dialog.textEdit()->setText(QStringLiteral("eins"));
        });
        QCOMPARE(f.selected(), std::vector<int>{1});
        f.action(Command::FindNext)->trigger();
        QCOMPARE(f.selected(), std::vector<int>{33}); // "Fußball Eins"
        f.action(Command::FindNext)->trigger();       // wraps round to the first one
        QCOMPARE(f.selected(), std::vector<int>{1});
    }

    void findFrequencyFiltersBySatelliteAndFollowsTheShownList() {
        Fixture f;
        auto frequency = [&f](const char* mhz, int satelliteRow) {
            f.find(Command::FindFrequency, [mhz, satelliteRow](CFindDlg& dialog) {
                dialog.frequencyEdit()->setText(QString::fromLatin1(mhz));
                dialog.satelliteBox()->setCurrentIndex(satelliteRow);
            });
        };
        frequency("11160", 0); // All: Eutelsat 13°, Astra 28.2°, User 1
        QCOMPARE(f.selected(), std::vector<int>{40});
        f.action(Command::FindNext)->trigger();
        QCOMPARE(f.selected(), std::vector<int>{45});
        f.action(Command::FindNext)->trigger();
        QCOMPARE(f.selected(), std::vector<int>{49});
        frequency("11160", 6); // Astra 28.2° only
        QCOMPARE(f.selected(), std::vector<int>{45});
        f.find(Command::FindFrequency, [](CFindDlg& dialog) {
            QCOMPARE(dialog.satelliteBox()->currentIndex(), 6);
            QCOMPARE(dialog.frequencyEdit()->text(), QStringLiteral("11160"));
            dialog.reject();
        });
        QCOMPARE(f.selected(), std::vector<int>{45}); // Cancel leaves the search alone

        // The search is not tied to a list: in the Radio list it goes on from slot 2.
        frequency("12040", 0);
        QCOMPARE(f.selected(), std::vector<int>{1});
        f.action(Command::ViewRadio)->trigger();
        f.action(Command::FindNext)->trigger();
        QCOMPARE(f.selected(), std::vector<int>{5}); // "Rock Antenne Süd"
    }

    void duplicatesListEditsDeletesAndShows() {
        Fixture f;
        f.duplicate(4, 9, "Stadt Zwei");
        f.duplicate(4, 17, "Stadt Drei");
        f.inListDialog(Command::FindDuplicates, [&f](CChannelListDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Duplicate channels"));
            QCOMPARE(linesOf(dialog), (QStringList{"*\t005\tTV\tStadtfernsehen\t01\t11860",
                                                   " \t010\tTV\tStadt Zwei\t01\t11860",
                                                   " \t018\tTV\tStadt Drei\t01\t11860",
                                                   "*\t010\tTV\tStadt Zwei\t01\t11860",
                                                   " \t018\tTV\tStadt Drei\t01\t11860"}));
            QVERIFY(!dialog.editButton()->isEnabled());
            QVERIFY(!dialog.deleteButton()->isEnabled());

            // Edit with OK: the line is rebuilt without its asterisk.
            dialog.selectLine(0);
            QVERIFY(dialog.editButton()->isEnabled());
            whenShown<CChannelDlg>(&dialog, [](CChannelDlg& edit) {
                edit.nameEdit()->setText(QStringLiteral("Stadt Eins"));
                edit.okButton()->click();
            });
            dialog.editButton()->click();
            QCOMPARE(dialog.lineText(0), QStringLiteral(" \t005\tTV\tStadt Eins\t01\t11860"));
            QCOMPARE(dialog.selectedLine(), 0);
            QCOMPARE(f.view()->rows().rowData(4).texts[1], QStringLiteral("Stadt Eins"));
            QVERIFY(f.frame->state().modified);

            // Cancel puts the record back.
            f.frame->setModified(false);
            const ChannelRecord before = f.tv()[9];
            dialog.selectLine(3);
            whenShown<CChannelDlg>(&dialog, [](CChannelDlg& edit) {
                edit.nameEdit()->setText(QStringLiteral("Anders"));
                edit.reject();
            });
            Q_EMIT dialog.list()->itemDoubleClicked(dialog.list()->item(3));
            QVERIFY(f.tv()[9] == before);
            QCOMPARE(dialog.lineText(3), QStringLiteral("*\t010\tTV\tStadt Zwei\t01\t11860"));
            QVERIFY(!f.frame->state().modified);

            // Delete frees the slot in place after a Yes.
            dialog.selectLine(1);
            f.prompts.answers = {Prompter::Answer::No, Prompter::Answer::Yes};
            dialog.deleteButton()->click();
            QCOMPARE(dialog.lineCount(), 5);
            QVERIFY(!f.tv()[9].isFree());
            dialog.deleteButton()->click();
            QCOMPARE(f.prompts.shown.last(),
                     QStringLiteral("Do you want to delete this channel ?"));
            QCOMPARE(dialog.lineCount(), 4);
            QVERIFY(f.tv()[9].isFree());
            QCOMPARE(f.view()->rows().rowData(9).texts[1], QString());
            QCOMPARE(f.view()->rows().rowData(10).texts[0], QStringLiteral("11"));
            QVERIFY(f.frame->state().modified);
            QCOMPARE(dialog.selectedLine(), -1);
            dialog.editButton()->click(); // nothing selected: nothing happens

            // List shows the channel in the main window and closes.
            dialog.selectLine(1);
            dialog.listButton()->click();
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(f.selected(), std::vector<int>{17});

        // The Radio list ignores the video PID.
        f.setUpList(ListTable::Main, ListKind::Radio, [](ChannelList radio) {
            radio[9] = radio[2];
            radio[9].setVideoPid(300);
        });
        f.action(Command::ViewRadio)->trigger();
        f.inListDialog(Command::FindDuplicates, [](CChannelListDlg& dialog) {
            QCOMPARE(linesOf(dialog), (QStringList{"*\t003\tRadio\tJazz Radio\t01\t10880",
                                                   " \t010\tRadio\tJazz Radio\t01\t10880"}));
        });
    }

    void transponderListCoversBothHalves() {
        Fixture f;
        f.openMenuOn(1500); // a free slot
        QVERIFY(!f.action(Command::TransponderList)->isEnabled());
        f.openMenuOn(1); // "Kanal Eins", 12040 V on Astra 19.2°
        QVERIFY(f.action(Command::TransponderList)->isEnabled());
        f.inListDialog(Command::TransponderList, [&f](CChannelListDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QString::fromUtf8("Transponder Astra 19.2° O 12040 V"));
            QCOMPARE(linesOf(dialog),
                     (QStringList{"TV\tKanal Eins", QString::fromUtf8("Radio\tRock Antenne Süd")}));
            // Edit works on the channel's own half: a Radio channel has no video PID field.
            dialog.selectLine(1);
            whenShown<CChannelDlg>(&dialog, [](CChannelDlg& edit) {
                QVERIFY(edit.videoPidEdit()->isHidden());
                edit.nameEdit()->setText(QStringLiteral("Rock [Antenne]"));
                edit.okButton()->click();
            });
            dialog.editButton()->click();
            // The name as stored, blanks to 31 characters included.
            QCOMPARE(dialog.lineText(1), QStringLiteral("Radio\t") +
                                             QStringLiteral("Rock [Antenne]").leftJustified(31));
            QCOMPARE(f.radio()[5].name().substr(0, 14), std::string_view("Rock \x86"
                                                                         "Antenne\x87"));
            QVERIFY(f.frame->state().modified);
            // List on the Radio line switches the main window to the Radio list.
            dialog.listButton()->click();
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(f.frame->state().shownList, ListKind::Radio);
        QCOMPARE(f.selected(), std::vector<int>{5});

        // Deleted from the dialog, a channel is gone when it opens again.
        f.action(Command::ViewTv)->trigger();
        f.openMenuOn(1);
        f.prompts.answers = {Prompter::Answer::Yes};
        f.inListDialog(Command::TransponderList, [](CChannelListDlg& dialog) {
            dialog.selectLine(1);
            dialog.deleteButton()->click();
            QCOMPARE(dialog.lineCount(), 1);
        });
        QVERIFY(f.radio()[5].isFree());
        f.inListDialog(Command::TransponderList, [](CChannelListDlg& dialog) {
            QCOMPARE(linesOf(dialog), QStringList{"TV\tKanal Eins"});
        });
    }

    void transponderListStaysWhenTheSwitchIsCancelled() {
        Fixture f;
        f.frame->state().numbersUnsorted = true;
        f.openMenuOn(1);
        f.prompts.answers = {Prompter::Answer::Cancel};
        f.inListDialog(Command::TransponderList, [&f](CChannelListDlg& dialog) {
            dialog.selectLine(1);
            dialog.listButton()->click();
            QVERIFY(dialog.isVisible());
            QCOMPARE(f.prompts.shown, QStringList{QStringLiteral("Sort")});
        });
        QCOMPARE(f.frame->state().shownList, ListKind::Tv);
    }
};

QTEST_MAIN(FindTest)
#include "find_test.moc"
