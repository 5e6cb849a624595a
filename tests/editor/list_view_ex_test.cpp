#include "editor/listview/list_view_ex.h"
#include "editor/listview/row_colours.h"
#include "editor/listview/text_shortening.h"

#include <QElapsedTimer>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <functional>

using namespace kanalo;

namespace {

const QChar kBlock(0x2588);
const QString kBlocks(4, kBlock);
const QColor kGrey(128, 128, 128), kBlue(0, 0, 255), kMagenta(255, 0, 255), kRed(255, 0, 0),
    kDarkRed(128, 0, 0);

// Glyphs drawn without antialiasing carry exactly the pen colour, so pixels can be counted.
QFont exactFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// Pixels of one colour in an area: how many, and the rectangle around them.
struct Ink {
    int count = 0;
    QRect bounds;
};

Ink ink(const QImage& image, const QRect& area, const QColor& colour) {
    Ink found;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (image.pixel(x, y) == colour.rgb()) {
                ++found.count;
                found.bounds |= QRect(x, y, 1, 1);
            }
    return found;
}

// A shown view without focus, with left-aligned columns of the given widths.
struct Fixture {
    CListViewEx view;

    explicit Fixture(const QList<int>& widths, int rows = 8, QSize size = {400, 300}) {
        view.setFont(exactFont());
        for (int position = 0; position < widths.size(); ++position)
            view.rows().insertColumnAt(
                position, {QStringLiteral("C%1").arg(position), Qt::AlignLeft, widths[position]});
        view.rows().setRowCount(rows);
        view.resize(size);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.clearFocus(); // a shown window hands its focus to the view
    }

    QImage image() {
        const QImage whole = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        return whole.copy(QRect(view.viewport()->mapTo(&view, QPoint()), view.viewport()->size()));
    }
    QRect cell(int row, int column) const {
        return view.visualRect(view.rows().index(row, column));
    }
    QColor palette(QPalette::ColorRole role) const {
        return view.palette().color(QPalette::Active, role);
    }
    void select(int row) {
        view.selectionModel()->select(view.rows().index(row, 0),
                                      QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
};

} // namespace

class ListViewExTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modelServesTextsAndHeaders();
    void modelRowsStartZeroFilled();
    void modelInsertsAndRemovesColumns();
    void modelReportsChangedRows();

    void shorteningCutsToLongestPrefix_data();
    void shorteningCutsToLongestPrefix();
    void shorteningEdgeCases();

    void rowColourFollowsFlags_data();
    void rowColourFollowsFlags();
    void darkPaletteKeepsTheHuesReadable();
    void storedColoursApply();
    void selectionHighlightsToRightEdge();
    void focusedViewFramesCurrentRow();
    void selectionRepaintCoversRightEdge();
    void partialPaintsMatchTheWholePaint();

    void cellTextPlacement();
    void shortenedTextIsLeftAlignedAndClipped();
    void ampersandIsLiteral();

    void columnsTakeExactWidths();
    void headerClickReportsPositionWithoutSorting();
    void fullListPaintsQuickly();
};

void ListViewExTest::modelServesTextsAndHeaders() {
    RowTableModel model;
    for (int position = 0; position < 13; ++position)
        model.insertColumnAt(position, {QStringLiteral("H%1").arg(position),
                                        position == 6 ? Qt::AlignRight : Qt::AlignLeft, 40});
    model.setRowCount(3);
    for (int position = 0; position < kRowTextCount; ++position)
        model.rowData(1).texts[std::size_t(position)] = QStringLiteral("t%1").arg(position);
    const auto horizontal = [](const QVariant& alignment) {
        return alignment.toInt() & Qt::AlignHorizontal_Mask;
    };

    QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("t0"));
    QCOMPARE(model.data(model.index(1, 11)).toString(), QStringLiteral("t11"));
    QCOMPARE(model.data(model.index(1, 12)).toString(), QString()); // beyond the twelve texts
    QCOMPARE(model.data(model.index(2, 3)).toString(), QString());  // never set
    QCOMPARE(horizontal(model.data(model.index(1, 6), Qt::TextAlignmentRole)), int(Qt::AlignRight));
    QCOMPARE(horizontal(model.data(model.index(1, 5), Qt::TextAlignmentRole)), int(Qt::AlignLeft));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("H4"));
    QCOMPARE(horizontal(model.headerData(6, Qt::Horizontal, Qt::TextAlignmentRole)),
             int(Qt::AlignRight));
    // A flat list: no row has children, or a tree view would offer to expand it.
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QVERIFY(!static_cast<const QAbstractItemModel&>(model).hasChildren(model.index(0, 0)));
}

