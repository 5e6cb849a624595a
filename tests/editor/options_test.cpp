#include "editor/base/start_up.h"
#include "editor/listview/row_data.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "editor/options/options_sheet.h"
#include "editor/options/prop_autoload.h"
#include "editor/options/prop_pid.h"
#include "editor/options/prop_ports.h"
#include "editor/options/prop_sort.h"
#include "editor/options/prop_update.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

using namespace kanalo;

namespace {

struct Fixture : test::EditorWindow {
    explicit Fixture(const QString& iniText = {}, BoxType box = BoxType::Pella1Plus,
                     int firmware = 2) {
        open(iniText, {box, firmware});
        show();
        loadSample();
    }
    EditorState& state() { return frame->state(); }
    QString cell(int row, int position) {
        return frame->view()->rows().rowData(row).texts[position];
    }
    void openUpdateList(const QByteArray& bytes) {
        prompts.fileNames = {write(QStringLiteral("update.dat"), bytes)};
        frame->action(Command::OpenUpdate)->trigger();
    }

    // Opens the sheet, lets change work on it, then presses OK or Cancel.
    void options(const std::function<void(COptionsSheet&)>& change, bool ok) {
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* sheet = frame->findChild<COptionsSheet*>();
            QVERIFY(sheet);
            shown = true;
            change(*sheet);
            ok ? sheet->accept() : sheet->reject();
            if (sheet->isVisible()) // a refused OK
                sheet->reject();
        });
        frame->action(Command::Options)->trigger();
        QVERIFY(shown);
    }

    test::ScriptedPrompter prompts;
};

} // namespace

class OptionsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void settingsMenuEntries() {
        Fixture f;
        QVERIFY(f.frame->action(Command::Options)->isEnabled());
        QVERIFY(!f.frame->action(Command::SatelliteScreen)->isEnabled());
        QVERIFY(!f.frame->action(Command::SatellitePrinter)->isEnabled());
    }

    void pagesAndTitles() {
        for (const Language language : {Language::English, Language::German}) {
            installLanguage(language);
            bool transferAsk = true;
            COptionsSheet sheet(OptionValues{}, transferAsk, QString());
            QCOMPARE(sheet.windowTitle(), QStringLiteral("Optionen"));
            QStringList titles;
            for (int i = 0; i < sheet.tabs()->count(); ++i)
                titles << sheet.tabs()->tabText(i);
            QCOMPARE(titles, language == Language::English
                                 ? QStringList({"General", "Update", "PID Values", "Autoload",
                                                "Serial ports"})
                                 : QStringList({"Allgemein", "Update", "PID Werte", "Autoload",
                                                "Serielle Schnittstellen"}));
            // Every page's tab is in sight at the sheet's own size: no scroll arrows.
            sheet.show();
            QVERIFY(QTest::qWaitForWindowExposed(&sheet));
            const QTabBar* bar = sheet.tabs()->tabBar();
            for (int i = 0; i < bar->count(); ++i)
                QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(titles[i]));
            for (const QToolButton* arrow : bar->findChildren<QToolButton*>())
                QVERIFY(!arrow->isVisible());
        }
    }

    void softwareBoxFollowsTheReceiverType() {
        bool transferAsk = true;
        OptionValues values;
        values.boxType = 3;
        values.firmware = 2;
        COptionsSheet newer(values, transferAsk, QString());
        QVERIFY(newer.generalPage()->softwareBox()->isChecked());
        QVERIFY(!newer.generalPage()->softwareBox()->isEnabled());
        QVERIFY(!newer.generalPage()->demoHint());

        values.boxType = 1;
        values.firmware = 1;
        qputenv("KANALO_DEMO", "1"); // as run.sh starts the editor
        COptionsSheet sheet(values, transferAsk, QString());
        qunsetenv("KANALO_DEMO");
        CPropSort* page = sheet.generalPage();
        QVERIFY(page->demoHint());
        QVERIFY(!page->softwareBox()->isChecked());
        QVERIFY(page->softwareBox()->isEnabled());
        page->boxTypeButton(2)->click();
        QVERIFY(page->softwareBox()->isChecked());
        QVERIFY(!page->softwareBox()->isEnabled());
        page->boxTypeButton(1)->click();
        QVERIFY(page->softwareBox()->isChecked());
        QVERIFY(page->softwareBox()->isEnabled());
        page->softwareBox()->click();
        QCOMPARE(sheet.values().firmware, 1);
        QCOMPARE(sheet.values().boxType, 1);
    }

    void okStoresTheGeneralPage() {
        Fixture f({}, BoxType::Pella1Rondel, 1);
        QVERIFY(!f.state().settings.sortNumbers);
        f.options(
            [](COptionsSheet& s) {
                CPropSort* page = s.generalPage();
                QVERIFY(page->keepNumbersBox()->isChecked()); // SortNumbers 0 shows checked
                page->keepNumbersBox()->click();
                page->sortMainListBox()->click();
                page->boxTypeButton(2)->click();
                s.autoloadPage()->fileField()->setText(QStringLiteral("/lists/auto.dat"));
            },
            true);
        QVERIFY(f.state().settings.sortNumbers);
        QVERIFY(f.state().settings.sortMainList);
        QCOMPARE(f.state().receiver.boxType, BoxType::Lundra);
        QCOMPARE(f.state().receiver.firmware, 2);
        QCOMPARE(f.state().settings.autoLoad, QStringLiteral("/lists/auto.dat"));

        // Cancel changes nothing.
        f.options([](COptionsSheet& s) { s.generalPage()->boxTypeButton(1)->click(); }, false);
        QCOMPARE(f.state().receiver.boxType, BoxType::Lundra);
    }

    void transferAskChangesAtOnceAndCancelRestoresIt() {
        Fixture f;
        QVERIFY(f.state().settings.transferAsk);
        f.options(
            [&](COptionsSheet& s) {
                s.generalPage()->transferAskBox()->click();
                QVERIFY(!f.state().settings.transferAsk);
            },
            false);
        QVERIFY(f.state().settings.transferAsk);
        f.options([](COptionsSheet& s) { s.generalPage()->transferAskBox()->click(); }, true);
        QVERIFY(!f.state().settings.transferAsk);
    }

    void pidRadixRedrawsAtOnce() {
        Fixture f;
        // Row 0's PCR PID is 6529: the hex text is 1981.
        const int pcrColumn = 8;
        QCOMPARE(f.cell(0, pcrColumn), QStringLiteral("6529"));
        f.options([](COptionsSheet& s) { s.pidPage()->hexButton()->click(); }, false);
        QCOMPARE(f.cell(0, pcrColumn), QStringLiteral("6529"));
        QCOMPARE(f.state().settings.pidRadix, PidRadix::Decimal);
        f.options([](COptionsSheet& s) { s.pidPage()->hexButton()->click(); }, true);
        QCOMPARE(f.state().settings.pidRadix, PidRadix::Hex);
        QCOMPARE(f.cell(0, pcrColumn), QStringLiteral("1981"));
    }

    void redLinesAndIgnoreNamesTakeEffect() {
        Fixture f;
        QByteArray update = test::sampleListBytes();
        update.replace("\"Kanal Eins\"", "\"KANAL EINS\"");
        f.openUpdateList(update);
        QCOMPARE(f.frame->view()->selectedRows(), (std::vector<int>{1}));
        f.options([](COptionsSheet& s) { s.updatePage()->ignoreNamesBox()->click(); }, true);
        QVERIFY(f.state().settings.ignoreNames);
        QVERIFY(f.frame->view()->selectedRows().empty());

        // The main list marks channels the Update-List lacks once RedLines is on.
        f.frame->editList(EditKind::EditChannel, ListTable::Update,
                          [](ChannelTable& table) { table.tv()[3].setSymbolRate(1000); });
        f.frame->action(Command::MainList)->trigger();
        const auto deleted = [&](int row) {
            return (f.frame->view()->rows().rowData(row).colourFlags & Deleted) != 0;
        };
        QVERIFY(!deleted(3));
        f.options([](COptionsSheet& s) { s.updatePage()->redLinesBox()->click(); }, true);
        QVERIFY(f.state().settings.redLines);
        QVERIFY(deleted(3));
        QVERIFY(!deleted(1));
    }

    void autoloadBrowseAndLengthLimit() {
        Fixture f;
        const QString chosen = f.dir.filePath(QStringLiteral("auto.dat"));
        f.prompts.fileNames = {chosen};
        f.options([](COptionsSheet& s) { s.autoloadPage()->browseButton()->click(); }, true);
        QCOMPARE(f.state().settings.autoLoad, chosen);

        // Typing stops at 250 characters.
        bool transferAsk = true;
        COptionsSheet sheet(OptionValues{}, transferAsk, QString());
        QLineEdit* field = sheet.autoloadPage()->fileField();
        field->setFocus();
        QTest::keyClicks(field, QString(260, QLatin1Char('a')));
        QCOMPARE(field->text().size(), 250);

        // A longer path from Browse is refused on OK, and nothing is cut or stored.
        const QString longPath = QStringLiteral("/") + QString(260, QLatin1Char('p'));
        f.prompts.fileNames = {longPath};
        f.options(
            [&](COptionsSheet& s) {
                s.autoloadPage()->browseButton()->click();
                s.tabs()->setCurrentIndex(0);
                s.accept();
                QVERIFY(s.isVisible());
                QCOMPARE(s.tabs()->currentWidget(), s.autoloadPage());
                QCOMPARE(s.autoloadPage()->fileField()->text(), longPath);
            },
            true);
        QCOMPARE(f.prompts.shown.last(),
                 QStringLiteral("Please enter no more than 250 characters."));
        QCOMPARE(f.state().settings.autoLoad, chosen);
    }

    void serialPortsPage() {
        Fixture f(QStringLiteral("[Ports]\nCOM1=/dev/ttyUSB0\n"));
        QCOMPARE(f.state().settings.comDevices[0], QStringLiteral("/dev/ttyUSB0"));
        f.options(
            [](COptionsSheet& s) {
                CPropPorts* page = s.portsPage();
                QCOMPARE(page->deviceBox(1)->currentText(), QStringLiteral("/dev/ttyUSB0"));
                QVERIFY(page->deviceBox(2)->currentText().isEmpty());
                QCOMPARE(page->deviceBox(2)->lineEdit()->placeholderText(),
                         QStringLiteral("/dev/ttyS1"));
                qputenv("KANALO_COM2", "/dev/ttyUSB7");
                QCOMPARE(CPropPorts::deviceWhenEmpty(2),
                         QStringLiteral("/dev/ttyUSB7 (set by KANALO_COM2)"));
                qunsetenv("KANALO_COM2");
                page->deviceBox(1)->setEditText(QString());
                page->deviceBox(3)->setEditText(QStringLiteral("  /dev/serial/by-id/usb-x  "));
            },
            true);
        QVERIFY(f.state().settings.comDevices[0].isEmpty());
        QCOMPARE(f.state().settings.comDevices[2], QStringLiteral("/dev/serial/by-id/usb-x"));

        f.options([](COptionsSheet& s) { s.portsPage()->deviceBox(4)->setEditText("/x"); }, false);
        QVERIFY(f.state().settings.comDevices[3].isEmpty());
    }
};

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
