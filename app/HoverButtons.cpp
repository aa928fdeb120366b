// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Numbrook developers

#include "HoverButtons.h"

#include "BitmapLists.h"
#include "MainControls.h"
#include "SkinWidgets.h"

namespace numbrook {

namespace {

// A button the work timer highlights, with its hovered and normal pictures.
struct Hover {
    PictureButton *button;
    ButtonPicture hovered;
    ButtonPicture normal;
};

} // namespace

void ShowHoveredButtons(const MainControls &c, const QWidget &window, const QPoint &cursor) {
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    const SoundObjectPanel &objectOne = c.objects[1];
    const Hover hovers[] = {
        {c.Sb_Lang_Up, ButtonPicture::ArrowLeftHovered, ButtonPicture::ArrowLeft},
        {c.Sb_Lang_Down, ButtonPicture::ArrowRightHovered, ButtonPicture::ArrowRight},
        {c.Sb_Results, ButtonPicture::ResultsHovered, ButtonPicture::Results},
        {c.Sb_Help, ButtonPicture::HelpHovered, ButtonPicture::Help},
        {c.Sb_Internet, ButtonPicture::WebsiteHovered, ButtonPicture::Website},
        {c.Sb_Min, ButtonPicture::MinimiseHovered, ButtonPicture::Minimise},
        {c.Sb_Close, ButtonPicture::CloseHovered, ButtonPicture::Close},
        {objectOne.microphonePrevious, ButtonPicture::ArrowLeftHovered, ButtonPicture::ArrowLeft},
        {objectOne.microphoneNext, ButtonPicture::ArrowRightHovered, ButtonPicture::ArrowRight},
        {c.Sb_Start, ButtonPicture::StartHovered, ButtonPicture::Start},
    };
    for (const Hover &hover : hovers) {
        PictureButton *picture = hover.button;
        const QRect r(origin + picture->pos(), picture->size());
        const bool inside = window.isVisible() && cursor.x() > r.left() &&
                            cursor.x() < r.left() + r.width() && cursor.y() > r.top() &&
                            cursor.y() < r.top() + r.height();
        picture->setPicture(inside ? hover.hovered : hover.normal);
    }
}

} // namespace numbrook
