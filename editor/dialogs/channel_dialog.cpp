#include "editor/dialogs/channel_dialog.h"

#include "core/format/channel_fields.h"
#include "editor/base/prompter.h"
#include "editor/base/qt_text.h"
#include "editor/base/texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <array>

namespace kanalo {

namespace {

// FEC list positions 0..4 stand for these codes; code 4 has no rate and no position.
constexpr std::array<std::uint8_t, 5> kFecCodes{0, 1, 2, 3, 5};

int fecPosition(std::uint8_t code) {
    for (std::size_t i = 0; i < kFecCodes.size(); ++i)
        if (kFecCodes[i] == code)
            return static_cast<int>(i);
    return -1;
}

QString utf8Text(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::string latinBytes(const QString& text) {
    // Number fields: anything beyond ASCII ends the number anyway.
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The C-style placeholders of strings 152 to 155 are kept in the translations too.
QString cFormat(const QString& format, unsigned first, unsigned second) {
    return QString::asprintf(format.toUtf8().constData(), first, second);
}

QLineEdit* digitsOnlyEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QCheckBox* leftTextCheckBox(const QString& label, QWidget* parent) {
    auto* box = new QCheckBox(label, parent);
    box->setLayoutDirection(Qt::RightToLeft);
    return box;
}

} // namespace

QString invalidFrequencyText() {
    return text("You have entered an invalid frequency.");
}

QString frequencyRangeText(const FrequencyBands& bands) {
    return cFormat(text("Please enter a frequency in the range from %u to %u."),
                   frequencyMin(bands), frequencyMax(bands));
}

QString notAnIntegerText() {
    return text("Please enter an integer.");
}

QString integerRangeText(unsigned min, unsigned max) {
    return text("Please enter an integer between %1 and %2.").arg(min).arg(max);
}

CChannelDlg::CChannelDlg(const ChannelRecord& record, const ChannelDialogContext& context,
                         QWidget* parent)
    : QDialog(parent), record_(record), context_(context) {
    setWindowTitle(text("Edit"));
    buildControls();
    if (context_.list == ListKind::Radio) {
        videoPidLabel_->hide();
        videoPid_->hide();
    }
    if (!hasBouquet()) {
        epg_->hide();
        bouquetLabel_->hide();
        bouquetName_->hide();
        bouquetNumber_->hide();
    }
    loadFromRecord();
}

void CChannelDlg::buildControls() {
    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const QString& label, QWidget* field) {
        auto* caption = new QLabel(label, this);
        caption->setBuddy(field);
        grid->addWidget(caption, row, 0);
        grid->addWidget(field, row, 1);
        ++row;
        return caption;
    };

    name_ = new QLineEdit(this);
    name_->setMaxLength(static_cast<int>(ChannelRecord::kMaxTextLength));
    addRow(text("Name:"), name_);

    satellite_ = new QComboBox(this);
    for (std::uint8_t i = 0; i < SatelliteTable::kCount; ++i)
        satellite_->addItem(utf8Text(SatelliteTable::choiceText(i)));
    addRow(text("Satellite:"), satellite_);

    frequency_ = digitsOnlyEdit(this);
    addRow(text("Frequency:"), frequency_);

    // These two texts read the same in both languages.
    polarisation_ = new QComboBox(this);
    polarisation_->addItems({QStringLiteral("horizontal"), QStringLiteral("vertikal")});
    addRow(text("Polarisation:"), polarisation_);

    symbolRate_ = digitsOnlyEdit(this);
    addRow(text("Symbolrate:"), symbolRate_);

    fec_ = new QComboBox(this);
    for (const std::uint8_t code : kFecCodes)
        fec_->addItem(QString::fromLatin1(fecRateText(code)));
    addRow(text("FEC:"), fec_);

    pcrPid_ = new QLineEdit(this);
    addRow(text("PCR PID:"), pcrPid_);
    videoPid_ = new QLineEdit(this);
    videoPidLabel_ = addRow(text("Video PID:"), videoPid_);
    audioPid_ = new QLineEdit(this);
    addRow(text("Audio PID:"), audioPid_);
    serviceId_ = new QLineEdit(this);
    addRow(text("Service ID:"), serviceId_);

    userList_ = leftTextCheckBox(text("In Userlist:"), this);
    grid->addWidget(userList_, row++, 0, 1, 2, Qt::AlignLeft);
    epg_ = leftTextCheckBox(text("EPG:"), this);
    grid->addWidget(epg_, row++, 0, 1, 2, Qt::AlignLeft);

    bouquetName_ = new QLineEdit(this);
    bouquetName_->setMaxLength(static_cast<int>(ChannelRecord::kMaxTextLength));
    bouquetNumber_ = new QLineEdit(this);
    bouquetNumber_->setMaximumWidth(
        bouquetNumber_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    auto* bouquetRow = new QHBoxLayout;
    bouquetRow->addWidget(bouquetName_, 1);
    bouquetRow->addWidget(bouquetNumber_);
    bouquetLabel_ = new QLabel(text("Bouquet:"), this);
    bouquetLabel_->setBuddy(bouquetName_);
    grid->addWidget(bouquetLabel_, row, 0);
    grid->addLayout(bouquetRow, row, 1);

    ok_ = new QPushButton(text("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(text("Cancel"), this);
    connect(ok_, &QPushButton::clicked, this, &CChannelDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CChannelDlg::reject);
    connect(userList_, &QCheckBox::clicked, this, &CChannelDlg::userListClicked);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    QWidget* order[] = {name_,        satellite_,     frequency_, polarisation_, symbolRate_, fec_,
                        pcrPid_,      videoPid_,      audioPid_,  serviceId_,    userList_,   epg_,
                        bouquetName_, bouquetNumber_, ok_,        cancel_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CChannelDlg::loadFromRecord() {
    const ChannelRecord& r = record_;
    name_->setText(utf8Text(editableName(r.name(), true)));
    satellite_->setCurrentIndex(r.satelliteIndex() < SatelliteTable::kCount ? r.satelliteIndex()
                                                                            : -1);
    frequency_->setText(QString::number(r.frequency()));
    polarisation_->setCurrentIndex(r.polarisation() < 2 ? r.polarisation() : -1);
    symbolRate_->setText(QString::number(r.symbolRate()));
    fec_->setCurrentIndex(fecPosition(r.fecCode()));

    auto number = [this](unsigned value) {
        return QString::fromStdString(pidText(value, context_.radix));
    };
    pcrPid_->setText(number(r.pcrPid()));
    videoPid_->setText(number(r.videoPid()));
    audioPid_->setText(number(r.audioPid()));
    serviceId_->setText(number(r.serviceId()));

    userList_->setChecked(r.inUserList());
    // The user list holds at most 999 channels of a list; a channel outside it cannot join a
    // full one, whatever the firmware.
    if (!r.inUserList() && context_.userListCount >= kUserListCapacity)
        userList_->setEnabled(false);

    if (hasBouquet()) {
        epg_->setChecked(r.inUserList() && r.epg());
        epg_->setEnabled(r.inUserList());
        bouquetName_->setText(utf8Text(editableName(r.bouquetName(), false)));
        bouquetNumber_->setText(number(r.bouquetNumber()));
    } else {
        epg_->setChecked(false);
        bouquetNumber_->setText(number(0));
    }
}

void CChannelDlg::userListClicked(bool checked) {
    if (!hasBouquet())
        return;
    if (!checked)
        epg_->setChecked(false);
    epg_->setEnabled(checked);
}

void CChannelDlg::refuse(QLineEdit* edit, const QString& message) {
    prompter().error(this, message);
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

bool CChannelDlg::readName(QLineEdit* edit, bool brackets, std::string& bytes) {
    const QList<uint> ucs4 = edit->text().toUcs4();
    const std::u32string codePoints(ucs4.begin(), ucs4.end());
    const NameBytes name = storedName(codePoints, brackets);
    if (name.bad) {
        const char32_t bad = *name.bad;
        refuse(edit, text("The character \"%1\" cannot be stored on the Box.")
                         .arg(QString::fromUcs4(&bad, 1)));
        return false;
    }
    if (name.length > ChannelRecord::kMaxTextLength) {
        refuse(edit,
               text("Please enter no more than %1 characters.").arg(ChannelRecord::kMaxTextLength));
        return false;
    }
    bytes = name.bytes;
    return true;
}

bool CChannelDlg::readNumber(QLineEdit* edit, unsigned min, unsigned max, unsigned& value) {
    const FieldValue field =
        readNumberField(latinBytes(edit->text()), context_.radix, {min, max}, context_.noLimits);
    if (!field.ok()) {
        refuse(edit, context_.radix == PidRadix::Hex
                         ? cFormat(text("Please enter a PID value in the range from %04X to %04X."),
                                   min, max)
                         : cFormat(text("Please enter a PID value in the range from %u to %u."),
                                   min, max));
        return false;
    }
    value = field.value;
    return true;
}

bool CChannelDlg::readFrequency(unsigned& value) {
    const FieldValue field = readFrequencyField(
        latinBytes(frequency_->text()),
        {frequencyMin(context_.bands), frequencyMax(context_.bands)}, context_.noLimits);
    if (field.status == FieldStatus::NotANumber) {
        refuse(frequency_, invalidFrequencyText());
        return false;
    }
    if (field.status == FieldStatus::OutOfRange) {
        refuse(frequency_, frequencyRangeText(context_.bands));
        return false;
    }
    value = field.value;
    return true;
}

bool CChannelDlg::readSymbolRate(unsigned& value) {
    const FieldValue field =
        readSymbolRateField(latinBytes(symbolRate_->text()), context_.noLimits);
    if (field.status == FieldStatus::NotANumber) {
        refuse(symbolRate_, notAnIntegerText());
        return false;
    }
    if (field.status == FieldStatus::OutOfRange) {
        refuse(symbolRate_, integerRangeText(kSymbolRateRange.min, kSymbolRateRange.max));
        return false;
    }
    value = field.value;
    return true;
}

void CChannelDlg::accept() {
    // The fields are read in this order and the first refusal ends the OK.
    std::string name;
    if (!readName(name_, true, name))
        return;
    const bool inUserList = userList_->isChecked();
    const bool epg = epg_->isChecked();
    std::string bouquetName;
    if (!readName(bouquetName_, false, bouquetName))
        return;
    auto range = [this](NumberField field) { return numberFieldRange(field, context_.list); };
    unsigned pcrPid = 0, videoPid = 0, audioPid = 0, serviceId = 0;
    const NumberRange pcr = range(NumberField::PcrPid), video = range(NumberField::VideoPid),
                      audio = range(NumberField::AudioPid), service = range(NumberField::ServiceId);
    if (!readNumber(pcrPid_, pcr.min, pcr.max, pcrPid) ||
        !readNumber(videoPid_, video.min, video.max, videoPid) ||
        !readNumber(audioPid_, audio.min, audio.max, audioPid) ||
        !readNumber(serviceId_, service.min, service.max, serviceId))
        return;
    unsigned frequency = 0;
    if (!readFrequency(frequency))
        return;
    const int satellite = satellite_->currentIndex();
    const int fec = fec_->currentIndex();
    const int polarisation = polarisation_->currentIndex();
    unsigned symbolRate = 0;
    if (!readSymbolRate(symbolRate))
        return;
    unsigned bouquetNumber = 0;
    const NumberRange bouquet = range(NumberField::BouquetNumber);
    if (hasBouquet() && !readNumber(bouquetNumber_, bouquet.min, bouquet.max, bouquetNumber))
        return;

    ChannelRecord& r = record_;
    r.setName(name);
    // A list without a selection keeps what the record held.
    if (satellite >= 0)
        r.setSatelliteIndex(static_cast<unsigned>(satellite));
    if (fec >= 0)
        r.setFecCode(kFecCodes[static_cast<std::size_t>(fec)]);
    r.setFrequency(frequency);
    if (polarisation >= 0)
        r.setPolarisation(static_cast<unsigned>(polarisation));
    r.setSymbolRate(symbolRate);
    r.setVideoPid(videoPid);
    r.setAudioPid(audioPid);
    r.setPcrPid(pcrPid);
    r.setServiceId(serviceId);
    r.setInUserList(inUserList);
    if (hasBouquet()) {
        r.setBouquetName(bouquetName);
        r.setBouquetNumber(bouquetNumber);
        r.setEpg(inUserList && epg);
    }
    QDialog::accept();
}

} // namespace kanalo
