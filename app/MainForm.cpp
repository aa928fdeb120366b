#include "MainForm.h"

#include "BitmapLists.h"
#include "Display.h"
#include "GlobalHotkeys.h"
#include "Help.h"
#include "Logo.h"
#include "SettingsKey.h"
#include "ShellActions.h"
#include "SkinWidgets.h"
#include "SoundEngine.h"
#include "SoundObjectTable.h"
#include "TrayMenu.h"
#include "unit_math.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace numbrook {

namespace {

const QString kHintShow = QStringLiteral("HintShow");
const QString kMinFormShow = QStringLiteral("MinFormShow");
const QString kAutoRun = QStringLiteral("AutoRun");
const QString kShowSpdif = QStringLiteral("Show_SPDIF");
const QString kCntHotKey = QStringLiteral("Cnt_HotKey");

// Hovered and normal pictures of the buttons the work timer highlights.
struct Hover {
    const char *name;
    int hovered;
    int normal;
};
const Hover kHover[] = {
    {"Sb_Lang_Up", 53, 52}, {"Sb_Lang_Down", 51, 50}, {"Sb_Help", 0, 1},
    {"Sb_Internet", 2, 3},  {"Sb_Min", 4, 5},         {"Sb_Close", 6, 7},
    {"Sb_Mic1_Up", 53, 52}, {"Sb_Mic1_Down", 51, 50}, {"Sb_Start", 58, 57},
};

} // namespace

TfmMain::TfmMain(SoundEngine &engine, QWidget *parent) : QWidget(parent), engine_(engine) {
    setObjectName(QStringLiteral("fmMain"));
    setWindowTitle(QStringLiteral("Numbrook"));
    setWindowFlag(Qt::FramelessWindowHint);
    setFixedSize(806, 580);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x36, 0x6A, 0xB3));
    setPalette(palette);
    setWindowIcon(TrayIconPicture());
    cursor_ = [] { return QCursor::pos(); };
    buildLayout();
    setMask(MainWindowOutline(size()));

    Timer_Work = new QTimer(this);
    Timer_Work->setObjectName(QStringLiteral("Timer_Work"));
    Timer_Work->setInterval(100);
    connect(Timer_Work, &QTimer::timeout, this, &TfmMain::Timer_WorkTimer);

    std::array<QPixmap, 5> itemPictures;
    for (int i = 0; i < 5; ++i) {
        itemPictures[std::size_t(i)] = MenuItemPicture(i + 1);
    }
    TrayIcon_ = new TrayIcon(TrayIconPicture(), itemPictures, this);
    hotkeys_ = new GlobalHotkeys(this);

    objectLog.setMemo(Memo1);
    SoundObjectTable_ = std::make_unique<SoundObjectTable>(engine_, objectLog);
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        SoundObjectTable_->bind(n, objectPanel(n));
    }
    // Every sound error reaches the log in full.
    connect(&engine_.errors, &SoundErrors::errorTextReady, this,
            [this](const QString &text) { objectLog.append(text); });

    fmThreadCount = new QTimer(this);
    fmThreadCount->setObjectName(QStringLiteral("fmThreadCount"));
    fmThreadCount->setInterval(1000);
    connect(fmThreadCount, &QTimer::timeout, this, &TfmMain::fmThreadCountTimer);

    connectHandlers();
    FormCreate();
    Timer_Work->start();
    fmThreadCount->start();
}

TfmMain::~TfmMain() {
    FormDestroy();
}

QWidget *TfmMain::control(const QString &name) const {
    const auto found = controls_.find(name);
    return found == controls_.end() ? nullptr : found->second;
}

PictureButton *TfmMain::button(const QString &name) const {
    return qobject_cast<PictureButton *>(control(name));
}

