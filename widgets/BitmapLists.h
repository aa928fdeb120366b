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

// The main window's 64 button pictures. Numbers in use:
//   0/1 help (hovered/normal), 2/3 web site, 4/5 minimise, 6/7 close       22 x 23
//   21/22 large option box off/on 23 x 23; 36/37 small option box off/on   18 x 18
//   50/51 arrow right (normal/hovered), 52/53 arrow left (normal/hovered)  17 x 21
//   54 framed field behind a read-only text
//   57/58 start button (normal/hovered)                                    164 x 50
//   59 lamp off, 60 key lamp lit, 61 microphone lamp lit                   48 x 48
//   62 hint "true", 63 hint "false"                                         64 x 64
//   40/41 play, 42/43 stop, 44/45 microphone on, 46/47 microphone off       22 x 22
// Other numbers are blank.
const BitmapList &BitmapList_Btn();
// The question board's 16 frame pieces, in the board's layout order.
const BitmapList &BitmapList_Doska();

// The rounded outline of the main window.
QRegion MainWindowOutline(QSize size);
QPixmap LogoPicture();
QPixmap LoadPicture();
QPixmap DonePicture();
QIcon TrayIconPicture();
// 16 x 16 pictures of the tray menu items 1..5.
QPixmap MenuItemPicture(int item);

} // namespace numbrook
