#include "editor/commands/reference_order_commands.h"

#include "core/listops/order_reference_reader.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/editor_context.h"
#include "editor/listview/row_list_view.h"

#include <QAction>
#include <QFile>

namespace kanalo {

namespace {

QString listSentence(const QString& list, const ListOrderSummary& summary) {
    if (summary.referenceEntries == 0)
        return text("%1: no channels in the reference, list unchanged.").arg(list);
    const QString sentence =
        summary.unmatched == UnmatchedChannels::Remove
            ? text("%1: %2 of %3 channels ordered by the reference, %4 not found removed.")
            : text("%1: %2 of %3 channels ordered by the reference, %4 not found placed after "
                   "them.");
    return sentence.arg(list)
        .arg(qulonglong(summary.matched))
        .arg(qulonglong(summary.channels))
        .arg(qulonglong(summary.notFound()));
}

} // namespace

QString shownApplyOrderSummary(const ApplyOrderSummary& summary, const QString& separator) {
    QStringList sentences;
    if (summary.tv)
        sentences << listSentence(text("TV"), *summary.tv);
    if (summary.radio)
        sentences << listSentence(text("Radio"), *summary.radio);
    return sentences.join(separator);
}

ReferenceOrderCommands::ReferenceOrderCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    QAction* action = context_.action(Command::ApplyOrder);
    context_.onCommandStatesUpdated(action, [this, action] {
        action->setEnabled(context_.state().listLoaded() && !context_.state().showingUpdate);
    });
    connect(action, &QAction::triggered, this, &ReferenceOrderCommands::applyOrder);
}

void ReferenceOrderCommands::applyOrder() {
    EditorState& state = context_.state();
    if (!state.listLoaded() || state.showingUpdate)
        return;
    context_.view()->cancelPendingExchange();
    const QString path = context_.prompter().openFileName(
        context_.widget(), QString(), state.settings.vbsFolder,
        text("Reference Lists (*.dat *.conf *.txt);;Channel Lists (*.dat);;VDR Channel Lists "
             "(*.conf);;Text Files (*.txt);;All Files (*)"));
    if (path.isEmpty())
        return;
    // A file that is no reference is refused before any question.
    OrderReference reference;
    if (!readReference(path, reference))
        return;
    if (const std::optional<ApplyOrderChoice> choice = askChoice_(context_.widget()))
        apply(reference, *choice);
}

bool ReferenceOrderCommands::readReference(const QString& path, OrderReference& reference) {
    DvbReadStatus read;
    {
        WaitCursor wait;
        read = readOrderReferenceFile(QFile::encodeName(path).toStdString(), reference);
    }
    if (read == DvbReadStatus::Ok)
        return true;
    context_.prompter().error(context_.widget(), text(statusMessage(read)));
    return false;
}

bool ReferenceOrderCommands::applyOrderFrom(const QString& path, const ApplyOrderChoice& choice) {
    OrderReference reference;
    if (!readReference(path, reference))
        return false;
    apply(reference, choice);
    return true;
}

void ReferenceOrderCommands::apply(const OrderReference& reference,
                                   const ApplyOrderChoice& choice) {
    EditorState& state = context_.state();
    ApplyOrderSummary summary;
    CRowListView* view = context_.view();
    context_.editList(EditKind::ApplyOrder, ListTable::Main, [&](ChannelTable& table) {
        summary = applyReferenceOrder(table, reference, choice.lists, choice.unmatched);
        // The rows on screen got a new order: their numbers count from the top again.
        const std::optional<ListOrderSummary>& shown =
            state.shownList == ListKind::Tv ? summary.tv : summary.radio;
        if (shown && shown->referenceEntries > 0)
            view->Renumber();
    });
    view->scrollToTop();
    context_.showStatus(shownApplyOrderSummary(summary, QStringLiteral(" ")));
    context_.prompter().information(context_.widget(),
                                    shownApplyOrderSummary(summary, QStringLiteral("\n")));
}

} // namespace kanalo
