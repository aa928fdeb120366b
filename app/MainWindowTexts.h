// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

class QCheckBox;
class QPlainTextEdit;
class QWidget;

namespace numbrook {

class QuestionDisplay;
class StringTable;
class TrayIcon;
struct MainControls;

// The interface language: the string table's texts written into the main window's controls,
// the tray menu and the question display.
class MainWindowTexts {
public:
    MainWindowTexts(QWidget &window, const MainControls &controls, const StringTable &strings);

    // The settings panel's options, captions and hints, and the sound object panels' captions.
    void applyPanelTexts() const;
    // The sound object panels' captions alone.
    void applyObjectTexts() const;
    void applyOtherWindowsTexts(TrayIcon &tray, QuestionDisplay &display) const;
    // What a screen reader calls each control; the hidden answer boxes and the sound log too.
    void applyAccessibleNames(QCheckBox *clapBox, QCheckBox *keyBox, QPlainTextEdit *log) const;
    // Captions take the length of their new texts; the long ones right of the middle are set
    // smaller so that they end before the next column.
    void fitCaptions() const;

private:
    void applyOptionTexts() const;
    void applyCaptionTexts() const;

    QWidget &window_;
    const MainControls &c_;
    const StringTable &strings_;
};

} // namespace numbrook
