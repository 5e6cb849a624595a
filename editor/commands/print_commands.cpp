#include "editor/commands/print_commands.h"

#include "core/format/print_layout.h"
#include "editor/base/editor_state.h"
#include "editor/base/prompter.h"
#include "editor/base/texts.h"
#include "editor/base/wait_cursor.h"
#include "editor/commands/editor_context.h"
#include "editor/commands/print_job.h"
#include "editor/listview/row_list_view.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>

namespace kanalo {

namespace {

bool runSystemPrintDialog(QPrinter& printer, bool rowsSelected, QWidget* parent) {
    // With rows selected the dialog starts on "Selection"; without, it cannot be chosen.
    printer.setPrintRange(rowsSelected ? QPrinter::Selection : QPrinter::AllPages);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, rowsSelected);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

PrintCommands::PrintCommands(EditorContext& context)
    : QObject(context.widget()), context_(context) {
    runDialog_ = [this](QPrinter& printer, bool rowsSelected) {
        return runSystemPrintDialog(printer, rowsSelected, context_.widget());
    };
    connect(context_.action(Command::Print), &QAction::triggered, this, &PrintCommands::print);
    context_.onCommandStatesUpdated(this, [this] { updateState(); });
    updateState();
}

PrintCommands::~PrintCommands() = default;

EditorState& PrintCommands::state() const {
    return context_.state();
}

void PrintCommands::updateState() {
    context_.action(Command::Print)->setEnabled(state().listLoaded());
}

void PrintCommands::print() {
    CRowListView* view = context_.view();
    view->cancelPendingExchange();
    if (!state().listLoaded())
        return;
    const std::vector<int> selected = view->selectedRows();
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!runDialog_(*printer_, !selected.empty()))
        return;
    // A page range means nothing for a list; like Selection it prints the selected rows.
    const PrintChoice choice =
        printer_->printRange() == QPrinter::AllPages ? PrintChoice::All : PrintChoice::Selection;
    const ConstChannelList list = std::as_const(*state().shownTable()).list(state().shownList);
    const std::vector<int> rows = rowsToPrint(list, choice, selected);

    PrintLineFormatter formatter(state().columnSets.printer, state().settings.pidRadix,
                                 state().german);
    if (state().numbersUnsorted)
        formatter.setUnsortedNumbers(
            [view](int row) { return view->rows().rowData(row).texts[0].toStdString(); });
    bool printed = false;
    {
        WaitCursor wait;
        printed = printChannelLines(*printer_, formatter, list, state().shownList, rows);
    }
    if (!printed)
        context_.prompter().error(context_.widget(), text("Cannot print."));
}

} // namespace kanalo
