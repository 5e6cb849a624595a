#pragma once

#include "core/listops/list_history.h"

#include <QObject>

class QAction;

namespace kanalo {

class EditorContext;
struct EditorState;

// Copy, Cut, Paste, Paste direct and Delete over the system clipboard, in the format of the
// shown list ("SorrelpadTV" or "SorrelpadRadio"), and the keyboard guard: Del, Ctrl+X, Ctrl+V
// and Ctrl+B act even where the menu entry is disabled, so they can say why they refuse.
class ClipboardCommands : public QObject {
    Q_OBJECT

public:
    explicit ClipboardCommands(EditorContext& context);

    void copy();
    void cut();
    void paste();
    void pasteDirect();
    void deleteSelected(EditKind kind = EditKind::Delete);

    // Whether the clipboard holds channels for the shown list.
    bool clipboardHasChannels() const;
    static const char* formatFor(bool radio);

private:
    enum class Guarded { Delete, Cut, Paste, PasteDirect };
    void guardedKey(Guarded command);
    EditorState& state() const;
    enum class PasteMode { Insert, Direct };
    void pasteWith(PasteMode mode);
    void addGuardKey(const char* key, Guarded command);

    EditorContext& context_;
};

} // namespace kanalo
