#include "Help.h"

#include <QVariant>

namespace numbrook {

TfmHelp::TfmHelp(QWidget *parent) : QWidget(parent) {
    setObjectName(QStringLiteral("fmHelp"));
    setWindowTitle(QStringLiteral("Help"));
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
}

void TfmHelp::setLanguageTargets(QObject *mainWindow, QObject *trayMenu, QObject *display) {
    mainWindow_ = mainWindow;
    trayMenu_ = trayMenu;
    display_ = display;
}

QObject *TfmHelp::find(Target target, const QString &name) const {
    QObject *root = nullptr;
    switch (target) {
    case Target::Main:
        root = mainWindow_;
        break;
    case Target::Tray:
        root = trayMenu_;
        break;
    case Target::Display:
        root = display_;
        break;
    }
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    return root->findChild<QObject *>(name);
}

void TfmHelp::setCaption(Target target, const QString &name, const QString &text) const {
    if (QObject *control = find(target, name))
        control->setProperty("text", text);
}

void TfmHelp::setHint(Target target, const QString &name, const QString &text) const {
    if (QObject *control = find(target, name))
        control->setProperty("toolTip", text);
}

void TfmHelp::ApplyLanguage() {
    UiStrings_.fill(languageIndex_ ? *languageIndex_ : LanguageEnglish);
    const UiStrings &s = UiStrings_;
    const auto caption = [this](const QString &name, const QString &text) {
        setCaption(Target::Main, name, text);
    };
    const auto hint = [this](const QString &name, const QString &text) {
        setHint(Target::Main, name, text);
    };
    const auto option = [&](const QString &label, const QString &box, UiKey captionKey,
                            UiKey hintKey) {
        caption(label, s[captionKey]);
        hint(label, s[hintKey]);
        hint(box, s[hintKey]);
    };
    const auto titled = [&](const QString &label, UiKey captionKey, UiKey hintKey) {
        caption(label, s[captionKey]);
        hint(label, s[hintKey]);
    };

    hint(QStringLiteral("Sb_Help"), s[UiKey::HelpButtonHint]);
    hint(QStringLiteral("Sb_Internet"), s[UiKey::WebsiteCaption]);
    hint(QStringLiteral("Sb_Min"), s[UiKey::MinimizeHint]);
    hint(QStringLiteral("Sb_Close"), s[UiKey::ExitCaption]);

    // The same eight labels in each of the four sound object panels.
    static constexpr UiKey ObjectLabels[] = {
        UiKey::SoundcardCaption, UiKey::MicrophoneCaption, UiKey::LeftCaption,
        UiKey::RightCaption,     UiKey::LevelMeterCaption, UiKey::ExternalFileCaption,
        UiKey::DelayCaption,     UiKey::ThresholdCaption,
    };
    for (int object = 1; object <= 4; ++object) {
        for (int label = 1; label <= 8; ++label)
            caption(QStringLiteral("Lbl_%1_Obj%2").arg(label).arg(object),
                    s[ObjectLabels[label - 1]]);
    }

    option(QStringLiteral("Lbl_HintShow"), QStringLiteral("Cb_HintShow"), UiKey::HintShowCaption,
           UiKey::HintShowHint);
    option(QStringLiteral("Lbl_MinFormShow"), QStringLiteral("Cb_MinFormShow"),
           UiKey::MinFormShowCaption, UiKey::MinFormShowHint);
    option(QStringLiteral("Lbl_AutoRun"), QStringLiteral("Cb_AutoRun"), UiKey::AutoRunCaption,
           UiKey::AutoRunHint);
    option(QStringLiteral("Lbl_Show_SPDIF"), QStringLiteral("Cb_Show_SPDIF"),
           UiKey::ShowSpdifCaption, UiKey::ShowSpdifHint);
    option(QStringLiteral("Lbl_Show_Points"), QStringLiteral("Cb_Show_Points"),
           UiKey::ShowPointsCaption, UiKey::ShowPointsHint);
    option(QStringLiteral("Lbl_Show_Otvet_Mode"), QStringLiteral("Cb_Show_Otvet_Mode"),
           UiKey::ShowOtvetModeCaption, UiKey::ShowOtvetModeHint);

    const struct {
        const char *name;
        UiKey key;
    } trayItems[] = {{"TrayMenu_3", UiKey::WebsiteCaption},
                     {"TrayMenu_4", UiKey::ProgramPageCaption},
                     {"TrayMenu_5", UiKey::ExitCaption}};
    for (const auto &item : trayItems) {
        setCaption(Target::Tray, QLatin1String(item.name), s[item.key]);
        setHint(Target::Tray, QLatin1String(item.name), s[item.key]);
    }

    caption(QStringLiteral("Edit_Lang"), s[UiKey::LanguageName]);
    caption(QStringLiteral("laThreadCnt"), s[UiKey::ThreadsOutCaption]);
    caption(QStringLiteral("laThreadInCnt"), s[UiKey::ThreadsInCaption]);
    caption(QStringLiteral("Lbl_Lang"), s[UiKey::InterfaceCaption] + QLatin1Char(':'));

    titled(QStringLiteral("Lbl_Title_Diff_Math"), UiKey::LevelCaption, UiKey::LevelHint);
    titled(QStringLiteral("Lbl_Title_Speed_Math"), UiKey::SpeedCaption, UiKey::SpeedHint);
    titled(QStringLiteral("Lbl_Title_Znak_Math"), UiKey::ActionsCaption, UiKey::ActionsHint);
    titled(QStringLiteral("Lbl_Title_Screen_Res"), UiKey::ResolutionCaption, UiKey::ResolutionHint);
    titled(QStringLiteral("Lbl_Title_HotKey"), UiKey::HotkeysCaption, UiKey::HotkeysHint);

    for (int kind = 1; kind <= 10; ++kind) {
        const QString label = QStringLiteral("Lbl_%1_Znak_Math").arg(kind);
        const QString kindHint = s[UiKey(int(UiKey::KindHint1) + kind - 1)];
        caption(label, KindCaption(kind));
        hint(label, kindHint);
        hint(QStringLiteral("Cb_%1_Znak_Math").arg(kind), kindHint);
    }

    caption(QStringLiteral("Lbl_Title_1"), s[UiKey::QuestionsSettingsTitle]);
    caption(QStringLiteral("Lbl_Title_2"), s[UiKey::ActionsSettingsTitle]);
    caption(QStringLiteral("Lbl_Title_3"), s[UiKey::DisplaySettingsTitle]);
    caption(QStringLiteral("Lbl_Title_4"), s[UiKey::SystemSettingsTitle]);
    caption(QStringLiteral("Lbl_3_Screen"), s[UiKey::EscCaption]);

    setCaption(Target::Display, QStringLiteral("Lbl1"), s[UiKey::TotalCaption]);
    setCaption(Target::Display, QStringLiteral("Lbl2"), s[UiKey::CorrectCaption]);
    setCaption(Target::Display, QStringLiteral("Lbl3"), s[UiKey::WrongCaption]);
    setCaption(Target::Display, QStringLiteral("Lbl4"), s[UiKey::PointsCaption]);
}

} // namespace numbrook
