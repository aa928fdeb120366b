#pragma once

#include "QuestionCycle.h"

#include <QWidget>
#include <array>
#include <functional>

class QCheckBox;
class QFrame;
class QLabel;
class QTimer;

namespace numbrook {

// The borderless question display: a board drawn from sixteen frame pieces, the title and
// expression lines, the hint picture and the score panel. While a quiz runs its timer drives
// the question cycle once a second.
class TfmDisplay : public QWidget, private QuestionCycleHost {
    Q_OBJECT
public:
    explicit TfmDisplay(QWidget *parent = nullptr);
    ~TfmDisplay() override;
    Q_DISABLE_COPY_MOVE(TfmDisplay)

    // The main window's two answer boxes, read and cleared by the question cycle.
    void setAnswerBoxes(QCheckBox *porog, QCheckBox *hotkey);
    // The title shown above every expression.
    void setQuestionTitle(const QString &title) { questionTitle_ = title; }
    // The size of the whole desktop; the screens' virtual geometry unless replaced (tests).
    void setDesktopSizeSource(std::function<QSize()> source) { desktopSize_ = std::move(source); }

    void FormShow();
    void Timer_VoprosTimer();
    // The hotkey lamp has unticked the hotkey box after its second: the answer it held still
    // counts at the next tick of the question timer, which may come a little later.
    void keepHotkeyAnswer() { hotkeyKept_ = true; }
    void FitQuestionFont();
    // Writes the four score counters into the score panel.
    void ShowCounters() { showCounters(); }

    QTimer *Timer_Vopros;
    QuestionCycle cycle;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The question cycle's effects on the board.
    void hideQuestionLines() override;
    void clearAnswerBoxes() override;
    void showNextQuestion() override;
    void showHint(int picture) override;
    void hideHint() override;
    bool porogTicked() const override;
    bool hotkeyTicked() const override;
    void showCounters() override;

    std::array<QLabel *, 16> frame_{};
    std::array<QLabel *, 3> lines_{};
    QLabel *Img_Otvet_Mode;
    QFrame *Panel_Point;
    std::array<QLabel *, 4> values_{};
    QCheckBox *porog_ = nullptr;
    QCheckBox *hotkey_ = nullptr;
    bool hotkeyKept_ = false;
    QString questionTitle_ = QStringLiteral("Is the expression correct?");
    std::function<QSize()> desktopSize_;
};

} // namespace numbrook
