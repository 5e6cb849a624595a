#pragma once

#include <QObject>
#include <functional>
#include <memory>

class QPrinter;

namespace kanalo {

class EditorContext;
struct EditorState;

// Print: the shown list, or its selected rows, as text lines in the printer column set.
class PrintCommands : public QObject {
    Q_OBJECT

public:
    // Lets the user set up the printer; false when cancelled. The printer's print range tells
    // what to print afterwards: All pages is the whole list, anything else the selection.
    using DialogRunner = std::function<bool(QPrinter& printer, bool rowsSelected)>;

    explicit PrintCommands(EditorContext& context);
    ~PrintCommands() override;

    void print();

    // Tests choose the range and a PDF file here instead of the system's print dialog.
    void setDialogRunner(DialogRunner runner) { runDialog_ = std::move(runner); }

private:
    EditorState& state() const;
    void updateState();

    EditorContext& context_;
    DialogRunner runDialog_;
    std::unique_ptr<QPrinter> printer_; // kept, so the next job starts with the same choices
};

} // namespace kanalo
