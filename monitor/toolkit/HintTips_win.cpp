// Tooltips through comctl32's tooltips_class32. The owner window passes its
// mouse messages on itself: a tooltip subclassing it would look up its
// subclass data (a window property: a wineserver round trip under Wine)
// three times for every message the window gets, each paint and timer
// included. Child windows with a hint are still subclassed; they are few
// and quiet.
#include "toolkit/HintTips.h"

#include <commctrl.h>

namespace vantor::toolkit {

HintTips::~HintTips() { Destroy(); }

void HintTips::Destroy()
{
    if (m_tips)
        DestroyWindow(m_tips);
    m_tips = nullptr;
}

bool HintTips::Create(HWND owner)
{
    static const bool initialised = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    if (!initialised)
        return false;
    m_owner = owner;
    m_tips = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    if (m_tips)
        SendMessageA(m_tips, TTM_SETMAXTIPWIDTH, 0, 320);
    return m_tips != nullptr;
}

void HintTips::Update(const Control& control, const RECT& area, HWND window)
{
    if (!m_tips)
        return;
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = m_owner;
    if (window) {
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.uId = reinterpret_cast<UINT_PTR>(window);
    } else {
        tool.uFlags = 0;
        tool.uId = reinterpret_cast<UINT_PTR>(&control);
        tool.rect = area;
    }
    SendMessageA(m_tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    if (!control.Visible() || control.Hint().empty())
        return;
    tool.lpszText = const_cast<char*>(control.Hint().c_str());
    SendMessageA(m_tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
}

void HintTips::Relay(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (!m_tips)
        return;
    MSG relayed{};
    relayed.hwnd = m_owner;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    relayed.time = static_cast<DWORD>(GetMessageTime());
    GetCursorPos(&relayed.pt);
    SendMessageA(m_tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace vantor::toolkit
