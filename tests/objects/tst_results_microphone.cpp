// The results' microphone parts against the test environment's sound server: the main
// window's microphone check (claps played into the pipe microphone over a steady background
// give a threshold that the same capture then fires on for every clap and never for the
// background; a background as loud as the claps is refused and changes nothing), and a clap
// answer in a quiz recorded with the time from the equation's showing to the clap.
#include "CaptureThread.h"
#include "MainWindow.h"
#include "ObjectProgram.h"
#include "PipeFeeder.h"
#include "PulseTools.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"
#include "ResultsTexts.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace numbrook;
using Program = numbrook::testing::ObjectProgram;
using numbrook::testing::clapSound;
using numbrook::testing::pactl;
using numbrook::testing::PipeFeeder;
using numbrook::testing::toneSound;

namespace {

const QString kPipeMicrophone = QStringLiteral("Pipe Microphone");

// `milliseconds` of a steady tone of `background` with claps of the given loudness laid over it
// at the given times.
QByteArray claps(int background, int milliseconds, const QList<QPair<int, int>> &atAndLoudness) {
    QByteArray sound = toneSound(background, milliseconds, 300.0);
    for (const auto &[at, loudness] : atAndLoudness) {
        const QByteArray clap = clapSound(loudness);
        sound.replace(22050 * at / 1000, clap.size(), clap);
    }
    return sound;
}

} // namespace

class ResultsMicrophoneTest : public QObject {
    Q_OBJECT

    SoundEngine engine;
    std::unique_ptr<testing::ObjectFiles> files_;

    // Shows the main window and waits until object 1's capture reports its first buffer.
    void showListening(Program &p) {
        QSignalSpy levels(&engine.captureReports, &CaptureReports::levelReport);
        p.main.show();
        QTRY_VERIFY_WITH_TIMEOUT(!levels.isEmpty(), 5000);
    }

