#include "core/channels/windows1252.h"
#include "core/format/print_line.h"
#include "editor/base/start_up.h"
#include "editor/commands/print_commands.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace kanalo;

namespace {

QString text(const std::string& bytes) {
    return QString::fromStdString(windows1252ToUtf8(bytes));
}

// Blanks collapsed: the PDF text keeps the columns' order but not every blank.
QString squeezed(const QString& line) {
    return line.simplified();
}

struct Fixture : test::EditorWindow {
    explicit Fixture(const QString& iniText = {}) {
        open(iniText);
        show();
        commands = frame->findChild<PrintCommands*>();
    }
    void loadSample() {
        QVERIFY(frame->loadFile(write(QStringLiteral("sample.dat"), test::sampleListBytes())));
    }
    // Fills the TV list with `count` channels and shows it.
    void fillTv(int count) {
        if (!frame->state().mainTable())
            loadSample();
        ChannelTable table = *frame->state().mainTable();
        for (std::size_t slot = 0; slot < kListCapacity; ++slot) {
            ChannelRecord record;
            record.setName("Channel " + std::to_string(slot + 1));
            record.setFrequency(11000 + static_cast<unsigned>(slot % 1000));
            record.setVideoPid(100);
            record.setFree(static_cast<int>(slot) >= count);
            table.tv()[slot] = record;
        }
        frame->replaceList(ListTable::Main, table, ReplacedList::Unmodified);
        frame->view()->ShowList(ListKind::Tv, true);
    }
    // Prints through the command with the given range into a PDF; returns its pages' lines.
    QList<QStringList> print(QPrinter::PrintRange range) {
        const QString pdf = dir.filePath(QStringLiteral("out%1.pdf").arg(++jobs));
        commands->setDialogRunner([this, range, pdf](QPrinter& printer, bool rowsSelected) {
            offeredSelection = rowsSelected;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageOrientation(QPageLayout::Portrait);
            printer.setPrintRange(range);
            paintRect = printer.pageLayout().paintRect(QPageLayout::Point);
            widthMm = printer.widthMM();
            return true;
        });
        frame->action(Command::Print)->trigger();
        lastPdf = pdf;
        return pages(pdfToText({QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    }
    // The poppler tools come with the build set-up.
    static QString run(const QString& program, const QStringList& arguments) {
        QProcess tool;
        tool.start(program, arguments);
        if (!tool.waitForFinished(30000) || tool.exitCode() != 0)
            return program + QStringLiteral(" failed: ") + tool.errorString();
        return QString::fromUtf8(tool.readAllStandardOutput());
    }
    static QString pdfToText(const QStringList& arguments) {
        return run(QStringLiteral("pdftotext"), arguments);
    }
    static QList<QStringList> pages(const QString& text) {
        QList<QStringList> result;
        for (const QString& page : text.split(QLatin1Char('\f'))) {
            QStringList lines;
            for (const QString& line : page.split(QLatin1Char('\n')))
                if (!line.trimmed().isEmpty())
                    lines << squeezed(line);
            if (!lines.isEmpty())
                result << lines;
        }
        return result;
    }
    // The lines the printer column set gives for these rows of the shown list.
    QStringList expectedLines(const std::vector<int>& rows) {
        EditorState& state = frame->state();
        PrintLineFormatter formatter(state.columnSets.printer, state.settings.pidRadix,
                                     state.german);
        QStringList lines{squeezed(text(formatter.header()))};
        const ConstChannelList list = std::as_const(*state.shownTable()).list(state.shownList);
        for (const int row : rows) {
            const ChannelRecord& record = list[static_cast<std::size_t>(row)];
            lines << squeezed(
                text(formatter.channelLine(row, record, slotKind(record, state.shownList))));
        }
        return lines;
    }
    std::vector<int> occupiedRows() {
        std::vector<int> rows;
        const ConstChannelList list =
            std::as_const(*frame->state().shownTable()).list(frame->state().shownList);
        for (int row = 0; row < static_cast<int>(list.size()); ++row)
            if (!list[static_cast<std::size_t>(row)].isFree())
                rows.push_back(row);
        return rows;
    }

    PrintCommands* commands = nullptr;
    test::ScriptedPrompter prompts;
    int jobs = 0;
    bool offeredSelection = false;
    QRectF paintRect;
    int widthMm = 0;
    QString lastPdf;
};

// Word boxes of the first "Nr." line of a PDF: the left of "Nr.", the right of its last word
// and the height of "Nr.", in points.
struct HeadingBox {
    double left = 0, right = 0, height = 0;
};

HeadingBox headingBox(const QString& pdf) {
    const QString html = Fixture::pdfToText({QStringLiteral("-bbox"), QStringLiteral("-l"),
                                             QStringLiteral("1"), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        R"re(xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re"));
    HeadingBox box;
    double lineTop = -1;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        const double top = m.captured(2).toDouble();
        if (m.captured(5) == QLatin1String("Nr.") && lineTop < 0) {
            lineTop = top;
            box.left = m.captured(1).toDouble();
            box.height = m.captured(4).toDouble() - top;
        }
        if (lineTop >= 0 && std::abs(top - lineTop) < 0.5)
            box.right = std::max(box.right, m.captured(3).toDouble());
    }
    return box;
}

constexpr double kPointsPerMm = 72.0 / 25.4;

} // namespace

class PrintTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void printNeedsAListAndCancelsAPendingMove() {
        Fixture f;
        QVERIFY(!f.frame->action(Command::Print)->isEnabled());
        f.loadSample();
        QVERIFY(f.frame->action(Command::Print)->isEnabled());
        f.frame->view()->armExchange(CRowListView::Exchange::Move, 0);
        bool asked = false;
        f.commands->setDialogRunner([&asked](QPrinter&, bool) {
            asked = true;
            return false; // cancelled: nothing printed, nothing said
        });
        f.frame->action(Command::Print)->trigger();
        QVERIFY(asked);
        QCOMPARE(f.frame->view()->pendingExchange(), CRowListView::Exchange::None);
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void withoutSelectionTheWholeListPrints() {
        Fixture f;
        f.loadSample();
        f.frame->view()->clearSelection();
        const auto pages = f.print(QPrinter::AllPages);
        QVERIFY(!f.offeredSelection);
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0], f.expectedLines(f.occupiedRows()));
    }

