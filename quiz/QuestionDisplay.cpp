// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "QuestionDisplay.h"

#include "BitmapLists.h"
#include "QuizSession.h"
#include "TaskbarEntry.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace numbrook {

namespace {

const char *const kFrameNames[16] = {"Img_L0", "Img_L1", "Img_L2", "Img_L3", "Img_L4", "Img_N1",
                                     "Img_N2", "Img_N3", "Img_R0", "Img_R1", "Img_R2", "Img_R3",
                                     "Img_R4", "Img_V1", "Img_V2", "Img_V3"};

// Left, top, width, height of each frame piece on a W x H board.
QRect framePiece(int index, int w, int h) {
    switch (index) {
    case 0:
        return {0, 0, 21, 25};
    case 1:
        return {0, 25, 21, 275};
    case 2:
        return {0, 300, 21, h - 600};
    case 3:
        return {0, h - 300, 21, 275};
    case 4:
        return {0, h - 25, 21, 25};
    case 5:
        return {21, h - 25, 379, 25};
    case 6:
        return {400, h - 25, w - 800, 25};
    case 7:
        return {w - 400, h - 25, 379, 25};
    case 8:
        return {w - 21, 0, 21, 25};
    case 9:
        return {w - 21, 25, 21, 275};
    case 10:
        return {w - 21, 300, 21, h - 600};
    case 11:
        return {w - 21, h - 300, 21, 275};
    case 12:
        return {w - 21, h - 25, 21, 25};
    case 13:
        return {21, 0, 379, 25};
    case 14:
        return {400, 0, w - 800, 25};
    default:
        return {w - 400, 0, 379, 25};
    }
}

QFont verdana(int pixelSize, bool bold) {
    QFont font(QStringLiteral("Verdana"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void setColour(QWidget *widget, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace

QuestionDisplay::QuestionDisplay(QuizSession &quizSession, AnswerChannel &answers,
                                 const PictureLists &pictures, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), cycle(quizSession, answers),
      session(quizSession), pictures_(pictures) {
    setObjectName(QStringLiteral("fmDisplay"));
    setWindowTitle(QStringLiteral("Numbrook"));
    setAutoFillBackground(true);
    desktopSize_ = [] {
        const QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->virtualGeometry().size() : QSize(800, 600);
    };
    for (int i = 0; i < 16; ++i) {
        frame_[std::size_t(i)] = new QLabel(this);
        frame_[std::size_t(i)]->setObjectName(QString::fromLatin1(kFrameNames[i]));
        frame_[std::size_t(i)]->setScaledContents(true);
    }
    for (int i = 0; i < 3; ++i) {
        QLabel *line = new QLabel(this);
        line->setObjectName(QStringLiteral("Lbl_Vopros_%1").arg(i + 1));
        setColour(line, QColor(0xC0, 0xC0, 0xC0));
        line->hide();
        lines_[std::size_t(i)] = line;
    }
    Img_Otvet_Mode = new QLabel(this);
    Img_Otvet_Mode->setObjectName(QStringLiteral("Img_Otvet_Mode"));
    Img_Otvet_Mode->setScaledContents(true);
    Img_Otvet_Mode->setCursor(Qt::PointingHandCursor);
    Img_Otvet_Mode->hide();

    buildScorePanel();

    Timer_Vopros = new QTimer(this);
    Timer_Vopros->setObjectName(QStringLiteral("Timer_Vopros"));
    Timer_Vopros->setInterval(1000);
    // A coarse timer may tick up to 5 % early, before an answer box's one-second hold ends.
    Timer_Vopros->setTimerType(Qt::PreciseTimer);
    connect(Timer_Vopros, &QTimer::timeout, this, &QuestionDisplay::Timer_VoprosTimer);
}

QuestionDisplay::~QuestionDisplay() = default;

void QuestionDisplay::buildScorePanel() {
    Panel_Point = new QFrame(this);
    Panel_Point->setObjectName(QStringLiteral("Panel_Point"));
    Panel_Point->resize(400, 80);
    Panel_Point->setAutoFillBackground(true);
    QPalette black = Panel_Point->palette();
    black.setColor(QPalette::Window, Qt::black);
    Panel_Point->setPalette(black);
    const QStringList captions = {QStringLiteral("Всего:"), QStringLiteral("Верно:"),
                                  QStringLiteral("Неверно:"), QStringLiteral("Баллы:")};
    const QStringList valueNames = {
        QStringLiteral("Lbl_Vopros_All"), QStringLiteral("Lbl_Vopros_True"),
        QStringLiteral("Lbl_Vopros_False"), QStringLiteral("Lbl_Point_All")};
    for (int i = 0; i < 4; ++i) {
        auto *caption = new QLabel(captions[i], Panel_Point);
        caption->setObjectName(QStringLiteral("Lbl%1").arg(i + 1));
        caption->setFont(verdana(16, true));
        setColour(caption, QColor(0xC0, 0xC0, 0xC0));
        caption->setGeometry(100 * i, 4, 100, 22);
        auto *value = new QLabel(QStringLiteral("00"), Panel_Point);
        value->setObjectName(valueNames[i]);
        value->setFont(verdana(24, false));
        setColour(value, QColor(250, 197, 47));
        value->setGeometry(100 * i, 30, 100, 34);
        captions_[std::size_t(i)] = caption;
        values_[std::size_t(i)] = value;
    }
}

void QuestionDisplay::setScoreCaptions(const std::array<QString, 4> &captions) {
    for (std::size_t i = 0; i < captions.size(); ++i) {
        captions_[i]->setText(captions[i]);
    }
}

void QuestionDisplay::showEvent(QShowEvent *event) {
    // The board is part of a quiz the tray icon stands for: no taskbar entry of its own.
    if (QWindow *window = windowHandle()) {
        SkipTaskbarAndPager(*window);
    }
    FormShow();
    QWidget::showEvent(event);
}

void QuestionDisplay::closeEvent(QCloseEvent *event) {
    Timer_Vopros->stop();
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void QuestionDisplay::FormShow() {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    const QSize size = session.settings.Screen_Res == 1 ? desktopSize_() : QSize(800, 600);
    // A plain window the size of the desktop stays under the desktop's panels; on a desktop of
    // one screen the full-screen state puts the board above them. Over several screens the
    // window keeps spanning them all.
    const QScreen *screen = QGuiApplication::primaryScreen();
    const bool oneScreen = screen && screen->geometry() == QRect(QPoint(0, 0), size);
    if (session.settings.Screen_Res == 1 && oneScreen) {
        setWindowState(windowState() | Qt::WindowFullScreen);
    } else {
        setWindowState(windowState() & ~Qt::WindowFullScreen);
    }
    setGeometry(QRect(QPoint(0, 0), size));
    move(0, 0);
    const int w = size.width();
    const int h = size.height();
    for (int i = 0; i < 16; ++i) {
        QLabel *piece = frame_[std::size_t(i)];
        const QRect place = framePiece(i, w, h);
        piece->setGeometry(place.x(), place.y(), std::max(0, place.width()),
                           std::max(0, place.height()));
        if (!place.isEmpty()) {
            piece->setPixmap(pictures_.BitmapList_Doska.picture(i, place.size()));
        }
        piece->show();
    }
    for (int i = 0; i < 3; ++i) {
        QLabel *line = lines_[std::size_t(i)];
        line->hide();
        QFont font(QStringLiteral("Verdana"));
        font.setPointSize(40);
        line->setFont(font);
        line->move(30, 30 + 60 * i);
        line->adjustSize();
    }
    Img_Otvet_Mode->hide();
    Img_Otvet_Mode->setGeometry(30, h - 100, 64, 64);
    if (session.settings.Show_Points != 0) {
        Panel_Point->move(w - Panel_Point->width() - 30, h - Panel_Point->height() - 30);
        Panel_Point->show();
    } else {
        Panel_Point->hide();
    }
}

void QuestionDisplay::Timer_VoprosTimer() {
    cycle.tick(*this);
}

void QuestionDisplay::FitQuestionFont() {
    QLabel *title = lines_[0];
    QLabel *expression = lines_[1];
    if (session.settings.Large_Text == 1) {
        fitLargeQuestion();
        return;
    }
    title->move(30, 30);
    expression->move(30, 90);
    for (QLabel *line : {title, expression}) {
        QFont font = line->font();
        font.setPointSize(40);
        line->setFont(font);
        line->adjustSize();
    }
    const int limit = width() - 50;
    while (title->width() >= limit) {
        QFont font = title->font();
        if (font.pointSize() <= 1) {
            return;
        }
        font.setPointSize(font.pointSize() - 1);
        title->setFont(font);
        title->adjustSize();
    }
    while (expression->width() >= limit && expression->font().pointSize() > 1) {
        QFont font = expression->font();
        font.setPointSize(font.pointSize() - 1);
        expression->setFont(font);
        expression->adjustSize();
    }
}

void QuestionDisplay::fitLargeQuestion() {
    QLabel *title = lines_[0];
    QLabel *expression = lines_[1];
    // Each line as wide as 80 % of the board, both together no taller than the board leaves
    // above the score panel and the hint picture; centred across and in that height.
    const int top = 30;
    const bool bottomUsed = !Panel_Point->isHidden() || session.settings.Show_Otvet_Mode == 1;
    const int room = height() - top - (bottomUsed ? 120 : 40);
    const double target = width() * 0.8;
    const auto widthFilling = [target](const QLabel *line) {
        QFont font = line->font();
        font.setPixelSize(100);
        const int at100 = QFontMetrics(font).horizontalAdvance(line->text());
        return at100 > 0 ? target * 100 / at100 : 40.0;
    };
    double titleSize = widthFilling(title);
    double expressionSize = widthFilling(expression);
    const auto lineHeight = [](const QLabel *line, double size) {
        QFont font = line->font();
        font.setPixelSize(std::max(1, int(size)));
        return double(QFontMetrics(font).height());
    };
    const double needed = lineHeight(title, titleSize) + lineHeight(expression, expressionSize);
    if (needed > room) {
        titleSize *= room / needed;
        expressionSize *= room / needed;
    }
    for (const auto &[line, size] : {std::pair{title, titleSize}, {expression, expressionSize}}) {
        QFont font = line->font();
        font.setPixelSize(std::max(1, int(size)));
        line->setFont(font);
        line->adjustSize();
    }
    const int y = top + std::max(0, (room - title->height() - expression->height()) / 2);
    title->move((width() - title->width()) / 2, y);
    expression->move((width() - expression->width()) / 2, y + title->height());
}

void QuestionDisplay::hideQuestionLines() {
    for (QLabel *line : lines_) {
        line->hide();
    }
}

void QuestionDisplay::showNextQuestion() {
    const QuestionLines question = session.nextQuestion(questionTitle_);
    if (question.shown) {
        lines_[0]->setText(question.title);
        // The school signs are for the eye only: a screen reader, the record and the answer
        // keep the expression as built.
        const bool school = session.settings.School_Notation != 0;
        lines_[1]->setText(school ? schoolNotation(question.expression, divisionSign_)
                                  : question.expression);
        lines_[1]->setAccessibleName(school ? question.expression : QString());
        lines_[0]->show();
        lines_[1]->show();
    }
    FitQuestionFont();
    if (question.shown) {
        // A screen reader announces each new equation (a label's new text alone says nothing).
        QAccessibleEvent changed(lines_[1], QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
        Q_EMIT questionShown(question.expression, session.generator.ExpressionIsCorrect);
    }
}

QString QuestionDisplay::schoolNotation(const QString &expression, const QString &divisionSign) {
    QString shown;
    for (QChar c : expression) {
        if (c == QLatin1Char('*')) {
            shown += QChar(0x00D7);
        } else if (c == QLatin1Char('/')) {
            shown += divisionSign;
        } else if (c == QLatin1Char('-')) {
            shown += QChar(0x2212);
        } else {
            shown += c;
        }
    }
    return shown;
}

void QuestionDisplay::showHint(bool correct) {
    const int picture = int(correct ? ButtonPicture::HintTrue : ButtonPicture::HintFalse);
    Img_Otvet_Mode->setPixmap(pictures_.BitmapList_Btn.picture(picture, QSize(64, 64)));
    Img_Otvet_Mode->setProperty("picture", picture);
    Img_Otvet_Mode->show();
}

void QuestionDisplay::hideHint() {
    Img_Otvet_Mode->hide();
}

void QuestionDisplay::questionScored(bool answered, bool right) {
    Q_EMIT scored(answered, right);
}

void QuestionDisplay::showCounters() {
    const qint32 counters[4] = {session.TotalQuestions, session.CorrectAnswers,
                                session.WrongAnswers, session.PointsTotal};
    for (int i = 0; i < 4; ++i) {
        QLabel *value = values_[std::size_t(i)];
        value->setText(QString::number(counters[i]));
        // A screen reader reads each value with its caption ("Points: -2").
        value->setAccessibleName(captions_[std::size_t(i)]->text() + QLatin1Char(' ') +
                                 value->text());
    }
}

} // namespace numbrook