SoundObjectPanel TfmMain::objectPanel(int n) const {
    const auto find = [this, n](const char *name) {
        return control(QString::fromLatin1(name).arg(n));
    };
    SoundObjectPanel p;
    p.outputPrevious = qobject_cast<PictureButton *>(find("Sb_Obj%1_Up"));
    p.outputNext = qobject_cast<PictureButton *>(find("Sb_Obj%1_Down"));
    p.edObj = qobject_cast<QLineEdit *>(find("edObj%1"));
    p.tbVL = qobject_cast<TrackBar *>(find("tbVL%1"));
    p.tbVR = qobject_cast<TrackBar *>(find("tbVR%1"));
    p.pbL = qobject_cast<LevelBar *>(find("pbL%1"));
    p.pbR = qobject_cast<LevelBar *>(find("pbR%1"));
    p.cbLoop = qobject_cast<QCheckBox *>(find("cbLoop%1"));
    p.cbPlayFromFile = qobject_cast<QCheckBox *>(find("cbPlayFromFile%1"));
    p.filePrevious = qobject_cast<PictureButton *>(find("Sb_File%1_Up"));
    p.fileNext = qobject_cast<PictureButton *>(find("Sb_File%1_Down"));
    p.edFile = qobject_cast<QLineEdit *>(find("edFile%1"));
    p.Sb_StartPlay = qobject_cast<PictureButton *>(find("Sb_StartPlay_Obj%1"));
    p.Sb_StopPlay = qobject_cast<PictureButton *>(find("Sb_StopPlay_Obj%1"));
    p.microphonePrevious = qobject_cast<PictureButton *>(find("Sb_Mic%1_Up"));
    p.microphoneNext = qobject_cast<PictureButton *>(find("Sb_Mic%1_Down"));
    p.edMic = qobject_cast<QLineEdit *>(find("edMic%1"));
    p.pbSig = qobject_cast<LevelBar *>(find("pbSig%1"));
    p.tbMixerVol = qobject_cast<TrackBar *>(find("tbMixerVol%1"));
    p.tbTrig = qobject_cast<TrackBar *>(find("tbTrig%1"));
    p.edDelay = qobject_cast<QLineEdit *>(find("edDelay%1"));
    p.cbPorog = qobject_cast<QCheckBox *>(find("cbPorog%1"));
    p.lcPorogValue = qobject_cast<QLabel *>(find("lcPorogValue%1"));
    p.Sb_StartMic = qobject_cast<PictureButton *>(find("Sb_StartMic_Obj%1"));
    p.Sb_StopMic = qobject_cast<PictureButton *>(find("Sb_StopMic_Obj%1"));
    return p;
}

void TfmMain::attachWindows(TfmHelp *help, TfmLogo *logo, TfmDisplay *display) {
    help_ = help;
    logo_ = logo;
    display_ = display;
    if (display_) {
        display_->setAnswerBoxes(cbPorog1, cbHotKey1);
    }
    if (help_ && logo_) {
        help_->setLanguageSource(&logo_->LanguageIndex);
        help_->setLanguageTargets(this, TrayIcon_->menu(), display_);
    }
    if (logo_) {
        logo_->setPictures(LogoPicture(), LoadPicture(), DonePicture());
        connect(logo_, &TfmLogo::splashClosed, this, [this] { SplashShown = true; });
    }
}

// ---------------------------------------------------------------------------------------------
// Life cycle

void TfmMain::loadSystemSettings() {
    try {
        SettingsKey key;
        // These three start off (tooltips on) whatever was stored.
        HintShow = 1;
        MinFormShow = 0;
        AutoRun = 0;
        // A value of another type reads as missing, and the load goes on.
        Show_SPDIF = key.readBoolean(kShowSpdif).value_or(false) ? 1 : 0;
        Cnt_HotKey = key.readInteger(kCntHotKey).value_or(0);
    } catch (...) {
    }
}

void TfmMain::saveSystemSettings() {
    try {
        SettingsKey key;
        key.writeBoolean(kHintShow, HintShow != 0);
        key.writeBoolean(kMinFormShow, MinFormShow != 0);
        key.writeBoolean(kAutoRun, AutoRun != 0);
        key.writeBoolean(kShowSpdif, Show_SPDIF != 0);
        key.writeInteger(kCntHotKey, Cnt_HotKey);
        key.close();
    } catch (...) {
    }
}

void TfmMain::FormCreate() {
    SplashShown = false;
    FirstActivationPending = true;
    loadSystemSettings();
    hotkeys_->registerHotkey(0, HotkeyKey::Return);
    hotkeys_->registerHotkey(1, HotkeyKey::Space);
    hotkeys_->registerHotkey(2, HotkeyKey::Escape);
    SetToolTipsEnabled(HintShow == 1);
    HotkeyLampTicks = 0;
    InitQuizEngine();
    objectLog.clear();
    engine_.devices.BuildOutputList(Show_SPDIF == 1);
    engine_.devices.BuildInputList(true);
    SoundObjectTable_->LoadAllObjects();
    for (const DeviceEntry &entry : engine_.devices.InputDeviceNames) {
        objectLog.append(entry.name);
    }
}

void TfmMain::FormDestroy() {
    if (destroyed_) {
        return;
    }
    destroyed_ = true;
    // No capture or playback report may reach a control that is about to go.
    SoundObjectTable_->stopAllThreads();
    for (int n = kFirstSoundObject; n <= kLastSoundObject; ++n) {
        SoundObjectTable_->object(n).FileList.clear();
    }
    SoundObjectTable_->SaveAllObjects();
    SaveQuizSettings();
    saveSystemSettings();
}