    void selectionPrintsSelectedChannelsAndAllPrintsEverything() {
        Fixture f;
        f.loadSample();
        const std::vector<int> occupied = f.occupiedRows();
        const int freeRow = 1990;
        QVERIFY(f.frame->state().mainTable()->tv()[freeRow].isFree());
        f.frame->view()->selectRows({occupied[3], occupied[1], freeRow});

        QCOMPARE(f.print(QPrinter::Selection).value(0),
                 f.expectedLines({occupied[1], occupied[3]}));
        QVERIFY(f.offeredSelection);
        // A page range counts as the selection.
        QCOMPARE(f.print(QPrinter::PageRange).value(0),
                 f.expectedLines({occupied[1], occupied[3]}));
        QCOMPARE(f.print(QPrinter::AllPages).value(0), f.expectedLines(occupied));
    }

    void pagesBreakOnlyBeforeALineAndRepeatTheHeading() {
        Fixture f;
        f.fillTv(300);
        const auto many = f.print(QPrinter::AllPages);
        QVERIFY(many.size() >= 3);
        const QString heading = f.expectedLines({}).front();
        int printed = 0;
        for (const QStringList& page : many) {
            QCOMPARE(page.front(), heading);
            printed += static_cast<int>(page.size()) - 1;
        }
        QCOMPARE(printed, 300);
        QVERIFY(many.last().last().startsWith(QStringLiteral("300 ")));
        const int perPage = static_cast<int>(many[0].size()) - 1;

        f.fillTv(perPage); // exactly one page: no second page with the heading alone
        QCOMPARE(f.print(QPrinter::AllPages).size(), 1);
        f.fillTv(perPage + 1);
        const auto two = f.print(QPrinter::AllPages);
        QCOMPARE(two.size(), 2);
        QCOMPARE(two[1], (QStringList{heading, f.expectedLines({perPage}).last()}));
    }

