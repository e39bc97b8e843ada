// The panel's window class: paints its colour and caption, and passes its
// children's colour requests up to the form, which knows their colours.
#include "toolkit/TPanel.h"

namespace vantor::toolkit {
namespace {

constexpr const char* kPanelClass = "VantorPanel";

bool RegisterPanelClass(WNDPROC proc)
{
    static const bool registered = [proc] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.lpszClassName = kPanelClass;
        return RegisterClassA(&wc) != 0;
    }();
    return registered;
}

}  // namespace

void TPanel::SetCaption(std::string caption)
{
    m_caption = std::move(caption);
    if (Handle())
        InvalidateRect(Handle(), nullptr, TRUE);
}

TWinControl::WindowSpec TPanel::Spec() const
{
    RegisterPanelClass(&TPanel::PanelProc);
    return {kPanelClass, WS_CLIPCHILDREN, 0};
}

void TPanel::WindowCreated() { InvalidateRect(Handle(), nullptr, TRUE); }

LRESULT CALLBACK TPanel::PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        RECT r;
        GetClientRect(window, &r);
        auto* panel = dynamic_cast<TPanel*>(FromWindow(window));
        HBRUSH brush = CreateSolidBrush(panel ? panel->Colour : RGB(255, 255, 255));
        FillRect(dc, &r, brush);
        DeleteObject(brush);
        if (panel && !panel->m_caption.empty()) {
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, panel->TextColour);
            const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
            DrawTextA(dc, panel->m_caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(dc, old);
        }
        EndPaint(window, &ps);
        return 0;
    }
    case WM_SETFONT:
        SetPropA(window, "VantorPanelFont", reinterpret_cast<HANDLE>(wParam));
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropA(window, "VantorPanelFont"));
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        return SendMessageA(GetParent(window), message, wParam, lParam);
    case WM_NCDESTROY:
        RemovePropA(window, "VantorPanelFont");
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace vantor::toolkit
