// Closes the message boxes the library shows while a test runs and keeps
// their captions and texts: a thread that looks for this process's dialog
// windows, reads them and presses OK.
#pragma once

#include <windows.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace vantor::wmi::test {

struct ShownMessage {
    std::string text;
    std::string caption;
    bool operator==(const ShownMessage&) const = default;
};

class MessageBoxWatcher {
public:
    MessageBoxWatcher()
    {
        // The window system starts on this thread before the watcher's first
        // call. Under Wine a thread making its first window call while another
        // loads a library that registers a window class can deadlock the two
        // (the display driver's one-time start against the loader lock); the
        // program itself has its windows before any library call.
        GetDesktopWindow();
        m_thread = std::thread([this] { Watch(); });
    }
    ~MessageBoxWatcher() { Stop(); }
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    // The boxes closed so far, in the order they appeared; stops watching.
    std::vector<ShownMessage> Messages()
    {
        Stop();
        return m_messages;
    }

private:
    void Stop()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }

    void Watch()
    {
        while (!m_stop) {
            EnumWindows(
                    [](HWND window, LPARAM self) -> BOOL {
                        reinterpret_cast<MessageBoxWatcher*>(self)->Close(window);
                        return TRUE;
                    },
                    reinterpret_cast<LPARAM>(this));
            Sleep(20);
        }
    }

    void Close(HWND window)
    {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (process != GetCurrentProcessId() || std::string(className) != "#32770" || !IsWindowVisible(window) ||
            !m_closed.insert(window).second)
            return;
        char caption[128] = {};
        char text[512] = {};
        GetWindowTextA(window, caption, sizeof caption);
        GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
        m_messages.push_back({text, caption});
        PostMessageA(window, WM_COMMAND, IDOK, 0);
    }

    std::atomic<bool> m_stop{false};
    std::set<HWND> m_closed;
    std::vector<ShownMessage> m_messages;
    std::thread m_thread;
};

}  // namespace vantor::wmi::test
