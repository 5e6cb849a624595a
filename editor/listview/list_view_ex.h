#pragma once

#include "editor/listview/row_table_model.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QTreeView>

namespace kanalo {

// A report list that paints each row itself: selected rows are highlighted out to the right
// edge of the client area, unselected rows take their text colour from the row's colour flags,
// and cell texts that do not fit are cut short with "...". It never sorts; header clicks are
// passed on for the derived view to act on.
class CListViewEx : public QTreeView {
    Q_OBJECT

public:
    // Space a cell keeps free around its text (6 px each side): a text fits when its advance
    // plus this is at most the column's width.
    static constexpr int kCellAllowance = 12;

    explicit CListViewEx(QWidget* parent = nullptr);

    RowTableModel& rows() { return *model_; }
    const RowTableModel& rows() const { return *model_; }

    // Colour of rows marked `NotInUserList` only; grey until set.
    void setTextColour(const QColor& colour);
    QColor textColour() const { return textColour_; }
    // Fill of unselected rows; follows the palette's base colour until set.
    void setTextBackgroundColour(const QColor& colour);
    QColor textBackgroundColour() const;
    // Fill of the client area below the rows; follows the palette's base colour until set.
    void setBackgroundColour(const QColor& colour);
    QColor backgroundColour() const;

    // Every row's data changed: the rows on screen are drawn again, the others filled when they
    // come on screen. Cheaper than the model's dataChanged over all rows, which makes the view
    // measure every row.
    void allRowsChanged();

    // The given rows as a text editor or a spreadsheet takes them: a line of column headers,
    // then one line per row, cells as shown, separated by tabs.
    QString rowsAsText(const std::vector<int>& rows) const;

    // Whether selected rows stay highlighted while the view does not have the focus.
    void setKeepSelectionVisible(bool keep);

    // The rectangle a row paints, in viewport coordinates: from the first column's left edge to
    // the end of the last column or the right edge of the viewport, whichever is further right.
    QRect rowRect(int row) const;

Q_SIGNALS:
    void headerClicked(int displayPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    QRegion visualRegionForSelection(const QItemSelection& selection) const override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    // A cell text shaped once, its glyphs placed from the text's top left, with its advance:
    // shaping is most of a row's paint, and a list shows the same few thousand texts again and
    // again.
    struct LaidOutText {
        QList<QGlyphRun> glyphs;
        int advance = 0;
    };
    const LaidOutText& laidOut(const QString& text, const QFont& font) const;
    static void drawGlyphs(QPainter& painter, QPointF topLeft, const LaidOutText& text);
    // The text as a cell of that width shows it, cut short with "..." when it does not fit.
    struct FittedText {
        const LaidOutText& shown;
        bool cut;
    };
    FittedText fitted(const QString& text, const QFont& font, int width, int allowance) const;
    bool rowHighlighted(const QModelIndex& index) const;
    QColor flagTextColour(std::uint8_t flags) const;
    void applyColumnWidths(int first, int last);
    int rowLeft() const;

    RowTableModel* model_;
    QColor textColour_{128, 128, 128};
    QColor textBackgroundColour_; // invalid: the palette's base colour
    QColor backgroundColour_;     // invalid: the palette's base colour
    bool keepSelectionVisible_ = false;
    mutable QHash<QString, LaidOutText> layouts_;
    mutable QHash<QString, QString> shortened_; // by width and text
    mutable QFont layoutFont_;
};

} // namespace kanalo
