// Pictures the options window draws itself rather than loads: the plain
// rectangles that cover empty sensor rows, the fields behind the fan-control
// values and the frames around the fan switches. Windows only (GDI bitmaps).
#pragma once

#include <windows.h>

#include "toolkit/Picture.h"

namespace vantor::toolkit {
class TImage;
}

namespace vantor::views {

// The key colour of hollow pictures, drawn transparent.
inline constexpr COLORREF kHollowKey = RGB(255, 0, 255);

// A rectangle of one colour; with an edge colour, a one-pixel border of it.
toolkit::PicturePtr FilledPicture(int width, int height, COLORREF fill, COLORREF edge);
toolkit::PicturePtr FilledPicture(int width, int height, COLORREF fill);
// Only the one-pixel border, the inside in kHollowKey.
toolkit::PicturePtr FramePicture(int width, int height, COLORREF edge);

// The colour of the image's picture at (x, y) of the picture; `otherwise`
// when the image has no picture.
COLORREF PictureColourAt(const toolkit::TImage& image, int x, int y, COLORREF otherwise);

}  // namespace vantor::views
