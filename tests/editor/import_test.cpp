#include "core/listops/vdr_channels.h"
#include "editor/base/start_up.h"
#include "editor/commands/import_commands.h"
#include "editor/commands/reference_order_commands.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"
#include "tests/support/dvb_builder.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kanalo;
using Answer = Prompter::Answer;
using Mode = ImportCommands::Mode;
using test::dvbChannel;
using test::dvbGroup;

namespace {

// A TV channel before the groups, then groups One, Two and Three with two, one and one channels.
std::string groupedFile() {
    return dvbChannel("Lead") + dvbGroup("One") + dvbChannel("One A") + dvbChannel("One R", 2) +
           dvbGroup("Two") + dvbChannel("Two A") + dvbGroup("Three") + dvbChannel("Three A");
}

struct Fixture : test::EditorWindow {
    explicit Fixture(const QString& iniText = {}) {
        open(iniText);
        show();
        commands = frame->findChild<ImportCommands*>();
    }
    QString writeDvb(const std::string& bytes) {
        return write(QStringLiteral("list.dvb"), QByteArray::fromStdString(bytes));
    }
    // The next import dialogs answer with these files and modes.
    void choose(QString path, Mode mode = Mode::All) {
        chosen = {std::move(path), mode};
        commands->setFileChooser([this](QWidget*, const QString& folder) {
            ++dialogs;
            dialogFolder = folder;
            return chosen;
        });
    }
    void importDvb() { frame->action(Command::ImportDvb)->trigger(); }
    EditorState& state() { return frame->state(); }
    // The item of a File menu submenu, found by their texts as the user finds them.
    QAction* fileMenuItem(const QString& submenu, const QString& item) {
        for (QAction* top : frame->menuBar()->actions())
            for (QAction* entry : top->menu()->actions())
                if (entry->text() == submenu && entry->menu())
                    for (QAction* action : entry->menu()->actions())
                        if (action->text() == item)
                            return action;
        return nullptr;
    }
    std::vector<std::string> names(ListKind kind) {
        std::vector<std::string> out;
        for (const auto& record : (*state().mainTable()).list(kind))
            if (!record.isFree())
                out.emplace_back(record.name());
        return out;
    }
    QString cell(int row, int position) {
        return frame->view()->rows().rowData(row).texts[position];
    }

    ImportCommands* commands = nullptr;
    test::ScriptedPrompter prompts;
    ImportCommands::FileChoice chosen;
    int dialogs = 0;
    QString dialogFolder;
};

using Names = std::vector<std::string>;

} // namespace

class ImportTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void importReplacesTheListAndLeavesItModifiedWithoutAName() {
        Fixture f(QStringLiteral("[Directories]\nVBS=/lists\n"));
        QVERIFY(f.frame->action(Command::ImportDvb)->isEnabled());
        QVERIFY(f.frame->loadFile(f.write("main.dat", test::sampleListBytes())));
        f.frame->view()->selectRows({1, 2});
        f.choose(f.writeDvb(groupedFile()));
        f.importDvb();
        QCOMPARE(f.dialogFolder, QStringLiteral("/lists"));
        QCOMPARE(f.names(ListKind::Tv), (Names{"Lead", "One A", "Two A", "Three A"}));
        QCOMPARE(f.names(ListKind::Radio), Names{"One R"});
        QCOMPARE(f.cell(0, 1), QStringLiteral("Lead"));
        QCOMPARE(f.cell(0, 0), QStringLiteral("1"));
        QVERIFY(f.frame->view()->selectedRows().empty());
        QVERIFY(f.state().modified);
        QVERIFY(f.state().currentPath.isEmpty());
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("Kanalo*")); // modified, no file
        QCOMPARE(f.state().settings.vbsFolder, QStringLiteral("/lists"));
        QVERIFY(f.prompts.shown.isEmpty());

        // Save has no name to save to, so it asks for one.
        f.prompts.fileNames = {f.dir.filePath("imported.dat")};
        f.frame->action(Command::Save)->trigger();
        QVERIFY(f.prompts.fileNames.isEmpty());
        QVERIFY(QFile::exists(f.dir.filePath("imported.dat")));
        QVERIFY(!f.state().modified);
    }

    void aModifiedListIsOfferedForSavingFirst() {
        Fixture f;
        const QString main = f.write("main.dat", test::sampleListBytes());
        QVERIFY(f.frame->loadFile(main));
        f.frame->setModified(true);
        f.choose(f.writeDvb(groupedFile()));

        f.prompts.answers = {Answer::Cancel};
        f.importDvb();
        QCOMPARE(f.prompts.shown,
                 QStringList{QStringLiteral("Would you like to save changes in %1 ?").arg(main)});
        QCOMPARE(f.dialogs, 0);
        QVERIFY(f.state().modified);

        // No, then no file chosen: the list stays, no longer marked modified.
        f.prompts.answers = {Answer::No};
        f.choose(QString());
        f.importDvb();
        QCOMPARE(f.dialogs, 1);
        QVERIFY(!f.state().modified);
        QCOMPARE(f.state().currentPath, main);
        QCOMPARE(f.names(ListKind::Tv).front(), std::string("Nordlicht TV"));

        // Yes saves to the current file before the import.
        f.frame->setModified(true);
        f.prompts.answers = {Answer::Yes};
        f.choose(f.writeDvb(groupedFile()));
        f.importDvb();
        QVERIFY(QFile::exists(f.dir.filePath("main.bak")));
        QCOMPARE(f.names(ListKind::Tv).front(), std::string("Lead"));
    }

    void selectedModeAsksGroupByGroup() {
        Fixture f;
        f.choose(f.writeDvb(groupedFile()), Mode::Selected);
        f.prompts.answers = {Answer::Yes, Answer::No, Answer::Yes};
        f.importDvb();
        QCOMPARE(f.prompts.shown, (QStringList{"One", "Two", "Three"}));
        QCOMPARE(f.names(ListKind::Tv), (Names{"Lead", "One A", "Three A"}));

        f.prompts.shown.clear();
        f.prompts.answers = {Answer::Yes, Answer::Yes, Answer::Cancel};
        f.importDvb(); // the list is modified now: the save question comes first
        QCOMPARE(f.prompts.shown.size(), 1);
        f.prompts.answers = {Answer::No, Answer::Yes, Answer::Yes, Answer::Cancel};
        f.importDvb();
        QCOMPARE(f.names(ListKind::Tv), (Names{"Lead", "One A", "Two A"}));
        QCOMPARE(f.names(ListKind::Radio), Names{"One R"});
        QVERIFY(f.state().modified);
    }

    void filesThatCannotBeImportedLeaveTheListAlone() {
        Fixture f;
        const QString main = f.write("main.dat", test::sampleListBytes());
        QVERIFY(f.frame->loadFile(main));
        const Names before = f.names(ListKind::Tv);
        struct Case {
            QString path;
            QString message;
        };
        const QString wrong = f.write("wrong.dvb", QByteArray("DVS0") + QByteArray(60, '\0'));
        for (const Case& c : {Case{f.dir.filePath("missing.dvb"), "Cannot open file."},
                              Case{wrong, "Wrong file version."}}) {
            f.frame->setModified(true);
            f.prompts.shown.clear();
            f.prompts.answers = {Answer::No};
            f.choose(c.path);
            f.importDvb();
            QCOMPARE(f.prompts.shown.value(1), c.message);
            QCOMPARE(f.names(ListKind::Tv), before);
            QVERIFY(!f.state().modified);
            QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("main.dat - Kanalo"));
        }

        // Only the magic: both lists end up empty.
        f.choose(f.write("empty.dvb", "DVSO"));
        f.importDvb();
        QVERIFY(f.names(ListKind::Tv).empty());
        QVERIFY(f.names(ListKind::Radio).empty());
        QVERIFY(f.state().modified);
    }

    void importFromTheUpdateListShowsTheMainList() {
        Fixture f(QStringLiteral("[Settings]\nSortMainList=1\n"));
        QVERIFY(f.frame->loadFile(f.write("main.dat", test::sampleListBytes())));
        f.prompts.fileNames = {f.write("update.dat", test::sampleListBytes())};
        f.frame->action(Command::OpenUpdate)->trigger();
        QVERIFY(f.state().showingUpdate);
        f.frame->action(Command::ViewRadio)->trigger();
        Q_EMIT f.frame->view()->headerClicked(1);
        QVERIFY(f.state().numbersUnsorted);
        f.choose(f.writeDvb(groupedFile()));

        f.prompts.answers = {Answer::Cancel}; // the renumber question
        f.importDvb();
        QCOMPARE(f.dialogs, 0);
        QVERIFY(f.state().showingUpdate);

        f.prompts.answers = {Answer::Yes};
        f.importDvb();
        QVERIFY(!f.state().showingUpdate);
        QCOMPARE(f.state().shownList, ListKind::Radio);
        QCOMPARE(f.cell(0, 1), QStringLiteral("One R"));
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("Kanalo*")); // modified, no file
        QVERIFY((*f.state().updateTable()).tv().occupiedCount() > 0);
    }

    void theFileDialogCarriesTheModeChoice() {
        Fixture f;
        const QString path = f.writeDvb(groupedFile());
        f.state().settings.vbsFolder = f.dir.path();
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            seen = true;
            QCOMPARE(dialog->directory().absolutePath(), f.dir.path());
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("dvb"));
            QRadioButton* all = nullptr;
            QRadioButton* selected = nullptr;
            for (auto* button : dialog->findChildren<QRadioButton*>()) {
                if (button->text() == QStringLiteral("&All"))
                    all = button;
                if (button->text() == QStringLiteral("&Selected"))
                    selected = button;
            }
            QVERIFY(all && selected);
            QVERIFY(all->isChecked());
            selected->click();
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");
        });
        f.prompts.answers = {Answer::No, Answer::No, Answer::No};
        f.importDvb();
        QVERIFY(seen);
        QCOMPARE(f.prompts.shown, (QStringList{"One", "Two", "Three"}));
        QCOMPARE(f.names(ListKind::Tv), Names{"Lead"});
    }

    void vdrImportReplacesTheListAndAnUpdateFromTheSameFileDiffersInNothing() {
        Fixture f;
        const QString main = f.write("main.dat", test::sampleListBytes());
        QVERIFY(f.frame->loadFile(main));
        f.frame->setModified(true);
        const QString conf = QStringLiteral(KANALO_SAMPLE_CONF);
        f.prompts.answers = {Answer::No};
        f.prompts.fileNames = {main, conf};
        f.frame->action(Command::ImportVdr)->trigger(); // a list file is no channels.conf
        QCOMPARE(f.prompts.shown.value(1), QStringLiteral("Wrong file version."));
        QCOMPARE(f.names(ListKind::Tv).front(), std::string("Nordlicht TV"));
        QCOMPARE(f.state().currentPath, main);

        // A channels.conf from which no channel can be imported replaces nothing either, and
        // says why.
        const auto refusal = [](int dvbS2, int cable) {
            return QStringLiteral("Wrong file version.\n\n0 TV and 0 Radio channels imported; 1 "
                                  "skipped (DVB-S2: %1, not satellite: %2, unreadable: 0, lists "
                                  "full: 0).")
                .arg(dvbS2)
                .arg(cable);
        };
        const QString s2 = f.write("s2.conf", "HD:11494:HS1:S19.2E:22000:5101:5102:0:0:1:0:0:0\n");
        f.prompts.fileNames = {s2, f.write("c.conf", "K:346000:M256:C:6900:101:102:0:0:1:0:0:0\n"),
                               s2, conf};
        f.frame->action(Command::ImportVdr)->trigger();
        f.frame->action(Command::ImportVdr)->trigger();
        f.frame->action(Command::OpenUpdate)->trigger();
        QCOMPARE(f.prompts.errors.mid(1),
                 (QStringList{refusal(1, 0), refusal(0, 1), refusal(1, 0)}));
        QCOMPARE(f.names(ListKind::Tv).front(), std::string("Nordlicht TV"));
        QVERIFY(!f.state().showingUpdate && !f.state().modified);

        f.prompts.shown.clear();
        f.frame->action(Command::ImportVdr)->trigger();
        const QString summary = QStringLiteral("20 TV and 8 Radio channels imported; 3 skipped "
                                               "(DVB-S2: 3, not satellite: 0, unreadable: 0, "
                                               "lists full: 0).");
        QCOMPARE(f.prompts.shown, QStringList{summary});
        QCOMPARE(f.frame->statusBar()->currentMessage(), summary);
        QCOMPARE(f.names(ListKind::Tv).size(), 20u);
        QCOMPARE(f.names(ListKind::Radio).back(), std::string("Surround Radio"));
        QCOMPARE(f.cell(5, 1), QStringLiteral("Kinderkanal Plus"));
        QCOMPARE(f.cell(10, 1), QStringLiteral("Motor:Sport"));
        QVERIFY(f.state().modified);
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("Kanalo*")); // modified, no file

        f.prompts.fileNames = {conf};
        f.frame->action(Command::OpenUpdate)->trigger();
        QVERIFY(f.state().showingUpdate);
        QCOMPARE((*f.state().updateTable()).tv().occupiedCount(), 20u);
        QVERIFY(f.frame->view()->selectedRows().empty());
        QCOMPARE(f.frame->statusBar()->currentMessage(), summary);
    }

    // A name list puts the channels it names first, the rest after them; one undo step takes it
    // back, and a file that is no reference changes nothing.
    void applyOrderFollowsAReferenceAsOneUndoStep() {
        Fixture f;
        QVERIFY(f.loadSample());
        const std::vector<std::string> tv = f.names(ListKind::Tv), radio = f.names(ListKind::Radio);
        const QString reference = f.write(
            QStringLiteral("names.txt"),
            QByteArray::fromStdString("# favourites\n" + tv[2] + "\n\nNo Such Channel\n" + tv[0]));
        auto* commands = f.frame->findChild<ReferenceOrderCommands*>();
        commands->setChoiceAsker([](QWidget*) { return ApplyOrderChoice{OrderedLists::Tv}; });
        f.prompts.fileNames << reference;
        f.frame->action(Command::ApplyOrder)->trigger();

        std::vector<std::string> expected{tv[2], tv[0], tv[1]};
        expected.insert(expected.end(), tv.begin() + 3, tv.end());
        QCOMPARE(f.names(ListKind::Tv), expected);
        QCOMPARE(f.names(ListKind::Radio), radio);
        QCOMPARE(f.prompts.shown.last(),
                 QStringLiteral("TV: 2 of %1 channels ordered by the reference, %2 not found "
                                "placed after them.")
                     .arg(tv.size())
                     .arg(tv.size() - 2));
        QVERIFY(f.state().modified);
        QCOMPARE(f.cell(0, 1), QString::fromStdString(tv[2]));
        QCOMPARE(f.frame->action(Command::Undo)->text(),
                 QStringLiteral("Und&o Apply Order\tCtrl+Z"));
        f.frame->action(Command::Undo)->trigger();
        QCOMPARE(f.names(ListKind::Tv), tv);
        QVERIFY(!f.state().modified);

        f.prompts.fileNames << f.write(QStringLiteral("binary.txt"), QByteArray("\0\1\2", 3));
        f.frame->action(Command::ApplyOrder)->trigger();
        QCOMPARE(f.prompts.errors.last(), QStringLiteral("Wrong file version."));
        QCOMPARE(f.names(ListKind::Tv), tv);
    }

    void exportsThroughTheFileMenu() {
        Fixture f;
        QAction* vdr = f.fileMenuItem("&Export", "&VDR Channel List...");
        QAction* csv = f.fileMenuItem("&Export", "&CSV File...");
        QVERIFY(vdr && csv);
        QVERIFY(!vdr->isEnabled() && !csv->isEnabled());
        QVERIFY(f.frame->loadFile(f.write("main.dat", test::sampleListBytes())));
        QVERIFY(vdr->isEnabled() && csv->isEnabled());

        f.prompts.fileNames = {f.dir.filePath("out"), f.dir.filePath("out.csv")};
        vdr->trigger();
        csv->trigger();
        // The two channels on a user satellite have no position to write.
        QCOMPARE(f.prompts.shown, QStringList{"2 channels on a satellite without a position "
                                              "(User 1 to User 15) were left out."});
        QFile conf(f.dir.filePath("out.conf"));
        QVERIFY(conf.open(QIODevice::ReadOnly));
        auto back = std::make_unique<ChannelTable>();
        const VdrImportCounts counts = importVdrText(conf.readAll().toStdString(), *back);
        QCOMPARE(counts.tv + counts.radio, 66u - 2u); // every channel of the sample but two
        QCOMPARE(std::string(back->tv()[0].name()), f.names(ListKind::Tv).front());
        QFile table(f.dir.filePath("out.csv"));
        QVERIFY(table.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = table.readAll().split('\n');
        QCOMPARE(rows.size(), 66 + 2); // the header, a row per channel, the empty end
        QVERIFY(rows[1].startsWith("TV,1,Nordlicht TV,1,Astra 19.2° O,"));
        QVERIFY(!f.state().modified);
    }
};

QTEST_MAIN(ImportTest)
#include "import_test.moc"
