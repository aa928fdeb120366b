// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "QuestionCycle.h"

#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QLabel;
class QTimer;

namespace numbrook {

class AnswerChannel;
struct PictureLists;
class QuizSession;

// The borderless question display: a board drawn from sixteen frame pieces, the title and
// expression lines, the hint picture and the score panel. While a quiz runs its timer drives
// the question cycle once a second, which reads and clears the answer channel.
class QuestionDisplay : public QWidget, private QuestionCycleHost {
    Q_OBJECT
public:
    QuestionDisplay(QuizSession &session, AnswerChannel &answers, const PictureLists &pictures,
                    QWidget *parent = nullptr);
    ~QuestionDisplay() override;
    Q_DISABLE_COPY_MOVE(QuestionDisplay)

    // The title shown above every expression.
    void setQuestionTitle(const QString &title) { questionTitle_ = title; }
    // The sign the school notation shows for a division: "÷" or ":".
    void setDivisionSign(const QString &sign) { divisionSign_ = sign; }
    // An expression as the school notation shows it: × for *, the division sign for /, − for -.
    static QString schoolNotation(const QString &expression, const QString &divisionSign);
    // The captions of the score panel: total, correct, wrong, points.
    void setScoreCaptions(const std::array<QString, 4> &captions);
    // The size of the whole desktop; the screens' virtual geometry unless replaced (tests).
    void setDesktopSizeSource(std::function<QSize()> source) { desktopSize_ = std::move(source); }

    void FormShow();
    void Timer_VoprosTimer();
    void FitQuestionFont();
    // Writes the four score counters into the score panel.
    void ShowCounters() { showCounters(); }

    QTimer *Timer_Vopros;
    QuestionCycle cycle;
    QuizSession &session;

Q_SIGNALS:
    // A question went on the board: its expression line and whether it is true.
    void questionShown(const QString &equation, bool equationTrue);
    // The question on the board was scored (see QuestionCycleHost::questionScored).
    void scored(bool answered, bool right);
    // The board was closed, which ends a running quiz.
    void closed();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildScorePanel();
    // The title and the expression scaled to the board's width (the large text option).
    void fitLargeQuestion();

    // The question cycle's effects on the board.
    void hideQuestionLines() override;
    void showNextQuestion() override;
    void showHint(bool correct) override;
    void hideHint() override;
    void showCounters() override;
    void questionScored(bool answered, bool right) override;

    std::array<QLabel *, 16> frame_{};
    std::array<QLabel *, 3> lines_{};
    QLabel *Img_Otvet_Mode;
    QFrame *Panel_Point;
    std::array<QLabel *, 4> captions_{};
    std::array<QLabel *, 4> values_{};
    const PictureLists &pictures_;
    QString questionTitle_ = QStringLiteral("Is the expression correct?");
    QString divisionSign_ = QStringLiteral("÷");
    std::function<QSize()> desktopSize_;
};

using TfmDisplay = QuestionDisplay;

} // namespace numbrook
