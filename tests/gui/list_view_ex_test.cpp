#include "view/list_view_ex.h"
#include "view/text_shortening.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHeaderView>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

using namespace kanalo;

namespace {

const QString kBlocks = QStringLiteral("\u2588\u2588\u2588\u2588");

// Glyphs drawn without antialiasing carry exactly the pen colour, so pixels can be counted.
QFont exactFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A shown view with the given columns (left-aligned unless told) and rows.
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

    // The view's image with viewport coordinates.
    QImage viewportImage() {
        const QImage whole = view.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint origin = view.viewport()->mapTo(&view, QPoint(0, 0));
        return whole.copy(QRect(origin, view.viewport()->size()));
    }

    QRect cellRect(int row, int column) const {
        return view.visualRect(view.rows().index(row, column));
    }
};

int countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    const QRect clipped = area & image.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            count += image.pixelColor(x, y).rgb() == colour.rgb();
    return count;
}

// Columns of `area` that hold at least one pixel of `colour`, as [first, last]; {-1, -1} if none.
std::pair<int, int> colourSpan(const QImage& image, const QRect& area, const QColor& colour) {
    int first = -1;
    int last = -1;
    const QRect clipped = area & image.rect();
    for (int x = clipped.left(); x <= clipped.right(); ++x)
        for (int y = clipped.top(); y <= clipped.bottom(); ++y)
            if (image.pixelColor(x, y).rgb() == colour.rgb()) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

QColor paletteColour(const QWidget& widget, QPalette::ColorRole role) {
    return widget.palette().color(QPalette::Active, role);
}

const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 255);
const QColor kMagenta(255, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kDarkRed(128, 0, 0);

} // namespace

class ListViewExTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void modelServesTextsAndHeaders();
    void modelRowsStartZeroFilled();
    void modelInsertsAndRemovesColumns();
    void modelReportsChangedRows();

    void shorteningKeepsTextThatFits();
    void shorteningCutsToLongestPrefix_data();
    void shorteningCutsToLongestPrefix();
    void shorteningKeepsOneCharacter();

    void rowColourFollowsFlags_data();
    void rowColourFollowsFlags();
    void storedColoursApply();
    void selectedRowIsHighlightedToRightEdge();
    void selectionHiddenWithoutFocusUnlessKept();
    void focusedViewHighlightsAndFramesCurrentRow();
    void selectionRepaintCoversRightEdge();

    void cellTextPlacement();
    void shortenedTextIsLeftAlignedAndClipped();
    void ampersandIsLiteral();

    void insertedColumnsTakeTheirWidths();
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

    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 13);
    QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("t0"));
    QCOMPARE(model.data(model.index(1, 11)).toString(), QStringLiteral("t11"));
    QCOMPARE(model.data(model.index(1, 12)).toString(), QString()); // beyond the twelve texts
    QCOMPARE(model.data(model.index(2, 3)).toString(), QString());  // never set
    QCOMPARE(model.data(model.index(1, 6), Qt::TextAlignmentRole).toInt() &
                 Qt::AlignHorizontal_Mask,
             int(Qt::AlignRight));
    QCOMPARE(model.data(model.index(1, 5), Qt::TextAlignmentRole).toInt() &
                 Qt::AlignHorizontal_Mask,
             int(Qt::AlignLeft));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QStringLiteral("H4"));
    QCOMPARE(model.headerData(6, Qt::Horizontal, Qt::TextAlignmentRole).toInt() &
                 Qt::AlignHorizontal_Mask,
             int(Qt::AlignRight));
    // A flat list: no row has children, or a tree view would offer to expand it.
    QCOMPARE(model.rowCount(model.index(0, 0)), 0);
    QVERIFY(!static_cast<const QAbstractItemModel&>(model).hasChildren(model.index(0, 0)));
}

void ListViewExTest::modelRowsStartZeroFilled() {
    RowTableModel model;
    model.insertColumnAt(0, {QStringLiteral("No."), Qt::AlignLeft, 30});
    model.setRowCount(2);
    model.rowData(1).slot = 17;
    model.rowData(1).colourFlags = Deleted | EpgMark;
    model.rowData(1).texts[0] = QStringLiteral("x");

    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    model.setRowCount(3);
    QCOMPARE(resets.count(), 1);
    QCOMPARE(model.rowCount(), 3);
    for (int row = 0; row < 3; ++row) {
        const RowData& data = model.rowData(row);
        QCOMPARE(data.slot, std::int16_t(0));
        QCOMPARE(data.reserved, std::uint8_t(0));
        QCOMPARE(data.colourFlags, std::uint8_t(0));
        for (const QString& text : data.texts)
            QVERIFY(text.isNull());
    }
    model.setRowCount(-1);
    QCOMPARE(model.rowCount(), 0);
}

