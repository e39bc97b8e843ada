// The toolkit gallery program: shows every control of the skinned toolkit in
// one window. An optional argument names a skin folder whose "Go_b_*.bmp"
// files replace the drawn button faces.
#include <windows.h>

#include <string>

#include "GalleryForm.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    std::string skinFolder = commandLine ? commandLine : "";
    if (!skinFolder.empty() && skinFolder.back() != '\\')
        skinFolder += '\\';
    vantor::gallery::GalleryForm gallery;
    if (!gallery.Build(80, 80, skinFolder))
        return 1;
    gallery.OnDestroy = [] { PostQuitMessage(0); };
    gallery.Show();
    gallery.Badge().Show();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
