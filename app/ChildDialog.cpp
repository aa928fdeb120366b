// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "ChildDialog.h"

#include "StringTable.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

namespace numbrook {

namespace {

struct PictureLook {
    char16_t symbol;
    QRgb colour;
};

// Signs every desktop font has, on colours that tell them apart.
constexpr PictureLook kPictures[kChildPictureCount] = {
    {u'★', 0xE8A317}, {u'♥', 0xD7263D}, {u'☀', 0xF46036},
    {u'☾', 0x2E5EAA}, {u'✿', 0x9B5DE5}, {u'♪', 0x1B998B},
};

constexpr int kNameLength = 40;

} // namespace

QPixmap ChildPicture(int picture, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    if (picture < 1 || picture > kChildPictureCount) {
        return pixmap;
    }
    const PictureLook &look = kPictures[picture - 1];
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, qMax(1, size / 14)));
    painter.setBrush(QColor(look.colour));
    painter.drawEllipse(QRectF(1, 1, size - 2, size - 2));
    QFont font = painter.font();
    font.setPixelSize(size * 6 / 10);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(QChar(look.symbol)));
    return pixmap;
}

ChildDialog::ChildDialog(const StringTable &strings, const QString &title,
                         const ChildProfile &child, Take take, QWidget *parent)
    : QDialog(parent), strings_(strings), take_(std::move(take)), name_(new QLineEdit(this)),
      pictures_(new QButtonGroup(this)), message_(new QLabel(this)) {
    setObjectName(QStringLiteral("ChildDialog"));
    setWindowTitle(title);
    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(strings[UiKey::ChildNameCaption], this), 0, 0);
    name_->setObjectName(QStringLiteral("Edit_ChildName"));
    name_->setMaxLength(kNameLength);
    name_->setText(child.name);
    name_->setAccessibleName(strings[UiKey::ChildNameCaption]);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(new QLabel(strings[UiKey::ChildPictureCaption], this), 1, 0);
    auto *row = new QHBoxLayout;
    for (int picture = 0; picture <= kChildPictureCount; ++picture) {
        auto *button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Sb_ChildPicture_%1").arg(picture));
        button->setCheckable(true);
        button->setIconSize(QSize(28, 28));
        button->setFixedSize(38, 38);
        if (picture == 0) {
            button->setText(QStringLiteral("–"));
            button->setToolTip(strings[UiKey::NoPictureName]);
        } else {
            button->setIcon(QIcon(ChildPicture(picture, 28)));
        }
        button->setAccessibleName(picture == 0 ? strings[UiKey::NoPictureName]
                                               : QString::number(picture));
        button->setChecked(picture == child.picture);
        pictures_->addButton(button, picture);
        row->addWidget(button);
    }
    grid->addLayout(row, 1, 1);
    message_->setObjectName(QStringLiteral("Lbl_ChildMessage"));
    message_->setStyleSheet(QStringLiteral("color: #B00020; font-weight: bold;"));
    message_->setTextFormat(Qt::PlainText);
    message_->hide();
    grid->addWidget(message_, 2, 0, 1, 2);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(strings[UiKey::OkCaption]);
    buttons->button(QDialogButtonBox::Cancel)->setText(strings[UiKey::CancelCaption]);
    connect(buttons, &QDialogButtonBox::accepted, this, &ChildDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ChildDialog::reject);
    grid->addWidget(buttons, 3, 0, 1, 2);
    name_->setFocus();
}

void ChildDialog::accept() {
    const int picture = qMax(0, pictures_->checkedId());
    const ChildNameProblem problem = take_(name_->text(), picture);
    if (problem == ChildNameProblem::None) {
        QDialog::accept();
        return;
    }
    const UiKey text = problem == ChildNameProblem::Empty       ? UiKey::ChildNameEmpty
                       : problem == ChildNameProblem::Duplicate ? UiKey::ChildNameTaken
                                                                : UiKey::ChildStoreUnavailable;
    message_->setText(strings_[text]);
    message_->show();
    name_->setFocus();
    name_->selectAll();
}

} // namespace numbrook
