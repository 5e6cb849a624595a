#include "editor/base/start_up.h"
#include "editor/dialogs/change_value_dialog.h"
#include "editor/dialogs/channel_dialog.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace kanalo;

namespace {

struct Fixture : test::EditorWindow {
    explicit Fixture(int firmware = 2) {
        open({}, {firmware == 2 ? BoxType::Pella1Plus : BoxType::Pella1Rondel, firmware});
        show();
        loadSample();
    }
    ConstChannelList tv() { return frame->state().mainTable()->tv(); }
    CRowListView* view() { return frame->view(); }
    QAction* action(Command command) { return frame->action(command); }
    // Opens the context menu's preparation for a row, as a right click does.
    void prepareMenuFor(int row) {
        view()->setCurrentRow(row);
        Q_EMIT frame->mainContextMenu()->aboutToShow();
    }
    template <typename Dialog> void answerNextDialog(bool accept) {
        QTimer::singleShot(0, [this, accept] {
            auto* dialog = frame->findChild<Dialog*>();
            QVERIFY(dialog);
            accept ? dialog->accept() : dialog->reject();
        });
    }

    // Runs a value item of "Change selected channels" with the text typed, then OK.
    void changeValue(Command command, const QString& typed) {
        QTimer::singleShot(0, [this, typed] {
            auto* dialog = frame->findChild<CChangeValueDlg*>();
            QVERIFY(dialog);
            dialog->valueEdit()->setText(typed);
            dialog->accept();
        });
        action(command)->trigger();
    }

    test::ScriptedPrompter prompts;
};

} // namespace

class ChannelCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void contextMenuFollowsTheChannel() {
        Fixture f;
        f.setUpList(ListTable::Main, ListKind::Tv,
                    [](ChannelList tv) { tv[8].setEpg(true); }); // outside the user list
        f.prepareMenuFor(8);                                     // preparing a menu changes nothing
        QVERIFY(f.tv()[8].epg() && !f.frame->state().modified);
        QVERIFY(!f.action(Command::ToggleEpg)->isEnabled());
        QVERIFY(!f.action(Command::ToggleEpg)->isChecked());
        QVERIFY(!f.action(Command::ToggleUserList)->isChecked());
        f.prepareMenuFor(0);
        QVERIFY(f.action(Command::ToggleUserList)->isChecked());
        QVERIFY(f.action(Command::ToggleEpg)->isChecked());
        f.prepareMenuFor(1500); // a free slot
        QVERIFY(!f.action(Command::EditChannel)->isEnabled());
        QVERIFY(!f.action(Command::DeleteChannel)->isEnabled());
        QVERIFY(f.action(Command::NewChannel)->isEnabled());

