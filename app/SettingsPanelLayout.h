// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

class QCheckBox;
class QPlainTextEdit;
class QWidget;

namespace numbrook {

class BitmapList;
struct MainControls;

// The controls below the visible area that carry no layout table row: the sound log and the
// two boxes that show the clap and the key answer.
struct HiddenControls {
    QPlainTextEdit *Memo1 = nullptr;
    QCheckBox *cbPorog1 = nullptr;
    QCheckBox *cbHotKey1 = nullptr;
};

// The settings window's controls, built from one table with every control's name, kind, place
// and picture into the typed members of MainControls.
class SettingsPanelLayout {
public:
    SettingsPanelLayout(QWidget &window, const BitmapList &pictures, MainControls &controls);

    // The table's controls on the window, then the program's name and the playing indicator.
    void buildPanel() const;
    // The page control of the four sound object panels, below the visible area, with the
    // controls of object 1's panel; the other panels' controls come with buildObjectPage.
    void buildObjectPages() const;
    // The controls of sound object n's panel, on its page.
    void buildObjectPage(int n) const;
    HiddenControls buildHiddenControls() const;
    // Tab follows reading order over the visible controls; what lies below the visible area
    // is never reached.
    void setKeyboardOrder() const;
    // What lies below the visible area never takes the keyboard.
    void keepFocusOffBelow() const;
    void hideControlsBelowTheWindow() const;

private:
    void buildTitle() const;

    QWidget &window_;
    const BitmapList &pictures_;
    MainControls &c_;
};

} // namespace numbrook
