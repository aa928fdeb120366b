// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuizSettings.h"

#include "SettingsKey.h"

namespace numbrook {

namespace {

const QString kDiff = QStringLiteral("Diff_Math");
const QString kSpeed = QStringLiteral("Speed_Math");
const QString kScreen = QStringLiteral("Screen_Res");
const QString kShowPoints = QStringLiteral("Show_Points");
const QString kShowOtvet = QStringLiteral("Show_Otvet_Mode");
const QString kLargeText = QStringLiteral("Large_Text");

QString znakName(int kind) {
    return QStringLiteral("Znak_%1_Math").arg(kind);
}

// Booleans keep the stored integer so that the panel can tell exactly 1 from other true values.
qint32 loadBoolean(const SettingsKey &key, const QString &name, bool fallback) {
    return key.readInteger(name).value_or(fallback ? 1 : 0);
}

} // namespace

void QuizSettings::load() {
    const SettingsKey key;
    SettingsLoaded = true;
    Diff_Math = key.readInteger(kDiff).value_or(1);
    // A level without a generator would run a quiz of empty boards scored as answered.
    if (Diff_Math < 1 || Diff_Math > 3) {
        Diff_Math = 1;
    }
    Speed_Math = key.readInteger(kSpeed).value_or(5);
    Screen_Res = key.readInteger(kScreen).value_or(0);
    // Only 0 (the window) and 1 (the whole desktop) are display sizes.
    if (Screen_Res < 0 || Screen_Res > 1) {
        Screen_Res = 0;
    }
    Show_Points = loadBoolean(key, kShowPoints, false);
    Show_Otvet_Mode = loadBoolean(key, kShowOtvet, false);
    for (int kind = 1; kind <= kKindCount; ++kind) {
        Znak(kind) = loadBoolean(key, znakName(kind), kind == 1);
    }
    Large_Text = loadBoolean(key, kLargeText, false);
}

void QuizSettings::save() const {
    SettingsKey key;
    key.writeInteger(kDiff, Diff_Math);
    key.writeInteger(kSpeed, Speed_Math);
    key.writeInteger(kScreen, Screen_Res);
    key.writeBoolean(kShowPoints, Show_Points != 0);
    key.writeBoolean(kShowOtvet, Show_Otvet_Mode != 0);
    for (int kind = 1; kind <= kKindCount; ++kind) {
        key.writeBoolean(znakName(kind), Znak(kind) != 0);
    }
    key.writeBoolean(kLargeText, Large_Text != 0);
    key.close();
}

} // namespace numbrook