void ListViewExTest::modelInsertsAndRemovesColumns() {
    RowTableModel model;
    QSignalSpy inserted(&model, &QAbstractItemModel::columnsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::columnsRemoved);
    model.insertColumnAt(0, {QStringLiteral("B"), Qt::AlignLeft, 10});
    model.insertColumnAt(0, {QStringLiteral("A"), Qt::AlignLeft, 20});
    model.insertColumnAt(2, {QStringLiteral("D"), Qt::AlignRight, 30});
    model.insertColumnAt(2, {QStringLiteral("C"), Qt::AlignHCenter, 40});
    model.insertColumnAt(9, {QStringLiteral("bad"), Qt::AlignLeft, 1});
    model.insertColumnAt(-1, {QStringLiteral("bad"), Qt::AlignLeft, 1});

    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(inserted.count(), 4);
    QCOMPARE(inserted.at(3).at(1).toInt(), 2);
    const QStringList expected{"A", "B", "C", "D"};
    for (int position = 0; position < 4; ++position)
        QCOMPARE(model.headerData(position, Qt::Horizontal).toString(), expected[position]);
    QCOMPARE(model.column(2).alignment, Qt::Alignment(Qt::AlignHCenter));
    QCOMPARE(model.column(3).width, 30);

    model.removeColumnAt(1);
    model.removeColumnAt(3); // gone already after the first removal
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.at(0).at(1).toInt(), 1);
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
    QCOMPARE(changed.count(), 0);

    for (int position = 0; position < 3; ++position)
        model.insertColumnAt(position, {QString(), Qt::AlignLeft, 10});
    model.rowChanged(3);
    model.rowChanged(5);  // no such row
    model.rowChanged(-1); // no such row
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(3, 0));
    QCOMPARE(changed.at(0).at(1).toModelIndex(), model.index(3, 2));

    model.allRowsChanged();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(1).at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.at(1).at(1).toModelIndex(), model.index(4, 2));
}

void ListViewExTest::shorteningKeepsTextThatFits() {
    const QFontMetrics metrics(exactFont());
    const QString text = QStringLiteral("Das Erste HD");
    const int exact = metrics.horizontalAdvance(text) + 12;
    QCOMPARE(shortenText(metrics, text, exact, 12), text);
    QCOMPARE(shortenText(metrics, text, exact + 50, 12), text);
    QCOMPARE(shortenText(metrics, QString(), 0, 12), QString());
    QVERIFY(shortenText(metrics, text, exact - 1, 12) != text);
}

void ListViewExTest::shorteningCutsToLongestPrefix_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("allowance");
    QTest::addColumn<int>("keptCharacters");
    QTest::addColumn<int>("slack"); // pixels taken off the width that exactly fits the result

    QTest::newRow("first column, exact") << QStringLiteral("ProSieben MAXX") << 4 << 5 << 0;
    QTest::newRow("first column, one short") << QStringLiteral("ProSieben MAXX") << 4 << 4 << 1;
    QTest::newRow("cell, exact") << QStringLiteral("12345678") << 12 << 3 << 0;
    QTest::newRow("cell, one short") << QStringLiteral("12345678") << 12 << 2 << 1;
    QTest::newRow("one below whole") << QStringLiteral("WWWW") << 12 << 3 << 0;
}

// The width is built so that exactly `keptCharacters` plus the dots fit (less `slack` pixels,
// which must drop one more character): this pins both the stopping rule and the dots' width.
void ListViewExTest::shorteningCutsToLongestPrefix() {
    QFETCH(QString, text);
    QFETCH(int, allowance);
    QFETCH(int, keptCharacters);
    QFETCH(int, slack);
    const QFontMetrics metrics(exactFont());
    const int dots = metrics.horizontalAdvance(QStringLiteral("..."));
    const int fits = slack == 0 ? keptCharacters : keptCharacters + 1;
    const int width = metrics.horizontalAdvance(text.left(fits)) + dots + allowance - slack;
    QVERIFY(metrics.horizontalAdvance(text) + allowance > width);

    QCOMPARE(shortenText(metrics, text, width, allowance),
             text.left(keptCharacters) + QStringLiteral("..."));
}

