// The hidden application window: Windows is needed for the window itself.
#include "app/ApplicationWindow_win.h"

#include "toolkit/SystemHelpers.h"

namespace vantor::views {

ApplicationWindow::~ApplicationWindow()
{
    if (m_window == nullptr)
        return;
    if (toolkit::ApplicationWindow() == m_window)
        toolkit::SetApplicationWindow(nullptr);
    DestroyWindow(m_window);
}

bool ApplicationWindow::Create(const std::string& title)
{
    if (m_window != nullptr)
        return false;
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &ApplicationWindow::WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
        wc.lpszClassName = kApplicationWindowClass;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered)
        return false;
    // Never shown: no size, no taskbar button, not a child of anything.
    m_window = CreateWindowExA(WS_EX_TOOLWINDOW, kApplicationWindowClass, title.c_str(), WS_POPUP, 0, 0, 0, 0, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
    if (m_window == nullptr)
        return false;
    toolkit::SetApplicationWindow(m_window);
    return true;
}

LRESULT CALLBACK ApplicationWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        // The run ends through the message loop, so the windows are destroyed
        // in their order and the settings are written.
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vantor::views
