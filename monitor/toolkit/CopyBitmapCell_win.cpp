// BitBlt from a memory device context that holds the source bitmap.
#include "toolkit/CopyBitmapCell.h"

namespace vantor::toolkit {

bool CopyBitmapCell(HDC destination, POINT at, HBITMAP bitmap, const RECT& source)
{
    if (!destination || !bitmap)
        return false;
    HDC memory = CreateCompatibleDC(destination);
    if (!memory)
        return false;
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BOOL copied = FALSE;
    if (old && old != HGDI_ERROR) {
        copied = BitBlt(destination, at.x, at.y, source.right - source.left, source.bottom - source.top, memory,
                        source.left, source.top, SRCCOPY);
        SelectObject(memory, old);
    }
    DeleteDC(memory);
    return copied != FALSE;
}

}  // namespace vantor::toolkit
