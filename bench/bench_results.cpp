// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The results window's open time with 10,000 recorded quizzes, and the cost of recording one
// question beside the question timer's one-second tick.
//   bench_results                     prints the figures (run on QT_QPA_PLATFORM=offscreen)
//   bench_results --screenshots DIR   renders the window in each language with four weeks of
//                                     generated quizzes to DIR/results-<language>.png
#include "ResultsStore.h"
#include "ResultsWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

using namespace numbrook;

namespace {

constexpr int kQuizzes = 10000;
constexpr int kQuestionsPerQuiz = 20;
constexpr int kRecordedQuestions = 1000;
constexpr int kOpens = 7;
constexpr int kTickMs = 1000;

QTextStream out(stdout);

double percentile(QList<double> values, double share) {
    std::sort(values.begin(), values.end());
    const auto index = std::size_t(std::ceil(share * double(values.size()))) - 1;
    return values[qsizetype(std::min(index, std::size_t(values.size() - 1)))];
}

QString equation(std::mt19937 &random, bool &isTrue) {
    std::uniform_int_distribution<int> digit(1, 9);
    const int a = digit(random), b = digit(random);
    isTrue = random() % 2 == 0;
    const int shown = a + b + (isTrue ? 0 : (random() % 2 ? 1 : -1));
    return QStringLiteral("%1+%2=%3").arg(a).arg(b).arg(shown);
}

struct GeneratedQuestion {
    QString text;
    bool isTrue = false;
    bool judgedRight = false;
    std::optional<int> reactionMs;
};

// One quiz of a child who, as `progress` goes from 0 to 1, gets more right and answers faster.
QList<GeneratedQuestion> generateQuiz(std::mt19937 &random, double progress) {
    std::uniform_real_distribution<double> unit(0, 1);
    QList<GeneratedQuestion> questions;
    for (int q = 0; q < kQuestionsPerQuiz; ++q) {
        GeneratedQuestion question;
        question.text = equation(random, question.isTrue);
        question.judgedRight = unit(random) < 0.6 + 0.25 * progress;
        // Saying nothing means "false": only a "true" judgement has an answer time.
        if (question.isTrue == question.judgedRight)
            question.reactionMs = int(2300 - 800 * progress + 600 * (unit(random) - 0.5));
        questions << question;
    }
    return questions;
}

// Quizzes over the `days` days up to today, `perDay` a day on average, written in one
// transaction (filling through the store, a transaction a question, would take minutes).
void fillDirectly(const QString &path, int days, double perDay, unsigned seed) {
    {
        ResultsStore schema(path);
        schema.open();
    }
    auto db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
    db.setDatabaseName(path);
    db.open();
    {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> unit(0, 1);
        QSqlQuery quiz(db), question(db);
        quiz.prepare(QStringLiteral(
            "INSERT INTO quiz (started_at, day, ended_at, level, kinds, speed, display_mode,"
            " total, correct, wrong, points, normal_end) VALUES (?, ?, ?, 2, '1,2,3', 4, 0, ?,"
            " ?, ?, ?, 1)"));
        question.prepare(QStringLiteral("INSERT INTO question VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
        db.transaction();
        const QDate today = QDate::currentDate();
        for (int day = days - 1; day >= 0; --day) {
            int count = int(perDay) + (unit(random) < perDay - int(perDay) ? 1 : 0);
            if (perDay < 3 && unit(random) < 0.2)
                count = 0; // a day off
            for (int n = 0; n < count; ++n) {
                const QDateTime start(today.addDays(-day), QTime(16, 0).addSecs(n * 240));
                const QList<GeneratedQuestion> questions =
                    generateQuiz(random, 1.0 - double(day) / days);
                const int right = int(std::count_if(questions.cbegin(), questions.cend(),
                                                    [](auto &q) { return q.judgedRight; }));
                for (const QVariant &value :
                     {QVariant(start.toMSecsSinceEpoch()),
                      QVariant(start.date().toString(Qt::ISODate)),
                      QVariant(start.addSecs(kQuestionsPerQuiz * 4).toMSecsSinceEpoch()),
                      QVariant(kQuestionsPerQuiz), QVariant(right),
                      QVariant(kQuestionsPerQuiz - right), QVariant(2 * right - kQuestionsPerQuiz)})
                    quiz.addBindValue(value);
                quiz.exec();
                const QVariant id = quiz.lastInsertId();
                for (int q = 0; q < questions.size(); ++q) {
                    const GeneratedQuestion &g = questions[q];
                    const int answer = g.reactionMs ? 1 + q % 2 : 0;
                    for (const QVariant &value :
                         {id, QVariant(q + 1), QVariant(start.addSecs(q * 4).toMSecsSinceEpoch()),
                          QVariant(g.text), QVariant(int(g.isTrue)), QVariant(answer),
                          g.reactionMs ? QVariant(*g.reactionMs) : QVariant(),
                          QVariant(int(g.judgedRight))})
                        question.addBindValue(value);
                    question.exec();
                }
            }
        }
        db.commit();
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

// Milliseconds from creating the store and the window to the window painted once.
double openWindow(const QString &path, bool storeOpenAlready, ResultsStore *openStore) {
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<ResultsStore> fresh;
    ResultsStore *store = openStore;
    if (!storeOpenAlready) {
        fresh = std::make_unique<ResultsStore>(path);
        store = fresh.get();
    }
    ResultsWindow window(*store, ResultsTexts::English);
    window.show();
    window.grab(); // paints every child once
    return double(timer.nsecsElapsed()) / 1e6;
}

void benchmark() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.sqlite"));
    QElapsedTimer fillTimer;
    fillTimer.start();
    fillDirectly(path, 730, double(kQuizzes) / 730, 7);
    ResultsStore store(path);
    out << "Filled " << store.quizCount() << " quizzes of " << kQuestionsPerQuiz
        << " questions over two years in " << fillTimer.elapsed() << " ms\n";

    openWindow(path, false, nullptr); // warm the file cache and Qt's fonts
    QList<double> firstOpens, laterOpens;
    for (int n = 0; n < kOpens; ++n) {
        firstOpens << openWindow(path, false, nullptr);
        store.open();
        laterOpens << openWindow(path, true, &store);
    }
    out << "Results window open at " << kQuizzes << " quizzes, median of " << kOpens
        << " (target under 200 ms):\n"
        << "  first open of the database (integrity check included): "
        << QString::number(percentile(firstOpens, 0.5), 'f', 1) << " ms\n"
        << "  database already open:                                 "
        << QString::number(percentile(laterOpens, 0.5), 'f', 1) << " ms\n";

    std::mt19937 random(11);
    const qint64 quizId = store.beginQuiz(QuizStart{QDateTime::currentDateTime(), 2, {1}, 4, 0});
    QList<double> costs;
    for (int n = 0; n < kRecordedQuestions; ++n) {
        bool isTrue = false;
        const QuestionRecord record{QDateTime::currentDateTime(),
                                    equation(random, isTrue),
                                    isTrue,
                                    AnswerSource::Key,
                                    900,
                                    true};
        QElapsedTimer timer;
        timer.start();
        store.recordQuestion(quizId, record);
        costs << double(timer.nsecsElapsed()) / 1e6;
    }
    out << "Recording a question, over " << kRecordedQuestions << " questions: median "
        << QString::number(percentile(costs, 0.5), 'f', 3) << " ms, 99th percentile "
        << QString::number(percentile(costs, 0.99), 'f', 3) << " ms, beside the question tick of "
        << kTickMs << " ms\n";
}

int screenshots(const QString &folder) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("results.sqlite"));
    fillDirectly(path, 28, 1.4, 3);
    {
        // A quiz that was cut short: the program was killed after three questions.
        ResultsStore killed(path);
        const QDateTime start = QDateTime::currentDateTime().addSecs(-1800);
        const qint64 id = killed.beginQuiz(QuizStart{start, 2, {1, 2, 3}, 4, 1});
        std::mt19937 random(5);
        for (const GeneratedQuestion &g : generateQuiz(random, 1.0).mid(0, 3))
            killed.recordQuestion(
                id, QuestionRecord{start, g.text, g.isTrue,
                                   g.reactionMs ? AnswerSource::Clap : AnswerSource::None,
                                   g.reactionMs, g.judgedRight});
    }
    ResultsStore store(path);
    for (int language : {ResultsTexts::English, ResultsTexts::Russian}) {
        ResultsWindow window(store, language);
        window.show();
        auto *table = window.findChild<QWidget *>(QStringLiteral("quizTable"));
        QMetaObject::invokeMethod(table, "selectRow", Q_ARG(int, 0));
        QApplication::processEvents();
        const QString file =
            QStringLiteral("%1/results-%2.png")
                .arg(folder, language == ResultsTexts::Russian ? QStringLiteral("ru")
                                                               : QStringLiteral("en"));
        if (!window.grab().save(file))
            return 1;
        out << file << "\n";
    }
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == QLatin1String("--screenshots"))
        return screenshots(arguments[2]);
    benchmark();
    return 0;
}