    void theJobCarriesItsName() {
        Fixture f;
        f.loadSample();
        f.print(QPrinter::AllPages);
        const QString info = Fixture::run(QStringLiteral("pdfinfo"), {f.lastPdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title: +Orvel Channel List\n"))),
                 qPrintable(info));
    }

    void theFontShrinksUntilTheHeadingFitsTheWidth() {
        Fixture f; // all twelve print columns
        f.loadSample();
        f.print(QPrinter::AllPages);
        const HeadingBox wide = headingBox(f.lastPdf);
        const double left = f.paintRect.left();
        const double usable = f.widthMm * kPointsPerMm;
        QVERIFY2(std::abs(wide.left - (left + 10 * kPointsPerMm)) < 1.5,
                 qPrintable(QString::number(wide.left)));
        QVERIFY2(wide.right <= left + usable + 0.5, qPrintable(QString::number(wide.right)));
        // One step larger would not fit: the heading takes nearly the whole width.
        QVERIFY(wide.right - left > 0.95 * usable);

        Fixture narrow(QStringLiteral("[Settings]\nListPrint=3\n")); // number and name
        narrow.loadSample();
        narrow.print(QPrinter::AllPages);
        const HeadingBox small = headingBox(narrow.lastPdf);
        QVERIFY(small.right - narrow.paintRect.left() < 0.5 * usable);
        QVERIFY2(small.height > wide.height,
                 qPrintable(QStringLiteral("%1 %2").arg(small.height).arg(wide.height)));
    }

    void unsortedNumbersPrintAsShown() {
        Fixture f(QStringLiteral("[Settings]\nSortMainList=1\n"));
        f.loadSample();
        Q_EMIT f.frame->view()->headerClicked(1); // Name
        QVERIFY(f.frame->state().numbersUnsorted);
        const auto pages = f.print(QPrinter::AllPages);
        const std::vector<int> rows = f.occupiedRows();
        QCOMPARE(pages.value(0).size(), static_cast<int>(rows.size()) + 1);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const QString shown = f.frame->view()->rows().rowData(rows[i]).texts[0];
            QCOMPARE(pages[0][static_cast<int>(i) + 1].section(QLatin1Char(' '), 0, 0), shown);
        }
        QVERIFY(pages[0][1].section(QLatin1Char(' '), 0, 0) != QStringLiteral("1"));
    }

    void aPrinterThatRefusesTheJobSaysSo() {
        Fixture f;
        f.loadSample();
        f.commands->setDialogRunner([&f](QPrinter& printer, bool) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(f.dir.filePath(QStringLiteral("missing/out.pdf")));
            printer.setPrintRange(QPrinter::AllPages);
            return true;
        });
        f.frame->action(Command::Print)->trigger();
        QCOMPARE(f.prompts.shown, QStringList{"Cannot print."});
    }

    void theSystemDialogOffersSelectionOnlyWithSelectedRows() {
        Fixture f;
        f.loadSample();
        for (const bool selected : {true, false}) {
            if (selected)
                f.frame->view()->selectRows({0, 2});
            else
                f.frame->view()->clearSelection();
            bool seen = false;
            QTimer::singleShot(0, [&] {
                auto* dialog = f.frame->findChild<QPrintDialog*>();
                QVERIFY(dialog);
                seen = true;
                QCOMPARE(dialog->testOption(QAbstractPrintDialog::PrintSelection), selected);
                QCOMPARE(dialog->testOption(QAbstractPrintDialog::PrintPageRange), true);
                QCOMPARE(dialog->printer()->printRange(),
                         selected ? QPrinter::Selection : QPrinter::AllPages);
                dialog->reject();
            });
            f.frame->action(Command::Print)->trigger();
            QVERIFY(seen);
        }
        QVERIFY(f.prompts.shown.isEmpty());
    }
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
