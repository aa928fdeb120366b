// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The main window's autostart option with the running executable's real path. This test
// program is built into a folder whose name has a space, so the entry's Exec line must quote it.
#include "AutostartEntry.h"
#include "MainWindow.h"
#include "SkinWidgets.h"
#include "TestProgram.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace numbrook;

namespace {

using testing::Program;

QStringList entryLines(const AutostartEntry &entry) {
    QFile file(entry.fileName());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
}

} // namespace

class AutostartTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<testing::ConfigHome> home_;

    static QString executable() { return QCoreApplication::applicationFilePath(); }
    static void clickAutoRun(TfmMain &main) {
        // The option lies below the visible part of the window; the click goes to it directly.
        QWidget *box = testing::control(main, QStringLiteral("Cb_AutoRun"));
        QVERIFY(box);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(3, 3));
    }
    QString stored(const QString &name) const {
        return QSettings(config_->path() + "/Pelorin Quillmark/Lantern.conf",
                         QSettings::NativeFormat)
            .value(name)
            .toString();
    }

private Q_SLOTS:
    void initTestCase() {
        // The premise of the quoting test: a space, and nothing else that needs escaping.
        QVERIFY2(executable().contains(QLatin1Char(' ')), qPrintable(executable()));
        for (QChar reserved : QStringLiteral("\"`$\\%"))
            QVERIFY(!executable().contains(reserved));
    }

    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        QVERIFY(config_->isValid());
        home_.reset();
        home_ = std::make_unique<testing::ConfigHome>(config_->path());
    }

    void autoRunOption_writesQuotedPathOfRunningExecutable_andRemovesIt() {
        const AutostartEntry entry(QStringLiteral("tst_autostart"));
        Program p;
        QCOMPARE(p.main().systemSettings().AutoRun, 0);
        clickAutoRun(p.main());
        QCOMPARE(p.main().systemSettings().AutoRun, 1);
        QCOMPARE(testing::button(p.main(), QStringLiteral("Cb_AutoRun"))->picture(), 22);
        QVERIFY(entry.exists());
        const QStringList lines = entryLines(entry);
        QVERIFY(lines.contains(QStringLiteral("Exec=\"%1\"").arg(executable())));
        QCOMPARE(lines.filter(QStringLiteral("Exec=")).size(), 1);

        clickAutoRun(p.main());
        QCOMPARE(p.main().systemSettings().AutoRun, 0);
        QVERIFY(!entry.exists());
    }

    void entryAlreadyPresent_survivesStartAndEnd() {
        const AutostartEntry entry(QStringLiteral("tst_autostart"));
        QVERIFY(entry.write(executable()));
        const QStringList before = entryLines(entry);
        {
            Program p;
            // The option starts off whatever the desktop holds...
            QCOMPARE(p.main().systemSettings().AutoRun, 0);
            p.main().show();
            QCOMPARE(testing::button(p.main(), QStringLiteral("Cb_AutoRun"))->picture(), 21);
        }
        // ...but the program keeps starting at log-on until the option is switched off.
        QVERIFY(entry.exists());
        QCOMPARE(entryLines(entry), before);
        QCOMPARE(stored(QStringLiteral("AutoRun")), QStringLiteral("0"));

        Program p;
        clickAutoRun(p.main());
        clickAutoRun(p.main());
        QVERIFY(!entry.exists());
    }
};

QTEST_MAIN(AutostartTest)
#include "tst_autostart.moc"
