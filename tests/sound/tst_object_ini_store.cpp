// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The sound object ini store.

#include "ObjectIniStore.h"
#include "SoundEngine.h"
#include "SoundErrors.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace numbrook;

namespace {

const DeviceEntryList kInputs = {{QStringLiteral("Test Microphone"), 0},
                                 {QStringLiteral("Pipe Microphone"), 2},
                                 {QStringLiteral("USB Headset, Mic; Left=1 #2"), 5}};

} // namespace

class SndIniTest : public QObject {
    Q_OBJECT

    SoundEngine engine;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void noFile_givesDefaults();
    void lookup_resolvesStoredName_data();
    void lookup_resolvesStoredName();
    void lookup_emptyList_givesNoDevice();
    void deviceNames_roundTrip_data();
    void deviceNames_roundTrip();
    void params_roundTrip_perObject();
    void triggerLevel_storedInverted_data();
    void triggerLevel_storedInverted();
    void delayText_savedAsInteger_data();
    void delayText_savedAsInteger();
    void damagedValues_giveDefaults();
    void unwritableFile_reportedNoThrow();
    void defaultPath_besideExecutableElseConfigFolder();

private:
    void writeFile(const QByteArray &text);

    QTemporaryDir configHome;
    std::unique_ptr<QTemporaryDir> folder;
    QString iniPath;
};

void SndIniTest::initTestCase() {
    QVERIFY(configHome.isValid());
    qputenv("XDG_CONFIG_HOME", configHome.path().toLocal8Bit());
}

void SndIniTest::init() {
    folder = std::make_unique<QTemporaryDir>();
    QVERIFY(folder->isValid());
    iniPath = folder->filePath(QStringLiteral("numbrook.ini"));
    engine.objectIni.setPath(iniPath);
}

void SndIniTest::cleanup() {
    engine.objectIni.setPath(QString());
}

void SndIniTest::writeFile(const QByteArray &text) {
    QFile file(iniPath);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
}

void SndIniTest::noFile_givesDefaults() {
    for (int n = 1; n <= 4; ++n) {
        ObjectParams object;
        object.PlayFromFile = true;
        object.Loop = true;
        object.TriggerPosition = 3;
        object.DelayText = QStringLiteral("9");
        object.VolumeLeft = object.VolumeRight = object.MixerVolume = 7;
        object.ClapsOnly = true;
        engine.objectIni.LoadObjectParams(n, object);
        QCOMPARE(object.ClapsOnly, false);
        QCOMPARE(object.PlayFromFile, false);
        QCOMPARE(object.Loop, false);
        QCOMPARE(object.TriggerPosition, 78);
        QCOMPARE(object.DelayText, QStringLiteral("1"));
        QCOMPARE(object.VolumeLeft, 50);
        QCOMPARE(object.VolumeRight, 50);
        QCOMPARE(object.MixerVolume, 50);

        const DeviceChoice input = engine.objectIni.LookupObjectInput(n, kInputs);
        QCOMPARE(input.id, 0);
        QCOMPARE(input.name, QStringLiteral("Test Microphone"));
        const DeviceChoice output =
            engine.objectIni.LookupObjectOutput(n, {{QStringLiteral("Speakers"), 3}});
        QCOMPARE(output.id, 3);
    }
    QVERIFY(!QFile::exists(iniPath));
}

void SndIniTest::lookup_resolvesStoredName_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("name");

    QTest::newRow("exact") << QByteArray("[ObjectMapping]\nObjectIn_2=Pipe Microphone\n") << 2
                           << QStringLiteral("Pipe Microphone");
    QTest::newRow("other letter case")
        << QByteArray("[ObjectMapping]\nObjectIn_2=PIPE microphone\n") << 2
        << QStringLiteral("Pipe Microphone");
    QTest::newRow("not listed") << QByteArray("[ObjectMapping]\nObjectIn_2=Gone Mic\n") << 0
                                << QStringLiteral("Test Microphone");
    QTest::newRow("other object's key")
        << QByteArray("[ObjectMapping]\nObjectIn_1=Pipe Microphone\n") << 0
        << QStringLiteral("Test Microphone");
    QTest::newRow("output key is not the input key")
        << QByteArray("[ObjectMapping]\nObject_2=Pipe Microphone\n") << 0
        << QStringLiteral("Test Microphone");
    QTest::newRow("part of a name") << QByteArray("[ObjectMapping]\nObjectIn_2=Pipe\n") << 0
                                    << QStringLiteral("Test Microphone");
}