void ListViewExTest::modelRowsStartZeroFilled() {
    RowTableModel model;
    model.setRowCount(2);
    model.rowData(1) = {17, 0, Deleted | EpgMark, {QStringLiteral("x")}};
    model.setRowCount(3);
    QCOMPARE(model.rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const RowData& data = model.rowData(row);
        QVERIFY(data.slot == 0 && data.reserved == 0 && data.colourFlags == 0);
        QVERIFY(std::all_of(data.texts.begin(), data.texts.end(), std::mem_fn(&QString::isNull)));
    }
    model.setRowCount(-1);
    QCOMPARE(model.rowCount(), 0);
}

void ListViewExTest::modelInsertsAndRemovesColumns() {
    RowTableModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::columnsInserted);
    model.insertColumnAt(0, {QStringLiteral("B"), Qt::AlignLeft, 10});
    model.insertColumnAt(0, {QStringLiteral("A"), Qt::AlignLeft, 20});
    model.insertColumnAt(2, {QStringLiteral("D"), Qt::AlignRight, 30});
    model.insertColumnAt(2, {QStringLiteral("C"), Qt::AlignHCenter, 40});
    model.insertColumnAt(9, {QStringLiteral("bad"), Qt::AlignLeft, 1});
    model.insertColumnAt(-1, {QStringLiteral("bad"), Qt::AlignLeft, 1});
    QCOMPARE(inserted.count(), 4);
    QCOMPARE(inserted.at(3).at(1).toInt(), 2);
    QCOMPARE(model.columnCount(), 4);
    for (int position = 0; position < 4; ++position)
        QCOMPARE(model.headerData(position, Qt::Horizontal).toString(),
                 QString(QChar('A' + position)));
    QCOMPARE(model.column(2).alignment, Qt::Alignment(Qt::AlignHCenter));
    QCOMPARE(model.column(3).width, 30);

    QSignalSpy removed(&model, &QAbstractItemModel::columnsRemoved);
    model.removeColumnAt(1);
    model.removeColumnAt(3); // gone after the first removal
    QCOMPARE(removed.count(), 1);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.column(1).header, QStringLiteral("C"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("D"));
}

void ListViewExTest::modelReportsChangedRows() {
    RowTableModel model;
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setRowCount(5);
    model.allRowsChanged(); // no columns yet: nothing to report
    model.rowChanged(1);
    for (int position = 0; position < 3; ++position)
        model.insertColumnAt(position, {QString(), Qt::AlignLeft, 10});
    model.rowChanged(5);  // no such row
    model.rowChanged(-1); // no such row
    QCOMPARE(changed.count(), 0);

    model.rowChanged(3);
    model.allRowsChanged();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(3, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(3, 2));
    QCOMPARE(changed.at(1).at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.at(1).at(1).toModelIndex(), model.index(4, 2));
}

void ListViewExTest::shorteningCutsToLongestPrefix_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("allowance");
    QTest::addColumn<int>("kept");
    QTest::addColumn<int>("slack"); // pixels less than `kept` characters and the dots need

    QTest::newRow("first column, fits") << QStringLiteral("ProSieben MAXX") << 4 << 5 << 0;
    QTest::newRow("first column, one short") << QStringLiteral("ProSieben MAXX") << 4 << 4 << 1;
    QTest::newRow("cell, fits") << QStringLiteral("12345678") << 12 << 3 << 0;
    QTest::newRow("cell, one short") << QStringLiteral("12345678") << 12 << 2 << 1;
    QTest::newRow("all but one") << QStringLiteral("WWWW") << 12 << 3 << 0;
}