void ListViewExTest::shorteningKeepsOneCharacter() {
    const QFontMetrics metrics(exactFont());
    QCOMPARE(shortenText(metrics, QStringLiteral("Kanal"), 3, 12), QStringLiteral("K..."));
    QCOMPARE(shortenText(metrics, QStringLiteral("Kanal"), -20, 4), QStringLiteral("K..."));
    // A character outside the basic plane is two code units and stays whole.
    const QString wide = QStringLiteral("\U0001F4FA\U0001F4FA\U0001F4FA");
    QCOMPARE(shortenText(metrics, wide, 3, 12), QStringLiteral("\U0001F4FA..."));
    const QString mixed = QStringLiteral("a\U0001F4FA\U0001F4FA");
    const int room = metrics.horizontalAdvance(QStringLiteral("a")) +
                     metrics.horizontalAdvance(QStringLiteral("...")) + 12;
    QCOMPARE(shortenText(metrics, mixed, room, 12), QStringLiteral("a..."));
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
    CListViewEx& view = fixture.view;
    if (!expected.isValid())
        expected = paletteColour(view, QPalette::Text);
    // Neighbouring rows carry other flags; only row 2's colour may be seen in row 2.
    for (int row = 0; row < 4; ++row) {
        RowData& data = view.rows().rowData(row);
        data.colourFlags = std::uint8_t(row == 2 ? flags : (flags ^ 7));
        data.texts[0] = kBlocks;
        data.texts[1] = kBlocks;
    }
    view.rows().allRowsChanged();

    const QImage image = fixture.viewportImage();
    const QRect row = view.rowRect(2);
    QVERIFY(countColour(image, fixture.cellRect(2, 0), expected) > 20);
    QVERIFY(countColour(image, fixture.cellRect(2, 1), expected) > 20);
    for (const QColor& other :
         {kGrey, kBlue, kMagenta, kRed, kDarkRed, paletteColour(view, QPalette::Text)}) {
        if (other != expected)
            QCOMPARE(countColour(image, row, other), 0);
    }
}

void ListViewExTest::storedColoursApply() {
    Fixture fixture({60, 80}, 3);
    CListViewEx& view = fixture.view;
    QCOMPARE(view.textColour(), kGrey);
    QCOMPARE(view.textBackgroundColour(), paletteColour(view, QPalette::Base));
    QCOMPARE(view.backgroundColour(), paletteColour(view, QPalette::Base));

    const QColor text(0, 128, 0);
    const QColor textBackground(255, 255, 0);
    const QColor background(0, 255, 255);
    view.setTextColour(text);
    view.setTextBackgroundColour(textBackground);
    view.setBackgroundColour(background);
    view.rows().rowData(0).colourFlags = NotInUserList;
    view.rows().rowData(0).texts[0] = kBlocks;
    view.rows().rowData(1).texts[0] = kBlocks;

    const QImage image = fixture.viewportImage();
    QVERIFY(countColour(image, view.rowRect(0), text) > 20);
    QCOMPARE(countColour(image, view.rowRect(1), text), 0); // unflagged rows keep their colour
    const int lastRowBottom = view.rowRect(2).bottom();
    QCOMPARE(image.pixelColor(image.width() - 1, view.rowRect(1).center().y()), textBackground);
    QCOMPARE(image.pixelColor(10, lastRowBottom + 10), background);
}

