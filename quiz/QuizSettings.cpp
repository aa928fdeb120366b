// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuizSettings.h"

#include "SettingsKey.h"

#include <QHash>
#include <QStringList>

namespace numbrook {

namespace {

const QString kDiff = QStringLiteral("Diff_Math");
const QString kSpeed = QStringLiteral("Speed_Math");
const QString kScreen = QStringLiteral("Screen_Res");
const QString kShowPoints = QStringLiteral("Show_Points");
const QString kShowOtvet = QStringLiteral("Show_Otvet_Mode");
const QString kLargeText = QStringLiteral("Large_Text");
const QString kPractice = QStringLiteral("Practice_Math");
const QString kSchoolNotation = QStringLiteral("School_Notation");
const QString kFluencyTime = QStringLiteral("Fluency_Time");

QString znakName(int kind) {
    return QStringLiteral("Znak_%1_Math").arg(kind);
}

// Booleans keep the stored integer so that the panel can tell exactly 1 from other true values.
qint32 loadBoolean(const SettingsKey &key, const QString &name, bool fallback) {
    return key.readInteger(name).value_or(fallback ? 1 : 0);
}

} // namespace

void QuizSettings::LoadQuizSettings() {
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
    Practice_Math = loadBoolean(key, kPractice, false);
    School_Notation = loadBoolean(key, kSchoolNotation, false);
    Fluency_Time = key.readInteger(kFluencyTime).value_or(3);
    if (Fluency_Time < 1 || Fluency_Time > 10) {
        Fluency_Time = 3;
    }
}

void QuizSettings::SaveQuizSettings() const {
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
    key.writeBoolean(kPractice, Practice_Math != 0);
    key.writeBoolean(kSchoolNotation, School_Notation != 0);
    key.writeInteger(kFluencyTime, Fluency_Time);
    key.close();
}

namespace {

// The values of a child's own settings by name, in one table for writing and reading.
template <typename Settings, typename Visit> void forEachChildValue(Settings &s, Visit visit) {
    visit(kDiff, s.Diff_Math);
    visit(kSpeed, s.Speed_Math);
    visit(kScreen, s.Screen_Res);
    visit(kShowPoints, s.Show_Points);
    visit(kShowOtvet, s.Show_Otvet_Mode);
    visit(kLargeText, s.Large_Text);
    visit(kPractice, s.Practice_Math);
    visit(kSchoolNotation, s.School_Notation);
    for (int kind = 1; kind <= kKindCount; ++kind) {
        visit(znakName(kind), s.Znak(kind));
    }
}

} // namespace

QString QuizSettings::childValues() const {
    QStringList lines;
    forEachChildValue(*this, [&lines](const QString &name, qint32 value) {
        lines << name + QLatin1Char('=') + QString::number(value);
    });
    return lines.join(QLatin1Char('\n'));
}

void QuizSettings::setChildValues(const QString &text) {
    QHash<QString, qint32> values;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        bool number = false;
        const qint32 value = line.mid(equals + 1).toInt(&number);
        if (equals > 0 && number) {
            values.insert(line.left(equals), value);
        }
    }
    forEachChildValue(*this, [&values](const QString &name, qint32 &value) {
        value = values.value(name, value);
    });
    if (Diff_Math < 1 || Diff_Math > 3) {
        Diff_Math = 1;
    }
    if (Speed_Math < 1 || Speed_Math > 10) {
        Speed_Math = 5;
    }
}

} // namespace numbrook
