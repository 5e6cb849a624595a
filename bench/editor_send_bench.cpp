// Send Setings to Box through the editor: a full 3998-channel list against boxsim paced like
// a real 57600-baud wire, timed from the command to the counts box, next to the wire time.
#include "core/channels/channel_file_writer.h"
#include "editor/base/prompter.h"
#include "editor/mainwindow/main_frame.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using namespace kanalo;

constexpr int kPacedBaud = 57600;
constexpr double kBitsPerByte = 10;
constexpr double kOpenPauses = 2 * 0.5; // the tool opens the port at 115200, then switches

std::unique_ptr<ChannelTable> fullTable() {
    auto table = std::make_unique<ChannelTable>();
    unsigned i = 0;
    for (auto& r : table->slots()) {
        r.setFree(false);
        r.setVideoPid(i >= kListCapacity ? 0 : 160 + i % 7000);
        r.setAudioPid(80 + i % 8000);
        r.setPcrPid(160 + i % 7000);
        r.setServiceId(28000 + i);
        r.setFrequency(10700 + i % 2050);
        r.setSymbolRate(27500);
        r.setFecCode(i % 4);
        r.setSatelliteIndex(i % 17);
        r.setInUserList(i % 3 == 0);
        char name[40];
        std::snprintf(name, sizeof name, "Channel %04u with a long name..", i);
        r.setName(name);
        ++i;
    }
    return table;
}

// Keeps the counts box from waiting for a click.
class SilentPrompter : public Prompter {
public:
    void information(QWidget*, const QString& text) override { shown = text; }
    void error(QWidget*, const QString& text) override { shown = text; }
    Answer question(QWidget*, const QString&, bool) override { return Answer::Yes; }
    QString shown;
};

// boxsim paced like the wire, reached as COM1.
void startReceiver(QProcess& box, const QTemporaryDir& dir) {
    const QString link = dir.filePath(QStringLiteral("box"));
    box.start(QCoreApplication::applicationDirPath() + QStringLiteral("/boxsim"),
              {"--pace", QString::number(kPacedBaud), "--link", link, "--store",
               dir.filePath(QStringLiteral("stored.dat"))});
    for (int i = 0; i < 100 && !QFile::exists(link); ++i)
        QThread::msleep(20);
    qputenv("KANALO_COM1", link.toLocal8Bit());
}

// Each line goes out with a blank, an eight-place checksum and LF instead of CR LF, and the
// simulated receiver answers "Channel added!" and LF.
double wireSeconds(const std::string& text) {
    const double lineBytes = static_cast<double>(text.size()) + 3998 * (9.0 - 1.0 + 15.0);
    return lineBytes * kBitsPerByte / kPacedBaud + kOpenPauses;
}

void BM_EditorSendFullListPaced57600(benchmark::State& state) {
    QTemporaryDir dir;
    QProcess box;
    startReceiver(box, dir);

    QSettings store(dir.filePath(QStringLiteral("Kanalo.ini")), QSettings::IniFormat);
    EditorState editor;
    editor.settings = EditorSettings::read(store);
    editor.settings.comPort = 1;
    editor.settings.transferAsk = false;
    editor.receiver = {BoxType::Pella1Plus, 2};
    editor.setUpTables(fullTable());
    const std::string text = writeChannelText(*editor.mainTable(), FileForm::Long);
    CMainFrame frame(std::move(editor), store);
    SilentPrompter prompts;
    setPrompter(&prompts);
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        frame.action(Command::SendToBox)->trigger();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
    }
    setPrompter(nullptr);
    state.counters["wire_s"] = wireSeconds(text);
    if (!prompts.shown.contains(QStringLiteral("Added:   3998")))
        state.SkipWithError(qPrintable(QStringLiteral("unexpected result: ") + prompts.shown));
    box.kill();
    box.waitForFinished();
}
// The same list sent by the tool alone, for comparison with the editor's figure.
void BM_ToolSendFullListPaced57600(benchmark::State& state) {
    QTemporaryDir dir;
    QProcess box;
    startReceiver(box, dir);
    const std::string text = writeChannelText(*fullTable(), FileForm::Long);
    const QString list = dir.filePath(QStringLiteral("temp.dat"));
    QFile file(list);
    file.open(QIODevice::WriteOnly);
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QProcess tool;
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/listsend3"),
                   {"-p", "1", "-b", "57600", "-x", list});
        tool.waitForFinished(-1);
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) / 1e9);
        if (tool.exitCode() != 0)
            state.SkipWithError("listsend3 failed");
    }
    state.counters["wire_s"] = wireSeconds(text);
    box.kill();
    box.waitForFinished();
}
BENCHMARK(BM_ToolSendFullListPaced57600)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

BENCHMARK(BM_EditorSendFullListPaced57600)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
