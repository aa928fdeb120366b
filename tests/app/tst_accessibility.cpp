// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// The program as a screen reader sees it, through Qt's accessibility interfaces only: every
// control of the settings window named with a real role, Tab in reading order, Space on a box,
// and a whole quiz played from the accessibility tree.
#include "MainWindow.h"
#include "QuizSession.h"
#include "StringTable.h"
#include "TestProgram.h"

#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

using namespace numbrook;

namespace {

using testing::Program;

// Every interface below `root`, depth first, in the tree's order.
void walk(QAccessibleInterface *root, const std::function<void(QAccessibleInterface *)> &visit) {
    for (int i = 0; i < root->childCount(); ++i) {
        if (QAccessibleInterface *child = root->child(i)) {
            visit(child);
            walk(child, visit);
        }
    }
}

QAccessibleInterface *find(QAccessibleInterface *root,
                           const std::function<bool(QAccessibleInterface *)> &match) {
    QAccessibleInterface *found = nullptr;
    walk(root, [&](QAccessibleInterface *node) {
        if (!found && match(node)) {
            found = node;
        }
    });
    return found;
}

QAccessibleInterface *named(QAccessibleInterface *root, const QString &name) {
    return find(root, [&](QAccessibleInterface *node) {
        return node->text(QAccessible::Name) == name && !node->state().invisible;
    });
}

// The value of one side of an equation such as 8/2+1: products and quotients first.
double sideValue(const QString &side) {
    double total = 0;
    double term = 0;
    QChar termSign = QLatin1Char('+');
    QChar factorOperator = QLatin1Char('*');
    bool termStarted = false;
    const auto number = QRegularExpression(QStringLiteral("(\\d+|[-+*/])"));
    for (const QRegularExpressionMatch &m : number.globalMatch(side)) {
        const QString token = m.captured(1);
        if (token == QLatin1String("+") || token == QLatin1String("-")) {
            total += termSign == QLatin1Char('+') ? term : -term;
            termSign = token.at(0);
            termStarted = false;
        } else if (token == QLatin1String("*") || token == QLatin1String("/")) {
            factorOperator = token.at(0);
        } else {
            const double value = token.toDouble();
            term = !termStarted                         ? value
                   : factorOperator == QLatin1Char('*') ? term * value
                                                        : term / value;
            termStarted = true;
        }
    }
    return total + (termSign == QLatin1Char('+') ? term : -term);
}

bool equationTrue(const QString &equation) {
    const QStringList sides = equation.split(QLatin1Char('='));
    return sides.size() == 2 && std::abs(sideValue(sides[0]) - sideValue(sides[1])) < 1e-9;
}

// The objects whose accessible name changed, as a screen reader is told.
QList<QObject *> nameChanges;

void recordUpdate(QAccessibleEvent *event) {
    if (event->type() == QAccessible::NameChanged) {
        nameChanges.append(event->object());
    }
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void settingsWindow_everyVisibleControlNamedWithARealRole_data();
    void settingsWindow_everyVisibleControlNamedWithARealRole();
    void settingsWindow_showsOnlyWhatIsOnScreen_namedInItsLanguage_data();
    void settingsWindow_showsOnlyWhatIsOnScreen_namedInItsLanguage();
    void keyboard_tabFollowsReadingOrder_spaceTogglesTheFocusedBox();
    void quiz_playedFromTheAccessibilityTreeOnly();

private:
    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<testing::ConfigHome> home_;
    std::unique_ptr<Program> program_;
};

void AccessibilityTest::initTestCase() {
    // Run by accessibility_bus.sh: the accessibility bus is up and Qt's bridge is on it.
    QAccessible::installUpdateHandler(recordUpdate);
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 5000);
}

void AccessibilityTest::init() {
    config_ = std::make_unique<QTemporaryDir>();
    QVERIFY(config_->isValid());
    home_.reset();
    home_ = std::make_unique<testing::ConfigHome>(config_->path());
    program_ = std::make_unique<Program>();
    nameChanges.clear();
}

void AccessibilityTest::cleanup() {
    program_.reset();
}

void AccessibilityTest::settingsWindow_everyVisibleControlNamedWithARealRole_data() {
    QTest::addColumn<qint32>("language");
    QTest::addColumn<QString>("nextSpeed");
    QTest::addColumn<QString>("previousMicrophone");
    QTest::newRow("English") << LanguageEnglish << "Next speed"
                             << "Previous microphone";
    QTest::newRow("Russian") << LanguageRussian << "Следующая скорость"
                             << "Предыдущий микрофон";
}

