#include "editor/base/editor_settings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace kanalo;

namespace {

const QStringList kNeverWritten = {
    "Settings/LowMin",   "Settings/LowMax",    "Settings/HighMin",  "Settings/HighMax",
    "Settings/CLowMin",  "Settings/CLowMax",   "Settings/CHighMin", "Settings/CHighMax",
    "Settings/NoLimits", "Settings/Language1", "Settings/ListView", "Settings/ListPrint",
};

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    int files_ = 0;

    // A fresh INI file per test, optionally seeded with raw "section/key" = text lines.
    QString newFile() { return dir_.filePath(QStringLiteral("s%1.ini").arg(++files_)); }

    QString seeded(const QList<QPair<QString, QString>>& values) {
        const QString path = newFile();
        QSettings store(path, QSettings::IniFormat);
        for (const auto& [key, text] : values) {
            store.setValue(key, text);
        }
        return path;
    }

    static EditorSettings readFile(const QString& path) {
        QSettings store(path, QSettings::IniFormat);
        return EditorSettings::read(store);
    }

    static void verifyDefaults(const EditorSettings& s) {
        QCOMPARE(s.boxType, 0);
        QCOMPARE(s.firmware, 0);
        QCOMPARE(s.language, QString());
        QCOMPARE(s.comPort, 1);
        QVERIFY(!s.ignoreNames);
        QVERIFY(!s.sortMainList);
        QVERIFY(!s.sortNumbers);
        QVERIFY(!s.redLines);
        QVERIFY(s.transferAsk);
        QCOMPARE(s.pidRadix, PidRadix::Decimal);
        QCOMPARE(s.bands.lowMin, 10700u);
        QCOMPARE(s.bands.lowMax, 11900u);
        QCOMPARE(s.bands.highMin, 11550u);
        QCOMPARE(s.bands.highMax, 12750u);
        QCOMPARE(s.bands.cLowMin, 3000u);
        QCOMPARE(s.bands.cLowMax, 4200u);
        QCOMPARE(s.bands.cHighMin, 3000u);
        QCOMPARE(s.bands.cHighMax, 4200u);
        QCOMPARE(s.listView, 0);
        QCOMPARE(s.listPrint, 0);
        QVERIFY(s.columnWidths == ColumnWidths());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void emptyFileGivesDefaults() {
        const EditorSettings s = readFile(newFile());
        verifyDefaults(s);
        QCOMPARE(s.window, QString());
        QCOMPARE(s.vbsFolder, QString());
        QCOMPARE(s.autoLoad, QString());
        QVERIFY(s.recentFiles.isEmpty());
        QVERIFY(s.toolBarState.isEmpty());
        // Number column, name and service ID: the two width sets packed as (small << 16) | large.
        QCOMPARE(ColumnWidths::packedDefault(ColumnKind::Number), (30 << 16) | 39);
        QCOMPARE(s.columnWidths.width(SizeClass::Small, ColumnKind::Name), 120);
        QCOMPARE(s.columnWidths.width(SizeClass::Large, ColumnKind::ServiceId), 59);
        QSettings store(newFile(), QSettings::IniFormat);
        QVERIFY(!EditorSettings::readNoLimits(store));
    }

    void everyWrittenKeySurvivesARoundTrip() {
        EditorSettings out;
        out.boxType = 3;
        out.firmware = 2;
        out.comPort = 4;
        out.ignoreNames = true;
        out.sortMainList = true;
        out.sortNumbers = true;
        out.redLines = true;
        out.transferAsk = false;
        out.pidRadix = PidRadix::Hex;
        out.window = QStringLiteral("1 5 605 7 407");
        out.vbsFolder = QStringLiteral("/lists, old/tv;a=b");
        out.updFolder = QStringLiteral("/upd");
        out.txtFolder = QStringLiteral("C:\\Texte\\Listen");
        out.binFolder = QStringLiteral("/bin/boxes ä");
        out.autoLoad = QStringLiteral("/lists/auto.dat");
        out.columnWidths.setWidth(SizeClass::Small, ColumnKind::Frequency, 71);
        out.columnWidths.setWidth(SizeClass::Large, ColumnKind::AudioPid, 1);
        out.recentFiles = {"/a.dat", "/b,c.dat", "/d.dat", "/e.dat"};
        out.toolBarState = QByteArray("\x00\x01\xff state", 10);

        const QString path = newFile();
        {
            QSettings store(path, QSettings::IniFormat);
            out.writeAtExit(store);
        }
        const EditorSettings in = readFile(path);
        QCOMPARE(in.boxType, 3);
        QCOMPARE(in.firmware, 2);
        QCOMPARE(in.comPort, 4);
        QVERIFY(in.ignoreNames);
        QVERIFY(in.sortMainList);
        QVERIFY(in.sortNumbers);
        QVERIFY(in.redLines);
        QVERIFY(!in.transferAsk);
        QCOMPARE(in.pidRadix, PidRadix::Hex);
        QCOMPARE(in.window, out.window);
        QCOMPARE(in.vbsFolder, out.vbsFolder);
        QCOMPARE(in.updFolder, out.updFolder);
        QCOMPARE(in.txtFolder, out.txtFolder);
        QCOMPARE(in.binFolder, out.binFolder);
        QCOMPARE(in.autoLoad, out.autoLoad);
        QVERIFY(in.columnWidths == out.columnWidths);
        QCOMPARE(in.recentFiles, out.recentFiles);
        QCOMPARE(in.toolBarState, out.toolBarState);

        // The stored forms other programs and older files use.
        QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value("Settings/PID").toString(), QStringLiteral("hex"));
        QCOMPARE(raw.value("Settings/TransferAsk").toString(), QStringLiteral("0"));
        QCOMPARE(raw.value("Columns/Width4").toLongLong(), (71LL << 16) | 82);

        // Flags off again and decimal PIDs.
        EditorSettings off = in;
        off.ignoreNames = off.sortMainList = off.sortNumbers = off.redLines = false;
        off.transferAsk = true;
        off.pidRadix = PidRadix::Decimal;
        {
            QSettings store(path, QSettings::IniFormat);
            off.writeAtExit(store);
        }
        const EditorSettings again = readFile(path);
        QVERIFY(!again.ignoreNames && !again.sortMainList && !again.sortNumbers && !again.redLines);
        QVERIFY(again.transferAsk);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("Settings/PID").toString(),
                 QStringLiteral("dec"));
    }

    void keysNeverWrittenStayAbsent() {
        EditorSettings s = readFile(newFile());
        s.language = QStringLiteral("German");
        s.listView = 0x3;
        s.listPrint = 0x5;
        s.bands.lowMin = 9000;
        const QString path = newFile();
        {
            QSettings store(path, QSettings::IniFormat);
            s.writeAtExit(store);
        }
        QSettings raw(path, QSettings::IniFormat);
        for (const QString& key : kNeverWritten) {
            QVERIFY2(!raw.contains(key), qPrintable(key));
        }
        // Zero means "ask again" and is not stored.
        QVERIFY(!raw.contains("Settings/BoxType"));
        QVERIFY(!raw.contains("Settings/Firmware"));
        QVERIFY(raw.contains("Settings/ComPort"));
    }

    void columnDialogWritesItsMasksAtOnce() {
        const QString path = newFile();
        {
            QSettings store(path, QSettings::IniFormat);
            EditorSettings::writeListView(store, 0x0A5);
            EditorSettings::writeListPrint(store, 0x1003); // bit 12 is no column
        }
        const EditorSettings s = readFile(path);
        QCOMPARE(s.listView, 0x0A5);
        QCOMPARE(s.listPrint, 0x003);
    }

    void comPort_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("port");
        QTest::newRow("2 stays") << "2" << 2;
        QTest::newRow("4 stays") << "4" << 4;
        QTest::newRow("7") << "7" << 1;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("negative") << "-3" << 1;
        QTest::newRow("text") << "COM2" << 1;
    }
    void comPort() {
        QFETCH(QString, stored);
        QFETCH(int, port);
        const QString path = seeded({{"Settings/ComPort", stored}});
        EditorSettings s = readFile(path);
        QCOMPARE(s.comPort, port);
        {
            QSettings store(path, QSettings::IniFormat);
            s.writeAtExit(store);
        }
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("Settings/ComPort").toString(),
                 QString::number(port));
    }

    void badNumbersFallBackToDefaults_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("word") << "abc";
        QTest::newRow("trailing text") << "12x";
        QTest::newRow("empty") << "";
        QTest::newRow("beyond int") << "2147483648";
        QTest::newRow("beyond 64 bits") << "99999999999999999999999";
        QTest::newRow("negative") << "-5";
        QTest::newRow("hex") << "0x10";
        QTest::newRow("float") << "1.5";
    }
    void badNumbersFallBackToDefaults() {
        QFETCH(QString, text);
        QList<QPair<QString, QString>> values;
        for (const char* key :
             {"Firmware", "ComPort", "ListView", "ListPrint", "LowMin", "LowMax", "HighMin",
              "HighMax", "CLowMin", "CLowMax", "CHighMin", "CHighMax"}) {
            values.append({QStringLiteral("Settings/") + key, text});
        }
        // Negative numbers are real values of these keys.
        if (!text.startsWith('-')) {
            for (const char* key : {"BoxType", "IgnoreNames", "SortMainList", "SortNumbers",
                                    "RedLines", "TransferAsk", "NoLimits"})
                values.append({QStringLiteral("Settings/") + key, text});
        }
        for (int i = 0; i < 12; ++i) {
            values.append({QStringLiteral("Columns/Width%1").arg(i), text});
        }
        const QString path = seeded(values);
        verifyDefaults(readFile(path));
        QSettings store(path, QSettings::IniFormat);
        QVERIFY(!EditorSettings::readNoLimits(store));
    }

    void rangesOfSingleKeys() {
        // Masks with bits above the twelve columns are damaged: show every column.
        QCOMPARE(readFile(seeded({{"Settings/ListView", "4096"}})).listView, 0);
        QCOMPARE(readFile(seeded({{"Settings/ListView", "4095"}})).listView, 4095);
        // Values QSettings turns into lists.
        QCOMPARE(readFile(seeded({{"Settings/ListView", "1,2"}})).listView, 0);
        QCOMPARE(readFile(seeded({{"Settings/ComPort", " 3 "}})).comPort, 3);

        QCOMPARE(readFile(seeded({{"Settings/Firmware", "3"}})).firmware, 0);
        QCOMPARE(readFile(seeded({{"Settings/Firmware", "1"}})).firmware, 1);
        QCOMPARE(readFile(seeded({{"Settings/BoxType", "4"}})).boxType, 0);
        // Negative box types run as the first model, so the value is kept.
        QCOMPARE(readFile(seeded({{"Settings/BoxType", "-1"}})).boxType, -1);

        // Flags are on for any number but 0.
        QVERIFY(readFile(seeded({{"Settings/RedLines", "2"}})).redLines);
        QVERIFY(!readFile(seeded({{"Settings/TransferAsk", "0"}})).transferAsk);
        const EditorSettings negative = readFile(seeded({{"Settings/SortMainList", "-1"},
                                                         {"Settings/IgnoreNames", "-2147483648"},
                                                         {"Settings/SortNumbers", "-7"},
                                                         {"Settings/RedLines", "-1"}}));
        QVERIFY(negative.sortMainList && negative.ignoreNames && negative.sortNumbers &&
                negative.redLines);
        QSettings store(seeded({{"Settings/NoLimits", "-1"}}), QSettings::IniFormat);
        QVERIFY(EditorSettings::readNoLimits(store));

        const EditorSettings bands = readFile(seeded({{"Settings/LowMin", "9750"},
                                                      {"Settings/CHighMax", "4800"},
                                                      {"Settings/HighMax", "70000"}}));
        QCOMPARE(bands.bands.lowMin, 9750u);
        QCOMPARE(bands.bands.cHighMax, 4800u);
        QCOMPARE(bands.bands.highMax, 12750u);

        QCOMPARE(readFile(seeded({{"Settings/PID", "HEXADECIMAL"}})).pidRadix, PidRadix::Hex);
        QCOMPARE(readFile(seeded({{"Settings/PID", "he"}})).pidRadix, PidRadix::Decimal);
    }

    void columnWidthValues() {
        const EditorSettings s =
            readFile(seeded({{"Columns/Width1", QString::number((90 << 16) | 200)},
                             {"Columns/Width2", "-1"},
                             {"Columns/Width3", "4294967296"}}));
        QCOMPARE(s.columnWidths.width(SizeClass::Small, ColumnKind::Name), 90);
        QCOMPARE(s.columnWidths.width(SizeClass::Large, ColumnKind::Name), 200);
        QCOMPARE(s.columnWidths.packed(ColumnKind::SatNumber),
                 ColumnWidths::packedDefault(ColumnKind::SatNumber));
        QCOMPARE(s.columnWidths.packed(ColumnKind::SatName),
                 ColumnWidths::packedDefault(ColumnKind::SatName));
    }

    void foldersAreCutTo255Characters() {
        const QString longFolder = QStringLiteral("/") + QString(299, QLatin1Char('f'));
        const QString path = seeded({{"Directories/VBS", longFolder},
                                     {"Directories/UPD", longFolder},
                                     {"Directories/TXT", longFolder},
                                     {"Directories/BIN", longFolder},
                                     {"Directories/AutoLoad", longFolder}});
        EditorSettings s = readFile(path);
        for (const QString* folder :
             {&s.vbsFolder, &s.updFolder, &s.txtFolder, &s.binFolder, &s.autoLoad}) {
            QCOMPARE(*folder, longFolder.left(255));
        }
        // A folder chosen while running is cut the same way when written.
        s.vbsFolder = longFolder;
        {
            QSettings store(path, QSettings::IniFormat);
            s.writeAtExit(store);
        }
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("Directories/VBS").toString().size(),
                 255);
    }

    void recentFiles() {
        const QString path = seeded({{"Recent File List/File1", "/one.dat"},
                                     {"Recent File List/File3", "/three.dat"},
                                     {"Recent File List/File5", "/five.dat"}});
        EditorSettings s = readFile(path);
        QCOMPARE(s.recentFiles, QStringList({"/one.dat", "/three.dat"}));

        s.recentFiles = {"/new.dat", "", "/one.dat", "/x.dat", "/y.dat", "/z.dat"};
        {
            QSettings store(path, QSettings::IniFormat);
            s.writeAtExit(store);
        }
        QCOMPARE(readFile(path).recentFiles,
                 QStringList({"/new.dat", "/one.dat", "/x.dat", "/y.dat"}));

        s.recentFiles = {"/only.dat"};
        {
            QSettings store(path, QSettings::IniFormat);
            s.writeAtExit(store);
        }
        QSettings raw(path, QSettings::IniFormat);
        QCOMPARE(raw.value("Recent File List/File1").toString(), QStringLiteral("/only.dat"));
        QVERIFY(!raw.contains("Recent File List/File2"));
        QVERIFY(!raw.contains("Recent File List/File4"));
    }

    void windowPlacement() {
        const WindowPlacement p = WindowPlacement::parse("3 10 810 20 620");
        QCOMPARE(p.showState, WindowPlacement::kShowMaximized);
        QVERIFY(p.hasRect);
        QCOMPARE(p.normalRect.topLeft(), QPoint(10, 20));
        QCOMPARE(p.normalRect.size(), QSize(800, 600));
        QCOMPARE(p.format(), QStringLiteral("3 10 810 20 620"));

        // Read through the settings like at start-up.
        const EditorSettings s = readFile(seeded({{"Settings/Window", "3 10 810 20 620"}}));
        QCOMPARE(WindowPlacement::parse(s.window).normalRect, QRect(10, 20, 800, 600));

        WindowPlacement built;
        built.showState = 1;
        built.normalRect = QRect(-1920, 0, 1920, 1080);
        built.hasRect = true;
        QCOMPARE(built.format(), QStringLiteral("1 -1920 0 0 1080"));
        QCOMPARE(WindowPlacement::parse(built.format()).normalRect, built.normalRect);
    }

    void damagedWindowPlacement_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("showState");
        QTest::addColumn<bool>("hasRect");
        QTest::newRow("empty") << "" << 0 << false;
        QTest::newRow("word") << "maximised" << 0 << false;
        QTest::newRow("only the state") << "3" << 3 << false;
        QTest::newRow("four numbers") << "3 10 810 20" << 3 << false;
        QTest::newRow("text after the state") << "3abc 1 2 3 4" << 3 << false;
        QTest::newRow("commas") << "1,10,810,20,620" << 1 << false;
        QTest::newRow("right left of left") << "1 810 10 20 620" << 1 << false;
        QTest::newRow("overflowing number") << "1 0 99999999999 0 5" << 1 << false;
        QTest::newRow("extreme ints") << "1 -2147483648 2147483647 0 10" << 1 << false;
        QTest::newRow("overflowing state") << "99999999999 1 2 3 4" << 0 << false;
        QTest::newRow("extra blanks and tail") << "  1\t10  810 20 620 junk" << 1 << true;
    }
    void damagedWindowPlacement() {
        QFETCH(QString, text);
        QFETCH(int, showState);
        QFETCH(bool, hasRect);
        const WindowPlacement p = WindowPlacement::parse(text);
        QCOMPARE(p.showState, showState);
        QCOMPARE(p.hasRect, hasRect);
        if (!hasRect) {
            QVERIFY(p.normalRect.isNull());
        }
    }

    void portDevices() {
        // Absent keys: every port on its default device.
        for (const QString& device : readFile(newFile()).comDevices) {
            QVERIFY(device.isEmpty());
        }
        const QString longPath = QStringLiteral("/dev/") + QString(300, QLatin1Char('d'));
        const QString path = seeded({{"Ports/COM1", "/dev/ttyUSB0"},
                                     {"Ports/COM2", "  /dev/serial/by-id/usb-a b  "},
                                     {"Ports/COM4", longPath}});
        EditorSettings s = readFile(path);
        QCOMPARE(s.comDevices[0], QStringLiteral("/dev/ttyUSB0"));
        QCOMPARE(s.comDevices[1], QStringLiteral("/dev/serial/by-id/usb-a b"));
        QVERIFY(s.comDevices[2].isEmpty());
        QCOMPARE(s.comDevices[3], longPath.left(255));

        s.comDevices = {QString(), QStringLiteral("/dev/ttyACM1"), QStringLiteral("COM3, old"),
                        QString()};
        {
            QSettings store(path, QSettings::IniFormat);
            s.writeAtExit(store);
        }
        const EditorSettings again = readFile(path);
        QVERIFY(again.comDevices == s.comDevices);
    }

    void settingsFileLocation() {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
        const std::unique_ptr<QSettings> store = openSettingsStore();
        QCOMPARE(store->format(), QSettings::IniFormat);
        QCOMPARE(store->fileName(), home.filePath(QStringLiteral("Kanalo/Kanalo.ini")));
        EditorSettings s;
        s.comPort = 2;
        s.writeAtExit(*store);
        store->sync();
        QVERIFY(QFile::exists(store->fileName()));
        QCOMPARE(EditorSettings::read(*openSettingsStore()).comPort, 2);
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_test.moc"
