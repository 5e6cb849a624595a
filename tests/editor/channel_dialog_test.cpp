#include "editor/base/start_up.h"
#include "editor/dialogs/channel_dialog.h"
#include "tests/editor/scripted_prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kanalo;

namespace {

// A TV channel in the user list with EPG and a bouquet. The reserved bits of words B and C are
// set, so a write that rebuilds a whole word instead of its field shows up.
ChannelRecord sampleRecord() {
    ChannelRecord r;
    r.setName("Das Erste                      ");
    r.setFrequency(11836);
    r.setSymbolRate(27500);
    r.setFecCode(2);
    r.setPcrPid(101);
    r.setVideoPid(101);
    r.setAudioPid(102);
    r.setServiceId(28106);
    r.setInUserList(true);
    r.setEpg(true);
    r.setBouquetName("ARD                            ");
    r.setBouquetNumber(5);
    ChannelRecord::Image image = r.toImage();
    image[3] |= 0xE0;
    image[5] |= 0xC0;
    return ChannelRecord::fromImage(image);
}

ChannelDialogContext context(ListKind list = ListKind::Tv, int firmware = 2,
                             PidRadix radix = PidRadix::Decimal, bool noLimits = false) {
    ChannelDialogContext c;
    c.list = list;
    c.firmware = firmware;
    c.radix = radix;
    c.noLimits = noLimits;
    c.userListCount = 10;
    return c;
}

QByteArray bytes(std::string_view text) {
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

QByteArray image(const ChannelRecord& r) {
    const auto data = r.toImage();
    return QByteArray(reinterpret_cast<const char*>(data.data()), ChannelRecord::kImageSize);
}

// The text edits in the order OK reads them.
enum Field { Name, BouquetName, Pcr, Video, Audio, Service, Frequency, SymbolRate, Bouquet };

QLineEdit* edit(const CChannelDlg& dlg, int field) {
    QLineEdit* const edits[] = {
        dlg.nameEdit(),      dlg.bouquetNameEdit(), dlg.pcrPidEdit(),
        dlg.videoPidEdit(),  dlg.audioPidEdit(),    dlg.serviceIdEdit(),
        dlg.frequencyEdit(), dlg.symbolRateEdit(),  dlg.bouquetNumberEdit()};
    return edits[field];
}

} // namespace

Q_DECLARE_METATYPE(PidRadix)

class ChannelDialogTest : public QObject {
    Q_OBJECT

private:
    test::ScriptedPrompter prompts_;

    void clickOk(CChannelDlg& dlg) {
        prompts_.shown.clear();
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    }

    // Still open, exactly this message, focus on the field with its text selected.
    void verifyRefused(const CChannelDlg& dlg, QLineEdit* field, const QString& message) {
        QVERIFY(dlg.isVisible());
        QCOMPARE(prompts_.shown, QStringList{message});
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectedText(), field->text());
    }

private Q_SLOTS:
    void init() { installLanguage(Language::English); }

    void opensWithTheRecordsValues() {
        ChannelRecord r = sampleRecord();
        r.setName("\x86Sport\x87 \x80 1   ");
        r.setBouquetName("[B] ");
        CChannelDlg dlg(r, context());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit"));
        QCOMPARE(dlg.nameEdit()->text(), QStringLiteral("[Sport] € 1"));
        QCOMPARE(dlg.bouquetNameEdit()->text(), QStringLiteral("[B]"));
        QCOMPARE(dlg.satelliteBox()->count(), 32);
        QCOMPARE(dlg.satelliteBox()->itemText(0), QStringLiteral("1 Astra 19.2° O"));
        QCOMPARE(dlg.polarisationBox()->itemText(1), QStringLiteral("vertikal"));
        QCOMPARE(dlg.fecBox()->itemText(4), QStringLiteral("7/8"));
        QCOMPARE(dlg.fecBox()->currentIndex(), 2);
        QCOMPARE(dlg.frequencyEdit()->text(), QStringLiteral("11836"));
        QCOMPARE(dlg.serviceIdEdit()->text(), QStringLiteral("28106"));
        QCOMPARE(dlg.bouquetNumberEdit()->text(), QStringLiteral("5"));
        QVERIFY(dlg.epgBox()->isChecked() && dlg.epgBox()->isEnabled());
    }

