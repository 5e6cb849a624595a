#include "scripted_prompter.h"
#include "shell/start_up.h"
#include "view/channel_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace kanalo;

namespace {

// A TV channel in the user list with EPG and a bouquet; the reserved bits of words B and C are
// set so that a write that rebuilds a word instead of one field shows up.
ChannelRecord sampleRecord() {
    ChannelRecord r;
    r.setName("Das Erste                      ");
    r.setSatelliteIndex(0);
    r.setFrequency(11836);
    r.setPolarisation(0);
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
    image[3] |= 0xE0; // word B, bits 13-15
    image[5] |= 0xC0; // word C, bits 14-15
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

QByteArray padded(QByteArray text) {
    return text.leftJustified(31, ' ');
}

enum class Field { Name, BouquetName, Pcr, Video, Audio, Service, Frequency, SymbolRate, Bouquet };

QLineEdit* edit(const CChannelDlg& dlg, Field field) {
    switch (field) {
    case Field::Name:
        return dlg.nameEdit();
    case Field::BouquetName:
        return dlg.bouquetNameEdit();
    case Field::Pcr:
        return dlg.pcrPidEdit();
    case Field::Video:
        return dlg.videoPidEdit();
    case Field::Audio:
        return dlg.audioPidEdit();
    case Field::Service:
        return dlg.serviceIdEdit();
    case Field::Frequency:
        return dlg.frequencyEdit();
    case Field::SymbolRate:
        return dlg.symbolRateEdit();
    case Field::Bouquet:
        break;
    }
    return dlg.bouquetNumberEdit();
}

} // namespace

Q_DECLARE_METATYPE(Field)
Q_DECLARE_METATYPE(ListKind)
Q_DECLARE_METATYPE(PidRadix)

class ChannelDialogTest : public QObject {
    Q_OBJECT

private:
    test::ScriptedPrompter prompts_;

    // Clicks OK on a shown, active dialog.
    static void clickOk(CChannelDlg& dlg) {
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
    }

