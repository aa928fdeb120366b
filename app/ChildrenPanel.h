// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "ResultsStore.h"

#include <QList>
#include <QObject>

#include <optional>

class QLabel;
class QPushButton;
class QWidget;

namespace numbrook {

class QuestionDisplay;
class QuizSession;
class StringTable;
struct MainControls;

// The children in the settings window: who plays next, and adding, changing and removing a
// child. Each child keeps their own quiz settings in the results store; the settings key
// always holds the values of the child chosen last, so a family with one child meets the
// panel as it always was (the chooser appears from the second child on).
class ChildrenPanel : public QObject {
    Q_OBJECT
public:
    // Builds the picture and the three buttons on `window`, beside the chooser of `controls`,
    // and reads the child chosen last from the settings.
    ChildrenPanel(const MainControls &controls, QuizSession &session, const StringTable &strings,
                  QuestionDisplay &display, QWidget &window);
    Q_DISABLE_COPY_MOVE(ChildrenPanel)

    // The children come from the store, read once the window is on screen (the database is
    // not opened before the first paint). Until then, and when the store cannot be read, the
    // one child named by the settings plays.
    void setStore(ResultsStore &store);
    const QList<ChildProfile> &children() const { return children_; }
    // Keeps the panel's values as the current child's, then puts the chosen child's values in
    // the session's settings and in the settings key.
    void chooseChild(qint64 id);
    // What practice mode needs to know of the child before the first question.
    void prepareQuiz();
    // The buttons' texts and the chooser in the interface language.
    void applyTexts();

Q_SIGNALS:
    // Another child's quiz settings are now the session's.
    void settingsChosen();
    // The last quiz of the child who plays next, or none.
    void lastQuizRead(const std::optional<QuizSummary> &quiz);

private:
    // The name shown for a child: their own, or a stand-in for the first child without one.
    QString childName(const ChildProfile &child) const;
    void connectControls();
    void loadChildren();
    void showChildren();
    void showLastQuiz();
    void saveChoice() const;
    void addChild();
    void changeChild();
    void removeChild();

    const MainControls &c_;
    QuizSession &session_;
    const StringTable &strings_;
    QuestionDisplay &display_;
    QWidget &window_;
    ResultsStore *store_ = nullptr;
    QList<ChildProfile> children_;
    QLabel *picture_ = nullptr;
    QPushButton *addButton_ = nullptr;
    QPushButton *changeButton_ = nullptr;
    QPushButton *removeButton_ = nullptr;
};

} // namespace numbrook