    void okWritesTheEnteredFieldsAndNothingElse() {
        ChannelRecord r = sampleRecord();
        r.setMarked(true);
        ChannelRecord expected = r;
        CChannelDlg dlg(r, context());
        dlg.nameEdit()->setText("Neu [HD]");
        dlg.satelliteBox()->setCurrentIndex(19);
        dlg.frequencyEdit()->setText("12603");
        dlg.polarisationBox()->setCurrentIndex(1);
        dlg.symbolRateEdit()->setText("22000");
        dlg.fecBox()->setCurrentIndex(4);
        dlg.pcrPidEdit()->setText("8191");
        dlg.videoPidEdit()->setText("1");
        dlg.audioPidEdit()->setText("0");
        dlg.serviceIdEdit()->setText("65535");
        dlg.epgBox()->setChecked(false);
        dlg.bouquetNameEdit()->setText("Sky");
        dlg.bouquetNumberEdit()->setText("65535");
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        expected.setName("Neu \x86HD\x87" + std::string(23, ' '));
        expected.setSatelliteIndex(19);
        expected.setFrequency(12603);
        expected.setPolarisation(1);
        expected.setSymbolRate(22000);
        expected.setFecCode(5);
        expected.setPcrPid(8191);
        expected.setVideoPid(1);
        expected.setAudioPid(0);
        expected.setServiceId(65535);
        expected.setEpg(false);
        expected.setBouquetName("Sky" + std::string(28, ' '));
        expected.setBouquetNumber(65535);
        QCOMPARE(image(dlg.record()), image(expected));
    }

    void cancelLeavesTheRecordUntouched() {
        ChannelRecord r = sampleRecord();
        const QByteArray before = image(r);
        CChannelDlg dlg(r, context());
        dlg.nameEdit()->setText("Anders");
        dlg.frequencyEdit()->setText("2999"); // Cancel checks nothing
        dlg.userListBox()->click();
        dlg.show();
        QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(!dlg.isVisible());
        QCOMPARE(image(dlg.record()), before);
    }

    void refusedFieldKeepsTheDialogOpen_data() {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<PidRadix>("radix");
        QTest::addColumn<QString>("message");
        const auto dec = PidRadix::Decimal;
        const auto hex = PidRadix::Hex;
        const QString pid = "Please enter a PID value in the range from %1 to %2.";
        const QString band = "Please enter a frequency in the range from 3000 to 12750.";
        const QString rate = "Please enter an integer between 1000 and 45000.";
        QTest::newRow("TV video PID 0") << int(Video) << "0" << dec << pid.arg(1).arg(8191);
        QTest::newRow("PCR PID letters") << int(Pcr) << "x1" << dec << pid.arg(0).arg(8191);
        QTest::newRow("PCR PID hex 2000") << int(Pcr) << "2000" << hex << pid.arg("0000", "1FFF");
        QTest::newRow("audio PID -1") << int(Audio) << "-1" << dec << pid.arg(0).arg(8191);
        QTest::newRow("service ID decimal letters")
            << int(Service) << "ab" << dec << pid.arg(0).arg(65535);
        QTest::newRow("service ID hex 10000")
            << int(Service) << "10000" << hex << pid.arg("0000", "FFFF");
        QTest::newRow("bouquet number") << int(Bouquet) << "70000" << dec << pid.arg(0).arg(65535);
        QTest::newRow("frequency 2999") << int(Frequency) << "2999" << dec << band;
        QTest::newRow("frequency 12751") << int(Frequency) << "12751" << dec << band;
        QTest::newRow("frequency empty")
            << int(Frequency) << "" << dec << "You have entered an invalid frequency.";
        QTest::newRow("symbol rate 999") << int(SymbolRate) << "999" << dec << rate;
        QTest::newRow("symbol rate empty")
            << int(SymbolRate) << "" << dec << "Please enter an integer.";
        QTest::newRow("name with a snowman")
            << int(Name) << "Schnee ☃" << dec << "The character \"☃\" cannot be stored on the Box.";
    }