    // The dialog stayed open, said exactly this, and put the focus on the field, text selected.
    void verifyRefused(const CChannelDlg& dlg, QLineEdit* field, const QString& message) {
        QVERIFY(dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(prompts_.shown, QStringList{message});
        QTRY_COMPARE(QApplication::focusWidget(), field);
        QCOMPARE(field->selectedText(), field->text());
    }

private Q_SLOTS:
    void init() {
        prompts_.shown.clear();
        installLanguage(Language::English);
    }

    void opensWithTheRecordsValues() {
        ChannelRecord r = sampleRecord();
        r.setName(std::string("\x86"
                              "Sport\x87 \x80 1   "));
        r.setBouquetName("[B] ");
        CChannelDlg dlg(r, context());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Edit"));
        QCOMPARE(dlg.nameEdit()->text(), QStringLiteral("[Sport] € 1"));
        QCOMPARE(dlg.nameEdit()->maxLength(), 31);
        QCOMPARE(dlg.bouquetNameEdit()->text(), QStringLiteral("[B]"));
        QCOMPARE(dlg.bouquetNameEdit()->maxLength(), 31);
        QCOMPARE(dlg.satelliteBox()->count(), 32);
        QCOMPARE(dlg.satelliteBox()->itemText(0), QStringLiteral("1 Astra 19.2° O"));
        QCOMPARE(dlg.satelliteBox()->itemText(31), QStringLiteral("32 User 15"));
        QCOMPARE(dlg.satelliteBox()->currentIndex(), 0);
        QCOMPARE(dlg.polarisationBox()->count(), 2);
        QCOMPARE(dlg.polarisationBox()->itemText(1), QStringLiteral("vertikal"));
        QStringList fec;
        for (int i = 0; i < dlg.fecBox()->count(); ++i)
            fec << dlg.fecBox()->itemText(i);
        QCOMPARE(fec, (QStringList{"1/2", "2/3", "3/4", "5/6", "7/8"}));
        QCOMPARE(dlg.fecBox()->currentIndex(), 2);
        QCOMPARE(dlg.frequencyEdit()->text(), QStringLiteral("11836"));
        QCOMPARE(dlg.symbolRateEdit()->text(), QStringLiteral("27500"));
        QCOMPARE(dlg.pcrPidEdit()->text(), QStringLiteral("101"));
        QCOMPARE(dlg.audioPidEdit()->text(), QStringLiteral("102"));
        QCOMPARE(dlg.serviceIdEdit()->text(), QStringLiteral("28106"));
        QCOMPARE(dlg.bouquetNumberEdit()->text(), QStringLiteral("5"));
        QVERIFY(dlg.userListBox()->isChecked());
        QVERIFY(dlg.epgBox()->isChecked());
        QVERIFY(dlg.epgBox()->isEnabled());
    }

    void okWritesTheEnteredFieldsAndNothingElse() {
        ChannelRecord r = sampleRecord();
        r.setMarked(true);
        const ChannelRecord before = r;
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
        QVERIFY(prompts_.shown.isEmpty());

        ChannelRecord expected = before;
        expected.setName(std::string("Neu \x86HD\x87") + std::string(23, ' '));
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
        expected.setBouquetName(std::string("Sky") + std::string(28, ' '));
        expected.setBouquetNumber(65535);
        QCOMPARE(
            bytes(std::string_view(reinterpret_cast<const char*>(r.toImage().data()), 80)),
            bytes(std::string_view(reinterpret_cast<const char*>(expected.toImage().data()), 80)));
    }

    void okWithoutEditsOnlyPadsTheNames() {
        ChannelRecord r = sampleRecord();
        r.setName("Kurz");
        r.setBouquetName("");
        ChannelRecord expected = r;
        expected.setName(padded("Kurz").toStdString());
        expected.setBouquetName(std::string(31, ' '));
        CChannelDlg dlg(r, context());
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(r == expected);
        QCOMPARE(r.name().size(), std::size_t{31});
    }

    void cancelLeavesTheRecordUntouched() {
        ChannelRecord r = sampleRecord();
        const ChannelRecord::Image before = r.toImage();
        CChannelDlg dlg(r, context());
        dlg.nameEdit()->setText("Anders");
        dlg.frequencyEdit()->setText("2999"); // invalid too: Cancel never checks
        dlg.userListBox()->click();
        dlg.show();
        QTest::mouseClick(dlg.cancelButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QVERIFY(!dlg.isVisible());
        QVERIFY(prompts_.shown.isEmpty());
        QVERIFY(r.toImage() == before);
    }

    void refusedFieldKeepsTheDialogOpen_data() {
        QTest::addColumn<Field>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<ListKind>("list");
        QTest::addColumn<PidRadix>("radix");
        QTest::addColumn<QString>("message");
        const auto tv = ListKind::Tv;
        const auto dec = PidRadix::Decimal;
        const auto hex = PidRadix::Hex;
        const QString pid = "Please enter a PID value in the range from %1 to %2.";
        QTest::newRow("TV video PID 0") << Field::Video << "0" << tv << dec << pid.arg(1).arg(8191);
        QTest::newRow("PCR PID empty") << Field::Pcr << "" << tv << dec << pid.arg(0).arg(8191);
        QTest::newRow("PCR PID letters") << Field::Pcr << "x1" << tv << dec << pid.arg(0).arg(8191);
        QTest::newRow("PCR PID hex 2000")
            << Field::Pcr << "2000" << tv << hex << pid.arg("0000", "1FFF");
        QTest::newRow("PCR PID hex letters")
            << Field::Pcr << "xyz" << tv << hex << pid.arg("0000", "1FFF");
        QTest::newRow("audio PID 8192")
            << Field::Audio << "8192" << tv << dec << pid.arg(0).arg(8191);
        QTest::newRow("audio PID negative")
            << Field::Audio << "-1" << tv << dec << pid.arg(0).arg(8191);
        QTest::newRow("service ID 65536")
            << Field::Service << "65536" << tv << dec << pid.arg(0).arg(65535);
        QTest::newRow("service ID hex 10000")
            << Field::Service << "10000" << tv << hex << pid.arg("0000", "FFFF");
        QTest::newRow("bouquet number 70000")
            << Field::Bouquet << "70000" << tv << dec << pid.arg(0).arg(65535);
        QTest::newRow("frequency 2999")
            << Field::Frequency << "2999" << tv << dec
            << "Please enter a frequency in the range from 3000 to 12750.";
        QTest::newRow("frequency 12751")
            << Field::Frequency << "12751" << tv << dec
            << "Please enter a frequency in the range from 3000 to 12750.";
        QTest::newRow("frequency empty")
            << Field::Frequency << "" << tv << dec << "You have entered an invalid frequency.";
        QTest::newRow("symbol rate 999") << Field::SymbolRate << "999" << tv << dec
                                         << "Please enter an integer between 1000 and 45000.";
        QTest::newRow("symbol rate 45001") << Field::SymbolRate << "45001" << tv << dec
                                           << "Please enter an integer between 1000 and 45000.";
        QTest::newRow("symbol rate empty")
            << Field::SymbolRate << "" << tv << dec << "Please enter an integer.";
        QTest::newRow("name with a snowman") << Field::Name << "Schnee ☃" << tv << dec
                                             << "The character \"☃\" cannot be stored on the Box.";
        QTest::newRow("bouquet name with a CJK character")
            << Field::BouquetName << "中" << tv << dec
            << "The character \"中\" cannot be stored on the Box.";
    }

    void refusedFieldKeepsTheDialogOpen() {
        QFETCH(Field, field);
        QFETCH(QString, typed);
        QFETCH(ListKind, list);
        QFETCH(PidRadix, radix);
        QFETCH(QString, message);
        ChannelRecord r = sampleRecord();
        if (list == ListKind::Radio)
            r.setVideoPid(0);
        const ChannelRecord before = r;
        CChannelDlg dlg(r, context(list, 2, radix));
        edit(dlg, field)->setText(typed);
        clickOk(dlg);
        verifyRefused(dlg, edit(dlg, field), message);
        QVERIFY(r == before);

        // Putting the field right lets the same dialog finish.
        prompts_.shown.clear();
        edit(dlg, field)
            ->setText(QString::fromLatin1(field == Field::Name || field == Field::BouquetName ? "ok"
                                          : field == Field::Frequency || field == Field::SymbolRate
                                              ? "12000"
                                              : "100"));
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(prompts_.shown.isEmpty());
    }

    // With every field wrong, each OK names the next field in reading order.
    void fieldsAreReadInOrder() {
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context());
        const QList<Field> order = {Field::Name,      Field::BouquetName, Field::Pcr,
                                    Field::Video,     Field::Audio,       Field::Service,
                                    Field::Frequency, Field::SymbolRate,  Field::Bouquet};
        for (Field f : order)
            edit(dlg, f)->setText(f == Field::Name || f == Field::BouquetName ? "€☃" : "");
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        for (Field f : order) {
            prompts_.shown.clear();
            QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
            QCOMPARE(prompts_.shown.size(), 1);
            QTRY_COMPARE(QApplication::focusWidget(), edit(dlg, f));
            edit(dlg, f)->setText(f == Field::Name || f == Field::BouquetName ? "x" : "3000");
        }
        prompts_.shown.clear();
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        QVERIFY(prompts_.shown.isEmpty());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void hexadecimalPids() {
        ChannelRecord r = sampleRecord();
        r.setPcrPid(511);
        r.setServiceId(65535);
        r.setBouquetNumber(10);
        CChannelDlg dlg(r, context(ListKind::Tv, 2, PidRadix::Hex));
        QCOMPARE(dlg.pcrPidEdit()->text(), QStringLiteral("01FF"));
        QCOMPARE(dlg.serviceIdEdit()->text(), QStringLiteral("FFFF"));
        QCOMPARE(dlg.bouquetNumberEdit()->text(), QStringLiteral("000A"));
        dlg.pcrPidEdit()->setText("1ff");
        dlg.videoPidEdit()->setText("1FFF");
        dlg.audioPidEdit()->setText("0x20");
        dlg.serviceIdEdit()->setText("ab");
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(r.pcrPid(), 511);
        QCOMPARE(r.videoPid(), 8191);
        QCOMPARE(r.audioPid(), 0x20);
        QCOMPARE(r.serviceId(), 0xAB);
        QCOMPARE(r.bouquetNumber(), 10);

        // The same letters in decimal mode are no number.
        ChannelRecord d = sampleRecord();
        CChannelDlg decimal(d, context());
        decimal.serviceIdEdit()->setText("ab");
        clickOk(decimal);
        verifyRefused(decimal, decimal.serviceIdEdit(),
                      "Please enter a PID value in the range from 0 to 65535.");
    }

    void radioListAndFirmware1HideTheirFields() {
        ChannelRecord radio = sampleRecord();
        radio.setVideoPid(0);
        CChannelDlg radioDlg(radio, context(ListKind::Radio));
        radioDlg.show();
        QVERIFY(radioDlg.videoPidEdit()->isHidden());
        QVERIFY(radioDlg.videoPidLabel()->isHidden());
        QVERIFY(radioDlg.bouquetNameEdit()->isVisible());
        QTest::mouseClick(radioDlg.okButton(), Qt::LeftButton);
        QCOMPARE(radioDlg.result(), int(QDialog::Accepted));
        QCOMPARE(radio.videoPid(), 0);

        // Firmware 1 neither shows nor writes EPG and bouquet; what the record holds stays.
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context(ListKind::Tv, 1));
        dlg.show();
        QVERIFY(dlg.epgBox()->isHidden());
        QVERIFY(dlg.bouquetLabel()->isHidden());
        QVERIFY(dlg.bouquetNameEdit()->isHidden());
        QVERIFY(dlg.bouquetNumberEdit()->isHidden());
        QVERIFY(dlg.videoPidEdit()->isVisible());
        QVERIFY(!dlg.epgBox()->isChecked());
        QCOMPARE(dlg.bouquetNameEdit()->text(), QString());
        dlg.userListBox()->click();
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!r.inUserList());
        QVERIFY(r.epg());
        QCOMPARE(r.bouquetName(), std::string_view("ARD                            "));
        QCOMPARE(r.bouquetNumber(), 5);
    }

