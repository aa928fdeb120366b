// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "SystemSettings.h"

#include "SettingsKey.h"

namespace numbrook {

// The options by name, as the key keeps them.
constexpr StoredField<SystemSettings> kFields[] = {
    {"HintShow", StoredAs::Boolean, &SystemSettings::HintShow},
    {"MinFormShow", StoredAs::Boolean, &SystemSettings::MinFormShow},
    {"AutoRun", StoredAs::Boolean, &SystemSettings::AutoRun},
    {"Show_SPDIF", StoredAs::Boolean, &SystemSettings::Show_SPDIF},
    {"Cnt_HotKey", StoredAs::Integer, &SystemSettings::Cnt_HotKey},
};

void SystemSettings::LoadSystemSettings() {
    const SettingsKey key;
    key.readFields(*this, kFields);
    // Each start begins with tooltips on, in a window that stays up, without autostart.
    HintShow = 1;
    MinFormShow = 0;
    AutoRun = 0;
}

void SystemSettings::SaveSystemSettings() const {
    SettingsKey key;
    key.writeFields(*this, kFields);
    key.close();
}

} // namespace numbrook
