// Copies one cell of a picture strip (a rectangle of a source bitmap) onto a
// device context, the way skins draw digits and icons from one bitmap.
#pragma once

#include <windows.h>

namespace vantor::toolkit {

// Copies `source` rectangle of `bitmap` to `destination` at `at`, same size,
// with SRCCOPY. False when the bitmap could not be selected or the copy failed.
bool CopyBitmapCell(HDC destination, POINT at, HBITMAP bitmap, const RECT& source);

}  // namespace vantor::toolkit
