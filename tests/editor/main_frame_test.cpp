#include "editor/base/start_up.h"
#include "editor/dialogs/about_dialog.h"
#include "editor/dialogs/config_list_dialog.h"
#include "editor/dialogs/help_window.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <functional>

using namespace kanalo;

namespace {

const QString kSample = test::sampleListPath();

struct Fixture : test::EditorWindow {
    explicit Fixture(const QString& iniText = {}, const QString& commandLine = {}) {
        open(iniText, {BoxType::Pella1Plus, 2}, commandLine);
    }
    QString cell(int row, int position) const {
        return frame->view()->rows().rowData(row).texts[position];
    }
    // Runs Configure List with the check boxes as change leaves them, then OK.
    void configure(const std::function<void(CConfigListDlg&)>& change, bool printer = false) {
        QTimer::singleShot(0, [&] {
            auto* dialog = frame->findChild<CConfigListDlg*>();
            change(*dialog);
            dialog->accept();
        });
        frame->action(printer ? Command::ConfigurePrinter : Command::ConfigureScreen)->trigger();
    }
    // The widths of the columns on screen, left to right.
    QList<int> widths() const {
        QList<int> shown;
        for (int position = 0; position < frame->view()->rows().columnCount(); ++position)
            shown << frame->view()->columnWidth(position);
        return shown;
    }
};

QStringList menuTitles(QMenuBar* bar) {
    QStringList titles;
    for (QAction* menu : bar->actions())
        titles << menu->text();
    return titles;
}

// Menu entries of one menu (and, recursively, of its submenus) that share a mnemonic letter.
QStringList mnemonicClashes(const QMenu& menu) {
    QStringList clashes;
    QHash<QChar, QString> taken;
    for (QAction* item : menu.actions()) {
        const QString shown = item->text().section(QLatin1Char('\t'), 0, 0);
        const qsizetype amp = shown.indexOf(QLatin1Char('&'));
        if (amp >= 0 && amp + 1 < shown.size()) {
            const QChar letter = shown.at(amp + 1).toLower();
            if (taken.contains(letter))
                clashes << taken[letter] + QStringLiteral(" / ") + shown;
            taken.insert(letter, shown);
        }
        if (item->menu())
            clashes << mnemonicClashes(*item->menu());
    }
    return clashes;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void englishMenusAndKeys() {
        Fixture f;
        QCOMPARE(menuTitles(f.frame->menuBar()),
                 (QStringList{"&File", "&Edit", "&Serial", "&View", "Se&ttings", "&Help"}));
        QAction* print = f.frame->action(Command::Print);
        QCOMPARE(print->text(), QStringLiteral("&Print...\tCtrl+P"));
        QVERIFY2(print->shortcut().isEmpty(), "Ctrl+P is shown but not bound");
        QCOMPARE(f.frame->action(Command::Open)->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(f.frame->action(Command::Save)->statusTip(),
                 QStringLiteral("Save a channel list file"));
        QCOMPARE(f.frame->action(Command::Save)->toolTip(), QStringLiteral("Save"));
        QCOMPARE(f.frame->action(Command::LoadFromBox)->text(),
                 QStringLiteral("&Load Settings from Box\tCtrl+F9"));
        // The project version reaches the About box.
        const AboutDialog about;
        QStringList labels;
        for (const QLabel* label : about.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains(QStringLiteral("Version 0.5")));
    }

    void germanMenusAndPrompts() {
        installLanguage(Language::German);
        Fixture f;
        QCOMPARE(menuTitles(f.frame->menuBar()),
                 (QStringList{"&Datei", "&Bearbeiten", "&Verbindung", "&Ansicht", "&Einstellungen",
                              "&?"}));
        QCOMPARE(f.frame->action(Command::Open)->text(), QStringLiteral("&Öffnen...\tStrg+O"));
        QCOMPARE(f.frame->action(Command::Cut)->statusTip(),
                 QStringLiteral("Überträgt die Auswahl in die Zwischenablage"));
        // Every command has a German text; only these read the same in both languages.
        const QSet<QString> same{
            "COM &1", "COM &2",     "COM &3", "COM &4", "Box Software &Update...",
            "E&PG",   "&Horizontal"};
        for (const CommandSpec& spec : commandSpecs()) {
            const QString shown = f.frame->action(spec.command)->text();
            if (!same.contains(shown))
                QVERIFY2(shown != QString::fromUtf8(spec.text), spec.text);
        }
        test::ScriptedPrompter prompts;
        f.frame->loadFile(QStringLiteral("/nonexistent/list.dat"));
        QCOMPARE(prompts.shown, QStringList{QStringLiteral("Datei kann nicht geöffnet werden.")});
        // The column dialog's "&Default" reads the same in German.
        QStringList buttons;
        f.configure([&](CConfigListDlg& dialog) {
            for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                buttons << button->text();
        });
        QVERIFY2(buttons.contains(QStringLiteral("&Default")), qPrintable(buttons.join(' ')));
    }

    // Alt+letter reaches every entry: no two entries of a menu share a letter, in either
    // language, and the Edit menu holds the row context menu for the keyboard.
    void mnemonicsAreUniqueInEachMenu() {
        for (const Language language : {Language::English, Language::German}) {
            installLanguage(language);
            Fixture f;
            QStringList clashes;
            for (QAction* top : f.frame->menuBar()->actions())
                clashes << mnemonicClashes(*top->menu());
            clashes << mnemonicClashes(*f.frame->mainContextMenu());
            QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
            const QList<QAction*> edit = f.frame->menuBar()->actions().at(1)->menu()->actions();
            const auto rows =
                std::find_if(edit.begin(), edit.end(), [](QAction* item) { return item->menu(); });
            QVERIFY(rows != edit.end());
            QVERIFY((*rows)->menu()->actions().contains(f.frame->action(Command::MoveChannels)));
        }
        // Opening the copy prepares its entries for the current row, as the context menu does.
        Fixture f;
        QVERIFY(f.frame->loadFile(kSample));
        f.frame->view()->setCurrentRow(0);
        QMenu* edit = f.frame->menuBar()->actions().at(1)->menu();
        for (QAction* item : edit->actions())
            if (item->menu())
                Q_EMIT item->menu()->aboutToShow();
        QVERIFY(f.frame->action(Command::SwapChannels)->isEnabled());
    }

    void statusBarShowsTwoPanes() {
        Fixture f;
        QLabel* first = f.frame->firstStatusPane();
        QLabel* second = f.frame->secondStatusPane();
        QVERIFY(second->frameShape() != QFrame::NoFrame);
        QCOMPARE(second->frameStyle(), first->frameStyle());
        QCOMPARE(second->width(), 198);
        f.frame->statusBar()->showMessage(QStringLiteral("Reading file ..."));
        QCOMPARE(first->text(), QStringLiteral("Reading file ..."));
    }

    void commandsNeedALoadedList() {
        Fixture f;
        QVERIFY(!f.frame->action(Command::SaveAs)->isEnabled());
        QVERIFY(!f.frame->action(Command::OpenUpdate)->isEnabled());
        QVERIFY(!f.frame->action(Command::Save)->isEnabled());
        QVERIFY(f.frame->action(Command::Open)->isEnabled());
        QVERIFY(f.frame->action(Command::About)->isEnabled());
        QVERIFY(f.frame->action(Command::ConfigureScreen)->isEnabled());
        QVERIFY(!f.frame->action(Command::Cut)->isEnabled());
        QVERIFY(f.frame->loadFile(kSample));
        QVERIFY(f.frame->action(Command::SaveAs)->isEnabled());
        QVERIFY(!f.frame->action(Command::UpdateList)->isEnabled());
        QVERIFY(!f.frame->action(Command::SortSelection)->isEnabled());
        QVERIFY(f.frame->action(Command::ViewTv)->isChecked());
        QCOMPARE(f.frame->windowTitle(), QStringLiteral("sample.dat[*] - Kanalo"));
    }

    void loadFailureKeepsTheList() {
        test::ScriptedPrompter prompts;
        Fixture f;
        QVERIFY(!f.frame->loadFile(f.dir.filePath("missing.dat")));
        QCOMPARE(prompts.shown, QStringList{"Cannot open file."});
        QVERIFY(!f.frame->state().listLoaded());
        QVERIFY(f.frame->loadFile(kSample));
        QVERIFY(!f.frame->loadFile(f.dir.path()));
        QCOMPARE(f.cell(0, 1), QStringLiteral("Nordlicht TV"));
        QCOMPARE(f.frame->windowTitle(), QStringLiteral("sample.dat[*] - Kanalo"));
    }

    void rowsShowSlotsWithTheirColours() {
        Fixture f;
        QVERIFY(f.frame->loadFile(kSample));
        CRowListView* view = f.frame->view();
        QCOMPARE(view->rows().rowCount(), 1999);
        QCOMPARE(view->rows().column(4).alignment & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QCOMPARE(view->rows().column(6).alignment & Qt::AlignHorizontal_Mask, Qt::AlignRight);
        QCOMPARE(f.cell(0, 0), QStringLiteral("1"));
        QCOMPARE(f.cell(50, 1), QStringLiteral("[Gold] Kanal"));
        QCOMPARE(f.cell(1998, 0), QStringLiteral("1999"));
        QCOMPARE(f.cell(1998, 1), QString());
        QCOMPARE(view->rows().rowData(8).colourFlags, std::uint8_t(NotInUserList));
        QCOMPARE(view->rows().rowData(0).colourFlags, std::uint8_t(EpgMark));

        f.frame->action(Command::ViewRadio)->trigger();
        QCOMPARE(f.frame->state().shownList, ListKind::Radio);
        QCOMPARE(f.cell(0, 1), QStringLiteral("Radio Nordwelle"));
        QCOMPARE(f.cell(0, 9), QString());
        QVERIFY(!f.cell(0, 10).isEmpty());
    }

    void pidRadixAndColumnSetFromSettings() {
        Fixture f(QStringLiteral("[Settings]\nPID=HEX\nListView=%1\n").arg(1 | 2 | 1 << 8));
        QVERIFY(f.frame->loadFile(kSample));
        QCOMPARE(f.frame->view()->rows().columnCount(), 3);
        QCOMPARE(f.frame->view()->rows().column(2).header, QStringLiteral("PCR"));
        QCOMPARE(f.cell(50, 2), QStringLiteral("01FF"));
    }

    void headerClicksSortOnlyWhatMaySort() {
        Fixture f(QStringLiteral("[Settings]\nSortMainList=1\n"));
        QVERIFY(f.frame->loadFile(kSample));
        QSignalSpy sorts(f.frame->view(), &CRowListView::sortRequested);
        Q_EMIT f.frame->view()->headerClicked(6); // SR: never sortable
        QCOMPARE(sorts.count(), 0);
        Q_EMIT f.frame->view()->headerClicked(1);
        QCOMPARE(sorts.count(), 1);
        QCOMPARE(sorts.at(0).at(0).value<ColumnKind>(), ColumnKind::Name);

        Fixture locked;
        QVERIFY(locked.frame->loadFile(kSample));
        QSignalSpy none(locked.frame->view(), &CRowListView::sortRequested);
        Q_EMIT locked.frame->view()->headerClicked(1);
        QCOMPARE(none.count(), 0);
    }

    void configureColumnsKeepsWidthsAndWritesTheMask() {
        Fixture f;
        QVERIFY(f.frame->loadFile(kSample));
        CRowListView* view = f.frame->view();
        view->setColumnWidth(1, 222);
        const auto toggleName = [&](bool on, bool defaultsThenCancel = false) {
            QTimer::singleShot(0, [&, on, defaultsThenCancel] {
                auto* dialog = f.frame->findChild<CConfigListDlg*>();
                if (defaultsThenCancel) {
                    dialog->setDefaults();
                    dialog->reject();
                    return;
                }
                dialog->checkBox(ColumnKind::Name)->setChecked(on);
                dialog->accept();
            });
            f.frame->action(Command::ConfigureScreen)->trigger();
        };
        toggleName(false);
        QCOMPARE(view->rows().columnCount(), 11);
        QCOMPARE(view->rows().column(1).header, QStringLiteral("Sat"));
        QCOMPARE(f.store->value("Settings/ListView").toInt(), 0xFFF & ~2);
        toggleName(true, true);
        QCOMPARE(view->rows().columnCount(), 11);
        toggleName(true);
        QCOMPARE(view->rows().columnCount(), 12);
        QCOMPARE(view->columnWidth(1), 222);
        QCOMPARE(f.cell(0, 1), QStringLiteral("Nordlicht TV"));
    }

    void columnsSwitchedOffAndOnKeepTheirWidths() {
        Fixture f(QStringLiteral("[Columns]\nWidth10=0\n")); // a width of 0 left by an old run
        QVERIFY(f.frame->loadFile(kSample));
        CRowListView* view = f.frame->view();
        view->setColumnWidth(1, 222);
        const QList<int> all = f.widths();
        // The default, or wider where the font needs it for "8191".
        QVERIFY(all[10] >= ColumnWidths().width(view->sizeClass(), ColumnKind::AudioPid));
        const auto showSatNameAndFrequency = [&](bool on) {
            f.configure([on](CConfigListDlg& dialog) {
                dialog.checkBox(ColumnKind::SatName)->setChecked(on);
                dialog.checkBox(ColumnKind::Frequency)->setChecked(on);
            });
        };
        showSatNameAndFrequency(false);
        QList<int> rest = all;
        rest.remove(3, 2);
        QCOMPARE(f.widths(), rest);
        showSatNameAndFrequency(true);
        QCOMPARE(f.widths(), all);

        // Printer columns change no width; a column dragged to nothing is not stored so.
        f.configure([](CConfigListDlg& dialog) { dialog.setDefaults(); }, true);
        QCOMPARE(f.widths(), all);
        view->setColumnWidth(11, 0);
        QVERIFY(f.frame->close());
        const int shift = view->sizeClass() == SizeClass::Small ? 16 : 0;
        for (int k = 0; k < kColumnCount; ++k)
            QCOMPARE((f.store->value(QStringLiteral("Columns/Width%1").arg(k)).toInt() >> shift) &
                         0xFFFF,
                     all[k]);
    }

    void printerColumnsLeaveTheList() {
        Fixture f;
        f.configure(
            [](CConfigListDlg& dialog) { dialog.checkBox(ColumnKind::Fec)->setChecked(false); },
            true);
        QCOMPARE(f.frame->view()->rows().columnCount(), 12);
        QVERIFY(!f.frame->state().columnSets.printer.shows(ColumnKind::Fec));
        QCOMPARE(f.store->value("Settings/ListPrint").toInt(), 0xFFF & ~(1 << 7));
    }

    void closeWritesSettingsAndWidths() {
        {
            // A window stored larger than the screen (another scale, a larger screen) fits it.
            Fixture large(QStringLiteral("[Settings]\nWindow=1 -50 2950 20 2020\n"));
            const QRect screen = large.frame->screen()->availableGeometry();
            QCOMPARE(large.frame->geometry(), screen);
        }
        Fixture f(QStringLiteral("[Settings]\nComPort=7\nWindow=1 10 610 20 420\n"));
        QCOMPARE(f.frame->geometry(), QRect(QPoint(10, 20), QPoint(609, 419)));
        f.frame->action(Command::Com3)->trigger();
        f.frame->view()->setColumnWidth(0, 77);
        QVERIFY(f.frame->close());
        f.store->sync();
        QCOMPARE(f.store->value("Settings/ComPort").toInt(), 3);
        QCOMPARE(f.store->value("Settings/BoxType").toInt(), 3);
        QCOMPARE(f.store->value("Settings/Firmware").toInt(), 2);
        const int packed = f.store->value("Columns/Width0").toInt();
        const int expected =
            f.frame->view()->sizeClass() == SizeClass::Large ? (30 << 16) | 77 : (77 << 16) | 39;
        QCOMPARE(packed, expected);
        QVERIFY(f.store->value("Settings/Window").toString().endsWith("10 610 20 420"));
        QVERIFY(!f.store->contains("Settings/LowMin"));
    }

    void closeAsksToSaveAModifiedList() {
        test::ScriptedPrompter prompts;
        Fixture f;
        QVERIFY(f.frame->loadFile(kSample));
        f.frame->setModified(true);
        prompts.answers = {Prompter::Answer::Cancel};
        QVERIFY(!f.frame->close());
        QCOMPARE(prompts.shown.last(),
                 QStringLiteral("Would you like to save changes in %1 ?").arg(kSample));

        const QString copy = f.dir.filePath("copy.dat");
        f.frame->state().currentPath.clear();
        prompts.answers = {Prompter::Answer::Yes};
        prompts.fileNames = {copy};
        QVERIFY(f.frame->close());
        QVERIFY(QFile::exists(copy));
    }

    void commandLineFileWinsOverAutoLoad() {
        Fixture f(QStringLiteral("[Directories]\nAutoLoad=/nonexistent.dat\n"), kSample);
        f.frame->show();
        QCOMPARE(f.frame->state().currentPath, kSample);

        test::ScriptedPrompter prompts;
        Fixture missing(QStringLiteral("[Directories]\nAutoLoad=/nonexistent.dat\n"));
        missing.frame->show();
        QVERIFY(!missing.frame->state().listLoaded());
        QVERIFY2(prompts.shown.isEmpty(), "a missing autoload file is skipped silently");

        Fixture autoload(QStringLiteral("[Directories]\nAutoLoad=%1\n").arg(kSample));
        autoload.frame->show();
        QVERIFY(autoload.frame->state().listLoaded());
        // The list's scroll bar is there before the first frame is drawn.
        QVERIFY(autoload.frame->view()->verticalScrollBar()->isVisible());

        // The window starts reading its list while it is built: a list another program
        // rewrites before the window shows is shown as it is now.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("start.dat"));
        const auto writeList = [&](const QByteArray& bytes) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes);
        };
        const QByteArray sample = test::sampleListBytes();
        writeList(sample);
        Fixture rewritten(QStringLiteral("[Directories]\nAutoLoad=%1\n").arg(path));
        QTest::qWait(50);                                   // the first reading is done by now
        writeList(sample.left(sample.indexOf("\r\n") + 2)); // one channel left
        rewritten.frame->show();
        const ChannelTable* shown = rewritten.frame->state().mainTable();
        QVERIFY(shown);
        QCOMPARE(shown->list(ListKind::Tv).occupiedCount() +
                     shown->list(ListKind::Radio).occupiedCount(),
                 std::size_t(1));
    }

    void helpFollowsTheLanguage() {
        {
            Fixture f;
            f.frame->action(Command::HelpContents)->trigger();
            QCOMPARE(f.frame->helpWindow()->fileName(), QStringLiteral("KANALO_E.HLP"));
            HelpWindow& help = *f.frame->helpWindow();
            QVERIFY(help.browser()->toPlainText().contains("Load Settings from Box"));
            // Ctrl+F searches, round the end again; Escape closes.
            QVERIFY(QTest::qWaitForWindowActive(&help));
            QTest::keyClick(&help, Qt::Key_F, Qt::ControlModifier);
            QTest::keyClicks(help.searchField(), QStringLiteral("load settings"));
            QTest::keyClick(help.searchField(), Qt::Key_Return);
            const int first = help.browser()->textCursor().position();
            QCOMPARE(help.browser()->textCursor().selectedText().toLower(),
                     QStringLiteral("load settings"));
            for (int i = 0; i < 40 && help.findNext(HelpWindow::Direction::Forward); ++i)
                if (help.browser()->textCursor().position() == first)
                    break;
            QCOMPARE(help.browser()->textCursor().position(), first);
            QTest::keyClick(&help, Qt::Key_Escape);
            QVERIFY(!help.isVisible());
        }
        installLanguage(Language::German);
        Fixture german;
        german.frame->action(Command::HelpContents)->trigger();
        QCOMPARE(german.frame->helpWindow()->fileName(), QStringLiteral("KANALO.HLP"));
    }
};

QTEST_MAIN(MainFrameTest)
#include "main_frame_test.moc"
