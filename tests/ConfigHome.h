#pragma once

#include <QByteArray>
#include <QString>

namespace numbrook::testing {

// Points XDG_CONFIG_HOME at a folder for as long as it lives, and restores it after, also when a
// check fails.
class ConfigHome {
public:
    explicit ConfigHome(const QString &path)
        : had_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")), old_(qgetenv("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", path.toLocal8Bit());
    }
    ~ConfigHome() {
        if (had_) {
            qputenv("XDG_CONFIG_HOME", old_);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }
    Q_DISABLE_COPY_MOVE(ConfigHome)

private:
    bool had_;
    QByteArray old_;
};

} // namespace numbrook::testing
