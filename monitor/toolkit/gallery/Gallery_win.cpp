// The toolkit gallery program: shows every control of the skinned toolkit in
// one window, with the product's rendered skins from the Res folder beside
// the program. An optional argument names another Res folder instead.
#include <windows.h>

#include <string>

#include "GalleryForm.h"
#include "ProductSkin.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int)
{
    std::string resFolder = commandLine ? commandLine : "";
    if (resFolder.empty())
        resFolder = vantor::gallery::ProgramResFolder();
    else if (resFolder.back() != '\\')
        resFolder += '\\';
    vantor::gallery::GalleryForm gallery;
    if (!gallery.Build(80, 80, resFolder))
        return 1;
    gallery.OnDestroy = [] { PostQuitMessage(0); };
    gallery.Show();
    gallery.Shaped().Show();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}
