#pragma once

#include "core/listops/apply_order.h"
#include "editor/dialogs/apply_order_dialog.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace kanalo {

class EditorContext;

// The summary of Apply Order in the interface language, a sentence per list ordered, joined by
// `separator`.
QString shownApplyOrderSummary(const ApplyOrderSummary& summary, const QString& separator);

// Edit > Apply Order from Reference List: brings the Main-List into the order of a reference
// (a channel list, a VDR channels.conf or a list of names), one undo step per list changed.
class ReferenceOrderCommands : public QObject {
    Q_OBJECT

public:
    using ChoiceAsker = std::function<std::optional<ApplyOrderChoice>(QWidget* parent)>;

    explicit ReferenceOrderCommands(EditorContext& context);

    void applyOrder();
    // Reads the reference and applies it as chosen; false after a failure message.
    bool applyOrderFrom(const QString& path, const ApplyOrderChoice& choice);

    void setChoiceAsker(ChoiceAsker asker) { askChoice_ = std::move(asker); }

private:
    // Reads the reference file; false after the failure message.
    bool readReference(const QString& path, OrderReference& reference);
    void apply(const OrderReference& reference, const ApplyOrderChoice& choice);

    EditorContext& context_;
    ChoiceAsker askChoice_ = &ApplyOrderDialog::ask;
};

} // namespace kanalo
