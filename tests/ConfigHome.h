// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QByteArray>
#include <QString>

namespace numbrook::testing {

// Points XDG_CONFIG_HOME (the settings) and XDG_DATA_HOME (the results file) at a folder for as
// long as it lives, and restores them after, also when a check fails.
class ConfigHome {
public:
    explicit ConfigHome(const QString &path) : config_("XDG_CONFIG_HOME"), data_("XDG_DATA_HOME") {
        qputenv("XDG_CONFIG_HOME", path.toLocal8Bit());
        qputenv("XDG_DATA_HOME", path.toLocal8Bit());
    }
    Q_DISABLE_COPY_MOVE(ConfigHome)

private:
    // One variable, restored when the home goes.
    class Saved {
    public:
        explicit Saved(const char *name)
            : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {}
        ~Saved() {
            if (had_) {
                qputenv(name_, old_);
            } else {
                qunsetenv(name_);
            }
        }
        Q_DISABLE_COPY_MOVE(Saved)

    private:
        const char *name_;
        bool had_;
        QByteArray old_;
    };
    Saved config_;
    Saved data_;
};

} // namespace numbrook::testing
