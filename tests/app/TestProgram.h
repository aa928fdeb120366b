#pragma once

// The program's windows as the entry point creates them, for tests that drive the real main
// window. The splash is marked as shown: it has tests of its own, and run modally it would
// stop every test at the first show.

#include "ProgramWindows.h"
#include "SkinWidgets.h"

namespace numbrook::testing {

struct Program : ProgramWindows {
    Program() { main.SplashShown = true; }
    Q_DISABLE_COPY_MOVE(Program)
};

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

// Tests find controls by their objectName, as screen readers do.
inline QWidget *control(const QWidget &window, const QString &name) {
    return window.findChild<QWidget *>(name);
}
inline PictureButton *button(const QWidget &window, const QString &name) {
    return window.findChild<PictureButton *>(name);
}

} // namespace numbrook::testing
