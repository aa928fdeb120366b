// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The children in the settings window: who plays next, and adding, changing and removing a
// child. Each child keeps their own quiz settings in the results store; the settings key
// always holds the values of the child chosen last, so a family with one child meets the
// panel as it always was (the chooser appears from the second child on).
#include "MainWindow.h"

#include "ChildDialog.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"
#include "SettingsKey.h"
#include "SkinWidgets.h"
#include "StringTable.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace numbrook {

namespace {

const QString kChildValue = QStringLiteral("Child_Id");

// Runs `then` once, after the window's first paint has been flushed.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget *window, std::function<void()> then)
        : QObject(window), then_(std::move(then)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

} // namespace

void MainWindow::buildChildControls() {
    childPicture_ = new QLabel(this);
    childPicture_->setObjectName(QStringLiteral("Img_Child"));
    childPicture_->setGeometry(256, 252, 28, 28);
    addChildButton_ = checkButton(QStringLiteral("Sb_Child_Add"), this);
    addChildButton_->setGeometry(40, 290, 136, 24);
    changeChildButton_ = checkButton(QStringLiteral("Sb_Child_Change"), this);
    changeChildButton_->setGeometry(182, 290, 90, 24);
    removeChildButton_ = checkButton(QStringLiteral("Sb_Child_Remove"), this);
    removeChildButton_->setGeometry(278, 290, 90, 24);
    session_.ChildId = SettingsKey().readInteger(kChildValue).value_or(1);
    showChildren();
}

void MainWindow::connectChildren() {
    const auto step = [this](int by) {
        const qsizetype count = children_.size();
        for (qsizetype i = 0; i < count; ++i) {
            if (children_[i].id == session_.ChildId) {
                chooseChild(children_[(i + by + count) % count].id);
                return;
            }
        }
    };
    connect(c_.Sb_Child_Down, &PictureButton::clicked, this, [step] { step(-1); });
    connect(c_.Sb_Child_Up, &PictureButton::clicked, this, [step] { step(1); });
    connect(addChildButton_, &QPushButton::clicked, this, &MainWindow::addChildClick);
    connect(changeChildButton_, &QPushButton::clicked, this, &MainWindow::changeChildClick);
    connect(removeChildButton_, &QPushButton::clicked, this, &MainWindow::removeChildClick);
}

void MainWindow::setChildStore(ResultsStore &store) {
    childStore_ = &store;
    // After the first paint: opening the database is no part of the start-up.
    new AfterFirstPaint(this, [this] { loadChildren(); });
}

void MainWindow::loadChildren() {
    if (!childStore_) {
        return;
    }
    children_ = childStore_->children();
    const bool known =
        std::any_of(children_.cbegin(), children_.cend(),
                    [this](const ChildProfile &c) { return c.id == session_.ChildId; });
    if (!known && !children_.isEmpty()) {
        // The child last chosen was removed meanwhile: the panel's values go to the first.
        session_.ChildId = children_.first().id;
        saveChildChoice();
    }
    showChildren();
    showLastQuizOfChild();
}

void MainWindow::showLastQuizOfChild() {
    const QList<QuizSummary> last = childStore_->recentQuizzes(1, 0, session_.ChildId);
    if (last.isEmpty()) {
        lastQuiz_.reset();
        c_.Lbl_LastQuiz->hide();
    } else {
        setLastQuiz(last.first());
    }
}

void MainWindow::prepareChildQuiz() {
    const QuizSettings &settings = session_.settings;
    if (childStore_ && settings.Practice_Math != 0 && settings.Diff_Math == 1) {
        session_.generator.practiceProgress = childStore_->factProgress(session_.ChildId);
    }
}

QString MainWindow::childName(const ChildProfile &child) const {
    return child.name.isEmpty() ? strings_[UiKey::FirstChildName] : child.name;
}

void MainWindow::chooseChild(qint64 id) {
    if (!childStore_ || id == session_.ChildId) {
        return;
    }
    QuizSettings &settings = session_.settings;
    childStore_->setChildSettings(session_.ChildId, settings.childValues());
    session_.ChildId = id;
    // A child without settings of their own yet starts from the values on the panel.
    if (const std::optional<QString> values = childStore_->childSettings(id)) {
        settings.setChildValues(*values);
    }
    settings.SaveQuizSettings();
    saveChildChoice();
    UpdateSettingsView();
    ShowSpeed();
    showChildren();
    showLastQuizOfChild();
}

void MainWindow::saveChildChoice() const {
    SettingsKey key;
    key.writeInteger(kChildValue, qint32(session_.ChildId));
    key.close();
}

void MainWindow::showChildren() {
    const bool chooser = children_.size() >= 2;
    for (QWidget *control : std::initializer_list<QWidget *>{
             c_.Lbl_Title_Child, c_.Sb_Child_Down, c_.Img_Child_Fon, c_.Edit_Child, c_.Sb_Child_Up,
             childPicture_, changeChildButton_, removeChildButton_}) {
        control->setVisible(chooser);
    }
    // The store could not be read: nobody to add a child to.
    addChildButton_->setVisible(!children_.isEmpty());
    ChildProfile current;
    for (const ChildProfile &child : children_) {
        if (child.id == session_.ChildId) {
            current = child;
        }
    }
    c_.Edit_Child->setText(chooser ? childName(current) : QString());
    childPicture_->setPixmap(ChildPicture(current.picture, 28));
    // The board greets the child by name once there is more than one.
    const QString title = strings_[UiKey::QuestionTitle];
    if (title.isEmpty()) {
        return; // the language's texts are not in yet
    }
    display_.setQuestionTitle(chooser && !strings_[UiKey::ChildQuestionTitle].isEmpty()
                                  ? strings_[UiKey::ChildQuestionTitle].arg(childName(current))
                                  : title);
    display_.setWindowTitle(chooser ? QStringLiteral("Numbrook – ") + childName(current)
                                    : QStringLiteral("Numbrook"));
}

void MainWindow::applyChildTexts() {
    const StringTable &s = strings_;
    addChildButton_->setText(s[UiKey::AddChildCaption]);
    changeChildButton_->setText(s[UiKey::ChangeChildCaption]);
    removeChildButton_->setText(s[UiKey::RemoveChildCaption]);
    display_.setDivisionSign(s[UiKey::DivisionSign]);
    ShowFluencyTime();
    showChildren();
}

void MainWindow::addChildClick() {
    if (!childStore_) {
        return;
    }
    qint64 added = 0;
    ChildDialog dialog(
        strings_, strings_[UiKey::AddChildTitle], ChildProfile{},
        [&](const QString &name, int picture) {
            return childStore_->addChild(name, picture, &added);
        },
        this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The new child starts with the values on the panel.
    childStore_->setChildSettings(added, session_.settings.childValues());
    children_ = childStore_->children();
    chooseChild(added);
}

void MainWindow::changeChildClick() {
    if (!childStore_) {
        return;
    }
    const qint64 id = session_.ChildId;
    ChildProfile current{id, QString(), 0};
    for (const ChildProfile &child : children_) {
        current = child.id == id ? child : current;
    }
    ChildDialog dialog(
        strings_, strings_[UiKey::ChangeChildTitle], current,
        [&](const QString &name, int picture) {
            return childStore_->changeChild(id, name, picture);
        },
        this);
    if (dialog.exec() == QDialog::Accepted) {
        children_ = childStore_->children();
        showChildren();
    }
}

void MainWindow::removeChildClick() {
    if (!childStore_ || children_.size() < 2) {
        return;
    }
    const qint64 id = session_.ChildId;
    QString name;
    for (const ChildProfile &child : children_) {
        name = child.id == id ? childName(child) : name;
    }
    QMessageBox ask(QMessageBox::Warning, strings_[UiKey::RemoveChildTitle],
                    strings_[UiKey::RemoveChildQuestion].arg(name), QMessageBox::NoButton, this);
    ask.setObjectName(QStringLiteral("RemoveChildQuestion"));
    ask.setTextFormat(Qt::PlainText);
    QPushButton *remove =
        ask.addButton(strings_[UiKey::RemoveChildCaption], QMessageBox::DestructiveRole);
    ask.setDefaultButton(ask.addButton(strings_[UiKey::CancelCaption], QMessageBox::RejectRole));
    ask.exec();
    if (ask.clickedButton() != remove) {
        return;
    }
    // The next child plays; the removed one's values are not kept back.
    qint64 next = 0;
    for (const ChildProfile &child : children_) {
        next = next == 0 && child.id != id ? child.id : next;
    }
    chooseChild(next);
    if (childStore_->removeChild(id)) {
        children_ = childStore_->children();
    }
    showChildren();
}

} // namespace numbrook
