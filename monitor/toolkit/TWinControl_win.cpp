// Child windows behind the windowed controls: creation, keeping them where
// the control says, and their fonts.
#include "toolkit/TWinControl.h"

namespace vantor::toolkit {
namespace {

constexpr const char* kControlProperty = "VantorControl";

}  // namespace

TWinControl::~TWinControl()
{
    // The form's window may have taken this one with it already, and its
    // handle may since name another window: destroy only our own.
    if (m_window && IsWindow(m_window) && GetPropA(m_window, kControlProperty) == this) {
        RemovePropA(m_window, kControlProperty);
        DestroyWindow(m_window);
    }
    if (m_font)
        DeleteObject(m_font);
}

bool TWinControl::CreateWindowIn(HWND parent)
{
    const WindowSpec spec = Spec();
    m_window = CreateWindowExA(spec.exStyle, spec.className, "", spec.style | WS_CHILD, Left(), Top(), Width(),
                               Height(), parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!m_window)
        return false;
    SetPropA(m_window, kControlProperty, this);
    WindowCreated();
    SyncWindow();
    return true;
}

void TWinControl::SyncWindow()
{
    if (!m_window)
        return;
    RECT now{};
    GetWindowRect(m_window, &now);
    MapWindowPoints(nullptr, GetParent(m_window), reinterpret_cast<POINT*>(&now), 2);
    if (now.left != Left() || now.top != Top() || now.right - now.left != Width() || now.bottom - now.top != Height())
        MoveWindow(m_window, Left(), Top(), Width(), Height(), TRUE);
    if (!m_fontApplied || !(m_appliedFont == Font())) {
        HFONT font = CreateFontA(Font().height, 0, 0, 0, Font().bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                                 static_cast<BYTE>(Font().charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 CLEARTYPE_QUALITY, DEFAULT_PITCH, Font().face.c_str());
        SendMessageA(m_window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        if (m_font)
            DeleteObject(m_font);
        m_font = font;
        m_appliedFont = Font();
        m_fontApplied = true;
    }
    ApplyColours();
    EnableWindow(m_window, Enabled());
    ShowWindow(m_window, Visible() ? SW_SHOWNA : SW_HIDE);
}

TWinControl* TWinControl::FromWindow(HWND window)
{
    return static_cast<TWinControl*>(GetPropA(window, kControlProperty));
}

}  // namespace vantor::toolkit