// The width is built so that exactly the prefix and the dots fit (or miss by `slack` pixels, which
// must cost one more character): this pins both the stopping rule and the dots' width.
void ListViewExTest::shorteningCutsToLongestPrefix() {
    QFETCH(QString, text);
    QFETCH(int, allowance);
    QFETCH(int, kept);
    QFETCH(int, slack);
    const QFontMetrics metrics(exactFont());
    const int width = metrics.horizontalAdvance(text.left(slack == 0 ? kept : kept + 1)) +
                      metrics.horizontalAdvance(QStringLiteral("...")) + allowance - slack;
    QCOMPARE(shortenText(metrics, text, width, allowance), text.left(kept) + QStringLiteral("..."));
}

void ListViewExTest::shorteningEdgeCases() {
    const QFontMetrics metrics(exactFont());
    const QString text = QStringLiteral("Das Erste HD");
    const int exact = metrics.horizontalAdvance(text) + 12;
    QCOMPARE(shortenText(metrics, text, exact, 12), text); // exactly as wide: shown whole
    QCOMPARE(shortenText(metrics, text, exact - 1, 12).right(3), QStringLiteral("..."));
    QCOMPARE(shortenText(metrics, QString(), 0, 12), QString());
    // At least one character stays, even when nothing fits.
    QCOMPARE(shortenText(metrics, QStringLiteral("Kanal"), -20, 4), QStringLiteral("K..."));
    // A character outside the basic plane is two code units; the one kept is whole.
    const QString tv = QStringLiteral("\U0001F4FA");
    QCOMPARE(shortenText(metrics, tv + tv + tv, 3, 12), tv + QStringLiteral("..."));
}

void ListViewExTest::rowColourFollowsFlags_data() {
    QTest::addColumn<int>("flags");
    QTest::addColumn<QColor>("expected"); // invalid: the palette's text colour

    QTest::newRow("none") << 0 << QColor();
    QTest::newRow("not in user list") << int(NotInUserList) << kGrey;
    QTest::newRow("deleted") << int(Deleted) << kRed;
    QTest::newRow("deleted, not in user list") << int(Deleted | NotInUserList) << kDarkRed;
    QTest::newRow("epg") << int(EpgMark) << kBlue;
    QTest::newRow("epg, not in user list") << int(EpgMark | NotInUserList) << kBlue;
    QTest::newRow("epg, deleted") << int(EpgMark | Deleted) << kMagenta;
    QTest::newRow("all") << int(EpgMark | Deleted | NotInUserList) << kMagenta;
}

void ListViewExTest::rowColourFollowsFlags() {
    QFETCH(int, flags);
    QFETCH(QColor, expected);
    Fixture fixture({60, 80});
    const QColor normal = fixture.palette(QPalette::Text);
    if (!expected.isValid())
        expected = normal;
    // Neighbouring rows carry the other flags; only row 2's colour may show in row 2.
    for (int row = 0; row < 4; ++row)
        fixture.view.rows().rowData(row) = {
            0, 0, std::uint8_t(row == 2 ? flags : flags ^ 7), {kBlocks, kBlocks}};

    const QImage image = fixture.image();
    QVERIFY(ink(image, fixture.cell(2, 0), expected).count > 20);
    QVERIFY(ink(image, fixture.cell(2, 1), expected).count > 20);
    for (const QColor& other : {kGrey, kBlue, kMagenta, kRed, kDarkRed, normal})
        if (other != expected)
            QCOMPARE(ink(image, fixture.view.rowRect(2), other).count, 0);
}

// On a dark base the fixed colours become lighter shades of their hues that read at 4.5:1;
// a light base keeps them exactly (rowColourFollowsFlags).
void ListViewExTest::darkPaletteKeepsTheHuesReadable() {
    QPalette light(Qt::black, Qt::white);
    QPalette dark = light;
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x9a, 0x9a, 0x9a));
    for (int flags = 0; flags < 8; ++flags) {
        const QColor shown = rowTextColour(std::uint8_t(flags), dark, kGrey);
        QVERIFY2(contrastRatio(shown, dark.color(QPalette::Base)) >= 4.5, qPrintable(shown.name()));
        if (flags & (EpgMark | Deleted))
            QCOMPARE(shown.hslHue(), rowTextColour(std::uint8_t(flags), light, kGrey).hslHue());
    }
    QCOMPARE(rowTextColour(NotInUserList, dark, kGrey), QColor(0x9a, 0x9a, 0x9a));
    QCOMPARE(rowTextColour(EpgMark, light, kGrey), kBlue);
}

