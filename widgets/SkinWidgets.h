// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QApplication>
#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QList>
#include <QPair>
#include <QSlider>
#include <QWidget>

namespace numbrook {

class BitmapList;
enum class ButtonPicture : int;

// A picture of a numbered list, stretched to the widget: picture buttons, option boxes and
// pictures. The state of a button or option box is the number of the picture it shows.
class PictureButton : public QWidget {
    Q_OBJECT
public:
    // What the picture is to the keyboard and to screen readers.
    enum class Role {
        Button,  // pressed: Tab reaches it, Space presses it
        Box,     // an option box: on while it shows an "on" picture; Space toggles it
        Picture, // shows something, takes no input
    };
    explicit PictureButton(const BitmapList &list, QWidget *parent = nullptr);
    void setPicture(int index);
    void setPicture(ButtonPicture picture) { setPicture(int(picture)); }
    int picture() const { return picture_; }
    void setRole(Role role);
    Role role() const { return role_; }
    // An option box shows one of the "on" pictures.
    bool isOn() const;
    // What a click does, for the keyboard and screen readers.
    void click() { Q_EMIT clicked(); }

Q_SIGNALS:
    // A left press released inside, Space while focused, or a screen reader's action.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    const BitmapList &list_;
    int picture_ = -1;
    bool pressed_ = false;
    Role role_ = Role::Picture;
};

// The window's text face (Verdana, or what the desktop puts in its place) at a pixel size.
QFont SkinFont(int pixelSize, bool bold = false);

// A caption label on the window's background: transparent, and clickable, since a click on
// the label beside an option box works the box.
class SkinLabel : public QLabel {
    Q_OBJECT
public:
    explicit SkinLabel(const QString &text = {}, QWidget *parent = nullptr);
    void setTextColor(const QColor &colour);

Q_SIGNALS:
    void clicked();

protected:
    // Presses stay with the label, so that it is never a handle that drags its window.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A vertical track bar whose value grows upward. setValue() notifies only a real change.
class TrackBar : public QSlider {
    Q_OBJECT
public:
    explicit TrackBar(QWidget *parent = nullptr);

protected:
    // A narrow blue groove and a gold knob (grey while disabled), drawn where the style puts
    // the handle, so that pressing and dragging meet what is seen.
    void paintEvent(QPaintEvent *event) override;
};

// A plain panel of one colour with rounded corners.
class ColourPanel : public QFrame {
    Q_OBJECT
public:
    explicit ColourPanel(const QColor &colour, QWidget *parent = nullptr);
    void setColour(const QColor &colour);
    QColor colour() const { return colour_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor colour_;
};

// A segmented vertical level bar; a value above the maximum shows as full.
class LevelBar : public QWidget {
    Q_OBJECT
public:
    explicit LevelBar(QWidget *parent = nullptr);
    void setSegments(int count);
    void setRange(int minimum, int maximum);
    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setValue(int value);
    // Lines across the bar at the given values, in their colours (none: no lines).
    void setMarks(const QList<QPair<int, QColor>> &marks);

protected:
    void paintEvent(QPaintEvent *event) override;
    // Presses stay with the bar: it is a control, not a handle that drags its window.
    void mousePressEvent(QMouseEvent *event) override;

private:
    QList<QPair<int, QColor>> marks_;
    int segments_ = 18;
    int minimum_ = 0;
    int maximum_ = 100;
    int value_ = 0;
};

// The tooltip look of the whole program: a pale yellow box with a dark blue border, Verdana
// 12 px.
void InstallToolTipStyle(QApplication &app);

// The one switch that every tooltip of the application goes through while it is enabled or
// disabled at least once.
class ToolTipSwitch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void setEnabled(bool enabled);
    bool isEnabled() const { return enabled_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool enabled_ = true;
};

} // namespace numbrook