void SndIniTest::lookup_resolvesStoredName() {
    QFETCH(QByteArray, file);
    QFETCH(int, id);
    QFETCH(QString, name);
    writeFile(file);
    const DeviceChoice choice = engine.objectIni.LookupObjectInput(2, kInputs);
    QCOMPARE(choice.id, id);
    QCOMPARE(choice.name, name);

    // The name as listed is what the next save writes.
    ObjectParams object;
    object.InDeviceName = choice.name;
    QVERIFY(engine.objectIni.SaveObjectInput(2, object));
    QSettings settings(iniPath, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("ObjectMapping/ObjectIn_2")).toString(), name);
}

void SndIniTest::lookup_emptyList_givesNoDevice() {
    writeFile("[ObjectMapping]\nObject_1=Speakers\nObjectIn_1=Mic\n");
    const DeviceChoice output = engine.objectIni.LookupObjectOutput(1, {});
    QCOMPARE(output.id, kNoDevice);
    QVERIFY(output.name.isEmpty());
    const DeviceChoice input = engine.objectIni.LookupObjectInput(1, {});
    QCOMPARE(input.id, kNoDevice);
    QVERIFY(input.name.isEmpty());
}

void SndIniTest::deviceNames_roundTrip_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("comma") << QStringLiteral("Speakers (Realtek, HD)");
    QTest::newRow("semicolon") << QStringLiteral("Line In; rear");
    QTest::newRow("equals and hash") << QStringLiteral("Mic=2 #front");
    QTest::newRow("quotes and backslash") << QStringLiteral("\"Studio\" \\ Mic");
    QTest::newRow("blanks at both ends") << QStringLiteral("  Padded  ");
    QTest::newRow("brackets") << QStringLiteral("[ObjectWavParams]");
    QTest::newRow("cyrillic") << QStringLiteral("Микрофон (USB)");
    QTest::newRow("empty") << QString();
}

void SndIniTest::deviceNames_roundTrip() {
    QFETCH(QString, name);
    ObjectParams object;
    object.OutDeviceName = name;
    object.InDeviceName = name + QStringLiteral(" in");
    QVERIFY(engine.objectIni.SaveObjectOutput(3, object));
    QVERIFY(engine.objectIni.SaveObjectInput(3, object));
    // A later save of the other keys leaves the names alone.
    QVERIFY(engine.objectIni.SaveObjectParams(3, object));

    const DeviceEntryList outputs = {{QStringLiteral("first"), 0}, {name, 4}};
    const DeviceEntryList inputs = {{QStringLiteral("first"), 0},
                                    {name + QStringLiteral(" in"), 6}};
    QCOMPARE(engine.objectIni.LookupObjectOutput(3, outputs).id, 4);
    QCOMPARE(engine.objectIni.LookupObjectOutput(3, outputs).name, name);
    QCOMPARE(engine.objectIni.LookupObjectInput(3, inputs).id, 6);
}

