// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ChildrenPanel.h"

#include "AfterFirstPaint.h"
#include "ChildDialog.h"
#include "MainControls.h"
#include "PanelButton.h"
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

#include <algorithm>

namespace numbrook {

namespace {

const QString kChildValue = QStringLiteral("Child_Id");

} // namespace

ChildrenPanel::ChildrenPanel(const MainControls &controls, QuizSession &session,
                             const StringTable &strings, QuestionDisplay &display, QWidget &window)
    : QObject(&window), c_(controls), session_(session), strings_(strings), display_(display),
      window_(window) {
    picture_ = new QLabel(&window);
    picture_->setObjectName(QStringLiteral("Img_Child"));
    picture_->setGeometry(256, 252, 28, 28);
    addButton_ = panelButton(QStringLiteral("Sb_Child_Add"), &window);
    addButton_->setGeometry(40, 290, 136, 24);
    changeButton_ = panelButton(QStringLiteral("Sb_Child_Change"), &window);
    changeButton_->setGeometry(182, 290, 90, 24);
    removeButton_ = panelButton(QStringLiteral("Sb_Child_Remove"), &window);
    removeButton_->setGeometry(278, 290, 90, 24);
    session_.ChildId = SettingsKey().readInteger(kChildValue).value_or(1);
    showChildren();
    connectControls();
}

void ChildrenPanel::connectControls() {
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
    connect(addButton_, &QPushButton::clicked, this, &ChildrenPanel::addChild);
    connect(changeButton_, &QPushButton::clicked, this, &ChildrenPanel::changeChild);
    connect(removeButton_, &QPushButton::clicked, this, &ChildrenPanel::removeChild);
}

void ChildrenPanel::setStore(ResultsStore &store) {
    store_ = &store;
    // After the first paint: opening the database is no part of the start-up.
    new AfterFirstPaint(&window_, [this] { loadChildren(); });
}

void ChildrenPanel::loadChildren() {
    if (!store_) {
        return;
    }
    children_ = store_->children();
    const bool known =
        std::any_of(children_.cbegin(), children_.cend(),
                    [this](const ChildProfile &c) { return c.id == session_.ChildId; });
    if (!known && !children_.isEmpty()) {
        // The child last chosen was removed meanwhile: the panel's values go to the first.
        session_.ChildId = children_.first().id;
        saveChoice();
    }
    showChildren();
    showLastQuiz();
}

void ChildrenPanel::showLastQuiz() {
    const QList<QuizSummary> last = store_->recentQuizzes(1, 0, session_.ChildId);
    Q_EMIT lastQuizRead(last.isEmpty() ? std::nullopt : std::optional(last.first()));
}

void ChildrenPanel::prepareQuiz() {
    const QuizSettings &settings = session_.settings;
    if (store_ && settings.Practice_Math != 0 && settings.Diff_Math == 1) {
        session_.generator.practiceProgress =
            store_->childrenStore().factProgress(session_.ChildId);
    }
}

QString ChildrenPanel::childName(const ChildProfile &child) const {
    return child.name.isEmpty() ? strings_[UiKey::FirstChildName] : child.name;
}

void ChildrenPanel::chooseChild(qint64 id) {
    if (!store_ || id == session_.ChildId) {
        return;
    }
    QuizSettings &settings = session_.settings;
    store_->childrenStore().setChildSettings(session_.ChildId, settings.childValues());
    session_.ChildId = id;
    // A child without settings of their own yet starts from the values on the panel.
    if (const std::optional<QString> values = store_->childrenStore().childSettings(id)) {
        settings.setChildValues(*values);
    }
    settings.SaveQuizSettings();
    saveChoice();
    Q_EMIT settingsChosen();
    showChildren();
    showLastQuiz();
}

void ChildrenPanel::saveChoice() const {
    SettingsKey key;
    key.writeInteger(kChildValue, qint32(session_.ChildId));
    key.close();
}

void ChildrenPanel::showChildren() {
    const bool chooser = children_.size() >= 2;
    for (QWidget *control : std::initializer_list<QWidget *>{
             c_.Lbl_Title_Child, c_.Sb_Child_Down, c_.Img_Child_Fon, c_.Edit_Child, c_.Sb_Child_Up,
             picture_, changeButton_, removeButton_}) {
        control->setVisible(chooser);
    }
    // The store could not be read: nobody to add a child to.
    addButton_->setVisible(!children_.isEmpty());
    ChildProfile current;
    for (const ChildProfile &child : children_) {
        if (child.id == session_.ChildId) {
            current = child;
        }
    }
    c_.Edit_Child->setText(chooser ? childName(current) : QString());
    picture_->setPixmap(ChildPicture(current.picture, 28));
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

void ChildrenPanel::applyTexts() {
    const StringTable &s = strings_;
    addButton_->setText(s[UiKey::AddChildCaption]);
    changeButton_->setText(s[UiKey::ChangeChildCaption]);
    removeButton_->setText(s[UiKey::RemoveChildCaption]);
    display_.setDivisionSign(s[UiKey::DivisionSign]);
    showChildren();
}

void ChildrenPanel::addChild() {
    if (!store_) {
        return;
    }
    qint64 added = 0;
    ChildDialog dialog(
        strings_, strings_[UiKey::AddChildTitle], ChildProfile{},
        [&](const QString &name, int picture) {
            return store_->childrenStore().addChild(name, picture, &added);
        },
        &window_);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    // The new child starts with the values on the panel.
    store_->childrenStore().setChildSettings(added, session_.settings.childValues());
    children_ = store_->children();
    chooseChild(added);
}

void ChildrenPanel::changeChild() {
    if (!store_) {
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
            return store_->childrenStore().changeChild(id, name, picture);
        },
        &window_);
    if (dialog.exec() == QDialog::Accepted) {
        children_ = store_->children();
        showChildren();
    }
}

void ChildrenPanel::removeChild() {
    if (!store_ || children_.size() < 2) {
        return;
    }
    const qint64 id = session_.ChildId;
    QString name;
    for (const ChildProfile &child : children_) {
        name = child.id == id ? childName(child) : name;
    }
    QMessageBox ask(QMessageBox::Warning, strings_[UiKey::RemoveChildTitle],
                    strings_[UiKey::RemoveChildQuestion].arg(name), QMessageBox::NoButton,
                    &window_);
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
    if (store_->childrenStore().removeChild(id)) {
        children_ = store_->children();
    }
    showChildren();
}

} // namespace numbrook
