#include "core/channels/channel_file.h"
#include "editor/base/editor_state.h"
#include "editor/base/start_up.h"
#include "editor/commands/document_commands.h"
#include "editor/commands/editor_context.h"
#include "editor/listview/row_list_view.h"
#include "tests/editor/editor_window.h"
#include "tests/editor/scripted_prompter.h"

#include <QAction>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace kanalo;

namespace {

// A context without a main window: a bare widget and the list view, recording what the
// command group asks of it.
class FakeContext : public EditorContext, private TableWriter {
public:
    FakeContext() {
        view_ = new CRowListView(state_, &window_);
        view_->InsertColumns(true);
        documents_ = new DocumentCommands(*this);
    }

    EditorState& state() override { return state_; }
    CRowListView* view() const override { return view_; }
    QAction* action(Command command) const override {
        QAction*& item = actions_[command];
        if (!item)
            item = new QAction(view_);
        return item;
    }
    QWidget* widget() override { return &window_; }
    QSettings& settingsStore() const override { return store_; }
    DocumentCommands& documents() const override { return *documents_; }
    Prompter& prompter() override { return prompts; }
    void setModified(bool modified) override {
        state_.modified = modified;
        log << QStringLiteral("modified %1").arg(modified);
    }
    void updateCommandStates() override {}
    void onCommandStatesUpdated(QObject*, std::function<void()>) override {}
    void updateTitle() override { log << QStringLiteral("title ") + state_.fileTitle; }
    void updateRecentFiles() override { log << state_.settings.recentFiles.join(QLatin1Char(',')); }
    void showStatus(const QString& text) override { log << text; }
    void clearStatus() override { log << QStringLiteral("cleared"); }
    void editList(EditKind, ListTable table, const ListEdit& edit) override {
        edit(writableTable(state_, table));
    }
    void replaceList(ListTable table, ChannelTable contents, ReplacedList replaced) override {
        writableTable(state_, table) = std::move(contents);
        log << QStringLiteral("replaced %1 %2")
                   .arg(table == ListTable::Update)
                   .arg(replaced == ReplacedList::Unmodified);
    }

    test::ScriptedPrompter prompts;
    QStringList log;

private:
    QWidget window_;
    EditorState state_;
    QTemporaryDir dir_;
    mutable QSettings store_{dir_.filePath(QStringLiteral("Kanalo.ini")), QSettings::IniFormat};
    CRowListView* view_ = nullptr;
    DocumentCommands* documents_ = nullptr;
    mutable QHash<Command, QAction*> actions_;
};

} // namespace

class EditorContextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    // A recent file replaces a modified main list only after the questions of any replacement.
    void commandGroupRunsOnAFakeContext() {
        FakeContext context;
        EditorState& state = context.state();
        auto table = std::make_unique<ChannelTable>();
        const QString sample = test::sampleListPath();
        QCOMPARE(loadChannelFile(sample.toStdString(), *table), LoadStatus::Ok);
        state.setUpTables(std::move(table));
        state.modified = true;
        context.view()->ShowList(ListKind::Tv, true);
        context.view()->armExchange(CRowListView::Exchange::Move, 0);

        context.prompts.answers = {Prompter::Answer::Cancel};
        context.documents().openRecent(sample);
        QCOMPARE(context.view()->pendingExchange(), CRowListView::Exchange::None);
        QVERIFY(state.modified);
        QVERIFY(context.log.isEmpty());

        context.prompts.answers = {Prompter::Answer::No};
        context.documents().openRecent(sample);
        const QString absolute = QDir(sample).absolutePath();
        QCOMPARE(context.log, (QStringList{"modified 0", "Reading file ...", "replaced 0 1",
                                           "cleared", "title sample.dat", absolute}));
        QCOMPARE(state.currentPath, sample);
    }
};

QTEST_MAIN(EditorContextTest)
#include "editor_context_test.moc"
