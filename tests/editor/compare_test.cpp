#include "editor/base/start_up.h"
#include "editor/dialogs/compare_dialog.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace kanalo;
using Field = CCompareDlg::Field;

namespace {

// The sample list as main list and as Update-List, the Update-List on screen.
struct Fixture : test::EditorWindow {
    Fixture() {
        open();
        show();
        loadSample();
        prompts.fileNames = {test::sampleListPath()};
        frame->action(Command::OpenUpdate)->trigger();
    }
    ConstChannelList main() { return frame->state().mainTable()->tv(); }
    ConstChannelList update() { return frame->state().updateTable()->tv(); }
    QAction* action(Command command) { return frame->action(command); }

    // Runs the command with the dialog answered by inspect; false when no dialog came up.
    bool withDialog(const std::function<void()>& command,
                    const std::function<void(CCompareDlg&)>& inspect) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = frame->findChild<CCompareDlg*>()) {
                shown = true;
                inspect(*dialog);
                dialog->closeButton()->click();
            }
        });
        command();
        QCoreApplication::processEvents(); // let the timer run when no dialog blocked
        return shown;
    }
    bool showByName(int row, const std::function<void(CCompareDlg&)>& inspect) {
        frame->view()->setCurrentRow(row);
        return withDialog([&] { action(Command::ShowDifferencesByName)->trigger(); }, inspect);
    }

    test::ScriptedPrompter prompts;
};

QString value(QLineEdit* field) {
    return field->text();
}

} // namespace

class CompareTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void commandsOnlyOnTheUpdateList() {
        Fixture f;
        QVERIFY(f.action(Command::ShowDifferencesByName)->isEnabled());
        QVERIFY(f.action(Command::ShowDifferencesByFrequency)->isEnabled());
        f.action(Command::MainList)->trigger();
        QVERIFY(!f.action(Command::ShowDifferencesByName)->isEnabled());
        QVERIFY(!f.action(Command::ShowDifferencesByFrequency)->isEnabled());
        // Even when triggered on the main list nothing opens.
        QVERIFY(!f.showByName(0, [](CCompareDlg&) {}));
        f.action(Command::UpdateList)->trigger();
        QVERIFY(!f.showByName(-1, [](CCompareDlg&) {}));
    }

    void enterAndDoubleClickCompareByName() {
        Fixture f;
        f.setUpList(ListTable::Main, ListKind::Tv,
                    [](ChannelList tv) { tv[2].setName("alpen info"); }); // in other case
        f.frame->view()->selectRows({2});
        QVERIFY(f.withDialog(
            [&] { QTest::keyClick(f.frame->view(), Qt::Key_Return); },
            [&](CCompareDlg& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Compare Channels"));
                QCOMPARE(d.matches(), (std::vector<int>{2}));
                QCOMPARE(value(d.updateField(Field::Number)), QStringLiteral("3"));
                QCOMPARE(value(d.updateField(Field::Name)), QStringLiteral("Alpen Info"));
                QCOMPARE(value(d.mainField(Field::Name)), QStringLiteral("alpen info"));
                QVERIFY(d.copyButton()->isEnabled());
                QVERIFY(d.copyKeepNameButton()->isEnabled());
                QVERIFY(!d.nextButton()->isEnabled());
                QVERIFY(!d.previousButton()->isEnabled());
            }));
        QCOMPARE(f.frame->view()->currentRow(), 2);

        const QRect cell = f.frame->view()->visualRect(f.frame->view()->rows().index(4, 1));
        QVERIFY(f.withDialog(
            [&] {
                QTest::mouseDClick(f.frame->view()->viewport(), Qt::LeftButton, {}, cell.center());
            },
            [&](CCompareDlg& d) { QCOMPARE(value(d.updateField(Field::Number)), "5"); }));
        QVERIFY(f.frame->state().showingUpdate);
    }

    void valuesOfBothColumns() {
        Fixture f;
        f.setUpList(ListTable::Update, ListKind::Tv, [](ChannelList tv) {
            tv[0].setSatelliteIndex(4);
            tv[0].setPolarisation(1);
            tv[0].setFecCode(4);
            tv[0].setVideoPid(7000);
        });
        f.frame->state().numbersUnsorted = true;
        f.frame->view()->rows().rowData(0).texts[0] = QStringLiteral("42");
        QVERIFY(f.showByName(0, [&](CCompareDlg& d) {
            QCOMPARE(value(d.updateField(Field::Number)), QStringLiteral("42"));
            QCOMPARE(value(d.mainField(Field::Number)), QStringLiteral("1"));
            QCOMPARE(value(d.updateField(Field::Satellite)), QStringLiteral("5"));
            QCOMPARE(value(d.mainField(Field::Satellite)), QStringLiteral("1"));
            QCOMPARE(value(d.updateField(Field::Frequency)), QStringLiteral("12420"));
            QCOMPARE(value(d.updateField(Field::Polarisation)), QStringLiteral("vertical"));
            QCOMPARE(value(d.mainField(Field::Polarisation)), QStringLiteral("horizontal"));
            QCOMPARE(value(d.updateField(Field::SymbolRate)), QStringLiteral("22000"));
            QCOMPARE(value(d.updateField(Field::Fec)), QStringLiteral("---"));
            QCOMPARE(value(d.mainField(Field::Fec)), QStringLiteral("3/4"));
            QCOMPARE(value(d.updateField(Field::PcrPid)), QStringLiteral("6529"));
            QCOMPARE(value(d.updateField(Field::VideoPid)), QStringLiteral("7000"));
            QCOMPARE(value(d.updateField(Field::AudioPid)), QStringLiteral("2944"));
            QCOMPARE(value(d.updateField(Field::ServiceId)), QStringLiteral("26790"));
        }));
        // Decimal whatever the PID setting.
        f.frame->state().settings.pidRadix = PidRadix::Hex;
        QVERIFY(f.showByName(0, [&](CCompareDlg& d) {
            QCOMPARE(value(d.updateField(Field::PcrPid)), QStringLiteral("6529"));
        }));
    }

    void stepsThroughTheMatches() {
        Fixture f;
        f.setUpList(ListTable::Main, ListKind::Tv, [](ChannelList tv) {
            for (std::size_t slot : {10u, 20u, 30u})
                tv[slot] = tv[1];
        });
        QVERIFY(f.showByName(1, [&](CCompareDlg& d) {
            QCOMPARE(d.matches(), (std::vector<int>{1, 10, 20, 30}));
            const auto shown = [&] { return value(d.mainField(Field::Number)); };
            QCOMPARE(shown(), QStringLiteral("2"));
            QVERIFY(d.nextButton()->isEnabled() && !d.previousButton()->isEnabled());
            d.nextButton()->click();
            QCOMPARE(shown(), QStringLiteral("11"));
            QVERIFY(d.nextButton()->isEnabled() && d.previousButton()->isEnabled());
            d.nextButton()->click();
            d.nextButton()->click();
            QCOMPARE(shown(), QStringLiteral("31"));
            QVERIFY(!d.nextButton()->isEnabled() && d.previousButton()->isEnabled());
            d.showNext(); // past the end does nothing
            QCOMPARE(d.position(), 3);
            d.previousButton()->click();
            QCOMPARE(shown(), QStringLiteral("21"));
            QVERIFY(d.nextButton()->isEnabled());
            d.previousButton()->click();
            d.previousButton()->click();
            QCOMPARE(d.position(), 0);
            QVERIFY(!d.previousButton()->isEnabled());
        }));
    }

    void byFrequencyAndWithoutMatches() {
        Fixture f;
        // Row 0 is 12420 MHz horizontal on satellite 1; slot 40 lies 9 MHz away, 41 ten.
        f.setUpList(ListTable::Main, ListKind::Tv, [](ChannelList tv) {
            tv[40] = tv[0];
            tv[40].setFrequency(12429);
            tv[40].setName("Near");
            tv[41] = tv[40];
            tv[41].setFrequency(12430);
        });
        f.frame->view()->setCurrentRow(0);
        QVERIFY(f.withDialog([&] { f.action(Command::ShowDifferencesByFrequency)->trigger(); },
                             [&](CCompareDlg& d) {
                                 const std::vector<int>& found = d.matches();
                                 QVERIFY(std::find(found.begin(), found.end(), 0) != found.end());
                                 QVERIFY(std::find(found.begin(), found.end(), 40) != found.end());
                                 QVERIFY(std::find(found.begin(), found.end(), 41) == found.end());
                             }));

        f.setUpList(ListTable::Update, ListKind::Tv,
                    [](ChannelList tv) { tv[0].setName("Nowhere in the main list"); });
        QVERIFY(f.showByName(0, [&](CCompareDlg& d) {
            QVERIFY(d.matches().empty());
            QCOMPARE(value(d.updateField(Field::Name)), QStringLiteral("Nowhere in the main list"));
            for (int i = 0; i < CCompareDlg::kFieldCount; ++i)
                QVERIFY(value(d.mainField(static_cast<Field>(i))).isEmpty());
            for (QPushButton* b :
                 {d.previousButton(), d.nextButton(), d.copyButton(), d.copyKeepNameButton()})
                QVERIFY(!b->isEnabled());
            QVERIFY(d.closeButton()->isEnabled());
        }));

        // A free row is no channel: its stale name finds nothing to copy over.
        f.setUpList(ListTable::Update, ListKind::Tv,
                    [](ChannelList tv) { tv[1500].setName("Kanal Eins"); });
        QVERIFY(f.showByName(1500, [&](CCompareDlg& d) {
            QVERIFY(d.matches().empty());
            QCOMPARE(value(d.updateField(Field::Number)), QStringLiteral("1501"));
            QVERIFY(value(d.updateField(Field::Name)).isEmpty());
        }));
    }

    void copiesOverTheMainListChannel() {
        Fixture f;
        f.setUpList(ListTable::Update, ListKind::Tv, [](ChannelList tv) {
            tv[2].setFrequency(11111);
            tv[2].setInUserList(false);
            tv[2].setBouquetName("Neu");
        });
        f.setUpList(ListTable::Main, ListKind::Tv,
                    [](ChannelList tv) { tv[2].setName("ALPEN INFO"); });
        QVERIFY(!f.frame->state().modified);
        QVERIFY(f.showByName(2, [&](CCompareDlg& d) {
            d.copyKeepNameButton()->click();
            QCOMPARE(value(d.mainField(Field::Frequency)), QStringLiteral("11111"));
            QCOMPARE(value(d.mainField(Field::Name)), QStringLiteral("ALPEN INFO"));
        }));
        QVERIFY(f.frame->state().modified);
        f.action(Command::MainList)->trigger();
        QCOMPARE(f.action(Command::Undo)->text(),
                 QStringLiteral("Und&o Copy Channel Keeping Name\tCtrl+Z"));
        f.action(Command::UpdateList)->trigger();
        QCOMPARE(f.main()[2].name(), "ALPEN INFO");
        QVERIFY(!f.main()[2].inUserList());
        QCOMPARE(f.main()[2].bouquetName(), "Neu");
        QVERIFY(f.frame->state().showingUpdate);

        QVERIFY(f.showByName(2, [&](CCompareDlg& d) { d.copyButton()->click(); }));
        QVERIFY(f.main()[2] == f.update()[2]);
        f.action(Command::MainList)->trigger();
        QCOMPARE(f.frame->view()->rows().rowData(2).texts[1], QStringLiteral("Alpen Info"));
        QCOMPARE(f.frame->view()->rows().rowData(2).texts[4], QStringLiteral("11111"));
    }

    void germanTexts() {
        installLanguage(Language::German);
        ChannelTable table;
        ChannelRecord update;
        update.setPolarisation(1);
        CCompareDlg dialog(table.tv(), update, QStringLiteral("1"), CompareMode::ByName);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Sender Vergleich"));
        QCOMPARE(value(dialog.updateField(Field::Polarisation)), QStringLiteral("vertikal"));
        QCOMPARE(dialog.nextButton()->text(), QStringLiteral("&Nächsten"));
        QCOMPARE(dialog.closeButton()->text(), QStringLiteral("Schließen"));
    }
};

QTEST_MAIN(CompareTest)
#include "compare_test.moc"
