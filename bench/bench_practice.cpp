// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Practice mode and the results window with children.
//   bench_practice                    2,000 practice questions for a simulated child who knows a
//                                     third of the facts, then the results window's open time
//                                     at 50 children and 100,000 quizzes
//                                     (run on QT_QPA_PLATFORM=offscreen)
//   bench_practice --screenshots DIR  two children with four weeks of practice: the results
//                                     window's tabs in both languages and the first child's
//                                     PDF report, to DIR; DIR/results.sqlite is kept
#include "ExpressionGenerator.h"
#include "QuizSettings.h"
#include "ResultsReport.h"
#include "ResultsStore.h"
#include "ResultsWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <map>
#include <random>
#include <set>

using namespace numbrook;

namespace {

constexpr int kPracticeQuestions = 2000;
constexpr int kChildren = 50;
constexpr int kQuizzes = 100000;
constexpr int kQuestionsPerQuiz = 20;
constexpr int kOpens = 5;

QTextStream out(stdout);

QuizSettings practiceSettings() {
    QuizSettings settings;
    settings.SettingsLoaded = true;
    settings.Diff_Math = 1;
    settings.Znak(1) = 1;
    settings.Znak(2) = 1;
    settings.Practice_Math = 1;
    return settings;
}

// A child who knows every third fact: those right and quick, the others always wrong.
void benchmarkPractice() {
    ExpressionGenerator generator;
    std::set<Fact> known;
    int index = 0;
    for (char op : kFactOperations) {
        for (const Fact &fact : FactsOfOperation(op)) {
            if (index++ % 3 == 0) {
                known.insert(fact);
                for (int i = 0; i < 2; ++i)
                    generator.practiceProgress.add(
                        fact, {QDate::currentDate(), QString(), true, true, 900});
            }
        }
    }
    const QuizSettings settings = practiceSettings();
    int notFluent = 0, repeats = 0, trueShown = 0;
    std::optional<Fact> previous;
    for (int i = 0; i < kPracticeQuestions; ++i) {
        const QuestionLines lines = generator.GenerateQuestion(settings, QStringLiteral("?"));
        const Fact fact = *FactOfEquation(lines.expression);
        notFluent += generator.practiceProgress.state(fact, kDefaultFluencyMs) != FactState::Fluent;
        repeats += previous == fact;
        previous = fact;
        const bool truth = generator.ExpressionIsCorrect;
        trueShown += truth;
        const bool right = known.count(fact) > 0;
        // Right about a true equation is a quick answer; about a false one, silence.
        const bool answered = right == truth;
        generator.practiceProgress.addEquation({QDate::currentDate(), lines.expression, truth,
                                                right,
                                                answered ? std::optional<int>(900) : std::nullopt});
    }
    out << "practice: non-fluent share "
        << QString::number(double(notFluent) / kPracticeQuestions, 'f', 3) << ", repeats in a row "
        << repeats << "\n";
    out << "  (" << kPracticeQuestions << " questions, a third of the facts fluent; true equations "
        << QString::number(double(trueShown) / kPracticeQuestions, 'f', 3) << " of those shown)\n";
}

// 50 children, 100,000 level-1 quizzes of 20 questions over two years, in one transaction.
void fillChildren(const QString &path) {
    {
        ResultsStore schema(path);
        schema.open();
    }
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    {
        QSqlQuery query(db);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        const qint64 spacing = 2LL * 365 * 24 * 3600 * 1000 / kQuizzes;
        const QString steps[] = {
            QStringLiteral("BEGIN"),
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE"
                           " i < %1) INSERT INTO child (id, name) SELECT i, 'Child ' || i FROM n")
                .arg(kChildren),
            QStringLiteral(
                "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < %1)"
                " INSERT INTO quiz (started_at, day, ended_at, level, kinds, speed,"
                " display_mode, total, correct, wrong, points, normal_end, child_id)"
                " SELECT s, date(s / 1000, 'unixepoch', 'localtime'), s + 80000, 1, '1,2', 4, 0,"
                " 20, 15, 5, 10, 1, 1 + i % %2 FROM (SELECT i, %3 - (%1 - i) * %4 AS s FROM n)")
                .arg(kQuizzes - 1)
                .arg(kChildren)
                .arg(now)
                .arg(spacing),
            QStringLiteral(
                "WITH RECURSIVE k(j) AS (SELECT 1 UNION ALL SELECT j + 1 FROM k WHERE j < %1)"
                " INSERT INTO question SELECT id, j, started_at + j * 4000,"
                " a || '+' || b || '=' || (a + b + d), d = 0,"
                " CASE WHEN (d = 0) = r THEN 1 ELSE 0 END,"
                " CASE WHEN (d = 0) = r THEN ms END, r FROM (SELECT q.id, q.started_at, k.j,"
                " abs(random()) % 4 + 1 AS a, abs(random()) % 4 + 1 AS b,"
                " abs(random()) % 2 AS d, abs(random()) % 10 < 8 AS r,"
                " 800 + abs(random()) % 3000 AS ms FROM quiz q, k)")
                .arg(kQuestionsPerQuiz),
            QStringLiteral("COMMIT"),
        };
        for (const QString &step : steps)
            query.exec(step);
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

double openWindow(ResultsStore &store, qint64 child) {
    QElapsedTimer timer;
    timer.start();
    ResultsWindow window(store, ResultsTexts::English, nullptr, child);
    window.show();
    window.grab();
    return double(timer.nsecsElapsed()) / 1e6;
}

void benchmarkWindow() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.sqlite"));
    QElapsedTimer fill;
    fill.start();
    fillChildren(path);
    ResultsStore store(path);
    out << "Filled " << store.children().size() << " children, " << store.quizCount()
        << " quizzes of " << kQuestionsPerQuiz << " level-1 questions in " << fill.elapsed()
        << " ms\n";
    openWindow(store, 1); // warms the file cache and Qt's fonts
    QList<double> opens;
    for (int n = 0; n < kOpens; ++n)
        opens << openWindow(store, 1 + n * 7);
    std::sort(opens.begin(), opens.end());
    out << "Results window open at " << kChildren << " children and " << kQuizzes
        << " quizzes (target under 500 ms): median " << QString::number(opens[kOpens / 2], 'f', 1)
        << " ms, slowest " << QString::number(opens.last(), 'f', 1) << " ms\n";
}

// A child who learns: each fact is judged right more often, and answered sooner, the more it
// was asked.
void playWeeks(ResultsStore &store, qint64 child, double talent, unsigned seed, int days) {
    ExpressionGenerator generator;
    generator.setSeedSource([n = std::uint64_t(seed)]() mutable { return n++ * 7919; });
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0, 1);
    std::map<Fact, int> asked;
    QuizSettings settings = practiceSettings();
    settings.Znak(2) = child == kFirstChild ? 1 : 0;
    const QDate today = QDate::currentDate();
    for (int day = days - 1; day >= 0; --day) {
        if (unit(random) < 0.25)
            continue; // a day off
        const QDateTime start(today.addDays(-day), QTime(17, 0));
        const qint64 quiz = store.beginQuiz(QuizStart{start, 1, {1, 2}, 4, 0, child});
        int right = 0;
        for (int q = 0; q < kQuestionsPerQuiz; ++q) {
            const QuestionLines lines = generator.GenerateQuestion(settings, QStringLiteral("?"));
            const Fact fact = *FactOfEquation(lines.expression);
            const int seen = asked[fact]++;
            const bool truth = generator.ExpressionIsCorrect;
            const bool judged = unit(random) < std::min(0.97, 0.45 + talent * seen);
            const bool answered = judged == truth;
            const int ms = std::max(700, int(4200 - 450 * talent * 3 * seen + 500 * unit(random)));
            const QuestionRecord record{start.addSecs(q * 6),
                                        lines.expression,
                                        truth,
                                        answered ? AnswerSource::Key : AnswerSource::None,
                                        answered ? std::optional<int>(ms) : std::nullopt,
                                        judged};
            store.recordQuestion(quiz, record);
            generator.practiceProgress.addEquation(
                {start.date(), lines.expression, truth, judged, record.reactionMs});
            right += judged;
        }
        store.endQuiz(quiz,
                      QuizTotals{start.addSecs(kQuestionsPerQuiz * 6), kQuestionsPerQuiz, right,
                                 kQuestionsPerQuiz - right, 2 * right - kQuestionsPerQuiz},
                      true);
    }
}