void SndIniTest::params_roundTrip_perObject() {
    for (int n = 1; n <= 4; ++n) {
        ObjectParams object;
        object.PlayFromFile = n % 2 == 1;
        object.Loop = n >= 3;
        object.TriggerPosition = 10 * n;
        object.DelayText = QString::number(n + 1);
        object.VolumeLeft = 11 * n;
        object.VolumeRight = 100 - n;
        object.MixerVolume = 20 + n;
        object.ClapsOnly = n == 1;
        QVERIFY(engine.objectIni.SaveObjectParams(n, object));
    }
    for (int n = 1; n <= 4; ++n) {
        ObjectParams object;
        engine.objectIni.LoadObjectParams(n, object);
        QCOMPARE(object.PlayFromFile, n % 2 == 1);
        QCOMPARE(object.Loop, n >= 3);
        QCOMPARE(object.TriggerPosition, 10 * n);
        QCOMPARE(object.DelayText, QString::number(n + 1));
        QCOMPARE(object.VolumeLeft, 11 * n);
        QCOMPARE(object.VolumeRight, 100 - n);
        QCOMPARE(object.MixerVolume, 20 + n);
        QCOMPARE(object.ClapsOnly, n == 1);
    }
    QSettings settings(iniPath, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("ObjectWavParams/ObjectInClapsOnly_1")).toString(),
             QStringLiteral("1"));
    QCOMPARE(settings.value(QStringLiteral("ObjectWavParams/ObjectInClapsOnly_2")).toString(),
             QStringLiteral("0"));
    QCOMPARE(settings.value(QStringLiteral("ObjectWavParams/ObjectPlayFromFile_1")).toString(),
             QStringLiteral("1"));
    QCOMPARE(settings.value(QStringLiteral("ObjectWavParams/ObjectLoop_1")).toString(),
             QStringLiteral("0"));
}

void SndIniTest::triggerLevel_storedInverted_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("stored");
    QTest::newRow("default") << 78 << 50;
    QTest::newRow("top") << 128 << 0;
    QTest::newRow("bottom") << 0 << 128;
    QTest::newRow("middle") << 64 << 64;
}

void SndIniTest::triggerLevel_storedInverted() {
    QFETCH(int, position);
    QFETCH(int, stored);
    ObjectParams object;
    object.TriggerPosition = position;
    QVERIFY(engine.objectIni.SaveObjectParams(4, object));
    QSettings settings(iniPath, QSettings::IniFormat);
    QCOMPARE(settings.value(QStringLiteral("ObjectWavParams/ObjectInTriggerLevel_4")).toInt(),
             stored);
    ObjectParams loaded;
    engine.objectIni.LoadObjectParams(4, loaded);
    QCOMPARE(loaded.TriggerPosition, position);
}

void SndIniTest::delayText_savedAsInteger_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("digits") << QStringLiteral("3") << QStringLiteral("3");
    QTest::newRow("letters") << QStringLiteral("abc") << QStringLiteral("1");
    QTest::newRow("empty") << QString() << QStringLiteral("1");
    QTest::newRow("digits and letters") << QStringLiteral("4s") << QStringLiteral("1");
    QTest::newRow("fraction") << QStringLiteral("2.5") << QStringLiteral("1");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0");
    QTest::newRow("negative") << QStringLiteral("-2") << QStringLiteral("-2");
    QTest::newRow("too large") << QStringLiteral("99999999999") << QStringLiteral("1");
}

void SndIniTest::delayText_savedAsInteger() {
    QFETCH(QString, text);
    QFETCH(QString, loaded);
    ObjectParams object;
    object.DelayText = text;
    QVERIFY(engine.objectIni.SaveObjectParams(2, object));
    ObjectParams result;
    engine.objectIni.LoadObjectParams(2, result);
    QCOMPARE(result.DelayText, loaded);
}