void ListViewExTest::storedColoursApply() {
    Fixture fixture({60, 80}, 3);
    CListViewEx& view = fixture.view;
    QCOMPARE(view.textColour(), kGrey);
    QCOMPARE(view.textBackgroundColour(), fixture.palette(QPalette::Base));
    QCOMPARE(view.backgroundColour(), fixture.palette(QPalette::Base));

    const QColor text(0, 128, 0), textBackground(255, 255, 0), background(0, 255, 255);
    view.setTextColour(text);
    view.setTextBackgroundColour(textBackground);
    view.setBackgroundColour(background);
    view.rows().rowData(0) = {0, 0, NotInUserList, {kBlocks}};
    view.rows().rowData(1) = {0, 0, 0, {kBlocks}};

    const QImage image = fixture.image();
    QVERIFY(ink(image, view.rowRect(0), text).count > 20);
    QCOMPARE(ink(image, view.rowRect(1), text).count, 0); // unflagged rows keep their colour
    QCOMPARE(image.pixelColor(image.width() - 1, view.rowRect(1).center().y()), textBackground);
    QCOMPARE(image.pixelColor(10, view.rowRect(2).bottom() + 10), background);
}

// Any part of the viewport painted alone gives the pixels of the whole paint there, scrolled both
// ways; with every column narrowed to nothing the selected rows still show.
void ListViewExTest::partialPaintsMatchTheWholePaint() {
    Fixture fixture({50, 60, 70}, 200, {180, 200});
    CListViewEx& view = fixture.view;
    for (int row = 0; row < 200; ++row)
        view.rows().rowData(row) = {0,
                                    0,
                                    std::uint8_t(row % 3 ? 0 : Deleted),
                                    {QString::number(row), kBlocks, QString::number(row * 7)}};
    for (int row = 60; row < 200; row += 5)
        fixture.select(row);
    view.setKeepSelectionVisible(true);
    view.verticalScrollBar()->setValue(57);
    view.horizontalScrollBar()->setValue(23);
    const QImage whole = fixture.image();
    const int rowHeight = fixture.cell(60, 0).height();
    const QRect band(0, 2 * rowHeight - 3, whole.width(), rowHeight / 2);
    for (const QRegion& region :
         {QRegion(band), QRegion(band) + band.translated(0, 4 * rowHeight + 1),
          QRegion(QRect(10, 5, 20, 3 * rowHeight)) + QRect(120, 5, 30, rowHeight),
          QRegion(QRect(0, rowHeight, whole.width(), 1)), QRegion(whole.rect())}) {
        QImage part(whole.size(), QImage::Format_RGB32);
        part.fill(kMagenta);
        view.viewport()->render(&part, region.boundingRect().topLeft(), region);
        for (int y = 0; y < whole.height(); ++y)
            for (int x = 0; x < whole.width(); ++x)
                QCOMPARE(part.pixel(x, y),
                         region.contains(QPoint(x, y)) ? whole.pixel(x, y) : kMagenta.rgb());
    }
    for (int column = 0; column < 3; ++column)
        view.setColumnWidth(column, 0);
    const QImage narrowed = fixture.image();
    const QRect selected = fixture.cell(60, 0); // no wider than its column: empty
    QCOMPARE(narrowed.pixelColor(narrowed.width() - 1, selected.center().y()),
             fixture.palette(QPalette::Highlight));
}

void ListViewExTest::selectionHighlightsToRightEdge() {
    Fixture fixture({50, 60}, 6);
    CListViewEx& view = fixture.view;
    for (int row = 0; row < 6; ++row)
        view.rows().rowData(row) = {0, 0, Deleted | EpgMark, {kBlocks, kBlocks}};
    fixture.select(2);
    fixture.select(4);
    const QColor highlight = fixture.palette(QPalette::Highlight);
    const int right = view.viewport()->width() - 1;
    QVERIFY(right > 200); // the columns end well before the right edge

    // Without focus the selection shows only when the view keeps it visible.
    QVERIFY(!view.hasFocus());
    QCOMPARE(ink(fixture.image(), view.rowRect(2), highlight).count, 0);

    view.setKeepSelectionVisible(true);
    const QImage image = fixture.image();
    for (int row : {2, 4}) {
        const QRect rect = view.rowRect(row);
        QCOMPARE(rect.right(), right);
        QCOMPARE(image.pixelColor(right, rect.center().y()), highlight);
        QVERIFY(ink(image, rect, fixture.palette(QPalette::HighlightedText)).count > 40);
        QCOMPARE(ink(image, rect, kMagenta).count, 0);
    }
    QCOMPARE(image.pixelColor(right, view.rowRect(3).center().y()), view.textBackgroundColour());
    QVERIFY(ink(image, view.rowRect(3), kMagenta).count > 40);
}