int screenshots(const QString &folder) {
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("results.sqlite"));
    QFile::remove(path);
    ResultsStore store(path);
    store.childrenStore().changeChild(kFirstChild, QStringLiteral("Anna"), 1);
    qint64 boris = 0;
    store.childrenStore().addChild(QStringLiteral("Boris"), 4, &boris);
    playWeeks(store, kFirstChild, 0.35, 5, 28);
    playWeeks(store, boris, 0.2, 9, 21);
    const char *languages[] = {"en", "ru"};
    for (int language : {ResultsTexts::English, ResultsTexts::Russian}) {
        ResultsWindow window(store, language, nullptr, kFirstChild);
        window.show();
        auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("progressTabs"));
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            window.grab().save(QDir(folder).filePath(QStringLiteral("results-%1-tab%2.png")
                                                         .arg(QLatin1String(languages[language]))
                                                         .arg(tab)));
        }
        ResultsTexts texts;
        texts.setLanguage(language);
        WriteResultsReport(
            QDir(folder).filePath(
                QStringLiteral("report-%1.pdf").arg(QLatin1String(languages[language]))),
            store, kFirstChild, QStringLiteral("Anna"), kDefaultFluencyMs, texts);
    }
    out << "Screenshots and reports in " << folder << "\n";
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--screenshots"))
        return screenshots(arguments[2]);
    benchmarkPractice();
    benchmarkWindow();
    return 0;
}
