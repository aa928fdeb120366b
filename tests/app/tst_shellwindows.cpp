// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The interface string table and its application to named controls, the splash window's
// schedule, placement and language value, the tray menu's items and the page addresses.
#include "AutostartEntry.h"
#include "ObjectIniStore.h"
#include "SettingsKey.h"
#include "ShellActions.h"
#include "SplashWindow.h"
#include "StringTable.h"
#include "TestProgram.h"
#include "TrayMenu.h"
#include "WebPages.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace numbrook;

namespace {

using testing::Program;

QString textOf(const QWidget &window, const char *name) {
    QObject *control = window.findChild<QObject *>(QLatin1String(name));
    return control ? control->property("text").toString() : QStringLiteral("<missing>");
}

QString hintOf(const QWidget &window, const char *name) {
    QObject *control = window.findChild<QObject *>(QLatin1String(name));
    return control ? control->property("toolTip").toString() : QStringLiteral("<missing>");
}

// The program with its interface language switched to `language`.
struct LanguageProgram : Program {
    explicit LanguageProgram(qint32 language) {
        strings().setLanguageIndex(language);
        main().ApplyLanguage();
    }
    QString text(const char *name) const { return textOf(main(), name); }
    QString hint(const char *name) const { return hintOf(main(), name); }
    QString displayText(const char *name) const { return textOf(display(), name); }
};

} // namespace

class ShellWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void textsOfBothLanguages_data();
    void textsOfBothLanguages();
    void everyKeyFilledInBothLanguages();
    void otherLanguageIndex_givesNoTexts();

    void applyLanguage_fillsNamedControls_data();
    void applyLanguage_fillsNamedControls();
    void applyLanguage_unknownIndexLeavesCaptionsEmptyUntilSwitch();
    void applyLanguage_trayItemsFollowLanguageExceptFixedOnes();

    void splash_gaugeSchedule_data();
    void splash_gaugeSchedule();
    void splash_closesAfterTick31AndReports();
    void splash_placement_data();
    void splash_placement();
    void language_loadedAtStartAndSavedAtEnd_data();
    void language_loadedAtStartAndSavedAtEnd();

    void pages_followLanguageIndex();
    void helpButton_showsTheTextInAWindowOfItsOwn_data();
    void helpButton_showsTheTextInAWindowOfItsOwn();

    void hotkeyPresses_answerBoxEndsAsLastPressSays_data();
    void hotkeyPresses_answerBoxEndsAsLastPressSays();
    void hotkeyChoice_normalisedAndNamed_data();
    void hotkeyChoice_normalisedAndNamed();
    void options_toggleAndLanguageSwitch();
    void autoRun_writesAndRemovesEntryForRunningExecutable();
    void autoRun_failedWriteShowsMessage();

private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<testing::ConfigHome> home_;
};

void ShellWindowsTest::init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    home_.reset();
    home_ = std::make_unique<testing::ConfigHome>(config_->path());
}

