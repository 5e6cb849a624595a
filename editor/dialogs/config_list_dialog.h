#pragma once

#include "core/format/column_set.h"

#include <QDialog>
#include <array>

class QCheckBox;

namespace kanalo {

// "Configure List": eleven check boxes for the columns after the number. Holds both column
// sets for the whole run and edits one of them at a time (0 screen, 1 printer).
class CConfigListDlg : public QDialog {
    Q_OBJECT

public:
    enum class EditedSet { Screen = 0, Printer = 1 };

    CConfigListDlg(ColumnSets& sets, QWidget* parent = nullptr);

    void setEditedSet(EditedSet set) { edited_ = set; }
    ColumnSet& editedColumns();

    // Shows the edited set's flags; on OK they are taken over and the mask is returned for
    // the settings. Cancel returns nothing and changes nothing.
    std::optional<int> run();

    // For tests: the check box of a column kind 1..11, and the "&Default" button's effect.
    QCheckBox* checkBox(ColumnKind kind) const;
    void setDefaults();
    void accept() override;

private:
    ColumnSets& sets_;
    EditedSet edited_ = EditedSet::Screen;
    std::array<QCheckBox*, kColumnCount> boxes_{};
};

} // namespace kanalo
