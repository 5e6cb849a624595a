#include "editor/base/editor_settings.h"
#include "editor/base/prompter.h"
#include "editor/base/start_up.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace kanalo;

namespace {

const QString kLundra = QStringLiteral("Do you usa a  LUNDRA ?\n(Select No for Pella1 or TALVEN)");
const QString kPlus = QStringLiteral("Do you use a Pella1 Plus ?\n(Select No for Pella1)");
const QString kVersion = QStringLiteral("Software Version 1.5-46 or higher ?");

// Answers questions from a script and remembers what was asked.
class ScriptedPrompter : public Prompter {
public:
    explicit ScriptedPrompter(QList<Answer> answers) : answers_(std::move(answers)) {}

    Answer question(QWidget*, const QString& text, bool offerCancel) override {
        asked.append(text);
        allOfferedCancel = allOfferedCancel && offerCancel;
        if (answers_.isEmpty()) {
            unexpected = true;
            return Answer::Cancel;
        }
        return answers_.takeFirst();
    }
    void error(QWidget*, const QString&) override { unexpected = true; }

    QStringList asked;
    bool allOfferedCancel = true;
    bool unexpected = false;

private:
    QList<Answer> answers_;
};

using A = Prompter::Answer;

// Acts on the next message box as soon as it is shown.
void onNextMessageBox(std::function<void(QMessageBox*)> act, int triesLeft = 200) {
    QTimer::singleShot(10, [act = std::move(act), triesLeft]() mutable {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            act(box);
        } else if (triesLeft > 0) {
            onNextMessageBox(std::move(act), triesLeft - 1);
        }
    });
}

} // namespace

class StartUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() {
        kanalo::installLanguage(Language::English);
        setPrompter(nullptr);
    }

    void settleReceiver_data() {
        QTest::addColumn<int>("storedBox");
        QTest::addColumn<int>("storedFirmware");
        QTest::addColumn<QList<A>>("answers");
        QTest::addColumn<QStringList>("expectedQuestions");
        QTest::addColumn<bool>("runs");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("firmware");

        QTest::newRow("first start, Lundra")
            << 0 << 0 << QList<A>{A::Yes} << QStringList{kLundra} << true << 2 << 2;
        QTest::newRow("first start, Pella1 Plus")
            << 0 << 0 << QList<A>{A::No, A::Yes} << QStringList{kLundra, kPlus} << true << 3 << 2;
        QTest::newRow("first start, first model, new software")
            << 0 << 0 << QList<A>{A::No, A::No, A::Yes} << QStringList{kLundra, kPlus, kVersion}
            << true << 1 << 2;
        QTest::newRow("first start, first model, old software")
            << 0 << 0 << QList<A>{A::No, A::No, A::No} << QStringList{kLundra, kPlus, kVersion}
            << true << 1 << 1;
        QTest::newRow("cancel the model question")
            << 0 << 0 << QList<A>{A::Cancel} << QStringList{kLundra} << false << 0 << 0;
        QTest::newRow("cancel the Plus question") << 0 << 0 << QList<A>{A::No, A::Cancel}
                                                  << QStringList{kLundra, kPlus} << false << 0 << 0;
        QTest::newRow("cancel the software question")
            << 0 << 0 << QList<A>{A::No, A::No, A::Cancel} << QStringList{kLundra, kPlus, kVersion}
            << false << 0 << 0;
        QTest::newRow("first start with software stored")
            << 0 << 1 << QList<A>{A::No, A::No} << QStringList{kLundra, kPlus} << true << 1 << 1;

        QTest::newRow("Pella1 Plus with old software stored")
            << 3 << 1 << QList<A>{} << QStringList{} << true << 3 << 2;
        QTest::newRow("Lundra, software never asked")
            << 2 << 0 << QList<A>{} << QStringList{} << true << 2 << 2;
        QTest::newRow("first model, new software stored")
            << 1 << 2 << QList<A>{} << QStringList{} << true << 1 << 2;
        QTest::newRow("first model, old software stored")
            << 1 << 1 << QList<A>{} << QStringList{} << true << 1 << 1;
        QTest::newRow("first model, software not stored")
            << 1 << 0 << QList<A>{A::Yes} << QStringList{kVersion} << true << 1 << 2;
        QTest::newRow("first model, damaged software value")
            << 1 << 7 << QList<A>{A::No} << QStringList{kVersion} << true << 1 << 1;
        QTest::newRow("negative model runs as the first")
            << -4 << 0 << QList<A>{A::No} << QStringList{kVersion} << true << 1 << 1;
        QTest::newRow("unknown model asks again")
            << 9 << 1 << QList<A>{A::Yes} << QStringList{kLundra} << true << 2 << 2;
    }
    void settleReceiver() {
        QFETCH(int, storedBox);
        QFETCH(int, storedFirmware);
        QFETCH(QList<A>, answers);
        QFETCH(QStringList, expectedQuestions);
        QFETCH(bool, runs);
        QFETCH(int, box);
        QFETCH(int, firmware);

        ScriptedPrompter script(answers);
        const std::optional<ReceiverChoice> choice =
            kanalo::settleReceiver(storedBox, storedFirmware, script);
        QCOMPARE(script.asked, expectedQuestions);
        QVERIFY(script.allOfferedCancel);
        QVERIFY(!script.unexpected);
        QCOMPARE(choice.has_value(), runs);
        if (runs) {
            QCOMPARE(static_cast<int>(choice->boxType), box);
            QCOMPARE(choice->firmware, firmware);
        }
    }

    // Start-up as the application runs it: read, settle, run, write at exit.
    void storedChoicesAtExit() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto run = [](const QString& path, QList<A> answers) {
            QSettings store(path, QSettings::IniFormat);
            EditorSettings s = EditorSettings::read(store);
            ScriptedPrompter script(answers);
            const std::optional<ReceiverChoice> choice =
                kanalo::settleReceiver(s.boxType, s.firmware, script);
            if (!choice) {
                return false;
            }
            s.boxType = static_cast<int>(choice->boxType);
            s.firmware = choice->firmware;
            s.writeAtExit(store);
            return true;
        };

        const QString upgraded = dir.filePath("upgraded.ini");
        QSettings(upgraded, QSettings::IniFormat).setValue("Settings/BoxType", 3);
        QSettings(upgraded, QSettings::IniFormat).setValue("Settings/Firmware", 1);
        QVERIFY(run(upgraded, {}));
        QCOMPARE(QSettings(upgraded, QSettings::IniFormat).value("Settings/Firmware").toInt(), 2);
        QCOMPARE(QSettings(upgraded, QSettings::IniFormat).value("Settings/BoxType").toInt(), 3);

        const QString first = dir.filePath("first.ini");
        QVERIFY(run(first, {A::No, A::No, A::No}));
        QCOMPARE(QSettings(first, QSettings::IniFormat).value("Settings/BoxType").toInt(), 1);
        QCOMPARE(QSettings(first, QSettings::IniFormat).value("Settings/Firmware").toInt(), 1);
        // The next start asks nothing.
        QVERIFY(run(first, {}));
    }

    void chooseLanguage_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("german");
        const QLocale de(QLocale::German, QLocale::Germany);
        const QLocale at(QLocale::German, QLocale::Austria);
        const QLocale us(QLocale::English, QLocale::UnitedStates);
        const QLocale fr(QLocale::French, QLocale::France);
        QTest::newRow("English on a German system") << "English" << de << false;
        QTest::newRow("German on an English system") << "German" << us << true;
        QTest::newRow("lower case follows a German system") << "english" << de << true;
        QTest::newRow("lower case follows an English system") << "english" << us << false;
        QTest::newRow("empty, Austrian system") << "" << at << true;
        QTest::newRow("empty, French system") << "" << fr << false;
    }
    void chooseLanguage() {
        QFETCH(QString, setting);
        QFETCH(QLocale, locale);
        QFETCH(bool, german);
        QCOMPARE(kanalo::chooseLanguage(setting, locale) == Language::German, german);
    }

    void installLanguage() {
        const auto tr = [](const char* text) {
            return QCoreApplication::translate("Kanalo", text);
        };
        QVERIFY(!germanInterface());

        kanalo::installLanguage(Language::German);
        QVERIFY(germanInterface());
        QCOMPARE(tr("&File"), QStringLiteral("&Datei"));
        QCOMPARE(tr("Cannot open file."), QStringLiteral("Datei kann nicht geöffnet werden."));
        ScriptedPrompter script({A::Yes});
        QVERIFY(kanalo::settleReceiver(0, 0, script).has_value());
        QCOMPARE(script.asked,
                 QStringList{QStringLiteral(
                     "Verwenden Sie eine LUNDRA ?\n(Wählen Sie nein bei Pella1 oder TALVEN)")});

        // A second install replaces the translator; removing it must leave none behind.
        kanalo::installLanguage(Language::German);
        QCOMPARE(tr("&File"), QStringLiteral("&Datei"));
        kanalo::installLanguage(Language::English);
        QVERIFY(!germanInterface());
        QCOMPARE(tr("&File"), QStringLiteral("&File"));
        QCOMPARE(tr("Cannot open file."), QStringLiteral("Cannot open file."));
    }

    void realQuestionBox() {
        bool checked = false;
        onNextMessageBox([&checked](QMessageBox* box) {
            checked = box->windowTitle() == QLatin1String("Kanalo") &&
                      box->icon() == QMessageBox::Question &&
                      box->standardButtons() ==
                          (QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel) &&
                      box->text() == kVersion;
            box->button(QMessageBox::Cancel)->click();
        });
        QCOMPARE(prompter().question(nullptr, kVersion, true), A::Cancel);
        QVERIFY(checked);

        onNextMessageBox([](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); });
        QCOMPARE(prompter().question(nullptr, kVersion, true), A::Yes);

        // Without Cancel, Escape answers No.
        checked = false;
        onNextMessageBox([&checked](QMessageBox* box) {
            checked = box->standardButtons() == (QMessageBox::Yes | QMessageBox::No);
            QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(prompter().question(nullptr, kVersion, false), A::No);
        QVERIFY(checked);
    }

    void realErrorBox() {
        bool checked = false;
        onNextMessageBox([&checked](QMessageBox* box) {
            checked = box->windowTitle() == QLatin1String("Kanalo") &&
                      box->icon() == QMessageBox::Warning &&
                      box->standardButtons() == QMessageBox::Ok &&
                      box->text() == QLatin1String("Cannot open file.");
            box->button(QMessageBox::Ok)->click();
        });
        prompter().error(nullptr, QStringLiteral("Cannot open file."));
        QVERIFY(checked);
    }
};

QTEST_MAIN(StartUpTest)
#include "start_up_test.moc"