void AccessibilityTest::settingsWindow_everyVisibleControlNamedWithARealRole() {
    QFETCH(qint32, language);
    QFETCH(QString, nextSpeed);
    QFETCH(QString, previousMicrophone);
    TfmMain &main = program_->main();
    program_->strings().setLanguageIndex(language);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&main);
    QVERIFY(window);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Numbrook"));

    int checked = 0;
    walk(window, [&](QAccessibleInterface *node) {
        auto *widget = qobject_cast<QWidget *>(node->object());
        // What the window shows: not hidden, and inside its visible area.
        if (!widget || !widget->isVisibleTo(&main) ||
            !QRect(QPoint(0, 0), main.size())
                 .intersects(QRect(widget->mapTo(&main, QPoint(0, 0)), widget->size()))) {
            return;
        }
        const QString what =
            widget->objectName() + QLatin1Char(' ') + QString::number(int(node->role()), 16);
        QVERIFY2(!node->text(QAccessible::Name).trimmed().isEmpty(), qPrintable(what));
        QVERIFY2(node->role() != QAccessible::Client && node->role() != QAccessible::NoRole &&
                     node->role() != QAccessible::Pane,
                 qPrintable(what));
        ++checked;
    });
    QVERIFY2(checked > 50, qPrintable(QString::number(checked)));

    // Buttons press, boxes toggle and say whether they are on, arrows name what they change.
    QAccessibleInterface *speed = named(window, nextSpeed);
    QVERIFY(speed);
    QCOMPARE(speed->role(), QAccessible::PushButton);
    QCOMPARE(speed->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
    const qint32 before = program_->session().settings.Speed_Math;
    speed->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(program_->session().settings.Speed_Math, before % 10 + 1);
    QVERIFY(named(window, previousMicrophone));

    const QString points = UiText(UiKey::ShowPointsCaption, language);
    QAccessibleInterface *box = find(window, [&](QAccessibleInterface *node) {
        return node->role() == QAccessible::CheckBox && node->text(QAccessible::Name) == points;
    });
    QVERIFY(box);
    QVERIFY(box->state().checkable && !box->state().checked);
    box->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    QVERIFY(box->state().checked);
    QCOMPARE(program_->session().settings.Show_Points, 1);

    QAccessibleInterface *level = named(window, UiText(UiKey::MicrophoneLevelName, language));
    QVERIFY(level);
    QCOMPARE(level->role(), QAccessible::ProgressBar);
    QVERIFY(level->valueInterface());
    QCOMPARE(level->valueInterface()->maximumValue().toInt(), 100);
}

void AccessibilityTest::settingsWindow_showsOnlyWhatIsOnScreen_namedInItsLanguage_data() {
    QTest::addColumn<qint32>("language");
    // Letters no name of this language has (the fixed captions such as "Lvl" are Latin).
    QTest::addColumn<QString>("foreignLetters");
    QTest::newRow("English") << LanguageEnglish << "[А-Яа-яЁё]";
    QTest::newRow("Russian") << LanguageRussian << "";
}

void AccessibilityTest::settingsWindow_showsOnlyWhatIsOnScreen_namedInItsLanguage() {
    QFETCH(qint32, language);
    QFETCH(QString, foreignLetters);
    TfmMain &main = program_->main();
    program_->strings().setLanguageIndex(language);
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&main);
    const QRect visibleArea = window->rect(); // on the screen, as a screen reader gets it
    QVERIFY(!visibleArea.isEmpty());
    const QRegularExpression foreign(foreignLetters);
    int showing = 0;
    QStringList outside;
    QStringList wrongLanguage;
    walk(window, [&](QAccessibleInterface *node) {
        const QString what = node->object() ? node->object()->objectName() : QStringLiteral("?");
        const QString name = node->text(QAccessible::Name);
        if (!foreignLetters.isEmpty() && name.contains(foreign)) {
            wrongLanguage << what + QStringLiteral(": ") + name;
        }
        // Showing, as the bridge reports it over AT-SPI: any object not invisible.
        if (node->state().invisible) {
            return;
        }
        ++showing;
        if (!visibleArea.intersects(node->rect())) {
            outside << what;
        }
    });
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral(", "))));
    QVERIFY2(wrongLanguage.isEmpty(), qPrintable(wrongLanguage.join(QStringLiteral(", "))));
    QVERIFY2(showing > 50, qPrintable(QString::number(showing)));

    // Each arrow is named by the way it points: the "previous" one on the left, the "next" one
    // on the right of the same row, and pressing them moves the value that way.
    const std::pair<UiKey, UiKey> arrows[] = {
        {UiKey::PreviousSpeedName, UiKey::NextSpeedName},
        {UiKey::PreviousMicrophoneName, UiKey::NextMicrophoneName},
        {UiKey::PreviousAnswerKeyName, UiKey::NextAnswerKeyName},
        {UiKey::PreviousLanguageName, UiKey::NextLanguageName},
    };
    for (const auto &[previousKey, nextKey] : arrows) {
        QAccessibleInterface *previous = named(window, UiText(previousKey, language));
        QAccessibleInterface *next = named(window, UiText(nextKey, language));
        QVERIFY2(previous && next, qPrintable(UiText(nextKey, language)));
        QCOMPARE(previous->rect().center().y(), next->rect().center().y());
        QVERIFY2(previous->rect().right() < next->rect().left(),
                 qPrintable(UiText(previousKey, language)));
    }
    auto press = [&](UiKey key) {
        named(window, UiText(key, language))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::pressAction());
    };
    program_->session().settings.Speed_Math = 5;
    press(UiKey::NextSpeedName);
    QCOMPARE(program_->session().settings.Speed_Math, 6);
    press(UiKey::PreviousSpeedName);
    press(UiKey::PreviousSpeedName);
    QCOMPARE(program_->session().settings.Speed_Math, 4);
    // Two answer keys: either arrow goes to the other one.
    const qint32 key = main.systemSettings().Cnt_HotKey;
    press(UiKey::NextAnswerKeyName);
    QCOMPARE(main.systemSettings().Cnt_HotKey, 1 - key);
    press(UiKey::PreviousAnswerKeyName);
    QCOMPARE(main.systemSettings().Cnt_HotKey, key);

    // The playing indicator says what it shows.
    QVERIFY(named(window, UiText(UiKey::SilentIndicatorName, language)));
    QVERIFY(!named(window, UiText(UiKey::PlayingIndicatorName, language)));
}