        Fixture old(1);
        old.prepareMenuFor(0);
        QVERIFY(!old.action(Command::ToggleEpg)->isVisible());
    }

    // The keyboard reaches the row's context menu and completes a pending move.
    void contextMenuAndMoveFromTheKeyboard() {
        Fixture f;
        const std::string second(f.tv()[1].name());
        f.view()->setFocus();
        f.view()->setCurrentIndex(f.view()->rows().index(1, 0));
        QTest::keyClick(f.view(), Qt::Key_F10, Qt::ShiftModifier);
        QVERIFY(f.frame->mainContextMenu()->isVisible());
        QCOMPARE(f.view()->currentRow(), 1);
        f.frame->mainContextMenu()->hide();
        f.action(Command::MoveChannels)->trigger();
        QVERIFY(f.frame->statusBar()->currentMessage().startsWith(QStringLiteral("Click the row")));
        f.view()->setCurrentIndex(f.view()->rows().index(4, 0));
        QTest::keyClick(f.view(), Qt::Key_Return);
        QCOMPARE(std::string(f.tv()[4].name()), second);
        QCOMPARE(f.view()->pendingExchange(), CRowListView::Exchange::None);
    }

    void userListLimitGreysTheToggle() {
        Fixture f;
        f.setUpList(ListTable::Main, ListKind::Tv, [](ChannelList tv) {
            for (std::size_t slot = 0; slot < 999; ++slot) {
                tv[slot].setFree(false);
                tv[slot].setInUserList(true);
            }
            tv[1000].setFree(false);
            tv[1000].setInUserList(false);
        });
        f.prepareMenuFor(1000);
        QVERIFY(!f.action(Command::ToggleUserList)->isEnabled());
        f.action(Command::ToggleUserList)->trigger();
        QVERIFY(!f.tv()[1000].inUserList());
    }

    void newChannelCancelRestoresTheSlot() {
        Fixture f;
        const ChannelRecord before = f.tv()[3];
        f.prepareMenuFor(3);
        f.answerNextDialog<CChannelDlg>(false);
        f.action(Command::NewChannel)->trigger();
        QVERIFY(f.tv()[3] == before);
        QVERIFY(!f.frame->state().modified);

        f.prepareMenuFor(1500);
        f.answerNextDialog<CChannelDlg>(true);
        f.action(Command::NewChannel)->trigger();
        QVERIFY(!f.tv()[1500].isFree());
        QCOMPARE(f.tv()[1500].frequency(), 12000);
        QCOMPARE(f.tv()[1500].videoPid(), 1);
        QVERIFY(f.frame->state().modified);
        QCOMPARE(f.view()->rows().rowData(1500).texts[4], QStringLiteral("12000"));
    }

    void togglesAndDeleteRefreshTheirRow() {
        Fixture f;
        f.prepareMenuFor(0);
        f.action(Command::ToggleEpg)->trigger();
        QVERIFY(!f.tv()[0].epg());
        QCOMPARE(f.view()->rows().rowData(0).colourFlags, std::uint8_t(0));
        f.action(Command::DeleteChannel)->trigger();
        QVERIFY(f.tv()[0].isFree());
        QCOMPARE(f.view()->rows().rowData(0).texts[1], QString());
        QCOMPARE(f.view()->rows().rowData(1).texts[0], QStringLiteral("2"));
        QVERIFY(f.frame->state().modified);
    }

    void moveAndSwapCompleteOnTheNextClick() {
        Fixture f;
        const std::string five(f.tv()[5].name());
        f.prepareMenuFor(5);
        f.action(Command::MoveChannels)->trigger();
        QCOMPARE(f.view()->pendingExchange(), CRowListView::Exchange::Move);
        Q_EMIT f.view()->moveRequested(5, 2);
        QCOMPARE(std::string(f.tv()[3].name()), five);
        QCOMPARE(f.view()->rows().rowData(3).texts[1], QString::fromStdString(five));
        QCOMPARE(f.view()->selectedRows(), std::vector<int>{3}); // the selection goes along

        const std::string zero(f.tv()[0].name());
        Q_EMIT f.view()->swapRequested(0, 1500);
        QVERIFY(f.tv()[0].isFree());
        QCOMPARE(std::string(f.tv()[1500].name()), zero);
        QCOMPARE(f.view()->selectedRows(), std::vector<int>{1500});
    }

    void changeSelectedChannels() {
        Fixture f;
        f.view()->selectRows({0, 1, 1500});
        f.prepareMenuFor(0);
        f.action(Command::ChangeDelete)->trigger();
        QVERIFY(f.tv()[0].isFree() && f.tv()[1].isFree());
        QVERIFY(!f.tv()[2].isFree());
        QVERIFY(f.frame->state().modified);

        f.view()->selectRows({2, 3});
        f.prepareMenuFor(2);
        f.action(Command::ChangeVertical)->trigger();
        QCOMPARE(f.tv()[2].polarisation(), 1);
        QCOMPARE(f.view()->rows().rowData(3).texts[5], QStringLiteral("V"));

        f.setUpList(ListTable::Main, ListKind::Tv, [](ChannelList tv) { tv[4].setSymbolRate(0); });
        f.view()->selectRows({4, 5});
        f.prepareMenuFor(4);
        QTimer::singleShot(0, [&] {
            auto* dialog = f.frame->findChild<CChangeValueDlg*>();
            QVERIFY(dialog);
            QCOMPARE(dialog->value(), 27500u);
            dialog->accept();
        });
        f.action(Command::ChangeSymbolRate)->trigger();
        QCOMPARE(f.tv()[5].symbolRate(), 27500);
    }

    void changeSelectedStoresWhatTheChannelDialogStores() {
        Fixture f;
        f.store->setValue("Settings/NoLimits", 1);
        f.view()->selectRows({2, 3});
        f.prepareMenuFor(2);
        f.changeValue(Command::ChangeFrequency, QStringLiteral("20000"));
        ChannelRecord expected = f.tv()[3];
        expected.setFrequency(20000); // the channel dialog's store: cut to the 14-bit field
        QVERIFY(f.tv()[3] == expected);
        QCOMPARE(f.tv()[2].frequency(), expected.frequency());
        QCOMPARE(f.view()->rows().rowData(2).texts[4], QString::number(expected.frequency()));
        QVERIFY(f.frame->state().modified);

        // Nothing changed, nothing to save.
        f.action(Command::ChangeVertical)->trigger();
        f.frame->setModified(false);
        f.changeValue(Command::ChangeFrequency, QStringLiteral("20000"));
        f.action(Command::ChangeVertical)->trigger();
        QVERIFY(!f.frame->state().modified);
    }
};

QTEST_MAIN(ChannelCommandsTest)
#include "channel_commands_test.moc"
