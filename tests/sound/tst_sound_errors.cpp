// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Sound error texts and their delivery to the main thread.
#include "MainThreadCalls.h"
#include "SoundEngine.h"
#include "SoundErrors.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <memory>
#include <pulse/def.h>
#include <pulse/error.h>
#include <stdexcept>
#include <vector>

using namespace numbrook;

class SoundErrorsTest : public QObject {
    Q_OBJECT

    SoundEngine engine;

private Q_SLOTS:
    void message_isContextThenText_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("context");
        QTest::addColumn<QString>("message");
        QTest::newRow("general, no context") << 1026 << ""
                                             << "Ошибка!!! Код ошибки: 1026";
        QTest::newRow("mixer line") << 1024 << ""
                                    << "Ошибка микшера!!! Код ошибки: 1024";
        QTest::newRow("mixer control")
            << 1025 << "Error at mixerGetLineControls: "
            << "Error at mixerGetLineControls: Ошибка микшера!!! Код ошибки: 1025";
        QTest::newRow("caught error") << -5345 << "bad buffer"
                                      << "bad buffer Ошибка!!! Код ошибки: -5345";
        QTest::newRow("zero is no server code") << 0 << ""
                                                << "Ошибка!!! Код ошибки: 0";
        QTest::newRow("server code") << int(PA_ERR_NOENTITY) << "Could not open the input device: "
                                     << QStringLiteral("Could not open the input device: ") +
                                            QString::fromUtf8(pa_strerror(PA_ERR_NOENTITY));
        QTest::newRow("context without a trailing blank")
            << int(PA_ERR_ACCESS) << "Could not save:"
            << "Could not save: " + QString::fromUtf8(pa_strerror(PA_ERR_ACCESS));
        QTest::newRow("blanks trimmed")
            << int(PA_ERR_ACCESS) << "  " << QString::fromUtf8(pa_strerror(PA_ERR_ACCESS));
    }
    void message_isContextThenText() {
        QFETCH(int, code);
        QFETCH(QString, context);
        QFETCH(QString, message);
        QCOMPARE(SoundErrorMessage(code, context), message);
        QStringList received;
        auto link = connect(&engine.errors, &SoundErrors::errorTextReady, this,
                            [&](const QString &text) { received << text; });
        engine.errors.ReportSoundError(code, context, true);
        disconnect(link);
        QCOMPARE(received, QStringList{message});
        QCOMPARE(engine.errors.LastErrorText(), message);
    }

    void workerReport_throwingReceiverBecomesCaughtError_data() {
        QTest::addColumn<bool>("standardException");
        QTest::addColumn<QString>("message");
        QTest::newRow("std::exception") << true << "slot failed Ошибка!!! Код ошибки: -5345";
        QTest::newRow("anything else") << false << "Unknown error Ошибка!!! Код ошибки: -5345";
    }
    void workerReport_throwingReceiverBecomesCaughtError() {
        QFETCH(bool, standardException);
        QFETCH(QString, message);
        QSignalSpy reports(&engine.errors, &SoundErrors::errorTextReady);
        // Atomic because the thread sanitizer cannot see QThread's join in an uninstrumented Qt.
        std::atomic<bool> delivered = true;
        bool ranOnMainThread = false;
        std::unique_ptr<QThread> worker(QThread::create([&] {
            delivered = engine.reports.deliver(
                [&] {
                    ranOnMainThread = QThread::currentThread() == qApp->thread();
                    if (standardException) {
                        throw std::runtime_error("slot failed");
                    }
                    throw 42;
                },
                false);
        }));
        worker->start();
        QVERIFY(engine.mainThreadCalls.waitForThread(worker.get(), 20000));
        QVERIFY(ranOnMainThread);
        QVERIFY(!delivered);
        QCOMPARE(reports.size(), 1);
        QCOMPARE(reports.first().first().toString(), message);
    }

    // Two engines share nothing: what one reports or sets never shows in the other.
    void twoEngines_keepTheirOwnState() {
        SoundEngine other;
        QSignalSpy reports(&engine.errors, &SoundErrors::errorTextReady);
        other.errors.ReportSoundError(kCaughtError, QStringLiteral("other engine:"), true);
        QCOMPARE(reports.size(), 0);
        QVERIFY(engine.errors.LastErrorText() != other.errors.LastErrorText());
        other.captures.TriggerThreshold(2).store(5);
        QCOMPARE(engine.captures.TriggerThreshold(2).load(), kDefaultTriggerThreshold);
        other.objectIni.setDataRoot(QStringLiteral("/nonexistent"));
        QVERIFY(!engine.objectIni.objectFolder(2).startsWith(QStringLiteral("/nonexistent")));
    }

    void reportsFromManyThreads_allArriveWhole() {
        constexpr int kThreads = 6;
        constexpr int kEach = 40;
        QStringList received;
        auto link = connect(&engine.errors, &SoundErrors::errorTextReady, this,
                            [&](const QString &text) { received << text; });
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back(QThread::create([this, t] {
                for (int i = 0; i < kEach; ++i) {
                    engine.errors.ReportSoundError(
                        -1, QStringLiteral("thread %1 report %2:").arg(t).arg(i), false);
                }
            }));
            threads.back()->start();
        }
        for (auto &thread : threads) {
            QVERIFY(engine.mainThreadCalls.waitForThread(thread.get(), 20000));
        }
        disconnect(link);
        QCOMPARE(received.size(), kThreads * kEach);
        for (int t = 0; t < kThreads; ++t) {
            for (int i = 0; i < kEach; ++i) {
                const QString expected =
                    QStringLiteral("thread %1 report %2: Ошибка!!! Код ошибки: -1").arg(t).arg(i);
                QVERIFY2(received.contains(expected), qPrintable(expected));
            }
        }
    }

    // Workers wait in callOnMainThread() while the main thread runs its event loop, so every
    // call is carried out from the queued wake-up rather than from waitForThread().
    void callsWhileTheLoopRuns_eachRunsOnceOnTheMainThread() {
        constexpr int kThreads = 4;
        constexpr int kEach = 150;
        int onMain = 0;
        int elsewhere = 0;
        std::atomic<int> returnedTrue{0};
        std::vector<std::unique_ptr<QThread>> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back(QThread::create([&] {
                for (int i = 0; i < kEach; ++i) {
                    const bool ran = engine.mainThreadCalls.callOnMainThread([&] {
                        ++(QThread::currentThread() == qApp->thread() ? onMain : elsewhere);
                    });
                    returnedTrue += ran ? 1 : 0;
                }
            }));
            threads.back()->start();
        }
        QTRY_COMPARE_WITH_TIMEOUT(onMain, kThreads * kEach, 30000);
        for (auto &thread : threads) {
            QVERIFY(thread->wait(5000));
        }
        QCOMPARE(elsewhere, 0);
        QCOMPARE(returnedTrue.load(), kThreads * kEach);
    }
};

QTEST_GUILESS_MAIN(SoundErrorsTest)
#include "tst_sound_errors.moc"
