#pragma once

#include "core/compare/compare_matches.h"

#include <QObject>

namespace kanalo {

class EditorContext;

// "Show Differences" by name and by frequency on the Update-List: the context menu entries,
// and a double-click or Enter on a row, open the Compare Channels dialog for currentRow.
class CompareCommands : public QObject {
    Q_OBJECT

public:
    explicit CompareCommands(EditorContext& context);

    // Does nothing for no row (-1) or while the Update-List is not shown.
    void showDifferences(int row, CompareMode mode);

private:
    void updateStates();

    EditorContext& context_;
};

} // namespace kanalo
