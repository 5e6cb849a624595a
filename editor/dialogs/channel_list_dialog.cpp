#include "editor/dialogs/channel_list_dialog.h"

#include "editor/base/texts.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace kanalo {

namespace {

constexpr int kSlotRole = Qt::UserRole;
constexpr int kRadioRole = Qt::UserRole + 1;
constexpr int kDefaultTabStop = 32;

// Draws the tab-separated parts of a line at fixed tab stops given in dialog units (a quarter
// of the font's average character width).
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(QList<int> stops, QObject* parent)
        : QStyledItemDelegate(parent), stops_(std::move(stops)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStringList parts = item.text.split(QLatin1Char('\t'));
        item.text.clear();
        const QWidget* widget = item.widget;
        QStyle* style = widget ? widget->style() : nullptr;
        if (style)
            style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

        const QFontMetrics metrics(item.font);
        const double unit = metrics.horizontalAdvance(QStringLiteral(
                                "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) /
                            52.0 / 4.0;
        const QRect area = item.rect.adjusted(2, 0, -2, 0);
        painter->save();
        painter->setPen(item.state & QStyle::State_Selected
                            ? item.palette.color(QPalette::HighlightedText)
                            : item.palette.color(QPalette::Text));
        int x = area.left();
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0)
                x = std::max(x, area.left() + static_cast<int>(tabStop(i - 1) * unit));
            const QRect cell(x, area.top(), area.right() - x, area.height());
            painter->drawText(cell, Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
            x += metrics.horizontalAdvance(parts[i]);
        }
        painter->restore();
    }

private:
    // Beyond the given stops, the last spacing repeats.
    int tabStop(int index) const {
        if (stops_.isEmpty())
            return kDefaultTabStop * (index + 1);
        if (index < stops_.size())
            return stops_[index];
        const int step =
            stops_.size() > 1 ? stops_.last() - stops_[stops_.size() - 2] : stops_.last();
        return stops_.last() + step * static_cast<int>(index - stops_.size() + 1);
    }

    QList<int> stops_;
};

} // namespace

CChannelListDlg::CChannelListDlg(const QString& title, QList<int> tabStops, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(title);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setItemDelegate(new TabStopDelegate(std::move(tabStops), list_));
    edit_ = new QPushButton(text("&Edit", "duplicates"), this);
    show_ = new QPushButton(text("&List"), this);
    delete_ = new QPushButton(text("&Delete", "duplicates"), this);
    close_ = new QPushButton(text("Close"), this);
    for (QPushButton* button : {edit_, show_, delete_}) {
        button->setEnabled(false);
        button->setAutoDefault(false);
    }
    close_->setDefault(true);

    connect(edit_, &QPushButton::clicked, this,
            [this] { sendFor(&CChannelListDlg::editRequested); });
    connect(show_, &QPushButton::clicked, this,
            [this] { sendFor(&CChannelListDlg::listRequested); });
    connect(delete_, &QPushButton::clicked, this,
            [this] { sendFor(&CChannelListDlg::deleteRequested); });
    connect(close_, &QPushButton::clicked, this, &CChannelListDlg::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this] { sendFor(&CChannelListDlg::editRequested); });
    // Once enabled the buttons stay so; without a selection they do nothing.
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        if (selectedLine() >= 0)
            for (QPushButton* button : {edit_, show_, delete_})
                button->setEnabled(true);
    });

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {edit_, show_, delete_, close_})
        buttons->addWidget(button);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);
    resize(560, 320);
}

void CChannelListDlg::sendFor(void (CChannelListDlg::*signal)(int)) {
    const int line = selectedLine();
    if (line >= 0)
        (this->*signal)(line);
}

void CChannelListDlg::addLine(const QString& text, int slot, ListKind half) {
    auto* item = new QListWidgetItem(text, list_);
    item->setData(kSlotRole, slot);
    item->setData(kRadioRole, half == ListKind::Radio);
}

void CChannelListDlg::setLineText(int line, const QString& text) {
    if (QListWidgetItem* item = list_->item(line))
        item->setText(text);
}

void CChannelListDlg::removeLine(int line) {
    delete list_->takeItem(line);
    list_->clearSelection(); // like a list box after a deletion: nothing selected
}

int CChannelListDlg::lineCount() const {
    return list_->count();
}

QString CChannelListDlg::lineText(int line) const {
    const QListWidgetItem* item = list_->item(line);
    return item ? item->text() : QString();
}

int CChannelListDlg::slotOf(int line) const {
    const QListWidgetItem* item = list_->item(line);
    return item ? item->data(kSlotRole).toInt() : -1;
}

ListKind CChannelListDlg::halfOf(int line) const {
    const QListWidgetItem* item = list_->item(line);
    return item && item->data(kRadioRole).toBool() ? ListKind::Radio : ListKind::Tv;
}

int CChannelListDlg::selectedLine() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void CChannelListDlg::selectLine(int line) {
    list_->setCurrentRow(line);
}

} // namespace kanalo
