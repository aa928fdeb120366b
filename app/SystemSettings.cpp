// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SystemSettings.h"

#include "SettingsKey.h"

namespace numbrook {

namespace {

const QString kHintShow = QStringLiteral("HintShow");
const QString kMinFormShow = QStringLiteral("MinFormShow");
const QString kAutoRun = QStringLiteral("AutoRun");
const QString kShowSpdif = QStringLiteral("Show_SPDIF");
const QString kCntHotKey = QStringLiteral("Cnt_HotKey");

} // namespace

void SystemSettings::LoadSystemSettings() {
    const SettingsKey key;
    HintShow = 1;
    MinFormShow = 0;
    AutoRun = 0;
    Show_SPDIF = key.readBoolean(kShowSpdif).value_or(false) ? 1 : 0;
    Cnt_HotKey = key.readInteger(kCntHotKey).value_or(0);
}

void SystemSettings::SaveSystemSettings() const {
    SettingsKey key;
    key.writeBoolean(kHintShow, HintShow != 0);
    key.writeBoolean(kMinFormShow, MinFormShow != 0);
    key.writeBoolean(kAutoRun, AutoRun != 0);
    key.writeBoolean(kShowSpdif, Show_SPDIF != 0);
    key.writeInteger(kCntHotKey, Cnt_HotKey);
    key.close();
}

} // namespace numbrook
