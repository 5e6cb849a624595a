// Kanalo: the channel list editor.
#include "core/version.h"
#include "editor/base/deferred_icon_style.h"
#include "editor/base/editor_settings.h"
#include "editor/base/first_paint_probe.h"
#include "editor/base/prompter.h"
#include "editor/base/start_up.h"
#include "editor/base/termination_signals.h"
#include "editor/listview/row_list_view.h"
#include "editor/mainwindow/main_frame.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>
#include <cstring>

namespace {

void nameTheProgram() {
    QCoreApplication::setApplicationName(QStringLiteral("Kanalo"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kanalo"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(kanalo::kVersionMajor)
                                                .arg(kanalo::kVersionMinor)
                                                .arg(kanalo::kVersionPatch));
}

void describeCommandLine(QCommandLineParser& parser) {
    parser.setApplicationDescription(QStringLiteral("Channel list editor"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("Channel list file to open"),
                                 QStringLiteral("[file]"));
}

// --help and --version only print: they are answered before a display is needed.
bool onlyPrints(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

} // namespace

int main(int argc, char** argv) {
    using namespace kanalo;
    if (onlyPrints(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameTheProgram();
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(app); // prints and ends the program
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setStyle(new DeferredIconStyle);
    nameTheProgram();
    // Ties the windows to the installed desktop entry (icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kanalo.Kanalo"));

    const TerminationSignals terminationSignals;

    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        fputs(qPrintable(parser.helpText()), stderr);
        return 2;
    }

    std::unique_ptr<QSettings> store = openSettingsStore();
    EditorSettings settings = EditorSettings::read(*store);

    // The first-start questions come in the system's language; the setting applies after.
    installLanguage(chooseLanguage(QString(), QLocale::system()));
    const std::optional<ReceiverChoice> receiver =
        settleReceiver(settings.boxType, settings.firmware, prompter());
    if (!receiver)
        return 0;
    const Language language = chooseLanguage(settings.language, QLocale::system());
    installLanguage(language);

    EditorState state;
    state.settings = std::move(settings);
    state.receiver = *receiver;
    state.german = language == Language::German;
    const QString file = parser.positionalArguments().value(0);
    CMainFrame frame(std::move(state), *store, file);
    reportFirstPaintIfAsked(frame.view()->viewport());
    frame.show();
    return QApplication::exec();
}