    void refusedFieldKeepsTheDialogOpen() {
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(PidRadix, radix);
        QFETCH(QString, message);
        ChannelRecord r = sampleRecord();
        const QByteArray before = image(r);
        CChannelDlg dlg(r, context(ListKind::Tv, 2, radix));
        edit(dlg, field)->setText(typed);
        clickOk(dlg);
        verifyRefused(dlg, edit(dlg, field), message);
        QCOMPARE(image(dlg.record()), before);
    }

    // With every field wrong, each OK names the next field in reading order.
    void fieldsAreReadInOrder() {
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context());
        for (int f = Name; f <= Bouquet; ++f)
            edit(dlg, f)->setText(f <= BouquetName ? "€☃" : "");
        for (int f = Name; f <= Bouquet; ++f) {
            clickOk(dlg);
            QCOMPARE(prompts_.shown.size(), 1);
            QTRY_COMPARE(QApplication::focusWidget(), edit(dlg, f));
            edit(dlg, f)->setText(f <= BouquetName ? "x" : "3000");
        }
        clickOk(dlg);
        QVERIFY(prompts_.shown.isEmpty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void hexadecimalPids() {
        ChannelRecord r = sampleRecord();
        r.setPcrPid(511);
        r.setServiceId(65535);
        CChannelDlg dlg(r, context(ListKind::Tv, 2, PidRadix::Hex));
        QCOMPARE(dlg.pcrPidEdit()->text(), QStringLiteral("01FF"));
        QCOMPARE(dlg.serviceIdEdit()->text(), QStringLiteral("FFFF"));
        QCOMPARE(dlg.bouquetNumberEdit()->text(), QStringLiteral("0005"));
        dlg.pcrPidEdit()->setText("1ff");
        dlg.videoPidEdit()->setText("1FFF");
        dlg.audioPidEdit()->setText("0x20");
        dlg.bouquetNumberEdit()->setText("a");
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.record().pcrPid(), 511);
        QCOMPARE(dlg.record().videoPid(), 8191);
        QCOMPARE(dlg.record().audioPid(), 0x20);
        QCOMPARE(dlg.record().serviceId(), 65535);
        QCOMPARE(dlg.record().bouquetNumber(), 10);
    }

