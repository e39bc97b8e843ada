// The broadcast hook: Windows is needed for RegisterWindowMessageA and the
// thread's WH_GETMESSAGE hook.
#include "app/BroadcastHook_win.h"

#include <exception>
#include <string>

#include "app/StandardError.h"
#include "startup/BroadcastRule.h"

namespace vantor::views {
namespace {

// The hook procedure has no context of its own.
BroadcastHook* g_hook = nullptr;

}  // namespace

BroadcastHook::BroadcastHook(HWND applicationWindow, std::function<void()> onFanSettingsChanged)
    : m_applicationWindow(applicationWindow), m_onFanSettingsChanged(std::move(onFanSettingsChanged))
{}

BroadcastHook::~BroadcastHook()
{
    if (m_hook != nullptr)
        UnhookWindowsHookEx(m_hook);
    if (g_hook == this)
        g_hook = nullptr;
}

bool BroadcastHook::Install()
{
    if (m_hook != nullptr || g_hook != nullptr)
        return false;
    const std::string name(monitor::kBroadcastMessageName);
    m_message = RegisterWindowMessageA(name.c_str());
    if (m_message == 0)
        return false;
    m_hook = SetWindowsHookExA(WH_GETMESSAGE, &BroadcastHook::GetMessageProc, nullptr, GetCurrentThreadId());
    if (m_hook == nullptr)
        return false;
    g_hook = this;
    return true;
}

void BroadcastHook::Look(const MSG& msg)
{
    const monitor::QueuedMessage queued{msg.hwnd, msg.message, static_cast<std::uintptr_t>(msg.wParam)};
    if (!monitor::ShouldRefreshFanSettings(queued, m_message, m_applicationWindow) || !m_onFanSettingsChanged)
        return;
    try {
        m_onFanSettingsChanged();
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    } catch (...) {
        ShowStandardError("unknown error");
    }
}

LRESULT CALLBACK BroadcastHook::GetMessageProc(int code, WPARAM wParam, LPARAM lParam)
{
    // A message only looked at (PeekMessage without PM_REMOVE) is seen again
    // when it is taken; acting on the taking alone makes it once per copy.
    if (code == HC_ACTION && (wParam & PM_REMOVE) != 0 && g_hook != nullptr)
        g_hook->Look(*reinterpret_cast<const MSG*>(lParam));
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace vantor::views
