#include "scripted_prompter.h"
#include "shell/start_up.h"
#include "view/change_value_dialog.h"
#include "view/satellite_choice_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

using namespace kanalo;

class ChangeDialogsTest : public QObject {
    Q_OBJECT

private:
    test::ScriptedPrompter prompts_;

    // Types a value, clicks OK and reports whether the dialog closed accepted.
    bool confirm(CChangeValueDlg& dlg, const QString& typed) {
        prompts_.shown.clear();
        if (!dlg.isVisible()) {
            dlg.show();
            if (!QTest::qWaitForWindowActive(&dlg))
                return false;
        }
        dlg.valueEdit()->setText(typed);
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        return dlg.result() == QDialog::Accepted && !dlg.isVisible();
    }

    void verifyRefused(CChangeValueDlg& dlg, const QString& message) {
        QVERIFY(dlg.isVisible());
        QCOMPARE(prompts_.shown, QStringList{message});
        QTRY_COMPARE(QApplication::focusWidget(), dlg.valueEdit());
        QCOMPARE(dlg.valueEdit()->selectedText(), dlg.valueEdit()->text());
    }

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void valueDialogLayout() {
        CChangeValueDlg dlg(CChangeValueDlg::Mode::Frequency, 11836, {}, false, false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Change selected channels"));
        QCOMPARE(dlg.label()->text(), QStringLiteral("Frequency:"));
        QVERIFY(dlg.label()->alignment() & Qt::AlignRight);
        QCOMPARE(dlg.valueEdit()->text(), QStringLiteral("11836"));
        QCOMPARE(dlg.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dlg.cancelButton()->text(), QStringLiteral("Cancel"));
        QVERIFY(dlg.okButton()->isDefault());
        dlg.show();
        QVERIFY(dlg.cancelButton()->x() < dlg.okButton()->x());
        QCOMPARE(dlg.value(), 11836u);

        // Letters never reach the edit box.
        dlg.valueEdit()->clear();
        QTest::keyClicks(dlg.valueEdit(), "12a3");
        QCOMPARE(dlg.valueEdit()->text(), QStringLiteral("123"));
    }

    void labelsAreBuiltInBothLanguages() {
        // The German labels come from the flag, not from the translator, and vice versa.
        CChangeValueDlg frequency(CChangeValueDlg::Mode::Frequency, 0, {}, false, true);
        QCOMPARE(frequency.label()->text(), QStringLiteral("Frequenz:"));
        CChangeValueDlg rate(CChangeValueDlg::Mode::SymbolRate, 0, {}, false, true);
        QCOMPARE(rate.label()->text(), QStringLiteral("Symbolrate:"));
        installLanguage(Language::German);
        CChangeValueDlg english(CChangeValueDlg::Mode::SymbolRate, 0, {}, false, false);
        QCOMPARE(english.label()->text(), QStringLiteral("Symbol rate:"));
        QCOMPARE(english.windowTitle(), QStringLiteral("Auswahl ändern"));
        QCOMPARE(english.cancelButton()->text(), QStringLiteral("Abbrechen"));
    }

    void frequencyChecks() {
        CChangeValueDlg dlg(CChangeValueDlg::Mode::Frequency, 11836, {}, false, false);
        QVERIFY(!confirm(dlg, "2999"));
        verifyRefused(dlg, "Please enter a frequency in the range from 3000 to 12750.");
        QVERIFY(!confirm(dlg, "12751"));
        verifyRefused(dlg, "Please enter a frequency in the range from 3000 to 12750.");
        QVERIFY(!confirm(dlg, ""));
        verifyRefused(dlg, "You have entered an invalid frequency.");
        QCOMPARE(dlg.value(), 11836u);
        QVERIFY(confirm(dlg, "5000")); // between the bands
        QCOMPARE(dlg.value(), 5000u);

        FrequencyBands narrow;
        narrow.cLowMin = 10000;
        narrow.highMax = 11000;
        CChangeValueDlg custom(CChangeValueDlg::Mode::Frequency, 10500, narrow, false, false);
        QVERIFY(!confirm(custom, "11001"));
        verifyRefused(custom, "Please enter a frequency in the range from 10000 to 11000.");
        QVERIFY(confirm(custom, "10000"));

        CChangeValueDlg free(CChangeValueDlg::Mode::Frequency, 0, {}, true, false);
        QVERIFY(confirm(free, "2999"));
        QCOMPARE(free.value(), 2999u);
    }

    void symbolRateChecks() {
        CChangeValueDlg dlg(CChangeValueDlg::Mode::SymbolRate, 0, {}, true, false);
        QCOMPARE(dlg.valueEdit()->text(), QStringLiteral("27500"));
        QCOMPARE(dlg.label()->text(), QStringLiteral("Symbol rate:"));
        // The range holds even with the limits switched off.
        QVERIFY(!confirm(dlg, "999"));
        verifyRefused(dlg, "Please enter an integer between 1000 and 45000.");
        QVERIFY(!confirm(dlg, "45001"));
        verifyRefused(dlg, "Please enter an integer between 1000 and 45000.");
        QVERIFY(!confirm(dlg, ""));
        verifyRefused(dlg, "Please enter an integer.");
        QVERIFY(confirm(dlg, "45000"));
        QCOMPARE(dlg.value(), 45000u);

        CChangeValueDlg kept(CChangeValueDlg::Mode::SymbolRate, 1000, {}, false, false);
        QCOMPARE(kept.valueEdit()->text(), QStringLiteral("1000"));
    }

    void cancelKeepsTheInitialValue() {
        CChangeValueDlg dlg(CChangeValueDlg::Mode::Frequency, 11836, {}, false, false);
        dlg.show();
        dlg.valueEdit()->setText("12000");
        QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.value(), 11836u);
    }

    void satelliteChoice() {
        installLanguage(Language::English); // German all the same
        CSatelliteChoiceDlg dlg(5);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Auswahl ändern"));
        QCOMPARE(dlg.okButton()->text(), QStringLiteral("OK"));
        QCOMPARE(dlg.cancelButton()->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(dlg.list()->count(), 32);
        QCOMPARE(dlg.list()->item(0)->text(), QStringLiteral("1 Astra 19.2° O"));
        QCOMPARE(dlg.list()->item(8)->text(), QStringLiteral("9 Türksat 42°O"));
        QCOMPARE(dlg.list()->item(31)->text(), QStringLiteral("32 User 15"));
        QCOMPARE(dlg.selectedIndex(), 5);
        dlg.show();
        dlg.list()->setCurrentRow(20);
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.selectedIndex(), 20);
    }

    void satelliteDoubleClickConfirms() {
        CSatelliteChoiceDlg dlg(0);
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        QListWidget* list = dlg.list();
        const QRect line = list->visualItemRect(list->item(3));
        // The first click of a double-click only selects.
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, line.center());
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.selectedIndex(), 3);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.selectedIndex(), 3);
    }

    void satelliteCancelAndMissingSelection() {
        CSatelliteChoiceDlg dlg(7);
        dlg.show();
        QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));

        // An index outside the table starts without a choice; OK waits for one.
        CSatelliteChoiceDlg unknown(40);
        QCOMPARE(unknown.selectedIndex(), -1);
        QVERIFY(!unknown.okButton()->isEnabled());
        unknown.list()->setCurrentRow(2);
        QVERIFY(unknown.okButton()->isEnabled());
    }
};

QTEST_MAIN(ChangeDialogsTest)
#include "change_dialogs_test.moc"
