#include "editor/base/start_up.h"
#include "editor/dialogs/change_value_dialog.h"
#include "editor/dialogs/satellite_choice_dialog.h"
#include "tests/editor/scripted_prompter.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace kanalo;

using Mode = CChangeValueDlg::Mode;

class ChangeDialogsTest : public QObject {
    Q_OBJECT

private:
    test::ScriptedPrompter prompts_;

    // Types a value and clicks OK; true when the dialog closed accepted.
    bool confirm(CChangeValueDlg& dlg, const QString& typed) {
        prompts_.shown.clear();
        dlg.show();
        if (!QTest::qWaitForWindowActive(&dlg))
            return false;
        dlg.valueEdit()->setText(typed);
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        return dlg.result() == QDialog::Accepted && !dlg.isVisible();
    }

    void verifyRefused(CChangeValueDlg& dlg, const QString& message) {
        QCOMPARE(prompts_.shown, QStringList{message});
        QTRY_COMPARE(QApplication::focusWidget(), dlg.valueEdit());
        QCOMPARE(dlg.valueEdit()->selectedText(), dlg.valueEdit()->text());
    }

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void valueDialogLayout() {
        CChangeValueDlg dlg(Mode::Frequency, 11836, {}, false, false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Change selected channels"));
        QCOMPARE(dlg.label()->text(), QStringLiteral("Frequency:"));
        QVERIFY(dlg.label()->alignment() & Qt::AlignRight);
        QCOMPARE(dlg.valueEdit()->text(), QStringLiteral("11836"));
        QVERIFY(dlg.okButton()->isDefault());
        dlg.show();
        QVERIFY(dlg.cancelButton()->x() < dlg.okButton()->x());
        dlg.valueEdit()->clear();
        QTest::keyClicks(dlg.valueEdit(), "12a3");
        QCOMPARE(dlg.valueEdit()->text(), QStringLiteral("123"));
    }

    // The labels follow the flag, not the translator.
    void labelsAreBuiltIn() {
        QCOMPARE(CChangeValueDlg(Mode::Frequency, 0, {}, false, true).label()->text(),
                 QStringLiteral("Frequenz:"));
        QCOMPARE(CChangeValueDlg(Mode::SymbolRate, 0, {}, false, true).label()->text(),
                 QStringLiteral("Symbolrate:"));
        installLanguage(Language::German);
        CChangeValueDlg english(Mode::SymbolRate, 0, {}, false, false);
        QCOMPARE(english.label()->text(), QStringLiteral("Symbol rate:"));
        QCOMPARE(english.windowTitle(), QStringLiteral("Auswahl ändern"));
    }

    void frequencyChecks() {
        CChangeValueDlg dlg(Mode::Frequency, 11836, {}, false, false);
        QVERIFY(!confirm(dlg, "2999"));
        verifyRefused(dlg, "Please enter a frequency in the range from 3000 to 12750.");
        QVERIFY(!confirm(dlg, ""));
        verifyRefused(dlg, "You have entered an invalid frequency.");
        QCOMPARE(dlg.value(), 11836u);
        QVERIFY(confirm(dlg, "5000")); // between the bands
        QCOMPARE(dlg.value(), 5000u);

        FrequencyBands narrow;
        narrow.cLowMin = 10000;
        narrow.highMax = 11000;
        CChangeValueDlg custom(Mode::Frequency, 10500, narrow, false, false);
        QVERIFY(!confirm(custom, "11001"));
        verifyRefused(custom, "Please enter a frequency in the range from 10000 to 11000.");

        CChangeValueDlg free(Mode::Frequency, 0, {}, true, false);
        QVERIFY(confirm(free, "2999"));
        QCOMPARE(free.value(), 2999u);
    }

    void symbolRateChecks() {
        CChangeValueDlg dlg(Mode::SymbolRate, 999, {}, true, false);
        QCOMPARE(dlg.valueEdit()->text(), QStringLiteral("27500"));
        // The range holds even with the limits switched off.
        QVERIFY(!confirm(dlg, "999"));
        verifyRefused(dlg, "Please enter an integer between 1000 and 45000.");
        QVERIFY(!confirm(dlg, "45001"));
        verifyRefused(dlg, "Please enter an integer between 1000 and 45000.");
        QVERIFY(!confirm(dlg, ""));
        verifyRefused(dlg, "Please enter an integer.");
        QVERIFY(confirm(dlg, "45000"));
        QCOMPARE(dlg.value(), 45000u);
        QCOMPARE(CChangeValueDlg(Mode::SymbolRate, 1000, {}, false, false).value(), 1000u);
    }

    void satelliteChoice() {
        CSatelliteChoiceDlg dlg(5);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Auswahl ändern"));
        QCOMPARE(dlg.cancelButton()->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(dlg.list()->count(), 32);
        QCOMPARE(dlg.list()->item(8)->text(), QStringLiteral("9 Türksat 42°O"));
        QCOMPARE(dlg.selectedIndex(), 5);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QListWidget* list = dlg.list();
        const QPoint line = list->visualItemRect(list->item(3)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line);
        QVERIFY(dlg.isVisible()); // the first click of a double-click only selects
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.selectedIndex(), 3);

        // An index outside the table starts without a choice, and OK waits for one.
        CSatelliteChoiceDlg unknown(40);
        QCOMPARE(unknown.selectedIndex(), -1);
        QVERIFY(!unknown.okButton()->isEnabled());
        unknown.list()->setCurrentRow(2);
        QVERIFY(unknown.okButton()->isEnabled());
    }
};

QTEST_MAIN(ChangeDialogsTest)
#include "change_dialogs_test.moc"
