// The fonts' set-up loaded beside the program's start: the thread ends on every path main()
// can take, and fonts asked for meanwhile on the main thread are the same as without it.
#include "FontWarmUp.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>
#include <QTest>

using namespace numbrook;

class FontWarmUpTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A second start hands over before the application step: the thread must not wait for it.
    void endsWhenTheApplicationStepNeverComes();
    // The main thread measures text while the thread fills the font list: no deadlock, and the
    // same measures as once the list is complete.
    void mainThreadMeasuresWhileTheListFills();
};

void FontWarmUpTest::endsWhenTheApplicationStepNeverComes() {
    for (int i = 0; i < 3; ++i) {
        FontWarmUp fonts;
    }
    FontWarmUp fonts;
    fonts.finish(); // without the application step this too must return
}

void FontWarmUpTest::mainThreadMeasuresWhileTheListFills() {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(12);
    font.setBold(true);
    const QString text = QStringLiteral("Settings Настройки 123");
    int during = 0;
    {
        FontWarmUp fonts;
        fonts.applicationReady();
        during = QFontMetrics(font).horizontalAdvance(text);
        fonts.finish();
    }
    QVERIFY(!QFontDatabase::families().isEmpty());
    QVERIFY(during > 0);
    QCOMPARE(QFontMetrics(font).horizontalAdvance(text), during);
}

QTEST_MAIN(FontWarmUpTest)
#include "tst_fontwarmup.moc"
