// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SkinWidgets.h"

#include "BitmapLists.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

#include <algorithm>

namespace numbrook {

PictureButton::PictureButton(const BitmapList &list, QWidget *parent)
    : QWidget(parent), list_(list) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void PictureButton::setPicture(int index) {
    if (picture_ == index) {
        return;
    }
    const bool wasOn = isOn();
    picture_ = index;
    update();
    if (role_ == Role::Box && wasOn != isOn()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void PictureButton::setRole(Role role) {
    role_ = role;
    setFocusPolicy(role == Role::Picture ? Qt::NoFocus : Qt::TabFocus);
}

bool PictureButton::isOn() const {
    return picture_ == int(ButtonPicture::BoxOn) || picture_ == int(ButtonPicture::SmallBoxOn);
}

void PictureButton::paintEvent(QPaintEvent *) {
    if (picture_ < 0) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, list_.picture(picture_, size()));
    if (hasFocus()) {
        // Where the keyboard is: a dotted frame in the title's gold.
        painter.setPen(QPen(QColor(0xF0, 0xB9, 0x26), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PictureButton::keyPressEvent(QKeyEvent *event) {
    if (role_ != Role::Picture && event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        event->accept();
        click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent *event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        Q_EMIT clicked();
    }
}

QFont SkinFont(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

SkinLabel::SkinLabel(const QString &text, QWidget *parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void SkinLabel::setTextColor(const QColor &colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void SkinLabel::mousePressEvent(QMouseEvent *event) {
    QLabel::mousePressEvent(event);
    event->accept();
}

void SkinLabel::mouseReleaseEvent(QMouseEvent *event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        Q_EMIT clicked();
    }
}

TrackBar::TrackBar(QWidget *parent) : QSlider(Qt::Vertical, parent) {}

void TrackBar::paintEvent(QPaintEvent *) {
    constexpr qreal kGrooveWidth = 6;
    constexpr qreal kKnobWidth = 18;
    constexpr qreal kKnobHeight = 12;
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal middle = width() / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1F, 0x4E, 0x8C));
    painter.drawRoundedRect(QRectF(middle - kGrooveWidth / 2, 0, kGrooveWidth, height()),
                            kGrooveWidth / 2, kGrooveWidth / 2);
    // The knob's centre follows the style's handle; it never leaves the bar.
    const qreal top = std::clamp(handle.center().y() + 0.5 - kKnobHeight / 2, 0.0,
                                 std::max(0.0, height() - kKnobHeight));
    const QRectF knob(middle - kKnobWidth / 2 + 0.5, top + 0.5, kKnobWidth - 1, kKnobHeight - 1);
    if (isEnabled()) {
        QLinearGradient gold(knob.topLeft(), knob.topRight());
        gold.setColorAt(0, QColor(0xFF, 0xE0, 0x8A));
        gold.setColorAt(1, QColor(0xF0, 0xB9, 0x26));
        painter.setBrush(gold);
        painter.setPen(QColor(0x8A, 0x5A, 0x10));
    } else {
        painter.setBrush(QColor(0x9A, 0xA7, 0xB8));
        painter.setPen(QColor(0x4A, 0x55, 0x66));
    }
    painter.drawRoundedRect(knob, 4, 4);
}

ColourPanel::ColourPanel(const QColor &colour, QWidget *parent) : QFrame(parent), colour_(colour) {}

void ColourPanel::setColour(const QColor &colour) {
    if (colour_ != colour) {
        colour_ = colour;
        update();
    }
}

void ColourPanel::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    painter.drawRoundedRect(QRectF(rect()), 2, 2);
}

LevelBar::LevelBar(QWidget *parent) : QWidget(parent) {}

void LevelBar::setSegments(int count) {
    segments_ = std::max(1, count);
    update();
}

void LevelBar::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum + 1, maximum);
    update();
}

void LevelBar::setValue(int value) {
    if (value_ != value) {
        value_ = value;
        update();
        QAccessibleValueChangeEvent event(this, value);
        QAccessible::updateAccessibility(&event);
    }
}

void LevelBar::setMarks(const QList<QPair<int, QColor>> &marks) {
    marks_ = marks;
    update();
}

void LevelBar::mousePressEvent(QMouseEvent *event) {
    event->accept();
}

void LevelBar::paintEvent(QPaintEvent *) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x10, 0x2A, 0x50));
    const int clamped = std::clamp(value_, minimum_, maximum_);
    const double share = double(clamped - minimum_) / (maximum_ - minimum_);
    const int lit = int(std::ceil(share * segments_ - 1e-9));
    const double step = double(height() - 2) / segments_;
    for (int i = 0; i < segments_; ++i) {
        const QRectF segment(1, height() - 1 - (i + 1) * step + 1, width() - 2, step - 1);
        const double level = double(i) / segments_;
        QColor colour = level < 0.6
                            ? QColor(0x4C, 0xD1, 0x37)
                            : (level < 0.85 ? QColor(0xF0, 0xB9, 0x26) : QColor(0xE0, 0x3A, 0x2E));
        if (i >= lit) {
            colour = colour.darker(400);
        }
        p.fillRect(segment, colour);
    }
    for (const auto &[value, colour] : marks_) {
        const double at =
            double(std::clamp(value, minimum_, maximum_) - minimum_) / (maximum_ - minimum_);
        const int y = int(std::lround(height() - 1 - at * (height() - 2)));
        p.fillRect(QRect(0, y - 1, width(), 2), colour);
    }
}

bool ToolTipSwitch::eventFilter(QObject *watched, QEvent *event) {
    if (!enabled_ && event->type() == QEvent::ToolTip) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ToolTipSwitch::setEnabled(bool enabled) {
    enabled_ = enabled;
    // Installed last, so that it sees tooltip events before any other filter.
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->removeEventFilter(this);
        QCoreApplication::instance()->installEventFilter(this);
    }
}

namespace {

// Gives the tooltip label its style sheet. A style sheet on the application would put every
// widget of the program under the style sheet style, which costs start-up time and memory for
// each of them; the tooltip is the only widget it is meant for. Qt replaces the label's own
// style sheet each time it places a tip, so it is set again on every style change.
class ToolTipStyler : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Polish || type == QEvent::StyleChange) &&
            watched->inherits("QTipLabel")) {
            auto *label = static_cast<QWidget *>(watched);
            if (label->styleSheet() != kStyle) {
                label->setStyleSheet(kStyle);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    const QString kStyle = QStringLiteral(
        "QToolTip { background-color: #FFFFCA; color: black; border: 1px solid #10508D;"
        " font-family: Verdana; font-size: 12px; padding: 2px; }");
};

} // namespace

void InstallToolTipStyle(QApplication &app) {
    app.installEventFilter(new ToolTipStyler(&app));
}

} // namespace numbrook
