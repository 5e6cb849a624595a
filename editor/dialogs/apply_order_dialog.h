#pragma once

#include "core/listops/apply_order.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QRadioButton;

namespace kanalo {

struct ApplyOrderChoice {
    OrderedLists lists = OrderedLists::Both;
    UnmatchedChannels unmatched = UnmatchedChannels::PlaceAfter;
};

// Asks which lists follow the reference and what becomes of the channels it does not name.
class ApplyOrderDialog : public QDialog {
    Q_OBJECT

public:
    explicit ApplyOrderDialog(QWidget* parent = nullptr);

    ApplyOrderChoice choice() const;
    // Runs the dialog; nothing when cancelled.
    static std::optional<ApplyOrderChoice> ask(QWidget* parent);

private:
    QRadioButton* both_;
    QRadioButton* tvOnly_;
    QCheckBox* removeUnmatched_;
};

} // namespace kanalo