void ListViewExTest::selectedRowIsHighlightedToRightEdge() {
    Fixture fixture({50, 60}, 6, {400, 300});
    CListViewEx& view = fixture.view;
    view.setKeepSelectionVisible(true);
    for (int row = 0; row < 6; ++row) {
        view.rows().rowData(row).colourFlags = Deleted | EpgMark;
        view.rows().rowData(row).texts[0] = kBlocks;
        view.rows().rowData(row).texts[1] = kBlocks;
    }
    view.selectionModel()->select(view.rows().index(2, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->select(view.rows().index(4, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);

    const QImage image = fixture.viewportImage();
    const QColor highlight = paletteColour(view, QPalette::Highlight);
    const QColor highlightedText = paletteColour(view, QPalette::HighlightedText);
    QVERIFY(image.width() > 200); // the columns end well before the right edge
    for (int row : {2, 4}) {
        const QRect rect = view.rowRect(row);
        QCOMPARE(rect.right(), image.width() - 1);
        QCOMPARE(image.pixelColor(image.width() - 1, rect.center().y()), highlight);
        QCOMPARE(image.pixelColor(150, rect.center().y()), highlight);
        QVERIFY(countColour(image, rect, highlightedText) > 40);
        QCOMPARE(countColour(image, rect, kMagenta), 0);
    }
    QCOMPARE(image.pixelColor(image.width() - 1, view.rowRect(3).center().y()),
             view.textBackgroundColour());
    QVERIFY(countColour(image, view.rowRect(3), kMagenta) > 40);
}

void ListViewExTest::selectionHiddenWithoutFocusUnlessKept() {
    Fixture fixture({50, 60}, 3);
    CListViewEx& view = fixture.view;
    view.rows().rowData(1).colourFlags = Deleted;
    view.rows().rowData(1).texts[0] = kBlocks;
    view.selectionModel()->select(view.rows().index(1, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(!view.hasFocus());

    const QColor highlight = paletteColour(view, QPalette::Highlight);
    QImage image = fixture.viewportImage();
    QCOMPARE(countColour(image, view.rowRect(1), highlight), 0);
    QVERIFY(countColour(image, view.rowRect(1), kRed) > 20);

    view.setKeepSelectionVisible(true);
    image = fixture.viewportImage();
    QVERIFY(countColour(image, view.rowRect(1), highlight) > view.rowRect(1).width());
    QCOMPARE(countColour(image, view.rowRect(1), kRed), 0);
}

void ListViewExTest::focusedViewHighlightsAndFramesCurrentRow() {
    Fixture fixture({50, 60}, 4);
    CListViewEx& view = fixture.view;
    view.selectionModel()->select(view.rows().index(1, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
    view.selectionModel()->setCurrentIndex(view.rows().index(2, 0), QItemSelectionModel::NoUpdate);
    const QImage unfocused = fixture.viewportImage();

    view.activateWindow();
    view.setFocus();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTRY_VERIFY(view.hasFocus());
    const QImage focused = fixture.viewportImage();

    const QColor highlight = paletteColour(view, QPalette::Highlight);
    QVERIFY(countColour(focused, view.rowRect(1), highlight) > view.rowRect(1).width());
    // The focus frame changes the current row's pixels and nothing below it.
    const QRect current = view.rowRect(2);
    QVERIFY(focused.copy(current) != unfocused.copy(current));
    const QRect below = view.rowRect(3);
    QCOMPARE(focused.copy(below), unfocused.copy(below));
}

namespace {
class RegionProbe : public CListViewEx {
public:
    using CListViewEx::visualRegionForSelection;
};
} // namespace

void ListViewExTest::selectionRepaintCoversRightEdge() {
    RegionProbe view;
    view.rows().insertColumnAt(0, {QStringLiteral("No."), Qt::AlignLeft, 40});
    view.rows().setRowCount(10);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    const QItemSelection selection(view.rows().index(3, 0), view.rows().index(5, 0));
    const QRegion region = view.visualRegionForSelection(selection);
    const int right = view.viewport()->width() - 1;
    for (int row : {3, 4, 5})
        QVERIFY(region.contains(QPoint(right, view.rowRect(row).center().y())));
    QVERIFY(!region.contains(QPoint(right, view.rowRect(6).center().y())));
}

void ListViewExTest::cellTextPlacement() {
    Fixture fixture({60, 80, 80}, 2);
    CListViewEx& view = fixture.view;
    view.rows().removeColumnAt(2);
    view.rows().insertColumnAt(2, {QStringLiteral("SR"), Qt::AlignRight, 80});
    const QString one = QStringLiteral("\u2588");
    for (int position = 0; position < 3; ++position)
        view.rows().rowData(0).texts[std::size_t(position)] = one;

    const QImage image = fixture.viewportImage();
    const QColor text = paletteColour(view, QPalette::Text);
    const QRect first = fixture.cellRect(0, 0);
    const QRect second = fixture.cellRect(0, 1);
    const QRect third = fixture.cellRect(0, 2);
    const int glyph = QFontMetrics(exactFont()).horizontalAdvance(one);
    // Glyph bearings may move the ink by a pixel.
    QVERIFY(qAbs(colourSpan(image, first, text).first - (first.left() + 2)) <= 1);
    QVERIFY(qAbs(colourSpan(image, second, text).first - (second.left() + 6)) <= 1);
    QVERIFY(qAbs(colourSpan(image, third, text).second - (third.right() - 6)) <= 1);
    QVERIFY(colourSpan(image, third, text).first > third.right() - 6 - glyph - 2);
    // Vertically centred: as much space above the ink as below.
    int top = -1, bottom = -1;
    for (int y = first.top(); y <= first.bottom(); ++y)
        if (countColour(image, QRect(first.left(), y, first.width(), 1), text) > 0) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    QVERIFY(top >= 0);
    QVERIFY(qAbs((top - first.top()) - (first.bottom() - bottom)) <= 3);
}

void ListViewExTest::shortenedTextIsLeftAlignedAndClipped() {
    // The right-aligned column keeps one block and the dots with most of a block to spare, so
    // right alignment would visibly move the text.
    const QFontMetrics metrics(exactFont());
    const int block = metrics.horizontalAdvance(QChar(0x2588));
    const int srWidth = 2 * block + metrics.horizontalAdvance(QStringLiteral("...")) + 12 - 1;
    Fixture fixture({40, srWidth, 14, 60}, 2);
    CListViewEx& view = fixture.view;
    view.rows().removeColumnAt(1);
    view.rows().insertColumnAt(1, {QStringLiteral("SR"), Qt::AlignRight, srWidth});
    const QString longText = QString(20, QChar(0x2588));
    RowData& data = view.rows().rowData(0);
    data.texts[1] = longText; // right-aligned column, too long
    data.texts[2] = longText; // narrower than one character and the dots

    const QImage image = fixture.viewportImage();
    const QColor text = paletteColour(view, QPalette::Text);
    const QRect sr = fixture.cellRect(0, 1);
    QCOMPARE(sr.width(), srWidth);
    const auto span = colourSpan(image, sr, text);
    QVERIFY(block > 4);
    QVERIFY(qAbs(span.first - (sr.left() + 6)) <= 1);
    QVERIFY(span.second < sr.right() - 6 - block / 2);
    // Nothing of the narrow cell's text reaches the next column.
    const QRect narrow = fixture.cellRect(0, 2);
    QCOMPARE(narrow.width(), 14);
    QVERIFY(countColour(image, narrow, text) > 0);
    QCOMPARE(countColour(image, fixture.cellRect(0, 3), text), 0);
}

void ListViewExTest::ampersandIsLiteral() {
    Fixture fixture({60, 80}, 2);
    CListViewEx& view = fixture.view;
    view.rows().rowData(0).texts[1] = QStringLiteral("&");
    view.rows().rowData(1).texts[1] = QStringLiteral("&&");
    const QImage image = fixture.viewportImage();
    const QColor text = paletteColour(view, QPalette::Text);
    const int single = countColour(image, fixture.cellRect(0, 1), text);
    const int pair = countColour(image, fixture.cellRect(1, 1), text);
    QVERIFY(single > 5);
    QCOMPARE(pair, 2 * single);
}

void ListViewExTest::insertedColumnsTakeTheirWidths() {
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
    for (int row = 0; row < 3; ++row) {
        view.rows().rowData(row).slot = std::int16_t(row);
        view.rows().rowData(row).texts[1] = names[row];
    }
    QSignalSpy clicked(&view, &CListViewEx::headerClicked);
    QHeaderView* head = view.header();
    for (int position : {1, 2, 0}) {
        const QPoint centre(head->sectionViewportPosition(position) + 20, head->height() / 2);
        QTest::mouseClick(head->viewport(), Qt::LeftButton, {}, centre);
    }
    QCOMPARE(clicked.count(), 3);
    QCOMPARE(clicked.at(0).at(0).toInt(), 1);
    QCOMPARE(clicked.at(1).at(0).toInt(), 2);
    QCOMPARE(clicked.at(2).at(0).toInt(), 0);
    QVERIFY(!view.isSortingEnabled());
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
                QStringLiteral("Text %1 of row %2").arg(position).arg(row);
    }
    view.rows().allRowsChanged();
    view.selectAll();
    QElapsedTimer timer;
    timer.start();
    for (int step = 0; step < 20; ++step) {
        view.scrollTo(view.rows().index(step * 100, 0), QAbstractItemView::PositionAtTop);
        (void)fixture.viewportImage();
    }
    // Generous: a full page takes milliseconds; per-paint formatting or per-row scans of all
    // 1999 rows would show as seconds.
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_MAIN(ListViewExTest)
#include "list_view_ex_test.moc"
