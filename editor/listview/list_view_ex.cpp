#include "editor/listview/list_view_ex.h"

#include "editor/listview/row_colours.h"
#include "editor/listview/text_shortening.h"

#include <QHeaderView>
#include <QPaintEvent>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>

namespace kanalo {

namespace {

// Space each cell keeps free: the first column's text sits 2 px inside its label, the others
// 6 px inside their cells; the allowances are both insets together.
constexpr int kFirstInset = 2;
constexpr int kCellInset = CListViewEx::kCellAllowance / 2;

// More different texts than a list shows at once; the layouts start afresh beyond.
constexpr qsizetype kMaxLayouts = 20000;

} // namespace

CListViewEx::CListViewEx(QWidget* parent) : QTreeView(parent), model_(new RowTableModel(this)) {
    setModel(model_);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setExpandsOnDoubleClick(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setSortingEnabled(false);

    // Display position and model column stay the same, so texts land where the owner put them.
    QHeaderView* head = header();
    head->setSectionsMovable(false);
    head->setStretchLastSection(false);
    head->setSectionsClickable(true);
    head->setSortIndicatorShown(false);
    head->setHighlightSections(false);
    // The owner's widths are exact; the header's font-based minimum would widen narrow columns.
    head->setMinimumSectionSize(0);
    connect(head, &QHeaderView::sectionClicked, this,
            [this](int logical) { Q_EMIT headerClicked(header()->visualIndex(logical)); });
    connect(model_, &QAbstractItemModel::columnsInserted, this,
            [this](const QModelIndex&, int first, int last) { applyColumnWidths(first, last); });
}

QString CListViewEx::rowsAsText(const std::vector<int>& rows) const {
    // A tab or line break inside a cell would split it; names may hold any byte.
    const auto cell = [](QString text) {
        return text.replace(QLatin1Char('\t'), QLatin1Char(' '))
            .replace(QLatin1Char('\n'), QLatin1Char(' '))
            .replace(QLatin1Char('\r'), QLatin1Char(' '));
    };
    const int columns = std::min(model_->columnCount(), kRowTextCount);
    QStringList lines;
    QStringList cells;
    for (int position = 0; position < columns; ++position)
        cells << cell(model_->column(position).header);
    lines << cells.join(QLatin1Char('\t'));
    for (const int row : rows) {
        cells.clear();
        const RowData& data = model_->rowData(row);
        for (int position = 0; position < columns; ++position)
            cells << cell(data.texts[std::size_t(position)].trimmed());
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void CListViewEx::allRowsChanged() {
    model_->invalidateRows();
    viewport()->update();
}

void CListViewEx::setTextColour(const QColor& colour) {
    textColour_ = colour;
    viewport()->update();
}

void CListViewEx::setTextBackgroundColour(const QColor& colour) {
    textBackgroundColour_ = colour;
    viewport()->update();
}

QColor CListViewEx::textBackgroundColour() const {
    return textBackgroundColour_.isValid() ? textBackgroundColour_
                                           : palette().color(QPalette::Active, QPalette::Base);
}

void CListViewEx::setBackgroundColour(const QColor& colour) {
    backgroundColour_ = colour;
    viewport()->update();
}

QColor CListViewEx::backgroundColour() const {
    return backgroundColour_.isValid() ? backgroundColour_
                                       : palette().color(QPalette::Active, QPalette::Base);
}

void CListViewEx::setKeepSelectionVisible(bool keep) {
    keepSelectionVisible_ = keep;
    viewport()->update();
}

int CListViewEx::rowLeft() const {
    const QHeaderView* head = header();
    for (int visual = 0; visual < head->count(); ++visual) {
        const int logical = head->logicalIndex(visual);
        if (!head->isSectionHidden(logical))
            return head->sectionViewportPosition(logical);
    }
    return 0;
}

QRect CListViewEx::rowRect(int row) const {
    const QRect cell = visualRect(model_->index(row, 0));
    if (!cell.isValid())
        return {};
    const int left = rowLeft();
    const int right = std::max(header()->length() - header()->offset(), viewport()->width());
    return {left, cell.top(), right - left, cell.height()};
}

void CListViewEx::paintEvent(QPaintEvent* event) {
    // The rows are drawn here rather than by the tree view, which asks the window system where
    // the mouse is on every paint (for branch decorations a flat list does not have): a round
    // trip to the X server in the middle of each frame.
    executeDelayedItemsLayout();
    QPainter painter(viewport());
    painter.fillRect(event->rect(), backgroundColour());
    // Rows are found by their height alone (all rows are as high): a hit test would need a
    // column under the point, and columns may all be hidden or narrowed to nothing.
    const QHeaderView* head = header();
    if (model_->rowCount() == 0 || head->count() == 0)
        return;
    int shownColumn = 0;
    while (shownColumn < head->count() && head->isSectionHidden(shownColumn))
        ++shownColumn;
    if (shownColumn == head->count())
        return;
    const QRect first = visualRect(model_->index(0, shownColumn));
    const int height = first.height();
    if (height <= 0)
        return;
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int drawnUpTo = -1; // rows of an earlier rectangle of the region are not drawn again
    for (const QRect& area : event->region()) {
        const int top = std::max(0, (area.top() - first.top()) / height);
        for (int row = std::max(top, drawnUpTo + 1); row < model_->rowCount(); ++row) {
            const int y = first.top() + row * height;
            if (y > area.bottom())
                break;
            option.rect = QRect(0, y, viewport()->width(), height);
            drawRow(&painter, option, model_->index(row, 0));
            drawnUpTo = row;
        }
    }
}

bool CListViewEx::rowHighlighted(const QModelIndex& index) const {
    return (hasFocus() || keepSelectionVisible_) && selectionModel() &&
           selectionModel()->isSelected(index);
}

QColor CListViewEx::flagTextColour(std::uint8_t flags) const {
    return rowTextColour(flags, palette(), textColour_);
}

const CListViewEx::LaidOutText& CListViewEx::laidOut(const QString& text, const QFont& font) const {
    if (font != layoutFont_ || layouts_.size() > kMaxLayouts) {
        layouts_.clear();
        shortened_.clear();
        layoutFont_ = font;
    }
    auto found = layouts_.find(text);
    if (found == layouts_.end()) {
        // One shaping gives both the glyphs and the advance (as the font's metrics measure it).
        QTextLayout layout(text, font);
        layout.setCacheEnabled(true); // else the glyphs are shaped again for the glyph runs
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        found = layouts_.insert(text, {layout.glyphRuns(), qRound(line.horizontalAdvance())});
    }
    return *found;
}

void CListViewEx::drawGlyphs(QPainter& painter, QPointF topLeft, const LaidOutText& text) {
    for (const QGlyphRun& run : text.glyphs)
        painter.drawGlyphRun(topLeft, run);
}

CListViewEx::FittedText CListViewEx::fitted(const QString& text, const QFont& font, int width,
                                            int allowance) const {
    const LaidOutText& whole = laidOut(text, font);
    if (whole.advance + allowance <= width)
        return {whole, false};
    const QString key = QString::number(width - allowance) + QLatin1Char('\n') + text;
    auto found = shortened_.find(key);
    if (found == shortened_.end())
        found = shortened_.insert(key, shortenText(QFontMetrics(font), text, width, allowance));
    // A copy: laying it out may empty the caches, the shortened texts with them.
    const QString shortened = *found;
    return {laidOut(shortened, font), true};
}

void CListViewEx::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const RowData& data = model_->rowData(index.row());
    const QHeaderView* head = header();
    const int left = rowLeft();
    const int right = std::max(head->length() - head->offset(), viewport()->width());
    const QRect row(left, option.rect.top(), right - left, option.rect.height());

    const bool highlighted = rowHighlighted(index);
    const QPalette& colours = palette();
    const QColor fill =
        highlighted ? colours.color(QPalette::Active, QPalette::Highlight) : textBackgroundColour();
    painter->save();
    painter->fillRect(row, fill);
    painter->setPen(highlighted ? colours.color(QPalette::Active, QPalette::HighlightedText)
                                : flagTextColour(data.colourFlags));
    painter->setFont(option.font);

    const QFontMetrics& metrics = option.fontMetrics;
    bool first = true;
    for (int visual = 0; visual < head->count(); ++visual) {
        const int logical = head->logicalIndex(visual);
        if (head->isSectionHidden(logical))
            continue;
        const int inset = first ? kFirstInset : kCellInset;
        first = false;
        const QRect cell(head->sectionViewportPosition(logical), row.top(),
                         head->sectionSize(logical), row.height());
        if (logical >= kRowTextCount || cell.right() < 0 || cell.left() > viewport()->width())
            continue;
        const QString& text = data.texts[std::size_t(logical)];
        if (text.isEmpty())
            continue;
        const auto [shown, cut] = fitted(text, option.font, cell.width(), 2 * inset);
        const Qt::Alignment alignment =
            (inset == kFirstInset || cut)
                ? Qt::AlignLeft
                : (model_->column(logical).alignment & Qt::AlignHorizontal_Mask);
        const int room = cell.width() - 2 * inset;
        const int x = cell.left() + inset +
                      ((alignment & Qt::AlignRight)     ? room - shown.advance
                       : (alignment & Qt::AlignHCenter) ? (room - shown.advance) / 2
                                                        : 0);
        // Placed as drawText places a vertically centred line.
        const QPointF at(x, row.top() + (row.height() - metrics.height()) / 2.0);
        if (!cut) {
            drawGlyphs(*painter, at, shown);
            continue;
        }
        // A cell too narrow even for one character and the dots must not spill into its
        // neighbours.
        painter->save();
        painter->setClipRect(cell, Qt::IntersectClip);
        drawGlyphs(*painter, at, shown);
        painter->restore();
    }

    // A plain dotted frame: a style's focus fill would tint the row's text colours.
    if (hasFocus() && currentIndex().row() == index.row()) {
        painter->setPen(QPen(painter->pen().color(), 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(row.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

QRegion CListViewEx::visualRegionForSelection(const QItemSelection& selection) const {
    // The tree view only covers the columns; highlighted rows reach the right edge.
    QRegion region;
    const QRect client = viewport()->rect();
    for (const QItemSelectionRange& range : selection) {
        const QRect top = rowRect(range.top());
        const QRect bottom = rowRect(range.bottom());
        if (top.isValid() && bottom.isValid())
            region += (top | bottom) & client;
    }
    return region;
}

void CListViewEx::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTreeView::currentChanged(current, previous);
    // The focus rectangle spans the whole row.
    if (previous.isValid())
        viewport()->update(rowRect(previous.row()));
    if (current.isValid())
        viewport()->update(rowRect(current.row()));
}

void CListViewEx::applyColumnWidths(int first, int last) {
    for (int position = first; position <= last; ++position) {
        if (model_->column(position).width > 0)
            setColumnWidth(position, model_->column(position).width);
    }
}

} // namespace kanalo