void ListViewExTest::focusedViewFramesCurrentRow() {
    Fixture fixture({50, 60}, 4);
    CListViewEx& view = fixture.view;
    fixture.select(1);
    view.selectionModel()->setCurrentIndex(view.rows().index(2, 0), QItemSelectionModel::NoUpdate);
    const QImage unfocused = fixture.image();

    view.activateWindow();
    view.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTRY_VERIFY(view.hasFocus());
    const QImage focused = fixture.image();

    // With the focus the selection shows; the frame changes the current row and no other.
    const QRect selected = view.rowRect(1);
    QVERIFY(ink(focused, selected, fixture.palette(QPalette::Highlight)).count > selected.width());
    QVERIFY(focused.copy(view.rowRect(2)) != unfocused.copy(view.rowRect(2)));
    QCOMPARE(focused.copy(view.rowRect(3)), unfocused.copy(view.rowRect(3)));
}

namespace {
class RegionProbe : public CListViewEx {
public:
    using CListViewEx::visualRegionForSelection;
};
} // namespace

// Selection changes repaint only this region; it must reach past the last column.
void ListViewExTest::selectionRepaintCoversRightEdge() {
    RegionProbe view;
    view.rows().insertColumnAt(0, {QStringLiteral("No."), Qt::AlignLeft, 40});
    view.rows().setRowCount(10);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QRegion region = view.visualRegionForSelection(
        QItemSelection(view.rows().index(3, 0), view.rows().index(5, 0)));
    const int right = view.viewport()->width() - 1;
    for (int row : {3, 4, 5})
        QVERIFY(region.contains(QPoint(right, view.rowRect(row).center().y())));
    QVERIFY(!region.contains(QPoint(right, view.rowRect(6).center().y())));
}

void ListViewExTest::cellTextPlacement() {
    Fixture fixture({60, 80}, 2);
    CListViewEx& view = fixture.view;
    view.rows().insertColumnAt(2, {QStringLiteral("SR"), Qt::AlignRight, 80});
    view.rows().rowData(0).texts = {kBlock, kBlock, kBlock};

    const QImage image = fixture.image();
    const QColor text = fixture.palette(QPalette::Text);
    const QRect first = fixture.cell(0, 0), second = fixture.cell(0, 1), third = fixture.cell(0, 2);
    const Ink firstInk = ink(image, first, text);
    // Glyph bearings may move the ink by a pixel.
    QVERIFY(qAbs(firstInk.bounds.left() - (first.left() + 2)) <= 1);
    QVERIFY(qAbs(ink(image, second, text).bounds.left() - (second.left() + 6)) <= 1);
    QVERIFY(qAbs(ink(image, third, text).bounds.right() - (third.right() - 6)) <= 1);
    // Vertically centred.
    QVERIFY(qAbs((firstInk.bounds.top() - first.top()) -
                 (first.bottom() - firstInk.bounds.bottom())) <= 3);
}

void ListViewExTest::shortenedTextIsLeftAlignedAndClipped() {
    // The right-aligned column keeps one block and the dots with most of a block to spare, so
    // right alignment would visibly move the text.
    const QFontMetrics metrics(exactFont());
    const int block = metrics.horizontalAdvance(kBlock);
    const int width = 2 * block + metrics.horizontalAdvance(QStringLiteral("...")) + 12 - 1;
    Fixture fixture({40, width, 14, 60}, 2);
    CListViewEx& view = fixture.view;
    view.rows().removeColumnAt(1);
    view.rows().insertColumnAt(1, {QStringLiteral("SR"), Qt::AlignRight, width});
    view.rows().rowData(0).texts[1] = QString(20, kBlock); // too long for a right-aligned column
    view.rows().rowData(0).texts[2] = QString(20, kBlock); // narrower than a block and the dots

    const QImage image = fixture.image();
    const QColor text = fixture.palette(QPalette::Text);
    const QRect sr = fixture.cell(0, 1);
    const QRect shortened = ink(image, sr, text).bounds;
    QVERIFY(block > 4);
    QVERIFY(qAbs(shortened.left() - (sr.left() + 6)) <= 1);
    QVERIFY(shortened.right() < sr.right() - 6 - block / 2);
    // The narrow cell's text stops at its own edge.
    QVERIFY(ink(image, fixture.cell(0, 2), text).count > 0);
    QCOMPARE(ink(image, fixture.cell(0, 3), text).count, 0);
}

