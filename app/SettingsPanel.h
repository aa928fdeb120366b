// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include "SkinWidgets.h"

#include <QObject>

class QWidget;

namespace numbrook {

class SoundObjectTable;
class StringTable;
struct MainControls;
struct QuizSettings;
struct SystemSettings;

// The quiz settings and the system options as the settings panel shows them: each option box
// and the label beside it toggle their value, the arrows step the speed, the fluency time, the
// answer key and the language, and the boxes, fields and hints show the values.
class SettingsPanel : public QObject {
    Q_OBJECT
public:
    // Connects the option controls of `controls`; `window` is the settings window.
    SettingsPanel(const MainControls &controls, QuizSettings &settings, SystemSettings &system,
                  const StringTable &strings, SoundObjectTable &objects, QWidget &window);
    Q_DISABLE_COPY_MOVE(SettingsPanel)

    // Every option box as its value says.
    void UpdateSettingsView();
    // The speed, the answer key and the fluency time brought back into their range and shown.
    void ShowSpeed();
    void ShowHotKey();
    void ShowFluencyTime();
    // The hints follow the hint option.
    void showHints();

Q_SIGNALS:
    // A language arrow chose the interface language with this index.
    void languageChosen(qint32 languageIndex);

private:
    void connectQuizOptions();
    void connectSystemOptions();

    const MainControls &c_;
    QuizSettings &settings_;
    SystemSettings &system_;
    const StringTable &strings_;
    SoundObjectTable &objects_;
    QWidget &window_;
    ToolTipSwitch toolTips_;
};

} // namespace numbrook
