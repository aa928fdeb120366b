// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The main window and the question display: layout, settings panel, work timer, system
// settings and the start button.
#include "GlobalHotkeys.h"
#include "MainWindow.h"
#include "ObjectIniStore.h"
#include "ProgramWindows.h"
#include "QuestionDisplay.h"
#include "QuizSession.h"
#include "ShellActions.h"
#include "SkinWidgets.h"
#include "SoundObjectTable.h"
#include "TestProgram.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace numbrook;

namespace {

using testing::Program;

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<testing::ConfigHome> home_;

    QString settingsFile() const { return config_->path() + "/Pelorin Quillmark/Lantern.conf"; }
    void store(const QList<QPair<QString, QString>> &values) {
        QSettings raw(settingsFile(), QSettings::NativeFormat);
        for (const auto &[name, text] : values) {
            raw.setValue(name, text);
        }
    }
    QString stored(const QString &name) const {
        return QSettings(settingsFile(), QSettings::NativeFormat).value(name).toString();
    }
    static void click(TfmMain &main, const QString &name) {
        QWidget *widget = testing::control(main, name);
        QVERIFY2(widget, qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    }
    static QString text(TfmMain &main, const QString &name) {
        return static_cast<QLineEdit *>(testing::control(main, name))->text();
    }

private Q_SLOTS:
    void init() {
        config_ = std::make_unique<QTemporaryDir>();
        home_.reset();
        home_ = std::make_unique<testing::ConfigHome>(config_->path());
    }

    // Objects 2 to 4's controls come once a window is on screen. An end before that keeps
    // their stored settings instead of writing the defaults of controls never loaded; after
    // the first paint they are there, loaded, captioned in the shown language, off the keys.
    void objectPages_afterTheFirstPaint_andAnEarlyEndKeepsTheirSettings() {
        const QString ini = config_->path() + QStringLiteral("/objects.ini");
        QSettings(ini, QSettings::IniFormat).setValue("ObjectWavParams/ObjectInDelay_3", 7);
        {
            testing::OwnSoundEngine sound;
            ProgramWindows windows(sound.ownEngine);
            QVERIFY(testing::control(windows.main(), QStringLiteral("edDelay1")));
            QVERIFY(!testing::control(windows.main(), QStringLiteral("edDelay3")));
            QVERIFY(!windows.main().soundObjects().isLoaded(3));
        }
        QCOMPARE(QSettings(ini, QSettings::IniFormat).value("ObjectWavParams/ObjectInDelay_3"),
                 QVariant(7));

        testing::OwnSoundEngine sound;
        ProgramWindows windows(sound.ownEngine);
        TfmMain &main = windows.main();
        main.setSplashShown(true);
        main.show();
        QTRY_VERIFY(testing::control(main, QStringLiteral("edDelay3")));
        QVERIFY(main.soundObjects().isLoaded(3));
        QCOMPARE(text(main, QStringLiteral("edDelay3")), QStringLiteral("7"));
        for (const char *caption : {"Lbl_1_Obj%1", "Lbl_7_Obj%1"}) {
            const auto label = [&](int n) {
                return qobject_cast<QLabel *>(
                    testing::control(main, QString::fromLatin1(caption).arg(n)));
            };
            QVERIFY2(label(4) && !label(4)->text().isEmpty(), caption);
            QCOMPARE(label(4)->text(), label(1)->text());
            QCOMPARE(label(4)->size(), label(1)->size());
        }
        QCOMPARE(testing::control(main, QStringLiteral("edDelay4"))->focusPolicy(), Qt::NoFocus);
        main.buildRemainingObjectPages();
        QCOMPARE(main.findChildren<QWidget *>(QStringLiteral("edDelay4")).size(), 1);
    }

    void layout_placesEveryControlAsDesigned() {
        Program p;
        QCOMPARE(p.main().size(), QSize(806, 580));
        QVERIFY(p.main().windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(p.main().windowTitle(), QStringLiteral("Numbrook"));
        const struct {
            const char *name;
            QRect rect;
        } expected[] = {
            {"Label_Title_Name", {8, 2, 137, 34}},
            {"Label_Title_Name_Shadow", {9, 3, 137, 34}},
            {"Sb_Help", {702, 5, 22, 23}},
            {"Sb_Close", {774, 5, 22, 23}},
            {"Cb_3_Diff_Math", {40, 188, 23, 23}},
            {"Edit_Speed_Math", {162, 144, 55, 13}},
            {"Img_Mic1_Fon", {438, 140, 300, 21}},
            {"tbMixerVol1", {497, 213, 20, 87}},
            {"pbSig1", {520, 219, 12, 75}},
            {"Img_Porog1", {560, 246, 48, 48}},
            {"Cb_Show_SPDIF", {420, 166, 18, 18}},
            {"Img_HotKey", {560, 304, 48, 48}},
            {"Cb_Show_Otvet_Mode", {196, 450, 18, 18}},
            {"Edit_Lang", {442, 472, 90, 14}},
            {"Sb_Start", {32, 510, 164, 50}},
        };
        for (const auto &e : expected) {
            QWidget *widget = testing::control(p.main(), QString::fromLatin1(e.name));
            QVERIFY2(widget, e.name);
            QCOMPARE(widget->geometry(), e.rect);
        }
        // The hidden parts exist below the visible area.
        for (const char *name : {"Cb_10_Znak_Math", "Cb_HintShow", "PageControl1", "Memo1",
                                 "laThreadCnt", "Panel_Obj4"}) {
            QWidget *widget = testing::control(p.main(), QString::fromLatin1(name));
            QVERIFY2(widget, name);
            QVERIFY2(widget->mapTo(&p.main(), QPoint(0, 0)).y() >= 580, name);
            QVERIFY2(!widget->isVisibleTo(&p.main()), name);
        }
        // The title is Verdana 27 px regular; a wider stand-in is smaller, so the name fits.
        const QFont title = testing::control(p.main(), "Label_Title_Name")->font();
        if (QFontInfo(title).family() == QLatin1String("Verdana")) {
            QCOMPARE(title.pixelSize(), 27);
        }
        QVERIFY(title.pixelSize() <= 27 && title.pixelSize() >= 24);
        QVERIFY(QFontMetrics(title).boundingRect(QStringLiteral("Numbrook")).right() < 137);
        QVERIFY(!title.bold());
        QCOMPARE(p.main().cbPorog1()->text(), QStringLiteral("Хлоп"));
        QVERIFY(p.main().cbPorog1()->isHidden() && p.main().cbHotKey1()->isHidden());
        QCOMPARE(static_cast<QLabel *>(testing::control(p.main(), "Lbl_1_Screen_Res"))->text(),
                 QString::fromUtf8("800\u0445600"));
    }

    void place_insideTheFreeArea_data() {
        QTest::addColumn<int>("desktopWidth");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("1920 x 1080, panel below")
            << 1920 << QRect(0, 0, 1920, 1050) << QPoint(557, 10);
        QTest::newRow("1280 x 1024") << 1280 << QRect(0, 0, 1280, 1024) << QPoint(237, 10);
        QTest::newRow("two screens") << 3840 << QRect(0, 0, 3840, 1080) << QPoint(1517, 10);
        QTest::newRow("panel on the left") << 1024 << QRect(200, 0, 824, 768) << QPoint(200, 10);
        QTest::newRow("panel on top") << 1920 << QRect(0, 30, 1920, 1050) << QPoint(557, 30);
        QTest::newRow("800 x 600") << 800 << QRect(0, 0, 800, 600) << QPoint(0, 10);
        QTest::newRow("640 x 480") << 640 << QRect(0, 0, 640, 455) << QPoint(0, 0);
        QTest::newRow("1280 x 1024 at scale 2") << 640 << QRect(0, 0, 640, 500) << QPoint(0, 0);
        QTest::newRow("1920 x 1080 at scale 2") << 960 << QRect(0, 0, 960, 525) << QPoint(77, 0);
    }
    void place_insideTheFreeArea() {
        QFETCH(int, desktopWidth);
        QFETCH(QRect, available);
        QFETCH(QPoint, place);
        QCOMPARE(MainWindowPlace(QSize(806, 580), desktopWidth, available), place);
    }

    void showSpeed_wrapsAtBothEnds_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("arrow");
        QTest::addColumn<QString>("shown");
        QTest::newRow("10 up gives 1") << "10"
                                       << "Sb_Speed_Math_Up"
                                       << "1 sec.";
        QTest::newRow("1 down gives 10") << "1"
                                         << "Sb_Speed_Math_Down"
                                         << "10 sec.";
        QTest::newRow("stored 0 shows 10") << "0"
                                           << ""
                                           << "10 sec.";
        QTest::newRow("stored 15 shows 1") << "15"
                                           << ""
                                           << "1 sec.";
        QTest::newRow("4 up gives 5") << "4"
                                      << "Sb_Speed_Math_Up"
                                      << "5 sec.";
    }
    void showSpeed_wrapsAtBothEnds() {
        QFETCH(QString, stored);
        QFETCH(QString, arrow);
        QFETCH(QString, shown);
        store({{"Speed_Math", stored}});
        Program p;
        p.main().FormShow();
        if (!arrow.isEmpty()) {
            click(p.main(), arrow);
        }
        QCOMPARE(text(p.main(), "Edit_Speed_Math"), shown);
        QCOMPARE(p.session().settings.Speed_Math, shown.section(' ', 0, 0).toInt());
    }

    void settingsPanel_boxes() {
        store({{"Diff_Math", "4"}, {"Znak_2_Math", "5"}, {"Znak_1_Math", "0"}});
        Program p;
        p.main().FormShow();
        // A stored level of 4 reads as level 1.
        for (int i = 1; i <= 3; ++i) {
            QCOMPARE(testing::button(p.main(), QStringLiteral("Cb_%1_Diff_Math").arg(i))->picture(),
                     i == 1 ? 22 : 21);
        }
        QCOMPARE(testing::button(p.main(), "Cb_2_Znak_Math")->picture(), 21); // 5 is not exactly 1
        QCOMPARE(testing::button(p.main(), "Cb_1_Znak_Math")->picture(), 21); // kind 2 is on
        click(p.main(), "Cb_2_Znak_Math");
        QCOMPARE(p.session().settings.Znak(2), 1);
        QCOMPARE(testing::button(p.main(), "Cb_2_Znak_Math")->picture(), 22);
        QCOMPARE(testing::button(p.main(), "Cb_1_Znak_Math")->picture(), 21);
        click(p.main(), "Lbl_2_Znak_Math");
        QCOMPARE(p.session().settings.Znak(2), 0);
        // Every kind off: the quiz asks "+ -", and its box shows it.
        QCOMPARE(testing::button(p.main(), "Cb_1_Znak_Math")->picture(), 22);
        // "+ -" changes nothing, whatever it holds.
        click(p.main(), "Cb_1_Znak_Math");
        click(p.main(), "Lbl_1_Znak_Math");
        QCOMPARE(p.session().settings.Znak(1), 0);
        click(p.main(), "Lbl_2_Diff_Math");
        QCOMPARE(p.session().settings.Diff_Math, 2);
        QCOMPARE(testing::button(p.main(), "Cb_2_Diff_Math")->picture(), 22);
        QCOMPARE(testing::button(p.main(), "Cb_1_Diff_Math")->picture(), 21);
        click(p.main(), "Cb_2_Screen_Res");
        QCOMPARE(p.session().settings.Screen_Res, 1);
        click(p.main(), "Lbl_Show_Points");
        QCOMPARE(p.session().settings.Show_Points, 1);
        QCOMPARE(testing::button(p.main(), "Cb_Show_Points")->picture(), 37);
    }

    void hover_hasStrictBounds_andNormalPicturesWhileHidden() {
        Program p;
        p.main().move(100, 50);
        p.main().show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.main()));
        const QPoint origin = p.main().mapToGlobal(QPoint(0, 0));
        const int left = origin.x() + 32;
        const int middleY = origin.y() + 510 + 25;
        QPoint cursor(left, middleY);
        p.main().setCursorSource([&cursor] { return cursor; });
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Sb_Start")->picture(), 57);
        cursor.setX(left + 1);
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Sb_Start")->picture(), 58);
        cursor.setX(left + 163);
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Sb_Start")->picture(), 58);
        cursor.setX(left + 164);
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Sb_Start")->picture(), 57);
        cursor = QPoint(origin.x() + 775, origin.y() + 10);
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Sb_Close")->picture(), 6);
        p.main().hide();
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Sb_Close")->picture(), 7);
    }

    void hotkeyLamp_litForTenTicks_andLeftoverCountShortensIt() {
        Program p;
        p.answers().setHotkey(true);
        for (int i = 0; i < 9; ++i) {
            p.main().Timer_WorkTimer();
        }
        QVERIFY(p.main().cbHotKey1()->isChecked());
        QCOMPARE(testing::button(p.main(), "Img_HotKey")->picture(), 60);
        p.main().Timer_WorkTimer();
        QVERIFY(!p.main().cbHotKey1()->isChecked());
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Img_HotKey")->picture(), 59);

        // A press unticked elsewhere after four ticks leaves the count at 4.
        p.answers().setHotkey(true);
        for (int i = 0; i < 4; ++i) {
            p.main().Timer_WorkTimer();
        }
        p.answers().setHotkey(false);
        p.main().Timer_WorkTimer();
        p.answers().setHotkey(true);
        for (int i = 0; i < 5; ++i) {
            p.main().Timer_WorkTimer();
        }
        QVERIFY(p.main().cbHotKey1()->isChecked());
        p.main().Timer_WorkTimer();
        QVERIFY(!p.main().cbHotKey1()->isChecked());
    }

    void hotkeyAnswer_unlitBeforeTheQuestionTick_stillCounts() {
        Program p;
        p.session().settings.Speed_Math = 3;
        p.session().settings.Diff_Math = 1;
        p.session().settings.Znak(1) = 1;
        p.main().Sb_StartClick();
        p.display().Timer_Vopros->stop(); // ticks by hand from here
        p.display().Timer_Vopros->start(3600000);
        p.display().Timer_VoprosTimer(); // tick 1: a question
        const bool truth = p.session().generator.ExpressionIsCorrect;
        // A press whose lamp second ends just before the next question tick.
        p.answers().setHotkey(true);
        for (int i = 0; i < 10; ++i) {
            p.main().Timer_WorkTimer();
        }
        QVERIFY(!p.main().cbHotKey1()->isChecked());
        p.display().Timer_VoprosTimer();
        QCOMPARE(p.session().CorrectAnswers + p.session().WrongAnswers, 1);
        QCOMPARE(p.session().CorrectAnswers, truth ? 1 : 0);
        // Read by one tick only: the rest of the question is silent, and the time-out adds
        // nothing to an answered question.
        p.display().Timer_VoprosTimer();
        p.display().Timer_VoprosTimer();
        QCOMPARE(p.session().CorrectAnswers + p.session().WrongAnswers, 1);

        // A press whose lamp ends between two questions is discarded as the boxes are.
        p.display().Timer_VoprosTimer(); // the pause ends the cycle
        QCOMPARE(p.display().cycle.TickCount, 0);
        p.answers().setHotkey(true);
        for (int i = 0; i < 10; ++i) {
            p.main().Timer_WorkTimer();
        }
        p.display().Timer_VoprosTimer(); // the next question
        p.display().Timer_VoprosTimer();
        QCOMPARE(p.session().CorrectAnswers + p.session().WrongAnswers, 1);
        p.main().Sb_StartClick();
    }

    void microphoneLamp_followsTheBox() {
        Program p;
        p.answers().setClap(true);
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Img_Porog1")->picture(), 61);
        p.answers().setClap(false);
        p.main().Timer_WorkTimer();
        QCOMPARE(testing::button(p.main(), "Img_Porog1")->picture(), 59);
    }

    // Only sound object 1's signalling is the clap answer; the hidden box shows the flag and
    // the question cycle's clearing unticks it.
    void signalling_ofObjectOneOnly_setsTheClapAnswer_data() {
        QTest::addColumn<int>("object");
        QTest::addColumn<bool>("answered");
        QTest::newRow("object 1") << 1 << true;
        QTest::newRow("object 2") << 2 << false;
        QTest::newRow("object 4") << 4 << false;
    }
    void signalling_ofObjectOneOnly_setsTheClapAnswer() {
        QFETCH(int, object);
        QFETCH(bool, answered);
        Program p;
        Q_EMIT p.main().soundObjects().signallingChanged(object, true);
        QCOMPARE(p.answers().clap(), answered);
        QCOMPARE(p.main().cbPorog1()->isChecked(), answered);
        p.answers().clear();
        QVERIFY(!p.main().cbPorog1()->isChecked());
    }

    void systemSettings_freshProfileAndForcedValues() {
        store({{"HintShow", "0"}, {"MinFormShow", "1"}, {"AutoRun", "1"}, {"Cnt_HotKey", "7"}});
        {
            Program p;
            QCOMPARE(p.main().systemSettings().HintShow, 1);
            QCOMPARE(p.main().systemSettings().MinFormShow, 0);
            QCOMPARE(p.main().systemSettings().AutoRun, 0);
            QCOMPARE(p.main().systemSettings().Show_SPDIF, 0);
            p.main().FormShow();
            QCOMPARE(text(p.main(), "Edit_HotKey"), QStringLiteral("ENTER"));
            QCOMPARE(p.main().systemSettings().Cnt_HotKey, 0);
        }
        QCOMPARE(stored("HintShow"), QStringLiteral("1"));
        QCOMPARE(stored("MinFormShow"), QStringLiteral("0"));
        QCOMPARE(stored("AutoRun"), QStringLiteral("0"));
        QCOMPARE(stored("Show_SPDIF"), QStringLiteral("0"));
        QCOMPARE(stored("Cnt_HotKey"), QStringLiteral("0"));
        QCOMPARE(stored("Diff_Math"), QStringLiteral("1"));
    }

    void systemSettings_valueOfAnotherType_readsAsMissing_andTheLoadGoesOn() {
        store({{"Show_SPDIF", "yes"}, {"Cnt_HotKey", "1"}});
        Program p;
        QCOMPARE(p.main().systemSettings().Show_SPDIF, 0);
        QCOMPARE(p.main().systemSettings().Cnt_HotKey, 1);
    }

    void display_fullScreenFrameAndScorePanelCorner() {
        Program p;
        p.session().settings.Screen_Res = 1;
        p.session().settings.Show_Points = 1;
        p.display().setDesktopSizeSource([] { return QSize(1920, 1080); });
        p.display().FormShow();
        QCOMPARE(p.display().size(), QSize(1920, 1080));
        QCOMPARE(p.display().findChild<QLabel *>("Img_V2")->geometry(), QRect(400, 0, 1120, 25));
        QCOMPARE(p.display().findChild<QLabel *>("Img_R0")->x(), 1899);
        QCOMPARE(p.display().findChild<QLabel *>("Img_L2")->geometry(), QRect(0, 300, 21, 480));
        QWidget *panel = p.display().findChild<QWidget *>("Panel_Point");
        QVERIFY(!panel->isHidden());
        QCOMPARE(panel->geometry().bottomRight() + QPoint(1, 1), QPoint(1920 - 30, 1080 - 30));
        QCOMPARE(p.display().findChild<QLabel *>("Img_Otvet_Mode")->geometry(),
                 QRect(30, 980, 64, 64));

        p.session().settings.Screen_Res = 0;
        p.session().settings.Show_Points = 0;
        p.display().FormShow();
        QCOMPARE(p.display().size(), QSize(800, 600));
        QCOMPARE(p.display().findChild<QLabel *>("Img_V2")->width(), 0);
        QVERIFY(panel->isHidden());
    }

    // The school signs are for the eye: the recorded equation and the name a screen reader
    // reads keep the text as built.
    void display_schoolNotation_showsSchoolSigns_andKeepsTheBuiltText() {
        Program p;
        p.main().switchLanguage(LanguageRussian);
        p.session().settings.School_Notation = 1;
        p.session().settings.Diff_Math = 3;
        p.session().settings.Znak(2) = 1;
        QStringList built;
        connect(&p.display(), &QuestionDisplay::questionShown, &p.display(),
                [&built](const QString &equation) { built << equation; });
        p.display().FormShow();
        const QLabel *line = p.display().findChild<QLabel *>("Lbl_Vopros_2");
        for (int question = 0; question < 12; ++question) {
            p.display().cycle.TickCount = 0;
            p.display().Timer_VoprosTimer();
            QCOMPARE(line->accessibleName(), built.last());
            QCOMPARE(line->text(),
                     QuestionDisplay::schoolNotation(built.last(), QStringLiteral(":")));
            QVERIFY(!line->text().contains(QRegularExpression(QStringLiteral("[*/-]"))));
        }
        QCOMPARE(QuestionDisplay::schoolNotation(QStringLiteral("8/2-1=1*3"), QStringLiteral("÷")),
                 QStringLiteral("8÷2−1=1×3"));
        p.session().settings.School_Notation = 0;
        p.display().cycle.TickCount = 0;
        p.display().Timer_VoprosTimer();
        QCOMPARE(line->text(), built.last());
    }

    void display_largeText_fillsFourFifthsOfTheBoardCentred_data() {
        QTest::addColumn<int>("screenRes");
        QTest::addColumn<QSize>("board");
        QTest::newRow("800 x 600") << 0 << QSize(800, 600);
        QTest::newRow("full screen 1920 x 1080") << 1 << QSize(1920, 1080);
        QTest::newRow("full screen 1280 x 1024") << 1 << QSize(1280, 1024);
    }
    void display_largeText_fillsFourFifthsOfTheBoardCentred() {
        QFETCH(int, screenRes);
        QFETCH(QSize, board);
        store({{"Large_Text", "1"}, {"Show_Points", "1"}, {"Show_Otvet_Mode", "1"}});
        Program p;
        QCOMPARE(p.session().settings.Large_Text, 1);
        p.session().settings.Screen_Res = screenRes;
        p.session().settings.Speed_Math = 3;
        p.display().setDesktopSizeSource([board] { return board; });
        p.display().FormShow();
        const QWidget *panel = p.display().findChild<QWidget *>("Panel_Point");
        const QWidget *hint = p.display().findChild<QWidget *>("Img_Otvet_Mode");
        for (int question = 0; question < 5; ++question) {
            p.display().cycle.TickCount = 0;
            p.display().Timer_VoprosTimer();
            for (const char *name : {"Lbl_Vopros_1", "Lbl_Vopros_2"}) {
                const QLabel *line = p.display().findChild<QLabel *>(name);
                QVERIFY(line->isVisibleTo(&p.display()));
                const QString what =
                    QStringLiteral("%1 %2: %3").arg(name, line->text()).arg(line->width());
                const int textWidth = line->fontMetrics().horizontalAdvance(line->text());
                QVERIFY2(textWidth > board.width() * 0.7 && textWidth < board.width() * 0.85,
                         qPrintable(what));
                QVERIFY2(std::abs(line->x() + line->width() / 2 - board.width() / 2) <= 2,
                         qPrintable(what));
                QVERIFY2(line->y() >= 25 && line->geometry().bottom() < panel->y() &&
                             line->geometry().bottom() < hint->y(),
                         qPrintable(what));
            }
        }
    }

    void display_largeTextOff_keepsTheDesignedLines() {
        Program p;
        QCOMPARE(p.session().settings.Large_Text, 0);
        p.display().FormShow();
        p.display().Timer_VoprosTimer();
        const QLabel *expression = p.display().findChild<QLabel *>("Lbl_Vopros_2");
        QCOMPARE(expression->pos(), QPoint(30, 90));
        QCOMPARE(expression->font().pointSize(), 40);
        // The box beside Hint switches it on, and it is saved as a value of its own.
        click(p.main(), "Lbl_Large_Text");
        QCOMPARE(p.session().settings.Large_Text, 1);
        QCOMPARE(testing::button(p.main(), "Cb_Large_Text")->picture(), 37);
        p.session().settings.SaveQuizSettings();
        QCOMPARE(stored("Large_Text"), QStringLiteral("1"));
    }

    void startButton_startsAndStops_andCountersReadZero() {
        Program p;
        p.main().show();
        p.session().settings.Speed_Math = 1;
        p.main().Sb_StartClick();
        QVERIFY(p.display().Timer_Vopros->isActive());
        QVERIFY(p.display().isVisible());
        QVERIFY(!p.main().isVisible());
        for (int i = 0; i < 5; ++i) {
            p.display().Timer_VoprosTimer();
        }
        QVERIFY(p.session().TotalQuestions > 0);
        p.main().show();
        p.main().Sb_StartClick();
        QVERIFY(!p.display().Timer_Vopros->isActive());
        QVERIFY(!p.display().isVisible());
        for (const char *name :
             {"Lbl_Vopros_All", "Lbl_Vopros_True", "Lbl_Vopros_False", "Lbl_Point_All"}) {
            QCOMPARE(p.display().findChild<QLabel *>(name)->text(), QStringLiteral("0"));
        }
    }

    void escapeHotkey_closesDisplayKeepsCounters_answerKeyTicksBox() {
        Program p;
        p.main().show();
        p.main().Sb_StartClick();
        p.display().Timer_VoprosTimer();
        p.main().HotkeyMessage(0);
        QVERIFY(p.main().cbHotKey1()->isChecked());
        p.main().HotkeyMessage(1); // the other key cancels
        QVERIFY(!p.main().cbHotKey1()->isChecked());
        p.main().HotkeyMessage(2);
        QVERIFY(!p.display().Timer_Vopros->isActive());
        QVERIFY(p.main().isVisible());
        QCOMPARE(p.session().TotalQuestions, 1);
    }

    void noSystemWideKeys_noteBesideHotkeyChooserInBothLanguages_data() {
        QTest::addColumn<qint32>("language");
        QTest::addColumn<QString>("note");
        QTest::newRow("English")
            << LanguageEnglish
            << "The answer key works only while a Numbrook window has the focus.";
        QTest::newRow("Russian") << LanguageRussian
                                 << "Клавиша ответа работает, только пока активно окно Numbrook.";
    }

    void noSystemWideKeys_noteBesideHotkeyChooserInBothLanguages() {
        QFETCH(qint32, language);
        QFETCH(QString, note);
        // Offscreen, as on a Wayland session without X11, no key is held for the desktop.
        Program p;
        QVERIFY(!p.main().hotkeys()->isSystemWide());
        p.main().switchLanguage(language);
        p.main().show();
        const auto *label = p.main().findChild<QLabel *>(QStringLiteral("Lbl_HotKey_Focus"));
        QVERIFY(label);
        QVERIFY(label->isVisible());
        QCOMPARE(label->text(), note);
        // Beside the chooser, inside the window and clear of the lamp.
        const QRect chooser = testing::control(p.main(), QStringLiteral("Edit_HotKey"))->geometry();
        const QRect lamp = testing::control(p.main(), QStringLiteral("Img_HotKey"))->geometry();
        QVERIFY(label->geometry().left() > lamp.right());
        QVERIFY(label->geometry().top() <= chooser.top());
        QVERIFY(label->geometry().bottom() >= chooser.bottom());
        QVERIFY(p.main().rect().contains(label->geometry()));
        // The whole text fits.
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }

    void settingsWindowKeys_answerWithoutHeldKeys_data() {
        QTest::addColumn<qint32>("choice");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("ticked");
        QTest::newRow("Enter chosen, Return")
            << 0 << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Enter chosen, keypad Enter")
            << 0 << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
        QTest::newRow("Space chosen, Space")
            << 1 << int(Qt::Key_Space) << Qt::KeyboardModifiers() << true;
        QTest::newRow("Enter chosen, Space")
            << 0 << int(Qt::Key_Space) << Qt::KeyboardModifiers() << false;
        QTest::newRow("Ctrl+Return is no answer")
            << 0 << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
    }

    void settingsWindowKeys_answerWithoutHeldKeys() {
        QFETCH(qint32, choice);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, ticked);
        Program p;
        p.main().setHotkeyChoice(choice);
        p.main().show();
        QTest::keyClick(&p.main(), Qt::Key(key), modifiers);
        QCOMPARE(p.main().cbHotKey1()->isChecked(), ticked);
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
