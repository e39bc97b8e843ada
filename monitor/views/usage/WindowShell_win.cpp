#include "usage/WindowShell_win.h"
#include "startup/ProgramFolder_win.h"

#include "app/Views.h"
#include "binding/HwPlatform_win.h"
#include "cover/CoverView.h"
#include "mainpanel/MainPanelView.h"
#include "sound/Sounds.h"
#include "toolkit/BitmapPicture.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"

namespace vantor::views {

HWND CoverWindowHandle()
{
    CoverView* cover = TheViews().cover;
    return cover ? static_cast<HWND>(cover->WindowHandle()) : nullptr;
}

std::string ProgramFolder()
{
    const std::string& folder = TheViews().programFolder;
    return folder.empty() ? monitor::ProgramFolderOfProcess() : folder;
}

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : ProgramFolder() + "Vantor.exe";
}

void ShapeToBackground(toolkit::TGoodForm& form, const toolkit::TImage& background)
{
    HBITMAP bitmap = toolkit::BitmapOf(background.GetPicture());
    if (!bitmap)
        return;  // no skin: the window keeps its rectangle
    toolkit::Control& root = form.Root();
    root.SetBounds(root.Left(), root.Top(), background.Width(), background.Height());
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF key = GetPixel(dc, 0, 0);
    SelectObject(dc, old);
    DeleteDC(dc);
    HRGN region = toolkit::CreateRegionFromBitmap(bitmap, key, RGB(255, 0, 0));
    SetWindowRgn(form.Handle(), region, TRUE);  // the window owns the region from here
}

void DragWindowFromHere(toolkit::TGoodForm& form)
{
    form.ReleaseMouse();
    ReleaseCapture();
    SendMessageA(form.Handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void PlayClickSound(std::string_view name)
{
    monitor::Sounds* sounds = TheViews().sounds;
    if (!sounds)
        return;
    const MainPanelView* panel = TheViews().mainPanel;
    sounds->PlayButtonSound(name,
                            panel && panel->SoundEffects() ? monitor::SoundWanted::Yes : monitor::SoundWanted::No);
}

void RunModal(toolkit::TGoodForm& form, HWND owner, const std::function<bool()>& closed)
{
    const bool disableOwner = owner && IsWindowEnabled(owner);
    if (disableOwner)
        EnableWindow(owner, FALSE);
    form.Show();
    SetForegroundWindow(form.Handle());
    MSG msg;
    while (!closed()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got < 0)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (disableOwner)
        EnableWindow(owner, TRUE);
}

}  // namespace vantor::views
