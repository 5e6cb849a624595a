#pragma once

#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/channels/satellite_table.h"
#include "core/format/cell_text.h"

#include <QDialog>
#include <cstddef>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kanalo {

// What the channel dialog needs to know about its surroundings.
struct ChannelDialogContext {
    ListKind list = ListKind::Tv;
    int firmware = 2; // below 2: no EPG flag and no bouquet
    PidRadix radix = PidRadix::Decimal;
    FrequencyBands bands;
    bool noLimits = false;         // switches the range checks off, not the number checks
    std::size_t userListCount = 0; // channels of the list already in the user list
    bool german = false;           // the dialog's texts follow the installed translator
};

// Messages shared by the channel dialog and the value dialog of "Change selected channels".
QString invalidFrequencyText();
QString frequencyRangeText(const FrequencyBands& bands);
QString notAnIntegerText();
QString integerRangeText(unsigned min, unsigned max);
// Frequency limits: the lowest and the highest band edge that take part.
inline unsigned frequencyMin(const FrequencyBands& bands) {
    return bands.cLowMin;
}
inline unsigned frequencyMax(const FrequencyBands& bands) {
    return bands.highMax;
}

// "Edit": every field of one channel. OK checks the fields in a fixed order and writes them into
// the dialog's copy of the record, which record() then gives back; the first failing field keeps
// the dialog open with the focus on it. Cancel leaves the copy as it was.
class CChannelDlg : public QDialog {
    Q_OBJECT

public:
    CChannelDlg(const ChannelRecord& record, const ChannelDialogContext& context,
                QWidget* parent = nullptr);

    void accept() override;
    const ChannelRecord& record() const { return record_; }

    // The controls, for tests and for callers that preset a field.
    QLineEdit* nameEdit() const { return name_; }
    QComboBox* satelliteBox() const { return satellite_; }
    QLineEdit* frequencyEdit() const { return frequency_; }
    QComboBox* polarisationBox() const { return polarisation_; }
    QLineEdit* symbolRateEdit() const { return symbolRate_; }
    QComboBox* fecBox() const { return fec_; }
    QLineEdit* pcrPidEdit() const { return pcrPid_; }
    QLineEdit* videoPidEdit() const { return videoPid_; }
    QLabel* videoPidLabel() const { return videoPidLabel_; }
    QLineEdit* audioPidEdit() const { return audioPid_; }
    QLineEdit* serviceIdEdit() const { return serviceId_; }
    QCheckBox* userListBox() const { return userList_; }
    QCheckBox* epgBox() const { return epg_; }
    QLineEdit* bouquetNameEdit() const { return bouquetName_; }
    QLabel* bouquetLabel() const { return bouquetLabel_; }
    QLineEdit* bouquetNumberEdit() const { return bouquetNumber_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    bool hasBouquet() const { return context_.firmware >= 2; }
    void buildControls();
    void loadFromRecord();
    void userListClicked(bool checked);
    // Each reader shows its message and focuses the field when the value is refused.
    bool readName(QLineEdit* edit, bool brackets, std::string& bytes);
    bool readNumber(QLineEdit* edit, unsigned min, unsigned max, unsigned& value);
    bool readFrequency(unsigned& value);
    bool readSymbolRate(unsigned& value);
    void refuse(QLineEdit* edit, const QString& message);

    ChannelRecord record_;
    const ChannelDialogContext context_;

    QLineEdit* name_ = nullptr;
    QComboBox* satellite_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    QComboBox* polarisation_ = nullptr;
    QLineEdit* symbolRate_ = nullptr;
    QComboBox* fec_ = nullptr;
    QLineEdit* pcrPid_ = nullptr;
    QLabel* videoPidLabel_ = nullptr;
    QLineEdit* videoPid_ = nullptr;
    QLineEdit* audioPid_ = nullptr;
    QLineEdit* serviceId_ = nullptr;
    QCheckBox* userList_ = nullptr;
    QCheckBox* epg_ = nullptr;
    QLabel* bouquetLabel_ = nullptr;
    QLineEdit* bouquetName_ = nullptr;
    QLineEdit* bouquetNumber_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace kanalo
