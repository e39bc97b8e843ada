// The tray icon through Shell_NotifyIconA, with a message-only window for
// its callbacks and TrackPopupMenu for its menu.
#include "toolkit/TTrayIcon.h"

#include <shellapi.h>

#include <cstring>

namespace vantor::toolkit {
namespace {

constexpr const char* kTrayClass = "VantorTrayIcon";
constexpr UINT kTrayCallback = WM_APP + 17;
constexpr UINT kIconId = 1;

UINT TaskbarCreated()
{
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

}  // namespace

TTrayIcon::~TTrayIcon()
{
    Hide();
    if (m_window)
        DestroyWindow(m_window);
}

bool TTrayIcon::EnsureWindow()
{
    if (m_window)
        return true;
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &TTrayIcon::WindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kTrayClass;
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered)
        return false;
    // A hidden top-level window, not a message-only one: TaskbarCreated is
    // broadcast to top-level windows only.
    m_window = CreateWindowExA(WS_EX_TOOLWINDOW, kTrayClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                               GetModuleHandleA(nullptr), this);
    return m_window != nullptr;
}

bool TTrayIcon::Notify(DWORD action)
{
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = m_window;
    data.uID = kIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayCallback;
    data.hIcon = m_icon;
    // The tip is cut to the field's size, never overflowed.
    std::strncpy(data.szTip, m_tip.c_str(), sizeof data.szTip - 1);
    return Shell_NotifyIconA(action, &data) != FALSE;
}

bool TTrayIcon::Show(HICON icon, const std::string& tip)
{
    m_icon = icon;
    m_tip = tip;
    if (m_shown)
        return Notify(NIM_MODIFY);
    if (!EnsureWindow())
        return false;
    m_shown = Notify(NIM_ADD);
    return m_shown;
}

bool TTrayIcon::SetIcon(HICON icon)
{
    // Every polling tick sets the image it already shows; the shell is told
    // only of a change.
    if (icon == m_icon)
        return m_shown;
    m_icon = icon;
    return m_shown && Notify(NIM_MODIFY);
}

bool TTrayIcon::SetTip(const std::string& tip)
{
    m_tip = tip;
    return m_shown && Notify(NIM_MODIFY);
}

bool TTrayIcon::Hide()
{
    if (!m_shown)
        return false;
    m_shown = false;
    return Notify(NIM_DELETE);
}

void TTrayIcon::Choose(std::size_t index)
{
    if (index < Menu.size() && Menu[index].enabled && Menu[index].onClick)
        Menu[index].onClick();
}

void TTrayIcon::PopupMenu()
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    for (std::size_t i = 0; i < Menu.size(); ++i) {
        const TrayMenuItem& item = Menu[i];
        if (item.caption.empty())
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        else
            AppendMenuA(menu, MF_STRING | (item.enabled ? 0 : MF_GRAYED), i + 1, item.caption.c_str());
    }
    POINT at;
    GetCursorPos(&at);
    // The menu closes when the user clicks elsewhere only if its owner is
    // in the foreground; the posted message lets it close the next time too.
    SetForegroundWindow(m_window);
    const int chosen =
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, m_window, nullptr);
    PostMessageA(m_window, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (chosen > 0)
        Choose(static_cast<std::size_t>(chosen - 1));
}

LRESULT CALLBACK TTrayIcon::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TTrayIcon*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == kTrayCallback) {
        switch (LOWORD(lParam)) {
        case WM_LBUTTONUP:
            if (self->OnClick)
                self->OnClick();
            break;
        case WM_LBUTTONDBLCLK:
            if (self->OnDoubleClick)
                self->OnDoubleClick();
            break;
        case WM_RBUTTONUP:
            self->PopupMenu();
            break;
        default:
            break;
        }
        return 0;
    }
    if (self && message == TaskbarCreated() && self->m_shown) {
        self->Notify(NIM_ADD);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vantor::toolkit
