// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsTexts.h"

#include <QLocale>
#include <QStringList>

#include <array>

namespace numbrook {

namespace {

struct Entry {
    ResultsText id;
    const char16_t *english;
    const char16_t *russian;
};

// clang-format off
constexpr std::array kTexts = {
    Entry{ResultsText::WindowTitle, u"Numbrook: results", u"Numbrook: результаты"},
    Entry{ResultsText::NoHistory,
          u"No quizzes recorded yet. Results appear here after the first quiz.",
          u"Записанных занятий пока нет. Результаты появятся здесь после первого занятия."},
    Entry{ResultsText::SummaryWeek,
          u"Last 7 days: %1 quizzes · %2 % right · typical answer time %3",
          u"За 7 дней: занятий %1 · верно %2 % · обычное время ответа %3"},
    Entry{ResultsText::SummaryNoWeek, u"No quizzes in the last 7 days.",
          u"За последние 7 дней занятий не было."},
    Entry{ResultsText::TrendMoreRight, u"▲ %1 % more right answers than the week before",
          u"▲ верных ответов на %1 % больше, чем неделей раньше"},
    Entry{ResultsText::TrendFewerRight, u"▼ %1 % fewer right answers than the week before",
          u"▼ верных ответов на %1 % меньше, чем неделей раньше"},
    Entry{ResultsText::TrendSameRight, u"● as many right answers as the week before",
          u"● верных ответов столько же, сколько неделей раньше"},
    Entry{ResultsText::TrendFaster, u"answers %1 faster", u"ответы быстрее на %1"},
    Entry{ResultsText::TrendSlower, u"answers %1 slower", u"ответы медленнее на %1"},
    Entry{ResultsText::TrendNoEarlier, u"No quizzes the week before to compare with.",
          u"Неделей раньше занятий не было, сравнить не с чем."},
    Entry{ResultsText::SecondsValue, u"%1 s", u"%1 с"},
    Entry{ResultsText::NoValue, u"–", u"–"},
    Entry{ResultsText::ChartTitle, u"Right answers and typical answer time by day",
          u"Верные ответы и обычное время ответа по дням"},
    Entry{ResultsText::ChartShareSeries, u"Right answers, %", u"Верные ответы, %"},
    Entry{ResultsText::ChartTimeSeries, u"Typical answer time, s", u"Обычное время ответа, с"},
    Entry{ResultsText::ChartDateFormat, u"d MMM", u"d MMM"},
    Entry{ResultsText::RecentTitle, u"Recent quizzes", u"Последние занятия"},
    Entry{ResultsText::PageLine, u"Showing %1 of %2 quizzes", u"Показано занятий: %1 из %2"},
    Entry{ResultsText::MoreButton, u"Show more", u"Показать ещё"},
    Entry{ResultsText::QuestionsTitle, u"Questions of the selected quiz",
          u"Вопросы выбранного занятия"},
    Entry{ResultsText::QuestionsHint, u"Select a quiz to see its questions.",
          u"Выберите занятие, чтобы увидеть его вопросы."},
    Entry{ResultsText::WrongTitle, u"Most often wrong (last 8 weeks)",
          u"Чаще всего с ошибкой (за 8 недель)"},
    Entry{ResultsText::ColumnDate, u"Date", u"Дата"},
    Entry{ResultsText::ColumnLevel, u"Level", u"Уровень"},
    Entry{ResultsText::ColumnKinds, u"Kinds", u"Виды"},
    Entry{ResultsText::ColumnSpeed, u"Time per question", u"Время на вопрос"},
    Entry{ResultsText::ColumnDisplay, u"Display", u"Экран"},
    Entry{ResultsText::ColumnQuestions, u"Questions", u"Вопросов"},
    Entry{ResultsText::ColumnRight, u"Right", u"Верно"},
    Entry{ResultsText::ColumnWrong, u"Wrong", u"Ошибок"},
    Entry{ResultsText::ColumnPoints, u"Points", u"Очки"},
    Entry{ResultsText::ColumnReaction, u"Typical answer", u"Обычный ответ"},
    Entry{ResultsText::ColumnState, u"Ended", u"Завершение"},
    Entry{ResultsText::ColumnNumber, u"No.", u"№"},
    Entry{ResultsText::ColumnAnswerTime, u"Answer time", u"Время ответа"},
    Entry{ResultsText::ColumnEquation, u"Equation", u"Пример"},
    Entry{ResultsText::ColumnTruth, u"Equation is", u"На самом деле"},
    Entry{ResultsText::ColumnAnswer, u"Answer", u"Ответ"},
    Entry{ResultsText::ColumnJudged, u"Judged", u"Оценка"},
    Entry{ResultsText::ColumnWrongCount, u"Wrong", u"Ошибок"},
    Entry{ResultsText::ColumnShownCount, u"Times shown", u"Показан, раз"},
    Entry{ResultsText::DateFormat, u"ddd d MMM, HH:mm", u"ddd d MMM, HH:mm"},
    Entry{ResultsText::DisplayWindow, u"window", u"окно"},
    Entry{ResultsText::DisplayFullScreen, u"full screen", u"весь экран"},
    Entry{ResultsText::StateRunning, u"in progress", u"идёт"},
    Entry{ResultsText::StateFinished, u"completed", u"завершено"},
    Entry{ResultsText::StateStopped, u"program closed", u"программа закрыта"},
    Entry{ResultsText::StateUnfinished, u"unfinished", u"не завершено"},
    Entry{ResultsText::TruthTrue, u"true", u"верный"},
    Entry{ResultsText::TruthFalse, u"false", u"неверный"},
    Entry{ResultsText::AnswerNone, u"no answer", u"нет ответа"},
    Entry{ResultsText::AnswerKey, u"key", u"клавиша"},
    Entry{ResultsText::AnswerClap, u"clap", u"хлопок"},
    Entry{ResultsText::JudgedRight, u"✔ right", u"✔ верно"},
    Entry{ResultsText::JudgedWrong, u"✘ wrong", u"✘ ошибка"},
    Entry{ResultsText::ExportButton, u"Export to CSV…", u"Экспорт в CSV…"},
    Entry{ResultsText::ExportTitle, u"Export results", u"Экспорт результатов"},
    Entry{ResultsText::ExportFilter, u"CSV files (*.csv)", u"Файлы CSV (*.csv)"},
    Entry{ResultsText::ExportFileName, u"numbrook-results.csv", u"numbrook-результаты.csv"},
    Entry{ResultsText::ExportFailed, u"The results could not be written to %1.",
          u"Не удалось записать результаты в %1."},
    Entry{ResultsText::ClearButton, u"Clear history…", u"Очистить историю…"},
    Entry{ResultsText::ClearTitle, u"Clear history", u"Очистить историю"},
    Entry{ResultsText::ClearQuestion,
          u"Delete the record of every quiz? This cannot be undone.",
          u"Удалить записи всех занятий? Это нельзя отменить."},
    Entry{ResultsText::ClearFailed, u"The history could not be cleared.",
          u"Не удалось очистить историю."},
    Entry{ResultsText::CloseButton, u"Close", u"Закрыть"},
    Entry{ResultsText::ProblemCannotOpen,
          u"Results cannot be saved: the file %1 cannot be opened. Quizzes still work.",
          u"Результаты не сохраняются: не удаётся открыть файл %1. Занятия работают как обычно."},
    Entry{ResultsText::ProblemLocked,
          u"The results file %1 was in use by another program; some results may wait to be saved.",
          u"Файл результатов %1 был занят другой программой; часть результатов может ждать сохранения."},
    Entry{ResultsText::ProblemCorrupt,
          u"The results file was damaged. It was kept as %1 and a new one was started.",
          u"Файл результатов был повреждён. Он сохранён как %1, начат новый."},
    Entry{ResultsText::ProblemWriteFailed, u"Some results could not be saved to %1.",
          u"Часть результатов не удалось сохранить в %1."},
    Entry{ResultsText::MicrophoneTestButton, u"Test microphone", u"Проверить микрофон"},
    Entry{ResultsText::MicrophoneClapTwice, u"clap twice", u"хлопните дважды"},
    Entry{ResultsText::MicrophoneProposed,
          u"Background up to %1, claps %2 and %3: threshold %4 proposed.",
          u"Фон до %1, хлопки %2 и %3: предлагается порог %4."},
    Entry{ResultsText::MicrophoneApply, u"Apply", u"Применить"},
    Entry{ResultsText::MicrophoneTooFewClaps,
          u"Only one clap stood out from the background. Clap twice, a little louder.",
          u"Выделился только один хлопок. Хлопните дважды, чуть громче."},
    Entry{ResultsText::MicrophoneNotLouder,
          u"The claps were not clearly louder than the background (up to %1). The threshold stays as it was.",
          u"Хлопки были ненамного громче фона (до %1). Порог остаётся прежним."},
    Entry{ResultsText::MicrophoneNothingHeard, u"Nothing was heard from the microphone.",
          u"Микрофон ничего не передал."},
    Entry{ResultsText::LastQuizLine,
          u"Last quiz: %1 of %2 right, %3 points, typical answer time %4",
          u"Последнее занятие: верно %1 из %2, очков %3, обычное время ответа %4"},
    Entry{ResultsText::MicrophoneNoClap,
          u"No clap was heard. Clap twice, close to the microphone. The threshold stays as it was.",
          u"Хлопков не слышно. Хлопните дважды ближе к микрофону. Порог остаётся прежним."},
    Entry{ResultsText::ChildCaption, u"Child:", u"Ребёнок:"},
    Entry{ResultsText::FirstChildName, u"First child", u"Первый ребёнок"},
    Entry{ResultsText::TabAnswers, u"Answers by day", u"Ответы по дням"},
    Entry{ResultsText::TabFacts, u"Facts", u"Примеры"},
    Entry{ResultsText::TabFluency, u"Learnt facts by day", u"Выученные примеры по дням"},
    Entry{ResultsText::FluencyChartTitle, u"Share of level-1 facts learnt, by day", u"Доля выученных примеров уровня 1 по дням"},
    Entry{ResultsText::FluencySeries, u"%1, % learnt", u"%1, % выучено"},
    Entry{ResultsText::OperationAddition, u"Addition", u"Сложение"},
    Entry{ResultsText::OperationSubtraction, u"Subtraction", u"Вычитание"},
    Entry{ResultsText::OperationMultiplication, u"Multiplication", u"Умножение"},
    Entry{ResultsText::OperationDivision, u"Division", u"Деление"},
    Entry{ResultsText::GridShare, u"%1 of %2 learnt", u"выучено %1 из %2"},
    Entry{ResultsText::GridKeyFluent, u"learnt (right and quick in 2 of the last 3 tries)", u"выучено (верно и быстро в 2 из 3 последних попыток)"},
    Entry{ResultsText::GridKeyLearning, u"being learnt", u"учится"},
    Entry{ResultsText::GridKeyNotSeen, u"not asked yet", u"ещё не было"},
    Entry{ResultsText::GridTry, u"%1: %2, %3, %4", u"%1: %2, %3, %4"},
    Entry{ResultsText::GridOverall, u"Learnt: %1 of %2 level-1 facts (%3 %)", u"Выучено %1 из %2 примеров уровня 1 (%3 %)"},
    Entry{ResultsText::HonestScore, u"%1 of %2 right; staying silent would have given %3", u"верно %1 из %2; молчание дало бы %3"},
    Entry{ResultsText::HonestMore, u"%1 more than silence", u"на %1 больше, чем молчание"},
    Entry{ResultsText::HonestFewer, u"%1 fewer than silence", u"на %1 меньше, чем молчание"},
    Entry{ResultsText::HonestSame, u"no better than silence", u"не лучше молчания"},
    Entry{ResultsText::ColumnHonest, u"Score, beside staying silent", u"Результат и молчание"},
    Entry{ResultsText::ChartSilentSeries, u"Staying silent, %", u"Молчание, %"},
    Entry{ResultsText::KindNamesAddSub, u"addition and subtraction", u"сложение и вычитание"},
    Entry{ResultsText::KindNamesMulDiv, u"multiplication and division", u"умножение и деление"},
    Entry{ResultsText::KindOther, u"kind %1", u"вид %1"},
    Entry{ResultsText::ReportButton, u"Save report (PDF)…", u"Сохранить отчёт (PDF)…"},
    Entry{ResultsText::ReportTitle, u"Save report", u"Сохранить отчёт"},
    Entry{ResultsText::ReportFilter, u"PDF files (*.pdf)", u"Файлы PDF (*.pdf)"},
    Entry{ResultsText::ReportFileName, u"numbrook-report-%1.pdf", u"numbrook-отчёт-%1.pdf"},
    Entry{ResultsText::ReportFailed, u"The report could not be written to %1.", u"Не удалось записать отчёт в %1."},
    Entry{ResultsText::ReportHeading, u"Numbrook: progress of %1", u"Numbrook: успехи — %1"},
    Entry{ResultsText::ReportPeriod, u"Period: %1 to %2", u"Период: с %1 по %2"},
    Entry{ResultsText::ReportQuizzes, u"Quizzes: %1", u"Занятий: %1"},
    Entry{ResultsText::ReportRight, u"Right answers: %1 % — %2", u"Верных ответов: %1 % — %2"},
    Entry{ResultsText::ReportMedian, u"Typical answer time: %1", u"Обычное время ответа: %1"},
    Entry{ResultsText::ReportFacts, u"Level-1 facts", u"Примеры уровня 1"},
    Entry{ResultsText::ReportWrongTitle, u"Most often misjudged", u"Чаще всего с ошибкой"},
    Entry{ResultsText::ReportWrongLine, u"%1 — wrong %2 of %3 times", u"%1 — ошибка %2 раз из %3"},
    Entry{ResultsText::ReportNone, u"none", u"нет"},
    Entry{ResultsText::ReportMade, u"Made on %1", u"Составлен %1"},
    Entry{ResultsText::ReportNoQuizzes, u"No quizzes recorded yet.", u"Записанных занятий пока нет."},
};
// clang-format on

constexpr bool inOrder() {
    for (std::size_t i = 0; i < kTexts.size(); ++i) {
        if (std::size_t(kTexts[i].id) != i)
            return false;
    }
    return kTexts.size() == std::size_t(ResultsText::Count);
}
static_assert(inOrder(), "the text table lists every id once, in the enum's order");

} // namespace

QString ResultsTexts::text(ResultsText id, int languageIndex) {
    const Entry &entry = kTexts.at(std::size_t(id));
    return QString::fromUtf16(languageIndex == Russian ? entry.russian : entry.english);
}

namespace {

QString secondsText(std::optional<int> ms, int languageIndex) {
    if (!ms)
        return ResultsTexts::text(ResultsText::NoValue, languageIndex);
    const QLocale locale(languageIndex == ResultsTexts::Russian ? QLocale::Russian
                                                                : QLocale::English);
    return ResultsTexts::text(ResultsText::SecondsValue, languageIndex)
        .arg(locale.toString(*ms / 1000.0, 'f', 1));
}

} // namespace

QString ResultsTexts::seconds(std::optional<int> ms) const {
    return secondsText(ms, language_);
}

QString ResultsTexts::honestScore(int right, int total, int falseEquations) const {
    const int above = right - falseEquations;
    const QString compared = above > 0   ? text(ResultsText::HonestMore, language_).arg(above)
                             : above < 0 ? text(ResultsText::HonestFewer, language_).arg(-above)
                                         : text(ResultsText::HonestSame, language_);
    return text(ResultsText::HonestScore, language_).arg(right).arg(total).arg(falseEquations) +
           QStringLiteral(" (") + compared + QLatin1Char(')');
}

QString ResultsTexts::kindSigns(const QList<int> &kinds) const {
    QStringList parts;
    for (int kind : kinds) {
        parts << (kind == 1   ? QStringLiteral("+ −")
                  : kind == 2 ? QStringLiteral("× ÷")
                              : text(ResultsText::KindOther, language_).arg(kind));
    }
    return parts.join(QStringLiteral(", "));
}

QString ResultsTexts::kindNames(const QList<int> &kinds) const {
    QStringList parts;
    for (int kind : kinds) {
        parts << (kind == 1   ? text(ResultsText::KindNamesAddSub, language_)
                  : kind == 2 ? text(ResultsText::KindNamesMulDiv, language_)
                              : text(ResultsText::KindOther, language_).arg(kind));
    }
    return parts.join(QStringLiteral(", "));
}

QString lastQuizLine(const QuizSummary &quiz, int languageIndex) {
    return ResultsTexts::text(ResultsText::LastQuizLine, languageIndex)
        .arg(quiz.correct)
        .arg(quiz.total)
        .arg(quiz.points)
        .arg(secondsText(quiz.medianReactionMs, languageIndex));
}

QString microphoneCheckMessage(const MicrophoneCheckResult &result, int languageIndex) {
    auto text = [&](ResultsText id) { return ResultsTexts::text(id, languageIndex); };
    switch (result.outcome) {
    case MicrophoneCheckOutcome::Proposed:
        return text(ResultsText::MicrophoneProposed)
            .arg(result.background)
            .arg(result.clapPeaks.value(0))
            .arg(result.clapPeaks.value(1))
            .arg(result.threshold);
    case MicrophoneCheckOutcome::TooFewClaps:
        return text(ResultsText::MicrophoneTooFewClaps);
    case MicrophoneCheckOutcome::NotLouderThanNoise:
        return text(ResultsText::MicrophoneNotLouder).arg(result.background);
    case MicrophoneCheckOutcome::NoClapHeard:
        return text(ResultsText::MicrophoneNoClap);
    case MicrophoneCheckOutcome::NothingHeard:
        break;
    }
    return text(ResultsText::MicrophoneNothingHeard);
}

} // namespace numbrook
