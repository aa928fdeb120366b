// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SkinAccessibility.h"

#include "SkinWidgets.h"

#include <QAccessibleWidget>

namespace numbrook {

namespace {

QString nameOrHint(const QWidget *widget) {
    return widget->accessibleName().isEmpty() ? widget->toolTip() : widget->accessibleName();
}

QAccessible::Role roleOf(const PictureButton *button) {
    switch (button->role()) {
    case PictureButton::Role::Button:
        return QAccessible::PushButton;
    case PictureButton::Role::Box:
        return QAccessible::CheckBox;
    case PictureButton::Role::Picture:
        break;
    }
    return QAccessible::Graphic;
}

class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton *button)
        : QAccessibleWidget(button, roleOf(button)) {}

    PictureButton *button() const { return static_cast<PictureButton *>(widget()); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return nameOrHint(button());
        case QAccessible::Description:
            return button()->toolTip() != nameOrHint(button()) ? button()->toolTip() : QString();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (button()->role() == PictureButton::Role::Box) {
            s.checkable = true;
            s.checked = button()->isOn();
        }
        return s;
    }

    QStringList actionNames() const override {
        switch (button()->role()) {
        case PictureButton::Role::Button:
            return {pressAction()};
        case PictureButton::Role::Box:
            return {toggleAction()};
        case PictureButton::Role::Picture:
            break;
        }
        return {};
    }

    void doAction(const QString &action) override {
        if (actionNames().contains(action)) {
            button()->click();
        }
    }
};

class LevelBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit LevelBarAccessible(LevelBar *bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

    LevelBar *bar() const { return static_cast<LevelBar *>(widget()); }

    void *interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface *>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            return nameOrHint(bar());
        }
        if (t == QAccessible::Value) {
            return QString::number(bar()->value());
        }
        return QAccessibleWidget::text(t);
    }

    QVariant currentValue() const override { return bar()->value(); }
    void setCurrentValue(const QVariant &) override {} // shows a level; nobody sets it
    QVariant maximumValue() const override { return bar()->maximum(); }
    QVariant minimumValue() const override { return bar()->minimum(); }
    QVariant minimumStepSize() const override { return 1; }
};

QAccessibleInterface *skinAccessible(const QString &className, QObject *object) {
    if (className == QLatin1String("numbrook::PictureButton")) {
        return new PictureButtonAccessible(static_cast<PictureButton *>(object));
    }
    if (className == QLatin1String("numbrook::LevelBar")) {
        return new LevelBarAccessible(static_cast<LevelBar *>(object));
    }
    return nullptr;
}

} // namespace

void InstallSkinAccessibility() {
    QAccessible::removeFactory(skinAccessible);
    QAccessible::installFactory(skinAccessible);
}

} // namespace numbrook
