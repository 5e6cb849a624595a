#include "editor/base/start_up.h"
#include "editor/commands/document_commands.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <functional>

using namespace kanalo;
using Answer = Prompter::Answer;

namespace {

struct Fixture : test::EditorWindow {
    explicit Fixture(const QString& iniText = {}) {
        open(iniText);
        show();
    }
    EditorState& state() { return frame->state(); }
    CRowListView* view() { return frame->view(); }
    QString cell(int row, int position) { return view()->rows().rowData(row).texts[position]; }
    void trigger(Command command) { frame->action(command)->trigger(); }

    test::ScriptedPrompter prompts;
};

} // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void titlesFollowTheShownTable() {
        Fixture f;
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("Kanalo"));
        QVERIFY(f.frame->loadFile(f.write("sat.chl", test::sampleListBytes())));
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("sat - Kanalo"));
        QVERIFY(f.frame->loadFile(f.write("sat.dat", test::sampleListBytes())));
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("sat.dat - Kanalo"));

        f.prompts.fileNames = {f.write("newer.dat", test::sampleListBytes())};
        f.trigger(Command::OpenUpdate);
        QVERIFY(f.state().showingUpdate);
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("newer.dat - Kanalo"));
        QVERIFY(f.frame->action(Command::UpdateList)->isChecked());
        f.trigger(Command::MainList);
        QCOMPARE(f.frame->windowHandle()->title(), QStringLiteral("sat.dat - Kanalo"));
        QVERIFY(f.frame->action(Command::MainList)->isChecked());
    }

    void openAsksToSaveAndRemembersTheFolder() {
        Fixture f;
        QVERIFY(f.frame->loadFile(f.write("one.dat", test::sampleListBytes())));
        f.frame->setModified(true);
        // No, then cancel the file dialog: the old list stays, no longer modified.
        f.prompts.answers = {Answer::No};
        f.trigger(Command::Open);
        QVERIFY(!f.state().modified);
        QCOMPARE(f.state().fileTitle, QStringLiteral("one.dat"));
        QVERIFY(f.frame->close());
        QCOMPARE(f.prompts.shown.size(), 1);

        Fixture g;
        QDir().mkpath(g.dir.filePath("lists"));
        const QString path = g.write("lists/two.dat", test::sampleListBytes());
        g.prompts.fileNames = {path};
        g.trigger(Command::Open);
        QCOMPARE(g.state().currentPath, path);
        QCOMPARE(g.state().settings.vbsFolder, g.dir.filePath("lists"));
        QCOMPARE(g.state().settings.recentFiles.value(0), path);
    }

    void saveWithoutAPathRunsSaveAs() {
        Fixture f;
        QVERIFY(f.frame->loadFile(f.write("list.dat", test::sampleListBytes())));
        f.state().currentPath.clear();
        f.frame->setModified(true);
        f.prompts.fileNames = {f.dir.filePath("chosen")};
        f.trigger(Command::Save);
        QVERIFY(QFile::exists(f.dir.filePath("chosen.dat")));
        QCOMPARE(f.state().fileTitle, QStringLiteral("chosen.dat"));
        QVERIFY(!f.state().modified);
        QCOMPARE(f.frame->statusBar()->currentMessage(),
                 QStringLiteral("%1 saved.").arg(f.dir.filePath("chosen.dat")));
    }

    void saveWhileTheUpdateListIsShownWritesTheMainList() {
        Fixture f;
        const QString main = f.write("main.dat", test::sampleListBytes());
        QVERIFY(f.frame->loadFile(main));
        f.prompts.fileNames = {f.write("update.dat", test::sampleListBytes().left(200))};
        f.trigger(Command::OpenUpdate);
        f.frame->setModified(true);
        f.trigger(Command::Save);
        QFile saved(main);
        saved.open(QIODevice::ReadOnly);
        QCOMPARE(saved.readAll().count('\n'), 66);
        QVERIFY(QFile::exists(f.dir.filePath("main.bak")));
    }

    // A lost update: what another program wrote since the list was read is never overwritten
    // unasked; a touch alone, Save As to another name and the saved file itself do not ask.
    void saveAsksBeforeOverwritingAnOutsideChange() {
        Fixture f;
        const QString path = f.write("list.dat", test::sampleListBytes());
        QVERIFY(f.frame->loadFile(path));
        const QByteArray outside = test::sampleListBytes() + test::sampleListBytes().left(80);
        f.write("list.dat", outside);
        f.frame->setModified(true);
        f.prompts.answers = {Answer::No};
        f.trigger(Command::Save);
        QCOMPARE(f.prompts.shown, QStringList{"The file has been changed by another program "
                                              "since it was opened. Overwrite it?"});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), outside);
        QVERIFY(f.state().modified && !QFile::exists(f.dir.filePath("list.bak")));

        f.prompts.fileNames = {f.dir.filePath("other.dat")};
        f.trigger(Command::SaveAs);
        QCOMPARE(f.prompts.shown.size(), 1);
        f.write("other.dat", test::sampleListBytes()); // the same bytes, written anew
        f.frame->setModified(true);
        f.trigger(Command::Save);
        f.frame->setModified(true);
        f.trigger(Command::Save);
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY(!f.state().modified);
    }

    // A list file dropped on the window opens as Open does; a channels.conf as Open Update.
    void droppedFilesOpen() {
        Fixture f;
        const auto drop = [&](const QString& path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(f.frame.get(), &enter);
            QDropEvent event(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(f.frame.get(), &event);
        };
        const QString list = f.write("dropped.dat", test::sampleListBytes());
        drop(list);
        QCOMPARE(f.state().currentPath, list);
        QCOMPARE(f.state().settings.recentFiles.value(0), list);
        drop(
            f.write("scan.conf", "Nord;P:12422:HC34M2S0:S19.2E:27500:1201:1202:0:0:28001:0:0:0\n"));
        QVERIFY(f.state().showingUpdate);
        QCOMPARE(f.state().updateTable()->tv().occupiedCount(), 1u);
    }

    void failedRecentOpenDropsTheEntry() {
        Fixture f(QStringLiteral("[Recent File List]\nFile1=/nonexistent/a.dat\n"));
        QCOMPARE(f.state().settings.recentFiles.size(), 1);
        f.state().settings.recentFiles = {f.dir.filePath("gone.dat")};
        f.frame->documents().openRecent(f.dir.filePath("gone.dat"));
        QCOMPARE(f.prompts.shown, QStringList{"Cannot open file."});
        QVERIFY(f.state().settings.recentFiles.isEmpty());
    }

    void headerSortLeavesNumbersUnsortedUntilAsked() {
        Fixture f(QStringLiteral("[Settings]\nSortMainList=1\n"));
        QVERIFY(f.frame->loadFile(f.write("list.dat", test::sampleListBytes())));
        const QString firstName = f.cell(0, 1);
        f.view()->selectRows({0});
        Q_EMIT f.view()->headerClicked(1); // Name
        QVERIFY(f.state().numbersUnsorted);
        // The selected channel is selected at its new row.
        QCOMPARE(f.cell(f.view()->selectedRows().at(0), 1), firstName);
        QVERIFY(f.state().modified);
        QCOMPARE(f.cell(0, 1), QStringLiteral("Alpen Info"));
        QCOMPARE(f.cell(0, 0), QStringLiteral("3"));

        // Cancel keeps the TV list with its order; No sorts back; then the switch happens.
        f.prompts.answers = {Answer::Cancel};
        f.trigger(Command::ViewRadio);
        QCOMPARE(f.state().shownList, ListKind::Tv);
        QVERIFY(f.frame->action(Command::ViewTv)->isChecked());
        QVERIFY(f.state().numbersUnsorted);
        f.prompts.answers = {Answer::No};
        f.trigger(Command::ViewRadio);
        QCOMPARE(f.state().shownList, ListKind::Radio);
        QVERIFY(!f.state().numbersUnsorted);
        QCOMPARE(f.state().mainTable()->tv()[0].name(), firstName.toStdString());

        // Yes keeps the sorted order with new numbers.
        f.trigger(Command::ViewTv);
        Q_EMIT f.view()->headerClicked(1);
        f.prompts.answers = {Answer::Yes};
        f.trigger(Command::ViewRadio);
        QCOMPARE(f.state().mainTable()->tv()[0].name(), std::string("Alpen Info"));
    }

    void sortingByNumberRestoresTheOrder() {
        Fixture f(QStringLiteral("[Settings]\nSortMainList=1\n"));
        QVERIFY(f.frame->loadFile(f.write("list.dat", test::sampleListBytes())));
        Q_EMIT f.view()->headerClicked(4); // Frequency
        QVERIFY(f.state().numbersUnsorted);
        Q_EMIT f.view()->headerClicked(0);
        QVERIFY(!f.state().numbersUnsorted);
        QCOMPARE(f.cell(0, 1), QStringLiteral("Nordlicht TV"));
        QCOMPARE(f.cell(0, 0), QStringLiteral("1"));
    }

    // With sorting off, a header click changes nothing and the status bar says why; a list
    // without duplicates says so instead of showing an empty window.
    void refusalsSayWhy() {
        Fixture f;
        QVERIFY(f.frame->loadFile(f.write("list.dat", test::sampleListBytes())));
        const QString firstName = f.cell(0, 1);
        Q_EMIT f.view()->headerClicked(1);
        QCOMPARE(f.cell(0, 1), firstName);
        QVERIFY(f.frame->statusBar()->currentMessage().contains("Main-list can be sorted"));
        f.trigger(Command::ViewRadio);
        f.trigger(Command::FindDuplicates);
        QCOMPARE(f.prompts.shown.value(0), QStringLiteral("No duplicate channels found."));
    }

    void sortNumbersOptionRenumbers() {
        Fixture f(QStringLiteral("[Settings]\nSortMainList=1\nSortNumbers=1\n"));
        QVERIFY(f.frame->loadFile(f.write("list.dat", test::sampleListBytes())));
        Q_EMIT f.view()->headerClicked(1);
        QVERIFY(!f.state().numbersUnsorted);
        QCOMPARE(f.cell(0, 0), QStringLiteral("1"));
        QCOMPARE(f.cell(0, 1), QStringLiteral("Alpen Info"));
    }

    void unsortedNumbersGuardOpenUpdateAndSave() {
        Fixture f(QStringLiteral("[Settings]\nSortMainList=1\n"));
        const QString path = f.write("list.dat", test::sampleListBytes());
        QVERIFY(f.frame->loadFile(path));
        Q_EMIT f.view()->headerClicked(1);
        f.prompts.answers = {Answer::Cancel};
        f.prompts.fileNames = {path};
        f.trigger(Command::OpenUpdate);
        QVERIFY(!f.state().hasUpdateList());
        QCOMPARE(f.prompts.fileNames.size(), 1);

        f.prompts.answers = {Answer::No};
        f.trigger(Command::Save);
        QVERIFY(f.prompts.shown.last().startsWith("Numbers are not sorted."));
        QVERIFY(!QFile::exists(f.dir.filePath("list.bak")));
        QVERIFY(f.state().modified);
    }

    void updateListMarksDifferencesBothWays() {
        Fixture f(QStringLiteral("[Settings]\nRedLines=1\n"));
        QByteArray update = test::sampleListBytes();
        update.replace("\"Kanal Eins\"", "\"KANAL EINS\""); // differs by name only
        QList<QByteArray> lines = update.split('\n');
        lines[2].replace(" 22000 ", " 22001 "); // another symbol rate: a different channel
        update = lines.join('\n');
        QVERIFY(f.frame->loadFile(f.write("main.dat", test::sampleListBytes())));
        f.prompts.fileNames = {f.write("update.dat", update)};
        f.trigger(Command::OpenUpdate);
        QCOMPARE(f.view()->selectedRows(), (std::vector<int>{1, 2}));

        f.trigger(Command::MainList);
        const auto flags = [&](int row) { return f.view()->rows().rowData(row).colourFlags; };
        QVERIFY(!(flags(1) & Deleted));
        QVERIFY(flags(2) & Deleted);
        QVERIFY(!(flags(0) & Deleted));
        QVERIFY(!(flags(1998) & Deleted));

        f.state().settings.ignoreNames = true;
        f.trigger(Command::UpdateList);
        QCOMPARE(f.view()->selectedRows(), (std::vector<int>{2}));
    }

    void commandsThatReplaceOrSwitchTheListEndAPendingMove() {
        Fixture f;
        const QString path = f.write("list.dat", test::sampleListBytes());
        QVERIFY(f.frame->loadFile(path));
        f.prompts.fileNames = {f.write("update.dat", test::sampleListBytes())};
        f.trigger(Command::OpenUpdate);
        f.trigger(Command::MainList);
        const auto armedThen = [&](const std::function<void()>& command) {
            f.view()->armExchange(CRowListView::Exchange::Move, 1);
            command();
            return f.view()->pendingExchange();
        };
        const auto none = CRowListView::Exchange::None;
        QCOMPARE(armedThen([&] { f.trigger(Command::Open); }), none); // file dialog cancelled
        QCOMPARE(armedThen([&] { f.trigger(Command::OpenUpdate); }), none);
        QCOMPARE(armedThen([&] { f.trigger(Command::ViewRadio); }), none);
        QCOMPARE(armedThen([&] { f.trigger(Command::ViewTv); }), none);
        QCOMPARE(armedThen([&] { f.trigger(Command::MainList); }), none);
        QCOMPARE(armedThen([&] { f.trigger(Command::UpdateList); }), none);
        QCOMPARE(armedThen([&] { f.trigger(Command::MainList); }), none);
        QCOMPARE(armedThen([&] { f.trigger(Command::SaveAs); }), none); // dialog cancelled
        f.frame->setModified(true);
        QCOMPARE(armedThen([&] { f.trigger(Command::Save); }), none);

        // A click after opening a recent file selects, and moves nothing.
        QCOMPARE(armedThen([&] { f.frame->documents().openRecent(path); }), none);
        const std::string second(f.state().mainTable()->tv()[1].name());
        QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {},
                          f.view()->visualRect(f.view()->rows().index(4, 0)).center());
        QCOMPARE(f.state().mainTable()->tv()[1].name(), second);
        QVERIFY(!f.state().modified);
    }

    void listCheckMarksShowTheListOnScreen() {
        Fixture f;
        QVERIFY(f.frame->loadFile(f.write("list.dat", test::sampleListBytes())));
        f.prompts.fileNames = {f.write("update.dat", test::sampleListBytes())};
        f.trigger(Command::OpenUpdate);
        const auto marksFollow = [&] {
            return f.frame->action(Command::MainList)->isChecked() == !f.state().showingUpdate &&
                   f.frame->action(Command::UpdateList)->isChecked() == f.state().showingUpdate &&
                   f.frame->action(Command::ViewTv)->isChecked() ==
                       (f.state().shownList == ListKind::Tv) &&
                   f.frame->action(Command::ViewRadio)->isChecked() ==
                       (f.state().shownList == ListKind::Radio);
        };
        for (const Command command :
             {Command::MainList, Command::MainList, Command::UpdateList, Command::UpdateList,
              Command::ViewTv, Command::ViewRadio, Command::ViewRadio}) {
            f.trigger(command);
            QVERIFY2(marksFollow(), f.frame->action(command)->text().toUtf8());
        }
        // The Update-List sorted by name: a cancelled renumber question keeps it on screen.
        Q_EMIT f.view()->headerClicked(1);
        QVERIFY(f.state().numbersUnsorted);
        f.prompts.answers = {Answer::Cancel, Answer::Cancel};
        f.trigger(Command::MainList);
        f.trigger(Command::ViewTv);
        QVERIFY(f.state().showingUpdate);
        QVERIFY(marksFollow());
    }

    void switchingHalvesKeepsEachScrollPosition() {
        Fixture f;
        QVERIFY(f.frame->loadFile(f.write("list.dat", test::sampleListBytes())));
        f.view()->scrollTo(f.view()->rows().index(400, 0), QAbstractItemView::PositionAtTop);
        const int top = f.view()->indexAt(QPoint(1, 1)).row();
        QVERIFY(top > 300);
        f.trigger(Command::ViewRadio);
        QCOMPARE(f.view()->indexAt(QPoint(1, 1)).row(), 0);
        f.trigger(Command::ViewTv);
        QCOMPARE(f.view()->indexAt(QPoint(1, 1)).row(), top);
    }
};

QTEST_MAIN(DocumentCommandsTest)
#include "document_commands_test.moc"
