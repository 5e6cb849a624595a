#pragma once

#include <QObject>

namespace kanalo {

class EditorContext;
struct OptionValues;

// "&Options...": runs the Options sheet and puts its values into effect at once. The values
// reach the settings store at exit. The two "Satellite List" entries have no function and
// stay disabled.
class OptionsCommands : public QObject {
    Q_OBJECT

public:
    explicit OptionsCommands(EditorContext& context);

    void showOptions();

    // The sheet's values as the editor state holds them now, and taking them over after OK.
    OptionValues currentValues() const;
    void apply(const OptionValues& values);

private:
    EditorContext& context_;
};

} // namespace kanalo