    void userListAndEpgBoxes() {
        ChannelRecord r = sampleRecord();
        r.setInUserList(false);
        r.setEpg(true); // stale: meaningless outside the user list
        CChannelDlg dlg(r, context());
        QVERIFY(!dlg.epgBox()->isEnabled());
        QVERIFY(!dlg.epgBox()->isChecked());
        dlg.userListBox()->click();
        QVERIFY(dlg.epgBox()->isEnabled());
        dlg.epgBox()->click();
        dlg.userListBox()->click();
        QVERIFY(!dlg.epgBox()->isEnabled());
        QVERIFY(!dlg.epgBox()->isChecked());
        dlg.userListBox()->click();
        dlg.epgBox()->click();
        clickOk(dlg);
        QVERIFY(r.inUserList());
        QVERIFY(r.epg());

        // Taking a channel out of the user list clears its EPG flag.
        ChannelRecord in = sampleRecord();
        CChannelDlg out(in, context());
        out.userListBox()->click();
        clickOk(out);
        QVERIFY(!in.inUserList());
        QVERIFY(!in.epg());
    }

    void fullUserListAdmitsNoFurtherChannel_data() {
        QTest::addColumn<int>("firmware");
        QTest::addColumn<bool>("inList");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("998, outside") << 2 << false << 998 << true;
        QTest::newRow("999, outside") << 2 << false << 999 << false;
        QTest::newRow("999, inside") << 2 << true << 999 << true;
        QTest::newRow("firmware 1, 999, outside") << 1 << false << 999 << false;
        QTest::newRow("firmware 1, 998, outside") << 1 << false << 998 << true;
    }

