// The notification-area icon with its popup menu. It owns a message-only
// window that hears the icon's mouse messages, re-adds the icon when the
// taskbar is recreated, and shows the menu on a right click.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vantor::toolkit {

struct TrayMenuItem {
    std::string caption;  // empty: a separator
    std::function<void()> onClick;
    bool enabled = true;
};

class TTrayIcon {
public:
    TTrayIcon() = default;
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // Adds the icon (the caller keeps owning `icon`). False when the shell refused.
    bool Show(HICON icon, const std::string& tip);
    bool SetIcon(HICON icon);
    bool SetTip(const std::string& tip);
    // Removes the icon; true when it was shown and the shell took it away.
    bool Hide();
    bool Shown() const { return m_shown; }

    std::vector<TrayMenuItem> Menu;
    std::function<void()> OnClick;  // left button released on the icon
    std::function<void()> OnDoubleClick;

    // Runs the handler of menu item `index`, as choosing it from the menu does.
    void Choose(std::size_t index);

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool EnsureWindow();
    bool Notify(DWORD action);
    void PopupMenu();

    HWND m_window = nullptr;
    HICON m_icon = nullptr;
    std::string m_tip;
    bool m_shown = false;
};

}  // namespace vantor::toolkit
