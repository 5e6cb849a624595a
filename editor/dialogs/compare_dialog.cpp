#include "editor/dialogs/compare_dialog.h"

#include "core/format/cell_text.h"
#include "editor/base/qt_text.h"
#include "editor/base/texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kanalo {

namespace {

constexpr const char* kFieldLabels[CCompareDlg::kFieldCount] = {
    KANALO_TEXT("Number:"),    KANALO_TEXT("Name:"),         KANALO_TEXT("Satellite:"),
    KANALO_TEXT("Frequency:"), KANALO_TEXT("Polarisation:"), KANALO_TEXT("Symbolrate:"),
    KANALO_TEXT("FEC:"),       KANALO_TEXT("PCR PID:"),      KANALO_TEXT("Video PID:"),
    KANALO_TEXT("Audio PID:"), KANALO_TEXT("Service ID:"),
};

constexpr std::pair<CCompareDlg::Field, ColumnKind> kColumnFields[] = {
    {CCompareDlg::Field::Name, ColumnKind::Name},
    {CCompareDlg::Field::Satellite, ColumnKind::SatNumber},
    {CCompareDlg::Field::Frequency, ColumnKind::Frequency},
    {CCompareDlg::Field::SymbolRate, ColumnKind::SymbolRate},
    {CCompareDlg::Field::Fec, ColumnKind::Fec},
    {CCompareDlg::Field::PcrPid, ColumnKind::PcrPid},
    {CCompareDlg::Field::VideoPid, ColumnKind::VideoPid},
    {CCompareDlg::Field::AudioPid, ColumnKind::AudioPid},
    {CCompareDlg::Field::ServiceId, ColumnKind::ServiceId},
};

QString polarisationName(std::uint8_t polarisation) {
    switch (polarisation) {
    case 0:
        return text("horizontal");
    case 1:
        return text("vertical");
    default:
        return QString::number(polarisation); // only imports bring other values
    }
}

QLineEdit* valueField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

} // namespace

CCompareDlg::CCompareDlg(ConstChannelList main, const ChannelRecord& update,
                         const QString& updateNumber, CompareMode mode, QWidget* parent)
    : QDialog(parent), main_(main), update_(update) {
    setWindowTitle(text("Compare Channels"));

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(text("Main-List"), this), 0, 1, Qt::AlignHCenter);
    grid->addWidget(new QLabel(text("Update-List"), this), 0, 3, Qt::AlignHCenter);
    for (int row = 0; row < kFieldCount; ++row) {
        grid->addWidget(new QLabel(text(kFieldLabels[row]), this), row + 1, 0);
        mainFields_[static_cast<std::size_t>(row)] = valueField(this);
        updateFields_[static_cast<std::size_t>(row)] = valueField(this);
        grid->addWidget(mainFields_[static_cast<std::size_t>(row)], row + 1, 1);
        grid->addWidget(updateFields_[static_cast<std::size_t>(row)], row + 1, 3);
    }
    const int nameWidth = mainFields_[index(Field::Name)]->fontMetrics().horizontalAdvance(
                              QString(static_cast<int>(ChannelRecord::kMaxTextLength), 'M')) /
                          2;
    mainFields_[index(Field::Name)]->setMinimumWidth(nameWidth);
    updateFields_[index(Field::Name)]->setMinimumWidth(nameWidth);

    copy_ = new QPushButton(QStringLiteral("<----------"), this);
    copyKeepName_ = new QPushButton(text("   <----------\nKeep Name"), this);
    auto* copyColumn = new QVBoxLayout;
    copyColumn->addStretch(1);
    copyColumn->addWidget(copy_);
    copyColumn->addSpacing(12);
    copyColumn->addWidget(copyKeepName_);
    copyColumn->addStretch(1);
    grid->addLayout(copyColumn, 1, 2, kFieldCount, 1);

    previous_ = new QPushButton(text("&Previous"), this);
    next_ = new QPushButton(text("&Next"), this);
    close_ = new QPushButton(text("Close"), this);
    close_->setDefault(true);
    for (QPushButton* button : {previous_, next_, copy_, copyKeepName_}) {
        button->setAutoDefault(false);
        button->setEnabled(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(previous_);
    buttons->addWidget(next_);
    buttons->addStretch(1);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(previous_, &QPushButton::clicked, this, &CCompareDlg::showPrevious);
    connect(next_, &QPushButton::clicked, this, &CCompareDlg::showNext);
    connect(copy_, &QPushButton::clicked, this, [this] { requestCopy(Copy::Whole); });
    connect(copyKeepName_, &QPushButton::clicked, this, [this] { requestCopy(Copy::KeepingName); });
    connect(close_, &QPushButton::clicked, this, &CCompareDlg::accept);

    if (update_.isFree()) {
        // A free slot is no channel: only its number, as in the list.
        updateFields_[index(Field::Number)]->setText(updateNumber);
        return;
    }
    showRecord(updateFields_, update_, updateNumber);
    matches_ = compareMatches(main_, update_, mode);
    if (matches_.empty())
        return;
    showMatch();
    copy_->setEnabled(true);
    copyKeepName_->setEnabled(true);
}

void CCompareDlg::showRecord(const std::array<QLineEdit*, kFieldCount>& fields,
                             const ChannelRecord& record, const QString& number) {
    const auto show = [&](Field field, const QString& value) {
        fields[index(field)]->setText(value);
    };
    show(Field::Number, number);
    show(Field::Polarisation, polarisationName(record.polarisation()));
    // The rest as the list shows them, in decimal whatever the PID setting, the video PID of
    // Radio channels too.
    for (const auto& [field, column] : kColumnFields)
        show(field, fromWindows1252(cellText(column, record, SlotKind::Tv, PidRadix::Decimal)));
}

void CCompareDlg::showMatch() {
    const int slot = matches_[static_cast<std::size_t>(position_)];
    showRecord(mainFields_, main_[static_cast<std::size_t>(slot)], QString::number(slot + 1));
    const int last = static_cast<int>(matches_.size()) - 1;
    previous_->setEnabled(position_ > 0);
    next_->setEnabled(position_ < last);
}

void CCompareDlg::showNext() {
    if (position_ + 1 >= static_cast<int>(matches_.size()))
        return;
    ++position_;
    showMatch();
}

void CCompareDlg::showPrevious() {
    if (position_ <= 0 || matches_.empty())
        return;
    --position_;
    showMatch();
}

void CCompareDlg::requestCopy(Copy copy) {
    if (!matches_.empty())
        Q_EMIT copyRequested(matches_[static_cast<std::size_t>(position_)], copy);
}

} // namespace kanalo
