#pragma once

#include <QDialog>
#include <QPoint>

class QLabel;
class QProgressBar;
class QTimer;

namespace numbrook {

// The splash window: the logo with a loading gauge for about three seconds before the main
// window is first shown. It also holds the interface language index, read from the settings
// when the window is created and written after every switch and when it is destroyed.
class TfmLogo : public QDialog {
    Q_OBJECT
public:
    explicit TfmLogo(QWidget *parent = nullptr);
    ~TfmLogo() override;
    Q_DISABLE_COPY_MOVE(TfmLogo)

    // The window's top-left corner on a desktop `desktopWidth` pixels wide (all monitors):
    // centred with a division that truncates toward zero, top edge at 200.
    static QPoint SplashPosition(int desktopWidth);

    void setPictures(const QPixmap &logo, const QPixmap &loading, const QPixmap &done);

    // Writes LanguageIndex to the settings as "Languare"; failures are not reported.
    void SaveLanguage() const;

    // One tick of Timer_Work (public so the schedule can be driven directly).
    void Timer_WorkTimer();

    int gaugeValue() const;
    bool loadPictureShown() const;
    bool donePictureShown() const;

    qint32 LanguageIndex = 0;
    qint32 SplashTicks = 0;

Q_SIGNALS:
    // The splash has closed; the main window records that it was shown.
    void splashClosed();

protected:
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void done(int result) override;

private:
    QLabel *Img_Logo;
    QProgressBar *Ind_Load;
    QLabel *Img_Load;
    QLabel *Img_Done;
    QTimer *Timer_Work;
};

} // namespace numbrook