void TfmMain::setVisible(bool visible) {
    // The splash runs once, modally, before the main window first appears; the work timer
    // keeps ticking meanwhile.
    if (visible && !SplashShown && logo_) {
        SplashShown = true;
        logo_->exec();
        // The program was told to end while the splash was up.
        if (closed_) {
            return;
        }
    }
    QWidget::setVisible(visible);
}

void TfmMain::showEvent(QShowEvent *event) {
    FormShow();
    QWidget::showEvent(event);
}

void TfmMain::FormShow() {
    ApplyLanguage();
    setWindowFlag(Qt::FramelessWindowHint);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int desktopWidth = screen ? screen->virtualGeometry().width() : width();
    move((desktopWidth - width()) / 2, 10);
    SetToolTipsEnabled(HintShow == 1);
    UpdateSettingsView();
    ShowHotKey();
    ShowSpeed();
    startObjectOneCapture();
}

void TfmMain::startObjectOneCapture() {
    SoundObjectTable_->startMic(1);
}

void TfmMain::closeEvent(QCloseEvent *event) {
    closed_ = true;
    if (logo_ && logo_->isVisible()) {
        logo_->reject();
    }
    hotkeys_->unregisterAll();
    SoundObjectTable_->stopAllThreads();
    if (display_) {
        display_->close();
    }
    TrayIcon_->hide();
    event->accept();
    QCoreApplication::quit();
}

void TfmMain::Sb_CloseClick() {
    close();
}

void TfmMain::mousePressEvent(QMouseEvent *event) {
    // Pressing on the background drags the frameless window.
    if (event->buttons() & Qt::LeftButton) {
        if (QWindow *window = windowHandle()) {
            window->startSystemMove();
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Work timer

void TfmMain::updateHover(const QPoint &cursor) {
    const QPoint origin = mapToGlobal(QPoint(0, 0));
    for (const Hover &hover : kHover) {
        PictureButton *picture = button(QString::fromLatin1(hover.name));
        if (!picture) {
            continue;
        }
        const QRect r(origin + picture->pos(), picture->size());
        const bool inside = isVisible() && cursor.x() > r.left() &&
                            cursor.x() < r.left() + r.width() && cursor.y() > r.top() &&
                            cursor.y() < r.top() + r.height();
        picture->setPicture(inside ? hover.hovered : hover.normal);
    }
}

void TfmMain::Timer_WorkTimer() {
    if (FirstActivationPending && isActiveWindow()) {
        if (MinFormShow == 1) {
            Sb_MinClick();
        }
        FirstActivationPending = false;
    }
    updateHover(cursor_());
    button(QStringLiteral("Img_Porog1"))->setPicture(cbPorog1->isChecked() ? 61 : 59);
    if (cbHotKey1->isChecked()) {
        button(QStringLiteral("Img_HotKey"))->setPicture(60);
        ++HotkeyLampTicks;
        if (HotkeyLampTicks >= 10) {
            cbHotKey1->setChecked(false);
            HotkeyLampTicks = 0;
            // The lamp's second and the question timer's second run apart: without this, a
            // press made just after a question tick could be unticked before the next one.
            if (display_ && display_->Timer_Vopros->isActive()) {
                display_->keepHotkeyAnswer();
            }
        }
    } else {
        button(QStringLiteral("Img_HotKey"))->setPicture(59);
    }
}

QString TfmMain::indicatorStyle(bool playing) {
    return playing ? QStringLiteral("background: rgb(255, 0, 0); border-radius: 2px;")
                   : QStringLiteral("background: rgb(0, 128, 192); border-radius: 2px;");
}

void TfmMain::fmThreadCountTimer() {
    const int playbackThreads = engine_.playbacks.count();
    const auto counter = [this](const char *name, UiKey key, int count) {
        auto *label = qobject_cast<QLabel *>(control(QLatin1String(name)));
        const QString text = (help_ ? help_->text(key) : QString()) + QString::number(count);
        if (label && label->text() != text) {
            label->setText(text);
            label->adjustSize();
        }
    };
    counter("laThreadCnt", UiKey::ThreadsOutCaption, playbackThreads);
    counter("laThreadInCnt", UiKey::ThreadsInCaption, engine_.captures.count());
    const bool playing = playbackThreads > 0;
    QWidget *indicator = control(QStringLiteral("Indicator_Play"));
    // A new style sheet restyles the widget: only when the colour changes.
    const QString style = indicatorStyle(playing);
    if (indicator->styleSheet() != style) {
        indicator->setStyleSheet(style);
    }
    // The indicator's hint borrows the level captions: "Level" while sound plays.
    if (help_) {
        indicator->setToolTip(help_->text(playing ? UiKey::LevelCaption : UiKey::LevelHint));
    }
}

} // namespace numbrook
