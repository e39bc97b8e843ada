// The application-wide hook for the registered broadcast "the fan-control
// settings have changed". It watches every message the user-interface thread
// takes from its queue, in the program's message loop and in every modal
// loop alike (a message box, the list window), before it is dispatched, and
// calls OnFanSettingsChanged once per posting: for the copy addressed to the
// application window. The message then goes on to its normal dispatch.
// One hook per process. Windows only.
#pragma once

#include <windows.h>

#include <functional>

namespace vantor::views {

class BroadcastHook {
public:
    BroadcastHook(HWND applicationWindow, std::function<void()> onFanSettingsChanged);
    ~BroadcastHook();
    BroadcastHook(const BroadcastHook&) = delete;
    BroadcastHook& operator=(const BroadcastHook&) = delete;

    // Registers the broadcast message and hooks the calling thread. False
    // when either is refused (the program then runs without the refresh).
    bool Install();
    // The registered message; 0 before Install or when registration failed.
    UINT BroadcastMessage() const { return m_message; }

private:
    static LRESULT CALLBACK GetMessageProc(int code, WPARAM wParam, LPARAM lParam);
    void Look(const MSG& msg);

    HWND m_applicationWindow;
    std::function<void()> m_onFanSettingsChanged;
    UINT m_message = 0;
    HHOOK m_hook = nullptr;
};

}  // namespace vantor::views