void ShellWindowsTest::textsOfBothLanguages_data() {
    QTest::addColumn<UiKey>("key");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("russian");
    QTest::newRow("LanguageName") << UiKey::LanguageName << "English"
                                  << "Русский";
    QTest::newRow("QuestionsSettingsTitle") << UiKey::QuestionsSettingsTitle << "Questions settings"
                                            << "Настройки вопросов";
    QTest::newRow("SpeedHint") << UiKey::SpeedHint << "Question change speed"
                               << "Скорость смены вопросов";
    QTest::newRow("HintShowCaption") << UiKey::HintShowCaption << "Show hints"
                                     << "Показывать подсказки";
    QTest::newRow("HintShowHint") << UiKey::HintShowHint << "Show hints"
                                  << "Показывать всплывающие подсказки";
    QTest::newRow("AutoRunHint") << UiKey::AutoRunHint << "Autorun program at the start of Windows"
                                 << "Автозапуск программы при старте Windows";
    QTest::newRow("EscCaption") << UiKey::EscCaption << "*ESC - display close"
                                << "*ESC - закрыть дисплей";
    QTest::newRow("MinimizeHint") << UiKey::MinimizeHint << "Minimize to tray"
                                  << "Свернуть программу в Tray";
    QTest::newRow("ProgramPageCaption") << UiKey::ProgramPageCaption << "Visit the program page"
                                        << "Посетить страницу программы";
    QTest::newRow("KindHint1") << UiKey::KindHint1 << "Summation and subtraction"
                               << "Сложение и вычитание";
    QTest::newRow("KindHint6") << UiKey::KindHint6 << "Hyperbolic logarithm"
                               << "Натуральный логарифм";
    QTest::newRow("KindHint10") << UiKey::KindHint10 << "Tangent and cotangent"
                                << "Тангенс и котангенс";
    QTest::newRow("SoundcardCaption") << UiKey::SoundcardCaption << "Soundcard"
                                      << "Звуковка";
    QTest::newRow("RightCaption") << UiKey::RightCaption << "R"
                                  << "П";
    QTest::newRow("LevelMeterCaption") << UiKey::LevelMeterCaption << "Lvl"
                                       << "Lvl";
    QTest::newRow("ThresholdCaption") << UiKey::ThresholdCaption << "Porog"
                                      << "Порог";
    QTest::newRow("ThreadsOutCaption") << UiKey::ThreadsOutCaption << "The number of threads Out: "
                                       << "Количество потоков Out: ";
    QTest::newRow("ThreadsInCaption") << UiKey::ThreadsInCaption << "The number of threads In:  "
                                      << "Количество потоков In:  ";
    QTest::newRow("WrongCaption") << UiKey::WrongCaption << "Wrong:"
                                  << "Неверно:";
    QTest::newRow("QuestionTitle") << UiKey::QuestionTitle << "Is the expression correct?"
                                   << "Верно ли выражение?";
}

void ShellWindowsTest::textsOfBothLanguages() {
    QFETCH(UiKey, key);
    QFETCH(QString, english);
    QFETCH(QString, russian);
    QCOMPARE(UiText(key, LanguageEnglish), english);
    QCOMPARE(UiText(key, LanguageRussian), russian);
}

void ShellWindowsTest::everyKeyFilledInBothLanguages() {
    for (int row = 0; row < UiKeyCount; ++row) {
        QVERIFY2(!UiText(UiKey(row), LanguageEnglish).isEmpty(), qPrintable(QString::number(row)));
        QVERIFY2(!UiText(UiKey(row), LanguageRussian).isEmpty(), qPrintable(QString::number(row)));
    }
    for (qint32 language : {LanguageEnglish, LanguageRussian}) {
        const QString out = UiText(UiKey::ThreadsOutCaption, language);
        const QString in = UiText(UiKey::ThreadsInCaption, language);
        QVERIFY(out.endsWith(QLatin1String(": ")) && !out.endsWith(QLatin1String("  ")));
        QVERIFY(in.endsWith(QLatin1String(":  ")) && !in.endsWith(QLatin1String("   ")));
    }
}

void ShellWindowsTest::otherLanguageIndex_givesNoTexts() {
    for (qint32 language : {-1, InterfaceLanguageCount, 99}) {
        QVERIFY(UiText(UiKey::LanguageName, language).isEmpty());
        StringTable strings;
        strings.setLanguageIndex(language);
        strings.refill();
        QVERIFY(strings[UiKey::QuestionTitle].isEmpty());
    }
    // An unknown index keeps what an earlier fill put in.
    StringTable strings;
    strings.setLanguageIndex(LanguageRussian);
    strings.refill();
    strings.setLanguageIndex(99);
    strings.refill();
    QCOMPARE(strings[UiKey::TotalCaption], QStringLiteral("Всего:"));
}

void ShellWindowsTest::applyLanguage_fillsNamedControls_data() {
    QTest::addColumn<qint32>("language");
    QTest::addColumn<QStringList>("expected"); // Lbl_Lang, Edit_Lang, Lbl_1_Obj3, Lbl_8_Obj4,
                                               // Lbl_Title_4, laThreadInCnt, Lbl4 of the display
    QTest::newRow("English") << LanguageEnglish
                             << QStringList{"Interface:",      "English",
                                            "Soundcard",       "Porog",
                                            "System settings", "The number of threads In:  ",
                                            "Points:"};
    QTest::newRow("Russian") << LanguageRussian
                             << QStringList{
                                    "Интерфейс:", "Русский",           "Звуковка",
                                    "Порог",      "Настройки системы", "Количество потоков In:  ",
                                    "Баллы:"};
}

