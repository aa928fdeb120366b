// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

// The dialog that names a child and gives them a picture from a small built-in set. It stays
// open with a message while the name is refused (empty, or another child's).

#include "ResultsStore.h"

#include <QDialog>

#include <functional>

class QButtonGroup;
class QLabel;
class QLineEdit;

namespace numbrook {

class StringTable;

inline constexpr int kChildPictureCount = 6;

// Picture 1..kChildPictureCount drawn at `size` pixels; 0 (no picture) draws nothing.
QPixmap ChildPicture(int picture, int size);

class ChildDialog : public QDialog {
    Q_OBJECT
public:
    // `take` tries the name and picture (adding or changing the child) and says why not.
    using Take = std::function<ChildNameProblem(const QString &name, int picture)>;
    ChildDialog(const StringTable &strings, const QString &title, const ChildProfile &child,
                Take take, QWidget *parent = nullptr);
    Q_DISABLE_COPY_MOVE(ChildDialog)

    void accept() override;

private:
    const StringTable &strings_;
    Take take_;
    QLineEdit *name_;
    QButtonGroup *pictures_;
    QLabel *message_;
};

} // namespace numbrook