    void fullUserListAdmitsNoFurtherChannel() {
        QFETCH(int, firmware);
        QFETCH(bool, inList);
        QFETCH(int, count);
        QFETCH(bool, enabled);
        ChannelRecord r = sampleRecord();
        r.setInUserList(inList);
        ChannelDialogContext c = context(ListKind::Tv, firmware);
        c.userListCount = static_cast<std::size_t>(count);
        CChannelDlg dlg(r, c);
        QCOMPARE(dlg.userListBox()->isEnabled(), enabled);
        QCOMPARE(dlg.userListBox()->isChecked(), inList);
    }

    void noLimitsKeepsOnlyTheNumberChecks() {
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context(ListKind::Tv, 2, PidRadix::Decimal, true));
        dlg.symbolRateEdit()->setText("999");
        dlg.frequencyEdit()->setText("20000");
        dlg.videoPidEdit()->setText("0");
        dlg.pcrPidEdit()->setText("8197");
        dlg.serviceIdEdit()->setText("65537");
        dlg.bouquetNumberEdit()->setText("");
        clickOk(dlg);
        verifyRefused(dlg, dlg.bouquetNumberEdit(),
                      "Please enter a PID value in the range from 0 to 65535.");
        dlg.frequencyEdit()->setText("");
        dlg.bouquetNumberEdit()->setText("1");
        prompts_.shown.clear();
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        verifyRefused(dlg, dlg.frequencyEdit(), "You have entered an invalid frequency.");
        dlg.frequencyEdit()->setText("20000");
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(r.symbolRate(), 999);
        QCOMPARE(r.frequency(), 20000 & 0x3FFF);
        QCOMPARE(r.videoPid(), 0);
        QCOMPARE(r.pcrPid(), 5);
        QCOMPARE(r.serviceId(), 1);
        QCOMPARE(r.polarisation(), 0); // the cut frequency does not spill into its neighbour
    }