    void radioListAndFirmware1HideTheirFields() {
        ChannelRecord radio = sampleRecord();
        radio.setVideoPid(0);
        CChannelDlg radioDlg(radio, context(ListKind::Radio));
        QVERIFY(radioDlg.videoPidEdit()->isHidden() && radioDlg.videoPidLabel()->isHidden());
        QVERIFY(!radioDlg.bouquetNameEdit()->isHidden());
        clickOk(radioDlg);
        QCOMPARE(radioDlg.result(), int(QDialog::Accepted));

        // Firmware 1 neither shows nor writes EPG and bouquet; what the record holds stays.
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context(ListKind::Tv, 1));
        QVERIFY(dlg.epgBox()->isHidden() && dlg.bouquetLabel()->isHidden());
        QVERIFY(dlg.bouquetNameEdit()->isHidden() && dlg.bouquetNumberEdit()->isHidden());
        QVERIFY(!dlg.videoPidEdit()->isHidden());
        dlg.userListBox()->click();
        dlg.bouquetNumberEdit()->setText("x"); // hidden, so never read
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.record().inUserList());
        QVERIFY(dlg.record().epg());
        QCOMPARE(dlg.record().bouquetName(), std::string_view("ARD                            "));
        QCOMPARE(dlg.record().bouquetNumber(), 5);
    }

    void userListAndEpgBoxes() {
        ChannelRecord r = sampleRecord();
        r.setInUserList(false); // the EPG flag left set is stale
        CChannelDlg dlg(r, context());
        QVERIFY(!dlg.epgBox()->isEnabled() && !dlg.epgBox()->isChecked());
        dlg.userListBox()->click();
        QVERIFY(dlg.epgBox()->isEnabled());
        dlg.epgBox()->click();
        dlg.userListBox()->click();
        QVERIFY(!dlg.epgBox()->isEnabled() && !dlg.epgBox()->isChecked());
        dlg.userListBox()->click();
        dlg.epgBox()->click();
        clickOk(dlg);
        QVERIFY(dlg.record().inUserList() && dlg.record().epg());

        ChannelRecord in = sampleRecord();
        CChannelDlg out(in, context());
        out.userListBox()->click();
        clickOk(out);
        QVERIFY(!out.record().inUserList() && !out.record().epg());
    }

    // The 999th channel closes the user list, under both firmwares.
    void fullUserListAdmitsNoFurtherChannel() {
        for (const int firmware : {1, 2}) {
            for (const bool inList : {false, true}) {
                for (const std::size_t count : {998u, 999u}) {
                    ChannelRecord r = sampleRecord();
                    r.setInUserList(inList);
                    ChannelDialogContext c = context(ListKind::Tv, firmware);
                    c.userListCount = count;
                    CChannelDlg dlg(r, c);
                    QCOMPARE(dlg.userListBox()->isEnabled(), inList || count < 999);
                }
            }
        }
    }

    void noLimitsKeepsOnlyTheNumberChecks() {
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context(ListKind::Tv, 2, PidRadix::Decimal, true));
        dlg.symbolRateEdit()->setText("999");
        dlg.frequencyEdit()->setText("");
        dlg.videoPidEdit()->setText("0");
        dlg.pcrPidEdit()->setText("8197");
        dlg.serviceIdEdit()->setText("65537");
        clickOk(dlg);
        verifyRefused(dlg, dlg.frequencyEdit(), "You have entered an invalid frequency.");
        dlg.frequencyEdit()->setText("20000");
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.record().symbolRate(), 999);
        QCOMPARE(dlg.record().frequency(), 20000 & 0x3FFF);
        QCOMPARE(dlg.record().polarisation(), 0); // the cut frequency does not spill over
        QCOMPARE(dlg.record().videoPid(), 0);
        QCOMPARE(dlg.record().pcrPid(), 5);
        QCOMPARE(dlg.record().serviceId(), 1);
    }

    void namesRoundTripWithBrackets() {
        ChannelRecord r = sampleRecord();
        r.setBouquetName("");
        CChannelDlg dlg(r, context());
        dlg.nameEdit()->setText("A [B]");
        clickOk(dlg);
        QCOMPARE(bytes(dlg.record().name()), QByteArray("A \x86"
                                                        "B\x87")
                                                 .leftJustified(31, ' '));
        QCOMPARE(bytes(dlg.record().bouquetName()), QByteArray(31, ' '));
        QCOMPARE(dlg.record().toImage()[14 + 31], 0);

        CChannelDlg again(dlg.record(), context());
        QCOMPARE(again.nameEdit()->text(), QStringLiteral("A [B]"));
        again.bouquetNameEdit()->setText("[x] €"); // no bracket codes in the bouquet
        again.nameEdit()->setText(QString(31, 'n'));
        clickOk(again);
        QCOMPARE(bytes(again.record().name()), QByteArray(31, 'n'));
        QCOMPARE(bytes(again.record().bouquetName()),
                 QByteArray("[x] \x80").leftJustified(31, ' '));
    }

    void listsWithoutASelectionKeepTheStoredCode() {
        ChannelRecord r = sampleRecord();
        r.setFecCode(4);
        r.setPolarisation(2);
        CChannelDlg dlg(r, context());
        QCOMPARE(dlg.fecBox()->currentIndex(), -1);
        QCOMPARE(dlg.polarisationBox()->currentIndex(), -1);
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.record().fecCode(), 4);
        QCOMPARE(dlg.record().polarisation(), 2);
    }

    void germanMessagesKeepTheirNumbers() {
        installLanguage(Language::German);
        QVERIFY(germanInterface());
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context());
        dlg.videoPidEdit()->setText("0");
        clickOk(dlg);
        verifyRefused(dlg, dlg.videoPidEdit(),
                      "Bitte geben Sie für die PID einen Wert zwischen 1 und 8191 ein.");
    }
};

QTEST_MAIN(ChannelDialogTest)
#include "channel_dialog_test.moc"