    // Runs the check while `sound` plays; `result` holds its result.
    static void runCheck(Program &p, PipeFeeder &feeder, const QByteArray &sound,
                         std::optional<MicrophoneCheckResult> &result) {
        auto *start = p.get<QPushButton>(QStringLiteral("Sb_MicCheck"));
        auto *line = p.get<QLabel>(QStringLiteral("Lbl_MicCheck"));
        QVERIFY(start && line);
        start->click();
        feeder.play(sound);
        QCOMPARE(line->text(),
                 ResultsTexts::text(ResultsText::MicrophoneClapTwice, p.strings.LanguageIndex));
        QVERIFY(!start->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(p.main.microphoneCheckResult().has_value(), 9000);
        QVERIFY(start->isEnabled());
        feeder.waitUntilPlayed();
        result = p.main.microphoneCheckResult();
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(!qEnvironmentVariableIsEmpty("NUMBROOK_TEST_PIPE"),
                 "run inside scripts/test-env.sh");
        QVERIFY(engine.connection.open());
    }
    void init() {
        files_ = std::make_unique<testing::ObjectFiles>(engine);
        files_->store("ObjectMapping/ObjectIn_1", kPipeMicrophone);
        pactl({"set-source-volume", "nb_pipe_mic", "100%"});
    }
    void cleanup() {
        engine.captures.stopAll();
        files_.reset();
    }

    void clapsOverBackground_thresholdFiresOnEveryClapOnly() {
        PipeFeeder feeder(qEnvironmentVariable("NUMBROOK_TEST_PIPE"));
        QVERIFY(feeder.isOpen());
        Program p(engine);
        showListening(p);
        const int background = 14;
        std::optional<MicrophoneCheckResult> result;
        runCheck(p, feeder, claps(background, 4500, {{1000, 60}, {2600, 105}}), result);
        QVERIFY(result);
        QVERIFY2(result->proposed(), qPrintable(microphoneCheckMessage(*result, 0)));
        qInfo("background %d, claps %d and %d, threshold %d", result->background,
              int(result->clapPeaks.value(0)), int(result->clapPeaks.value(1)), result->threshold);
        QVERIFY(result->threshold > background && result->threshold <= 60);
        auto *apply = p.get<QPushButton>(QStringLiteral("Sb_MicCheckApply"));
        QVERIFY(apply && !apply->isHidden());
        // The proposal with its levels marked on the bar, for a look by eye.
        if (const QString folder = qEnvironmentVariable("NUMBROOK_SCREENSHOT_DIR");
            !folder.isEmpty()) {
            p.main.grab().save(folder + QStringLiteral("/microphone-check.png"));
        }
        apply->click();
        TrackBar *threshold = p.get<TrackBar>(QStringLiteral("tbTrig1"));
        QCOMPARE(threshold->value(), result->threshold);
        QVERIFY(apply->isHidden());

        // The capture now fires on a clap at each of three loudness levels and never on the
        // background alone.
        QSignalSpy fired(&engine.captureReports, &CaptureReports::triggerReport);
        feeder.play(claps(background, 5000, {}));
        feeder.waitUntilPlayed();
        QTest::qWait(300);
        QCOMPARE(fired.count(), 0);
        feeder.play(claps(background, 6000, {{500, 45}, {2500, 75}, {4500, 110}}));
        feeder.waitUntilPlayed();
        // The server's buffering lets the last clap arrive a little after it was written.
        QTRY_COMPARE_WITH_TIMEOUT(fired.count(), 3, 6000);
        QTest::qWait(500);
        QCOMPARE(fired.count(), 3);
    }

    void clapInQuiz_recordedWithItsTimeFromTheShowing() {
        PipeFeeder feeder(qEnvironmentVariable("NUMBROOK_TEST_PIPE"));
        QVERIFY(feeder.isOpen());
        Program p(engine);
        showListening(p);
        p.session.settings.Speed_Math = 2;
        QElapsedTimer clock;
        clock.start();
        qint64 shownMs = -1;
        connect(&p.display, &QuestionDisplay::questionShown, &p.display,
                [&] { shownMs = clock.elapsed(); });
        p.main.Sb_StartClick();
        QTRY_VERIFY_WITH_TIMEOUT(shownMs >= 0, 5000);
        QTest::qWait(300);
        const qint64 playedMs = clock.elapsed() - shownMs;
        feeder.play(clapSound());
        QTRY_VERIFY_WITH_TIMEOUT(p.main.cbPorog1->isChecked(), 2000);
        const qint64 heardMs = clock.elapsed() - shownMs;
        // Esc once the question is scored.
        QTRY_VERIFY_WITH_TIMEOUT(p.session.CorrectAnswers + p.session.WrongAnswers == 1, 5000);
        p.main.HotkeyMessage(2);

        const QList<QuizSummary> quizzes = p.results.recentQuizzes(1);
        QCOMPARE(quizzes.size(), 1);
        QCOMPARE(quizzes.first().state, QuizState::Finished);
        const QList<QuestionRow> rows = p.results.quizQuestions(quizzes.first().id);
        QCOMPARE(rows.size(), 1);
        const QuestionRecord &r = rows.first().record;
        QCOMPARE(r.answer, AnswerSource::Clap);
        QCOMPARE(r.judgedRight, r.equationTrue);
        QVERIFY(r.reactionMs.has_value());
        qInfo("clap played %lld ms, heard by %lld ms, recorded %d ms after the showing", playedMs,
              heardMs, *r.reactionMs);
        QVERIFY(*r.reactionMs >= playedMs && *r.reactionMs <= heardMs + 20);
    }

    void backgroundAsLoudAsClaps_isRefused() {
        PipeFeeder feeder(qEnvironmentVariable("NUMBROOK_TEST_PIPE"));
        QVERIFY(feeder.isOpen());
        Program p(engine);
        showListening(p);
        TrackBar *threshold = p.get<TrackBar>(QStringLiteral("tbTrig1"));
        const int before = threshold->value();
        std::optional<MicrophoneCheckResult> result;
        runCheck(p, feeder, claps(90, 4500, {{1000, 95}, {2600, 100}}), result);
        QVERIFY(result);
        QVERIFY(!result->proposed());
        QCOMPARE(p.get<QLabel>(QStringLiteral("Lbl_MicCheck"))->text(),
                 microphoneCheckMessage(*result, p.strings.LanguageIndex));
        QVERIFY(p.get<QPushButton>(QStringLiteral("Sb_MicCheckApply"))->isHidden());
        p.main.applyMicrophoneCheck();
        QCOMPARE(threshold->value(), before);
    }
};

QTEST_MAIN(ResultsMicrophoneTest)
#include "tst_results_microphone.moc"