void ShellWindowsTest::applyLanguage_fillsNamedControls() {
    QFETCH(qint32, language);
    QFETCH(QStringList, expected);
    const LanguageProgram controls(language);

    QCOMPARE(controls.text("Lbl_Lang"), expected[0]);
    QCOMPARE(controls.text("Edit_Lang"), expected[1]);
    QCOMPARE(controls.text("Lbl_1_Obj3"), expected[2]);
    QCOMPARE(controls.text("Lbl_8_Obj4"), expected[3]);
    QCOMPARE(controls.text("Lbl_Title_4"), expected[4]);
    QCOMPARE(controls.text("laThreadInCnt"), expected[5]);
    QCOMPARE(controls.displayText("Lbl4"), expected[6]);

    // Every object panel gets the same labels.
    for (const char *name : {"Lbl_2_Obj1", "Lbl_2_Obj2", "Lbl_2_Obj3", "Lbl_2_Obj4"})
        QCOMPARE(controls.text(name), UiText(UiKey::MicrophoneCaption, language));
    // Box and label of an option share one hint; so do the kind label and its box.
    QVERIFY(!controls.hint("Cb_Show_Points").isEmpty());
    QCOMPARE(controls.hint("Cb_Show_Points"), controls.hint("Lbl_Show_Points"));
    QCOMPARE(controls.hint("Cb_9_Znak_Math"), controls.hint("Lbl_9_Znak_Math"));
    // Kind captions are fixed.
    QCOMPARE(controls.text("Lbl_1_Znak_Math"), QStringLiteral("+ -"));
    QCOMPARE(controls.text("Lbl_9_Znak_Math"), QStringLiteral("sin cos"));
    QCOMPARE(controls.hint("Sb_Close"), UiText(UiKey::ExitCaption, language));
    QCOMPARE(controls.strings()[UiKey::QuestionTitle], UiText(UiKey::QuestionTitle, language));
}

void ShellWindowsTest::applyLanguage_unknownIndexLeavesCaptionsEmptyUntilSwitch() {
    LanguageProgram controls(InterfaceLanguageCount + 7);
    QCOMPARE(controls.text("Lbl_Lang"), QStringLiteral(":"));
    QCOMPARE(controls.text("Edit_Lang"), QString());
    QCOMPARE(controls.text("Lbl_Title_1"), QString());
    QCOMPARE(controls.displayText("Lbl1"), QString());
    QVERIFY(controls.strings()[UiKey::QuestionTitle].isEmpty());

    controls.main().switchLanguage(LanguageEnglish);
    QCOMPARE(controls.text("Lbl_Title_1"), QStringLiteral("Questions settings"));
    QCOMPARE(controls.displayText("Lbl1"), QStringLiteral("Total:"));
}

void ShellWindowsTest::applyLanguage_trayItemsFollowLanguageExceptFixedOnes() {
    LanguageProgram program(LanguageRussian);
    TrayIcon &tray = *program.main().trayIcon();
    QCOMPARE(tray.toolTip(), QStringLiteral("Numbrook"));
    QCOMPARE(tray.item(3)->text(), QStringLiteral("Перейти на наш сайт"));
    QCOMPARE(tray.item(4)->text(), QStringLiteral("Посетить страницу программы"));
    QCOMPARE(tray.item(5)->text(), QStringLiteral("Выйти из программы"));
    QCOMPARE(tray.item(5)->toolTip(), QStringLiteral("Выйти из программы"));

    program.strings().setLanguageIndex(LanguageEnglish);
    program.main().ApplyLanguage();
    QCOMPARE(tray.item(3)->text(), QStringLiteral("Go to our website"));
    QCOMPARE(tray.item(5)->text(), QStringLiteral("Exit the program"));
    QCOMPARE(tray.item(1)->text(), QStringLiteral("Интерфейс: Русский"));
    QCOMPARE(tray.item(2)->text(), QStringLiteral("Interface: English"));

    // An item reports its number (a stand-alone icon: the program's would open a page).
    TrayIcon standAlone(QIcon(), {});
    QSignalSpy triggered(&standAlone, &TrayIcon::itemTriggered);
    standAlone.item(4)->trigger();
    QCOMPARE(triggered.size(), 1);
    QCOMPARE(triggered.at(0).at(0).toInt(), 4);
}

