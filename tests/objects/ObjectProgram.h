// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// What the sound object tests share: a private folder for the object file, the Data folder and
// the settings, and the program's windows with a few ways into its sound objects.

#include "MainWindow.h"
#include "ObjectIniStore.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "TestProgram.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace numbrook::testing {

// Points the object file, the Data folder, the settings and the results file into a temporary
// folder for as long as it lives.
class ObjectFiles {
public:
    explicit ObjectFiles(SoundEngine &engine) : engine_(engine) {
        qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", dir.path().toLocal8Bit());
        engine_.objectIni.setPath(iniPath());
        engine_.objectIni.setDataRoot(dir.path());
    }
    ~ObjectFiles() {
        engine_.objectIni.setPath({});
        engine_.objectIni.setDataRoot({});
    }
    Q_DISABLE_COPY_MOVE(ObjectFiles)

    QString path() const { return dir.path(); }
    QString iniPath() const { return dir.filePath(QStringLiteral("objects.ini")); }
    void store(const QString &key, const QVariant &value) const {
        QSettings(iniPath(), QSettings::IniFormat).setValue(key, value);
    }
    QString stored(const QString &key) const {
        return QSettings(iniPath(), QSettings::IniFormat).value(key).toString();
    }

private:
    SoundEngine &engine_;
    QTemporaryDir dir;
};

struct ObjectProgram : Program {
    using Program::Program;
    SoundObjectTable &objects() { return main().soundObjects(); }
    SoundObject &object(int n) { return main().soundObjects().object(n); }
    QString log() const { return main().Memo1()->toPlainText(); }
    // Lines of the log that start with `start`.
    int logCount(const QString &start) const {
        return int(log().split(QLatin1Char('\n')).filter(QRegularExpression("^" + start)).size());
    }
    template <typename T> T *get(const QString &name) const {
        return qobject_cast<T *>(testing::control(main(), name));
    }
    void click(const QString &name) {
        QWidget *widget = testing::control(main(), name);
        QVERIFY2(widget, qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    }
};

} // namespace numbrook::testing