    void namesRoundTripWithBrackets() {
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context());
        dlg.nameEdit()->setText("A [B]");
        dlg.bouquetNameEdit()->setText("[x] €");
        clickOk(dlg);
        QCOMPARE(bytes(r.name()), padded("A \x86"
                                         "B\x87"));
        QCOMPARE(bytes(r.bouquetName()), padded("[x] \x80"));
        const auto image = r.toImage();
        QCOMPARE(image[14 + 31], 0); // the terminator stays

        CChannelDlg again(r, context());
        QCOMPARE(again.nameEdit()->text(), QStringLiteral("A [B]"));
        QCOMPARE(again.bouquetNameEdit()->text(), QStringLiteral("[x] €"));

        // 31 characters fill the name exactly.
        const QString full(31, QLatin1Char('n'));
        again.nameEdit()->setText(full);
        clickOk(again);
        QCOMPARE(bytes(r.name()), full.toLatin1());
    }

    void listsWithoutASelectionKeepTheStoredCode() {
        ChannelRecord r = sampleRecord();
        r.setFecCode(4);
        r.setPolarisation(2);
        const ChannelRecord before = r;
        CChannelDlg dlg(r, context());
        QCOMPARE(dlg.fecBox()->currentIndex(), -1);
        QCOMPARE(dlg.polarisationBox()->currentIndex(), -1);
        clickOk(dlg);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(r.fecCode(), 4);
        QCOMPARE(r.polarisation(), 2);
        QCOMPARE(r.satelliteIndex(), before.satelliteIndex());
    }

    void germanMessagesKeepTheirNumbers() {
        installLanguage(Language::German);
        QVERIFY(germanInterface());
        ChannelRecord r = sampleRecord();
        CChannelDlg dlg(r, context());
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Editieren"));
        dlg.videoPidEdit()->setText("0");
        clickOk(dlg);
        verifyRefused(dlg, dlg.videoPidEdit(),
                      "Bitte geben Sie für die PID einen Wert zwischen 1 und 8191 ein.");
        dlg.videoPidEdit()->setText("1");
        dlg.symbolRateEdit()->setText("1");
        prompts_.shown.clear();
        QTest::mouseClick(dlg.okButton(), Qt::LeftButton);
        verifyRefused(dlg, dlg.symbolRateEdit(),
                      "Bitte geben Sie eine ganze Zahl zwischen 1000 und 45000 ein.");
    }
};

QTEST_MAIN(ChannelDialogTest)
#include "channel_dialog_test.moc"
