#pragma once

#include "core/channels/channel_table.h"
#include "core/compare/compare_matches.h"

#include <QDialog>
#include <array>
#include <vector>

class QLineEdit;
class QPushButton;

namespace kanalo {

// "Compare Channels": an Update-List channel on the right, the main-list channels that match
// it on the left, one at a time, and two buttons that ask to copy it over the match shown. The
// dialog changes nothing itself: its owner copies, then calls showMatch().
class CCompareDlg : public QDialog {
    Q_OBJECT

public:
    enum class Field {
        Number,
        Name,
        Satellite,
        Frequency,
        Polarisation,
        SymbolRate,
        Fec,
        PcrPid,
        VideoPid,
        AudioPid,
        ServiceId,
    };
    static constexpr int kFieldCount = 11;

    // Whether a copy keeps the main-list channel's name.
    enum class Copy { Whole, KeepingName };

    // updateNumber is the number the Update-List row shows. The main list must outlive the
    // dialog.
    CCompareDlg(ConstChannelList main, const ChannelRecord& update, const QString& updateNumber,
                CompareMode mode, QWidget* parent = nullptr);

    const std::vector<int>& matches() const { return matches_; }
    int position() const { return position_; }

    QLineEdit* mainField(Field field) const { return mainFields_[index(field)]; }
    QLineEdit* updateField(Field field) const { return updateFields_[index(field)]; }
    QPushButton* previousButton() const { return previous_; }
    QPushButton* nextButton() const { return next_; }
    QPushButton* copyButton() const { return copy_; }
    QPushButton* copyKeepNameButton() const { return copyKeepName_; }
    QPushButton* closeButton() const { return close_; }

    void showNext();
    void showPrevious();
    // Shows the main-list channel of the current match as the list now holds it.
    void showMatch();

Q_SIGNALS:
    // The user asks to copy the Update-List channel over this main-list slot.
    void copyRequested(int mainSlot, Copy copy);

private:
    static std::size_t index(Field field) { return static_cast<std::size_t>(field); }
    void showRecord(const std::array<QLineEdit*, kFieldCount>& fields, const ChannelRecord& record,
                    const QString& number);
    void requestCopy(Copy copy);

    ConstChannelList main_;
    ChannelRecord update_;
    std::vector<int> matches_;
    int position_ = 0;

    std::array<QLineEdit*, kFieldCount> mainFields_{};
    std::array<QLineEdit*, kFieldCount> updateFields_{};
    QPushButton* previous_ = nullptr;
    QPushButton* next_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* copyKeepName_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace kanalo