void ShellWindowsTest::splash_gaugeSchedule_data() {
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("gauge");
    QTest::addColumn<bool>("done");
    QTest::newRow("5") << 5 << 25 << false;
    QTest::newRow("6") << 6 << 28 << false;
    QTest::newRow("12") << 12 << 58 << false;
    QTest::newRow("13") << 13 << 61 << false;
    QTest::newRow("19") << 19 << 91 << false;
    QTest::newRow("20") << 20 << 96 << true;
    QTest::newRow("21") << 21 << 99 << true;
    QTest::newRow("30") << 30 << 99 << true;
}

void ShellWindowsTest::splash_gaugeSchedule() {
    QFETCH(int, ticks);
    QFETCH(int, gauge);
    QFETCH(bool, done);
    TfmLogo logo;
    QCOMPARE(logo.gaugeValue(), 0);
    for (int i = 0; i < ticks; ++i)
        logo.Timer_WorkTimer();
    QCOMPARE(logo.splashTicks(), ticks);
    QCOMPARE(logo.gaugeValue(), gauge);
    QCOMPARE(logo.donePictureShown(), done);
    QCOMPARE(logo.loadPictureShown(), !done);
}

void ShellWindowsTest::splash_closesAfterTick31AndReports() {
    TfmLogo logo;
    QSignalSpy closed(&logo, &TfmLogo::splashClosed);
    QElapsedTimer clock;
    clock.start();
    // The modal run ends by itself when the window's own timer has ticked 31 times.
    logo.exec();
    QCOMPARE(logo.splashTicks(), 31);
    QCOMPARE(closed.size(), 1);
    QVERIFY(!logo.isVisible());
    QCOMPARE(logo.gaugeValue(), 99);
    QVERIFY(clock.elapsed() >= 3000);
    QCOMPARE(logo.pos(), TfmLogo::SplashPosition(logo.screen()->virtualGeometry().width()));
}

void ShellWindowsTest::splash_placement_data() {
    QTest::addColumn<int>("desktopWidth");
    QTest::addColumn<int>("left");
    QTest::newRow("1280") << 1280 << 440;
    QTest::newRow("two 1920 monitors") << 3840 << 1720;
    QTest::newRow("odd width") << 1281 << 440;
    QTest::newRow("400") << 400 << 0;
    QTest::newRow("399 truncates to 0") << 399 << 0;
    QTest::newRow("397 truncates to -1") << 397 << -1;
}

void ShellWindowsTest::splash_placement() {
    QFETCH(int, desktopWidth);
    QFETCH(int, left);
    QCOMPARE(TfmLogo::SplashPosition(desktopWidth), QPoint(left, 200));
}

void ShellWindowsTest::language_loadedAtStartAndSavedAtEnd_data() {
    QTest::addColumn<QString>("stored"); // empty: no value
    QTest::addColumn<qint32>("loaded");
    QTest::newRow("no value") << QString() << 0;
    QTest::newRow("Russian") << "1" << 1;
    QTest::newRow("German") << "2" << 2;
    QTest::newRow("index 10 reads as English") << "10" << 0;
    QTest::newRow("index -5 reads as English") << "-5" << 0;
    QTest::newRow("another type reads as missing") << "Russian" << 0;
}

void ShellWindowsTest::language_loadedAtStartAndSavedAtEnd() {
    QFETCH(QString, stored);
    QFETCH(qint32, loaded);
    if (!stored.isEmpty()) {
        QSettings raw(SettingsKey::defaultFileName(), QSettings::NativeFormat);
        raw.setValue(QStringLiteral("Languare"), stored);
        raw.sync();
    }
    {
        Program program;
        QCOMPARE(program.strings().languageIndex(), loaded);
        // Every caption and the language field are filled.
        program.main().ApplyLanguage();
        QCOMPARE(program.main().findChild<QLineEdit *>(QStringLiteral("Edit_Lang"))->text(),
                 UiText(UiKey::LanguageName, loaded));
        // A switch saves at once.
        program.main().switchLanguage(LanguageRussian);
        QCOMPARE(SettingsKey().readInteger(QStringLiteral("Languare")), std::optional<qint32>(1));
        program.strings().setLanguageIndex(LanguageEnglish);
    }
    // The end of the program saves once more.
    QCOMPARE(SettingsKey().readInteger(QStringLiteral("Languare")), std::optional<qint32>(0));
}

