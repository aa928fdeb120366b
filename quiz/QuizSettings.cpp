// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuizSettings.h"

#include "SettingsKey.h"

#include <QHash>
#include <QStringList>

namespace numbrook {

namespace {

// Every value but the kind flags, which are named by their number.
constexpr StoredField<QuizSettings> kFields[] = {
    {"Diff_Math", StoredAs::Integer, &QuizSettings::Diff_Math, 1},
    {"Speed_Math", StoredAs::Integer, &QuizSettings::Speed_Math, 5},
    {"Screen_Res", StoredAs::Integer, &QuizSettings::Screen_Res},
    // Booleans keep the stored integer so that the panel can tell exactly 1 from other true
    // values.
    {"Show_Points", StoredAs::Flag, &QuizSettings::Show_Points},
    {"Show_Otvet_Mode", StoredAs::Flag, &QuizSettings::Show_Otvet_Mode},
    {"Large_Text", StoredAs::Flag, &QuizSettings::Large_Text},
    {"Practice_Math", StoredAs::Flag, &QuizSettings::Practice_Math},
    {"School_Notation", StoredAs::Flag, &QuizSettings::School_Notation},
    {"Fluency_Time", StoredAs::Integer, &QuizSettings::Fluency_Time, 3},
};

QString znakName(int kind) {
    return QStringLiteral("Znak_%1_Math").arg(kind);
}

} // namespace

void QuizSettings::LoadQuizSettings() {
    const SettingsKey key;
    SettingsLoaded = true;
    key.readFields(*this, kFields);
    // A level without a generator would run a quiz of empty boards scored as answered.
    if (Diff_Math < 1 || Diff_Math > 3) {
        Diff_Math = 1;
    }
    // Only 0 (the window) and 1 (the whole desktop) are display sizes.
    if (Screen_Res < 0 || Screen_Res > 1) {
        Screen_Res = 0;
    }
    for (int kind = 1; kind <= kKindCount; ++kind) {
        Znak(kind) = key.readStored(znakName(kind), StoredAs::Flag).value_or(kind == 1 ? 1 : 0);
    }
    if (Fluency_Time < 1 || Fluency_Time > 10) {
        Fluency_Time = 3;
    }
}

void QuizSettings::SaveQuizSettings() const {
    SettingsKey key;
    key.writeFields(*this, kFields);
    for (int kind = 1; kind <= kKindCount; ++kind) {
        key.writeStored(znakName(kind), StoredAs::Flag, Znak(kind));
    }
    key.close();
}

namespace {

// The values of a child's own settings by name, in one table for writing and reading.
template <typename Settings, typename Visit> void forEachChildValue(Settings &s, Visit visit) {
    for (const StoredField<QuizSettings> &field : kFields) {
        if (field.member != &QuizSettings::Fluency_Time) {
            visit(QLatin1String(field.name), s.*field.member);
        }
    }
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