void ListViewExTest::ampersandIsLiteral() {
    Fixture fixture({60, 80}, 2);
    fixture.view.rows().rowData(0).texts[1] = QStringLiteral("&");
    fixture.view.rows().rowData(1).texts[1] = QStringLiteral("&&");
    const QImage image = fixture.image();
    const int single = ink(image, fixture.cell(0, 1), fixture.palette(QPalette::Text)).count;
    QVERIFY(single > 5);
    QCOMPARE(ink(image, fixture.cell(1, 1), fixture.palette(QPalette::Text)).count, 2 * single);
}

void ListViewExTest::columnsTakeExactWidths() {
    CListViewEx view;
    view.rows().insertColumnAt(0, {QStringLiteral("No."), Qt::AlignLeft, 39});
    view.rows().insertColumnAt(1, {QStringLiteral("Name"), Qt::AlignLeft, 160});
    view.rows().insertColumnAt(1, {QStringLiteral("Sat"), Qt::AlignHCenter, 12});
    QCOMPARE(view.columnWidth(0), 39);
    QCOMPARE(view.columnWidth(1), 12); // narrow columns are not widened by the header
    QCOMPARE(view.columnWidth(2), 160);
    view.setColumnWidth(2, 120);
    view.rows().removeColumnAt(1);
    QCOMPARE(view.columnWidth(1), 120);
    QCOMPARE(view.header()->count(), 2);
}

void ListViewExTest::headerClickReportsPositionWithoutSorting() {
    Fixture fixture({40, 60, 60}, 3);
    CListViewEx& view = fixture.view;
    const QStringList names{"Zeta", "Alpha", "Mu"};
    for (int row = 0; row < 3; ++row)
        view.rows().rowData(row) = {std::int16_t(row), 0, 0, {QString(), names[row]}};
    QSignalSpy clicked(&view, &CListViewEx::headerClicked);
    QHeaderView* head = view.header();
    for (int position : {1, 2, 0})
        QTest::mouseClick(head->viewport(), Qt::LeftButton, {},
                          {head->sectionViewportPosition(position) + 20, head->height() / 2});

    QCOMPARE(clicked.count(), 3);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);
    QCOMPARE(clicked.at(1).at(0).toInt(), 2);
    QCOMPARE(clicked.at(2).at(0).toInt(), 0);
    QVERIFY(!head->isSortIndicatorShown());
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(view.rows().rowData(row).slot, std::int16_t(row));
        QCOMPARE(view.rows().data(view.rows().index(row, 1)).toString(), names[row]);
    }
}

void ListViewExTest::fullListPaintsQuickly() {
    Fixture fixture({39, 160, 36, 143, 82, 36, 59, 52, 52, 52, 52, 59}, 1999, {1000, 700});
    CListViewEx& view = fixture.view;
    for (int row = 0; row < 1999; ++row) {
        RowData& data = view.rows().rowData(row);
        data.colourFlags = std::uint8_t(row % 8);
        for (int position = 0; position < kRowTextCount; ++position)
            data.texts[std::size_t(position)] =
                QStringLiteral("Text %1 of %2").arg(position).arg(row);
    }
    view.rows().allRowsChanged();
    view.setKeepSelectionVisible(true);
    view.selectAll();
    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < 20; ++step) {
        view.scrollTo(view.rows().index(step * 100, 0), QAbstractItemView::PositionAtTop);
        (void)fixture.image();
    }
    // Generous: a page takes milliseconds; formatting while painting or scanning all 1999 rows
    // per row would show as seconds.
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(ListViewExTest)
#include "list_view_ex_test.moc"