void ShellWindowsTest::pages_followLanguageIndex() {
    QVERIFY(HomePageUrl(0).isValid());
    QVERIFY(HomePageUrl(1).isValid());
    QVERIFY(HomePageUrl(0) != HomePageUrl(1));
    QVERIFY(ProgramPageUrl(0) != ProgramPageUrl(1));
    QVERIFY(HomePageUrl(0) != ProgramPageUrl(0));
    // The site has no pages of the other languages: they get the English ones.
    QCOMPARE(HomePageUrl(2), HomePageUrl(0));
    QCOMPARE(ProgramPageUrl(9), ProgramPageUrl(0));
    QVERIFY(HomePageUrl(InterfaceLanguageCount).isEmpty());
    QVERIFY(ProgramPageUrl(-1).isEmpty());
    QCOMPARE(HelpFileName(0), QStringLiteral("Help_e.txt"));
    QCOMPARE(HelpFileName(1), QStringLiteral("Help_r.txt"));
    QCOMPARE(HelpFileName(2), QStringLiteral("Help_de.txt"));
    QCOMPARE(HelpFileName(6), QStringLiteral("Help_pt_BR.txt"));
    QVERIFY(HelpFileName(InterfaceLanguageCount).isEmpty());
}

void ShellWindowsTest::hotkeyPresses_answerBoxEndsAsLastPressSays_data() {
    QTest::addColumn<qint32>("choice");
    QTest::addColumn<QList<int>>("presses");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Enter chosen, Enter") << 0 << QList<int>{0} << true << false;
    QTest::newRow("Enter chosen, Space") << 0 << QList<int>{1} << false << false;
    QTest::newRow("Enter chosen, Space then Enter") << 0 << QList<int>{1, 0} << true << false;
    QTest::newRow("Enter chosen, Enter then Space") << 0 << QList<int>{0, 1} << false << false;
    QTest::newRow("Space chosen, Space") << 1 << QList<int>{1} << true << false;
    QTest::newRow("Enter then Esc") << 0 << QList<int>{0, 2} << false << true;
}

void ShellWindowsTest::hotkeyPresses_answerBoxEndsAsLastPressSays() {
    QFETCH(qint32, choice);
    QFETCH(QList<int>, presses);
    QFETCH(bool, ticked);
    QFETCH(bool, closed);
    bool box = false;
    bool displayClosed = false;
    for (int id : presses) {
        const HotkeyOutcome outcome = HotkeyPressed(id, choice);
        box = outcome.answerTicked;
        displayClosed = displayClosed || outcome.closeDisplay;
    }
    QCOMPARE(box, ticked);
    QCOMPARE(displayClosed, closed);
}

void ShellWindowsTest::hotkeyChoice_normalisedAndNamed_data() {
    QTest::addColumn<qint32>("stored");
    QTest::addColumn<qint32>("choice");
    QTest::addColumn<QString>("name");
    QTest::newRow("0") << 0 << 0 << "ENTER";
    QTest::newRow("1") << 1 << 1 << "SPACE";
    QTest::newRow("2 wraps to Enter") << 2 << 0 << "ENTER";
    QTest::newRow("7") << 7 << 0 << "ENTER";
    QTest::newRow("-1 wraps to Space") << -1 << 1 << "SPACE";
}

void ShellWindowsTest::hotkeyChoice_normalisedAndNamed() {
    QFETCH(qint32, stored);
    QFETCH(qint32, choice);
    QFETCH(QString, name);
    QCOMPARE(NormalisedHotkeyChoice(stored), choice);
    QCOMPARE(HotkeyChoiceName(NormalisedHotkeyChoice(stored)), name);
}

void ShellWindowsTest::options_toggleAndLanguageSwitch() {
    QCOMPARE(ToggledOption(1), 0);
    QCOMPARE(ToggledOption(0), 1);
    QCOMPARE(ToggledOption(5), 1);
    // The arrows step through every language, round at both ends.
    QCOMPARE(SwitchedLanguage(0), 1);
    QCOMPARE(SwitchedLanguage(1, -1), 0);
    QCOMPARE(SwitchedLanguage(0, -1), InterfaceLanguageCount - 1);
    QCOMPARE(SwitchedLanguage(InterfaceLanguageCount - 1), 0);
    QCOMPARE(SwitchedLanguage(99), 1);
    QSet<qint32> visited;
    qint32 language = LanguageEnglish;
    for (int step = 0; step < InterfaceLanguageCount; ++step) {
        visited.insert(language);
        language = SwitchedLanguage(language);
    }
    QCOMPARE(language, LanguageEnglish);
    QCOMPARE(visited.size(), InterfaceLanguageCount);
}