void SndIniTest::damagedValues_giveDefaults() {
    writeFile("[ObjectWavParams]\n"
              "ObjectPlayFromFile_1=yes\n"
              "ObjectLoop_1=7\n"
              "ObjectInTriggerLevel_1=lots\n"
              "ObjectInDelay_1=3\n"
              "ObjectVL_1=\n"
              "ObjectVR_1=1,2\n"
              "ObjectInMixerVolume_1=80\n"
              "ObjectInClapsOnly_1=on\n"
              "ObjectInTriggerLevel_2=500\n"
              "ObjectInTriggerLevel_3=-2147483648\n");
    ObjectParams object;
    engine.objectIni.LoadObjectParams(1, object);
    QCOMPARE(object.PlayFromFile, false);
    QCOMPARE(object.Loop, true); // any number but 0 is on
    QCOMPARE(object.TriggerPosition, 78);
    QCOMPARE(object.DelayText, QStringLiteral("3"));
    QCOMPARE(object.VolumeLeft, 50);
    QCOMPARE(object.VolumeRight, 50);
    QCOMPARE(object.MixerVolume, 80);
    QCOMPARE(object.ClapsOnly, false);
    // A stored level outside the bar's range leaves the thumb at the nearest end.
    engine.objectIni.LoadObjectParams(2, object);
    QCOMPARE(object.TriggerPosition, 0);
    engine.objectIni.LoadObjectParams(3, object);
    QCOMPARE(object.TriggerPosition, 128);
}

void SndIniTest::unwritableFile_reportedNoThrow() {
    // A path below a plain file cannot be created, whoever runs the test.
    QFile blocker(folder->filePath(QStringLiteral("blocker")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = blocker.fileName() + QStringLiteral("/sub/numbrook.ini");
    engine.objectIni.setPath(path);

    QSignalSpy errors(&engine.errors, &SoundErrors::errorTextReady);
    ObjectParams object;
    object.OutDeviceName = QStringLiteral("Speakers");
    QVERIFY(!engine.objectIni.SaveObjectOutput(1, object));
    QVERIFY(!engine.objectIni.SaveObjectParams(1, object));
    QVERIFY(!engine.objectIni.SaveObjectInput(1, object));
    QCOMPARE(errors.size(), 3);
    QCOMPARE(
        errors.at(0).at(0).toString(),
        QStringLiteral("Could not save the sound object settings to %1: Access denied").arg(path));
    // Reading the same path just gives the defaults.
    ObjectParams loaded;
    engine.objectIni.LoadObjectParams(1, loaded);
    QCOMPARE(loaded.TriggerPosition, 78);
}

void SndIniTest::defaultPath_besideExecutableElseConfigFolder() {
    engine.objectIni.setPath(QString());
    // The test program's folder is writable (the build tree).
    QCOMPARE(ObjectIniPath(),
             QCoreApplication::applicationDirPath() + QStringLiteral("/tst_object_ini_store.ini"));
    QCOMPARE(ObjectIniPathFor(folder->filePath(QStringLiteral("numbrook"))),
             folder->filePath(QStringLiteral("numbrook.ini")));
    QCOMPARE(ObjectIniPathFor(folder->filePath(QStringLiteral("bin/numbrook.x86"))),
             configHome.filePath(QStringLiteral("Numbrook/numbrook.ini")));
    // Installed, it is the user's file even where the program's folder is writable (root).
    const QString user = configHome.filePath(QStringLiteral("Numbrook/numbrook.ini"));
    QCOMPARE(ObjectIniPathFor(folder->filePath(QStringLiteral("numbrook")), folder->path()), user);
    QCOMPARE(ObjectIniPathFor(folder->filePath(QStringLiteral("numbrook")),
                              folder->path() + QStringLiteral("/")),
             user);
    QCOMPARE(ObjectIniPathFor(QStringLiteral("/usr/bin/numbrook"), QStringLiteral("/opt/x")), user);
    QCOMPARE(ObjectIniPathFor(QStringLiteral("/usr/local/bin/numbrook")), user);
    // A folder whose name only begins like the prefix is not inside it.
    QCOMPARE(ObjectIniPathFor(folder->filePath(QStringLiteral("numbrook")),
                              folder->path() + QStringLiteral("x")),
             folder->filePath(QStringLiteral("numbrook.ini")));
}

QTEST_GUILESS_MAIN(SndIniTest)
#include "tst_object_ini_store.moc"
