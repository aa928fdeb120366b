// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

// Every visible text of every window, in every interface language, fits its control at the
// program's fonts: no caption, button or field text is cut, and no control runs out of its
// window. A translation that does not fit is to be shortened, never the control or the font.
#include "InterfaceLanguages.h"
#include "QuestionDisplay.h"
#include "ResultsWindow.h"
#include "TestProgram.h"
#include "TrayMenu.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace numbrook;
using namespace numbrook::testing;

namespace {

// The room a text needs in `control`, or an empty size for a control that shows none.
QSize neededSize(const QWidget *control, const QRect &room) {
    if (const auto *label = qobject_cast<const QLabel *>(control)) {
        if (label->text().isEmpty() || label->textFormat() == Qt::RichText)
            return {};
        if (label->wordWrap())
            return {room.width(),
                    label->heightForWidth(label->width()) - (label->height() - room.height())};
        return label->fontMetrics().size(0, label->text());
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        if (button->text().isEmpty())
            return {};
        // The button's own measure: text, indicator, icon and frame.
        return button->sizeHint().boundedTo(QSize(QWIDGETSIZE_MAX, room.height()));
    }
    if (const auto *field = qobject_cast<const QLineEdit *>(control)) {
        if (field->text().isEmpty())
            return {};
        const QMargins margins = field->textMargins();
        return field->fontMetrics().size(0, field->text()) +
               QSize(margins.left() + margins.right(), 0);
    }
    return {};
}

QRect roomOf(const QWidget *control) {
    if (qobject_cast<const QAbstractButton *>(control))
        return control->rect();
    return control->contentsRect();
}

} // namespace

class TextFitTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        config_ = std::make_unique<QTemporaryDir>();
        home_ = std::make_unique<ConfigHome>(config_->path());
    }

    void everyText_fitsItsControl_data() {
        QTest::addColumn<int>("language");
        for (int language = 0; language < InterfaceLanguageCount; ++language) {
            QTest::addRow("%s", qPrintable(InterfaceLanguageCode(language))) << language;
        }
    }

    void everyText_fitsItsControl() {
        QFETCH(int, language);
        Program program;
        program.main().switchLanguage(language);
        program.main().show();
        QCoreApplication::processEvents();
        // The texts no language changes.
        const auto text = [&program](const char *name) {
            const QWidget *control = program.main().findChild<QWidget *>(QLatin1String(name));
            return control ? shownText(control) : QString();
        };
        QCOMPARE(text("Lbl_1_Screen_Res"), QStringLiteral("800х600"));
        QCOMPARE(text("Lbl_2_Screen_Res"), QStringLiteral("FullScreen"));
        QVERIFY(text("Edit_Speed_Math").endsWith(QLatin1String(" sec.")));
        QVERIFY(text("Edit_HotKey") == QLatin1String("ENTER") ||
                text("Edit_HotKey") == QLatin1String("SPACE"));
        QCOMPARE(program.main().trayIcon()->item(1)->text(), QStringLiteral("Интерфейс: Русский"));
        QCOMPARE(program.main().trayIcon()->item(2)->text(), QStringLiteral("Interface: English"));
        QStringList faults;
        int checked = 0;
        checkWindow(&program.main(), faults, checked);
        const QString pictures = qEnvironmentVariable("NUMBROOK_SCREENSHOTS");
        const QString code = InterfaceLanguageCode(language);
        if (!pictures.isEmpty())
            program.main().grab().save(pictures + QStringLiteral("/main-window-%1.png").arg(code));
        // The question display as a quiz shows it: a question, its title and the score.
        program.session().settings.Speed_Math = 1;
        program.session().settings.Show_Points = 1;
        QSignalSpy question(&program.display(), &QuestionDisplay::questionShown);
        program.main().Sb_StartClick();
        QVERIFY(question.wait(5000));
        QCoreApplication::processEvents();
        checkWindow(&program.display(), faults, checked);
        if (!pictures.isEmpty())
            program.display().grab().save(pictures + QStringLiteral("/question-%1.png").arg(code));
        program.display().close();
        program.showResults();
        QVERIFY(program.resultsWindow());
        QCoreApplication::processEvents();
        checkWindow(program.resultsWindow(), faults, checked);
        if (!pictures.isEmpty())
            program.resultsWindow()->grab().save(pictures +
                                                 QStringLiteral("/results-%1.png").arg(code));
        qInfo("%s: %d texts checked", qPrintable(InterfaceLanguageCode(language)), checked);
        QVERIFY(checked > 30);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        program.resultsWindow()->close();
        program.main().switchLanguage(0);
    }

private:
    // NUMBROOK_SCREENSHOTS=folder keeps a picture of each window in each language there.
    static void checkWindow(QWidget *window, QStringList &faults, int &checked) {
        const QList<QWidget *> controls = window->findChildren<QWidget *>();
        for (const QWidget *control : controls) {
            // Controls the window keeps outside its visible area are nobody's reading.
            if (!control->isVisibleTo(window) || control->visibleRegion().isEmpty())
                continue;
            checkHeaders(control, faults, checked);
            const QRect room = roomOf(control);
            const QSize needed = neededSize(control, room);
            if (needed.isEmpty())
                continue;
            ++checked;
            // Where the text is drawn (from the left, as every control here aligns it).
            const QRect textArea(room.topLeft(), needed.boundedTo(room.size()));
            if (needed.width() > room.width() || needed.height() > room.height()) {
                faults.append(QStringLiteral("%1 \"%2\": needs %3x%4, has %5x%6")
                                  .arg(control->objectName(), shownText(control))
                                  .arg(needed.width())
                                  .arg(needed.height())
                                  .arg(room.width())
                                  .arg(room.height()));
            } else if (control->visibleRegion().intersected(textArea) != QRegion(textArea)) {
                faults.append(QStringLiteral("%1 \"%2\": partly hidden")
                                  .arg(control->objectName(), shownText(control)));
            }
        }
    }

    static QString shownText(const QWidget *control) {
        if (const auto *label = qobject_cast<const QLabel *>(control))
            return label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(control))
            return button->text();
        if (const auto *field = qobject_cast<const QLineEdit *>(control))
            return field->text();
        return {};
    }

    // A table's column titles fit their columns.
    static void checkHeaders(const QWidget *control, QStringList &faults, int &checked) {
        const auto *header = qobject_cast<const QHeaderView *>(control);
        if (!header || header->orientation() != Qt::Horizontal || !header->model())
            return;
        for (int section = 0; section < header->count(); ++section) {
            if (header->isSectionHidden(section))
                continue;
            const QString title = header->model()->headerData(section, Qt::Horizontal).toString();
            ++checked;
            // A section's padding on both sides, as the style draws it.
            const int needed = header->fontMetrics().horizontalAdvance(title) + 8;
            if (needed > header->sectionSize(section)) {
                faults.append(QStringLiteral("column \"%1\": needs %2, has %3")
                                  .arg(title)
                                  .arg(needed)
                                  .arg(header->sectionSize(section)));
            }
        }
    }

    std::unique_ptr<QTemporaryDir> config_;
    std::unique_ptr<ConfigHome> home_;
};

QTEST_MAIN(TextFitTest)
#include "tst_text_fit.moc"
