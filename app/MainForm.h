#pragma once

#include <QWidget>

namespace numbrook {

// The main window: the quiz settings panel, host of the hotkeys, the tray icon and the sound
// objects. Closing it ends the program.
class TfmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfmMain(QWidget *parent = nullptr);
    ~TfmMain() override;
    Q_DISABLE_COPY_MOVE(TfmMain)

private:
    void FormCreate();
    void FormDestroy();
};

} // namespace numbrook
