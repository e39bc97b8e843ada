// The screen's colour depth: Windows is needed for the display device context.
#include <windows.h>

#include "startup/DisplayCheck.h"

namespace vantor::monitor {

int ScreenBitsPerPixel()
{
    HDC screen = GetDC(nullptr);
    if (screen == nullptr)
        return 0;
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits;
}

}  // namespace vantor::monitor