void ShellWindowsTest::autoRun_writesAndRemovesEntryForRunningExecutable() {
    const QString executable = QCoreApplication::applicationFilePath();
    const AutostartEntry entry(ProgramTitle(executable));
    QCOMPARE(entry.title(), QStringLiteral("tst_shellwindows"));
    ApplyAutoRun(true, nullptr);
    QVERIFY(entry.exists());
    QFile file(entry.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll()).contains("Exec=" + DesktopExecArgument(executable)));
    file.close();
    ApplyAutoRun(false, nullptr);
    QVERIFY(!entry.exists());
    ApplyAutoRun(false, nullptr); // a missing entry is no error
}

void ShellWindowsTest::autoRun_failedWriteShowsMessage() {
    QFile blocker(config_->path() + QStringLiteral("/autostart"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    // The message speaks the interface language.
    const auto shownIn = [this](int language) {
        QString shown;
        QTimer::singleShot(0, this, [&shown] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        InstallInterfaceLanguage(language);
        ApplyAutoRun(true, nullptr);
        InstallInterfaceLanguage(LanguageEnglish);
        return shown;
    };
    QCOMPARE(shownIn(LanguageEnglish), QStringLiteral("Failed to set data for 'tst_shellwindows'"));
    QCOMPARE(shownIn(LanguageRussian),
             QStringLiteral("Не удалось установить данные для «tst_shellwindows»"));
}

void ShellWindowsTest::helpButton_showsTheTextInAWindowOfItsOwn_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("firstLine");
    QTest::addColumn<QString>("close");
    QTest::newRow("English") << 0 << "Numbrook: help"
                             << "Numbrook - mental arithmetic practice for children"
                             << "Close";
    QTest::newRow("Russian") << 1 << "Numbrook: помощь"
                             << "Numbrook - тренажёр устного счёта для детей"
                             << "Закрыть";
}

void ShellWindowsTest::helpButton_showsTheTextInAWindowOfItsOwn() {
    QFETCH(int, language);
    QFETCH(QString, title);
    QFETCH(QString, firstLine);
    QFETCH(QString, close);
    // The texts in the current folder, the last place looked in; no desktop program opens them.
    QTemporaryDir folder;
    for (const char *name : {"Help_e.txt", "Help_r.txt"})
        QVERIFY(QFile::copy(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../resources/help/") +
                                QLatin1String(name),
                            folder.filePath(QLatin1String(name))));
    const QString before = QDir::currentPath();
    QDir::setCurrent(folder.path());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    const auto restore = qScopeGuard([&] {
        qputenv("PATH", path);
        QDir::setCurrent(before);
    });
    LanguageProgram program(language);
    QVERIFY(!program.helpWindow()); // built at its first opening
    testing::button(program.main(), QStringLiteral("Sb_Help"))->click();
    QVERIFY(program.helpWindow() && program.helpWindow()->isVisible());
    QCOMPARE(program.helpWindow()->windowTitle(), title);
    QCOMPARE(program.helpWindow()->shownFile(), folder.filePath(HelpFileName(language)));
    auto *text = program.helpWindow()->findChild<QPlainTextEdit *>(QStringLiteral("helpText"));
    QVERIFY(text && text->isReadOnly());
    QCOMPARE(text->toPlainText().section(QLatin1Char('\n'), 0, 0), firstLine);
    QCOMPARE(program.helpWindow()->findChild<QPushButton *>(QStringLiteral("helpClose"))->text(),
             close);
    // Missing texts are said so in the window, not only in the log.
    QDir::setCurrent(before);
    QFile::remove(folder.filePath(HelpFileName(language)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not found in")));
    testing::button(program.main(), QStringLiteral("Sb_Help"))->click();
    QVERIFY(program.helpWindow()->shownFile().isEmpty());
    QVERIFY(text->toPlainText().contains(HelpFileName(language)));
}

QTEST_MAIN(ShellWindowsTest)
#include "tst_shellwindows.moc"
