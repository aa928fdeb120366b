// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#pragma once

#include <QIcon>
#include <QPixmap>
#include <QRegion>
#include <QSize>
#include <functional>
#include <vector>

namespace numbrook {

// A numbered list of pictures drawn by code at any size, cached per size.
class BitmapList {
public:
    using Painter = std::function<void(QPainter &, QSize, int index)>;
    BitmapList(std::vector<QSize> naturalSizes, Painter painter);

    int count() const { return int(sizes_.size()); }
    QSize naturalSize(int index) const;
    // Drawn at `size` (the natural size when empty); a null pixmap for an index out of range.
    QPixmap picture(int index, QSize size = {}) const;

private:
    std::vector<QSize> sizes_;
    Painter painter_;
    mutable std::vector<std::pair<std::pair<int, QSize>, QPixmap>> cache_;
};

// The pictures of the main window's button list that are in use; other numbers are blank.
enum class ButtonPicture : int {
    None = -1,
    HelpHovered = 0, // 22 x 23
    Help = 1,
    WebsiteHovered = 2,
    Website = 3,
    MinimiseHovered = 4,
    Minimise = 5,
    CloseHovered = 6,
    Close = 7,
    ResultsHovered = 8, // 22 x 23, a bar chart
    Results = 9,
    BoxOff = 21, // large option box, 23 x 23
    BoxOn = 22,
    SmallBoxOff = 36, // small option box, 18 x 18
    SmallBoxOn = 37,
    Play = 40, // 22 x 22, each with its pressed picture after it
    Stop = 42,
    MicrophoneOn = 44,
    MicrophoneOff = 46,
    ArrowRight = 50, // 17 x 21
    ArrowRightHovered = 51,
    ArrowLeft = 52,
    ArrowLeftHovered = 53,
    Field = 54, // framed field behind a read-only text
    Start = 57, // 164 x 50
    StartHovered = 58,
    LampOff = 59, // 48 x 48
    KeyLampLit = 60,
    MicrophoneLampLit = 61,
    HintTrue = 62, // 64 x 64
    HintFalse = 63,
};

// The program's two picture lists, drawn on first use at each size and kept. The program's
// windows own one set and hand it to the windows that draw from it.
struct PictureLists {
    PictureLists();
    Q_DISABLE_COPY_MOVE(PictureLists)

    // The main window's 64 button pictures (see ButtonPicture).
    BitmapList BitmapList_Btn;
    // The question board's 16 frame pieces, in the board's layout order.
    BitmapList BitmapList_Doska;
};

// The rounded outline of the main window.
QRegion MainWindowOutline(QSize size);
QPixmap LogoPicture();
QPixmap LoadPicture();
QPixmap DonePicture();
QIcon TrayIconPicture();
// 16 x 16 pictures of the tray menu items 1..6.
QPixmap MenuItemPicture(int item);
// The same picture as an icon that is drawn the first time it is shown: the tray menu is
// rarely opened, and drawing its pictures would only delay the main window's start.
QIcon MenuItemIcon(int item);

} // namespace numbrook
