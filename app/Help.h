#pragma once

#include "UiStrings.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace numbrook {

// The help window: never shown, it holds the interface string table and writes the current
// language's texts into the named controls of the program's windows.
class TfmHelp : public QWidget {
    Q_OBJECT
public:
    explicit TfmHelp(QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(TfmHelp)

    // Where ApplyLanguage reads the language index from (the splash window's LanguageIndex).
    void setLanguageSource(const qint32 *languageIndex) { languageIndex_ = languageIndex; }
    // The windows whose controls ApplyLanguage fills, found by object name. Any may be null;
    // a control that does not exist is skipped.
    void setLanguageTargets(QObject *mainWindow, QObject *trayMenu, QObject *display);

    // Refills the table for the current language and applies every caption and hint.
    void ApplyLanguage();

    const UiStrings &strings() const { return UiStrings_; }
    // The title the expression generator writes above each question.
    QString QuestionTitle() const { return UiStrings_[UiKey::QuestionTitle]; }
    // A text of the current language.
    QString text(UiKey key) const { return UiStrings_[key]; }

private:
    enum class Target { Main, Tray, Display };
    void setCaption(Target target, const QString &name, const QString &text) const;
    void setHint(Target target, const QString &name, const QString &text) const;
    QObject *find(Target target, const QString &name) const;

    UiStrings UiStrings_;
    const qint32 *languageIndex_ = nullptr;
    QPointer<QObject> mainWindow_;
    QPointer<QObject> trayMenu_;
    QPointer<QObject> display_;
};

} // namespace numbrook