void AccessibilityTest::keyboard_tabFollowsReadingOrder_spaceTogglesTheFocusedBox() {
    TfmMain &main = program_->main();
    main.show();
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    QStringList readingOrder = {"Sb_Results",
                                "Sb_Help",
                                "Sb_Internet",
                                "Sb_Min",
                                "Sb_Close",
                                "Cb_1_Diff_Math",
                                "Cb_2_Diff_Math",
                                "Cb_3_Diff_Math",
                                "Sb_Speed_Math_Down",
                                "Sb_Speed_Math_Up",
                                "Cb_1_Znak_Math",
                                "Cb_2_Znak_Math",
                                "Sb_Mic1_Up",
                                "Sb_Mic1_Down",
                                "Cb_Show_SPDIF",
                                "tbTrig1",
                                "tbMixerVol1",
                                "Sb_HotKey_Up",
                                "Sb_HotKey_Down",
                                "Cb_1_Screen_Res",
                                "Cb_2_Screen_Res",
                                "Cb_Show_Points",
                                "Cb_Show_Otvet_Mode",
                                "Cb_Large_Text",
                                "Sb_Lang_Up",
                                "Sb_Lang_Down",
                                "Sb_Start"};
    // A control that cannot be used (a volume without a device) is no stop, for the mouse either.
    readingOrder.removeIf(
        [&main](const QString &name) { return !testing::control(main, name)->isEnabled(); });
    testing::control(main, readingOrder.first())->setFocus(Qt::TabFocusReason);
    QStringList reached{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < readingOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(reached, readingOrder);
    // Every focus stop lies in the visible area.
    for (int i = 0; i < 40; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        QVERIFY2(focus->mapTo(&main, QPoint(0, 0)).y() < main.height(),
                 qPrintable(focus->objectName()));
    }

    QWidget *points = testing::control(main, QStringLiteral("Cb_Show_Points"));
    points->setFocus(Qt::TabFocusReason);
    QTest::keyClick(points, Qt::Key_Space);
    QCOMPARE(program_->session().settings.Show_Points, 1);
    QTest::keyClick(points, Qt::Key_Space);
    QCOMPARE(program_->session().settings.Show_Points, 0);
    // Space went to the box, not to the answer lamp.
    QVERIFY(!program_->answers().hotkey());
}

void AccessibilityTest::quiz_playedFromTheAccessibilityTreeOnly() {
    program_->session().settings.Speed_Math = 1;
    program_->session().settings.Show_Points = 1;
    TfmMain &main = program_->main();
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QAccessibleInterface *application = QAccessible::queryAccessibleInterface(qApp);

    QAccessibleInterface *start =
        named(QAccessible::queryAccessibleInterface(&main), QStringLiteral("Start"));
    QVERIFY(start);
    QCOMPARE(start->role(), QAccessible::PushButton);
    start->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    // The ticks are driven here, one second each, so that nothing runs between the reads.
    program_->display().Timer_Vopros->stop();

    QAccessibleInterface *display = nullptr;
    for (int i = 0; i < application->childCount(); ++i) {
        if (application->child(i)->text(QAccessible::Name) == QLatin1String("Question")) {
            display = application->child(i);
        }
    }
    QVERIFY(display);
    QVERIFY(!display->state().invisible);

    const int questions = 6;
    for (int q = 0; q < questions; ++q) {
        nameChanges.clear();
        program_->display().Timer_VoprosTimer(); // the question appears
        QAccessibleInterface *equation = find(display, [](QAccessibleInterface *node) {
            return !node->state().invisible && node->text(QAccessible::Name).contains('=');
        });
        QVERIFY(equation);
        QVERIFY2(nameChanges.contains(equation->object()), "the new equation is announced");
        const QString text = equation->text(QAccessible::Name);
        if (equationTrue(text)) {
            main.HotkeyMessage(
                main.systemSettings().Cnt_HotKey); // the child presses the answer key
        }
        program_->display().Timer_VoprosTimer(); // scored
        program_->display().Timer_VoprosTimer(); // the pause
    }
    // Every judgement right: the four values with their captions.
    for (const QString &value :
         {QStringLiteral("Total: %1").arg(questions), QStringLiteral("Correct: %1").arg(questions),
          QStringLiteral("Wrong: 0"), QStringLiteral("Points: %1").arg(questions)}) {
        QVERIFY2(named(display, value), qPrintable(value));
    }
}

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
