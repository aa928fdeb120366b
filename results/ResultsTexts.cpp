// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ResultsTexts.h"

#include <QLocale>

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
    Entry{ResultsText::MicrophoneSpeechHeard, u"Talk, music or noise reached the threshold.",
          u"Речь, музыка или шум доходили до порога."},
    Entry{ResultsText::MicrophoneOnlyClapsProposed,
          u"Room %1, claps %2 and %3: “Only claps” with threshold %4 proposed.",
          u"Комната %1, хлопки %2 и %3: предлагается «Только хлопки» с порогом %4."},
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
        if (result.onlyClaps) {
            const QString proposal = text(ResultsText::MicrophoneOnlyClapsProposed)
                                         .arg(result.roomLevel)
                                         .arg(result.clapPeaks.value(0))
                                         .arg(result.clapPeaks.value(1))
                                         .arg(result.threshold);
            return result.speechHeard
                       ? text(ResultsText::MicrophoneSpeechHeard) + QLatin1Char(' ') + proposal
                       : proposal;
        }
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
