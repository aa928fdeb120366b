#pragma once

#include "ObjectLog.h"
#include "SoundObjectPanel.h"

#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QTimer;

namespace numbrook {

class GlobalHotkeys;
class LevelBar;
class PictureButton;
class SkinLabel;
class SoundEngine;
class SoundObjectTable;
class TfmDisplay;
class TfmHelp;
class TfmLogo;
class TrackBar;
class TrayIcon;

// The main window: the quiz settings panel, host of the hotkeys, the tray icon and the sound
// objects. Closing it ends the program; destroying it saves every setting.
class TfmMain : public QWidget {
    Q_OBJECT
public:
    explicit TfmMain(SoundEngine &engine, QWidget *parent = nullptr);
    ~TfmMain() override;
    Q_DISABLE_COPY_MOVE(TfmMain)

    // The windows created after this one: the help window (string table), the splash window
    // (language index) and the question display.
    void attachWindows(TfmHelp *help, TfmLogo *logo, TfmDisplay *display);

    // System settings.
    qint32 HintShow = 0;
    qint32 MinFormShow = 0;
    qint32 AutoRun = 0;
    qint32 Show_SPDIF = 0;
    qint32 Cnt_HotKey = 0;
    bool SplashShown = false;
    bool FirstActivationPending = true;
    qint32 HotkeyLampTicks = 0;

    // Controls by name (the layout's objectNames).
    QWidget *control(const QString &name) const;
    PictureButton *button(const QString &name) const;
    // Sound object n's controls.
    SoundObjectPanel objectPanel(int n) const;

    // Handlers.
    void FormShow();
    void Timer_WorkTimer();
    void fmThreadCountTimer();
    // The playing indicator's look: red while sound plays, blue otherwise.
    static QString indicatorStyle(bool playing);
    void Sb_CloseClick();
    void Sb_StartClick();
    void Sb_MinClick();
    void TrayIconDblClick();
    void HotkeyMessage(int id);
    void UpdateSettingsView();
    void ShowSpeed();
    void ShowHotKey();
    void ApplyLanguage();
    void switchLanguage(qint32 languageIndex);

    QCheckBox *cbPorog1 = nullptr;
    QCheckBox *cbHotKey1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QTimer *Timer_Work = nullptr;
    QTimer *fmThreadCount = nullptr;
    ObjectLog objectLog;
    SoundEngine &engine_;
    // Declared after the log it writes to, so that it goes first.
    std::unique_ptr<SoundObjectTable> SoundObjectTable_;
    TrayIcon *trayIcon() const { return TrayIcon_; }
    GlobalHotkeys *hotkeys() const { return hotkeys_; }
    TfmDisplay *display() const { return display_; }

    // The cursor position the work timer reads; the real one unless replaced (tests).
    void setCursorSource(std::function<QPoint()> source) { cursor_ = std::move(source); }

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void buildLayout();
    QWidget *createControl(int kind, const QString &name, const QString &text, int picture,
                           QWidget *parent);

    void connectHandlers();
    void FormCreate();
    void FormDestroy();
    void loadSystemSettings();
    void saveSystemSettings();
    void setBox(const QString &name, bool on, bool small = false);
    void updateHover(const QPoint &cursor);
    // Starts object 1's microphone capture; does nothing while it runs.
    void startObjectOneCapture();

    std::map<QString, QWidget *> controls_;
    TfmHelp *help_ = nullptr;
    TfmLogo *logo_ = nullptr;
    TfmDisplay *display_ = nullptr;
    TrayIcon *TrayIcon_ = nullptr;
    GlobalHotkeys *hotkeys_ = nullptr;
    std::function<QPoint()> cursor_;
    bool destroyed_ = false;
    bool closed_ = false;
};

} // namespace numbrook
