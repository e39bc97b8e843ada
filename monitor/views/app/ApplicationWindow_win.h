// The application's hidden window: one unowned top-level window that stands
// for the program as a whole, titled "Vantor". A broadcast posted to every
// top-level window reaches each of the program's windows once; the copy
// addressed to this window is the one the program acts on. It also ends the
// run when it is asked to close (as ending the session or a task list does),
// the same way as the tray menu's Exit. Windows only.
#pragma once

#include <windows.h>

#include <string>

namespace vantor::views {

inline constexpr const char* kApplicationWindowClass = "VantorApplication";

class ApplicationWindow {
public:
    ApplicationWindow() = default;
    ~ApplicationWindow();
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;

    // Makes the hidden window and makes it the toolkit's application window.
    bool Create(const std::string& title);
    HWND Handle() const { return m_window; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
};

}  // namespace vantor::views
