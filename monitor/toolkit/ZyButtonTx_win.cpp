// The bitmap button's window: its class, its message switch turning window
// messages into state-machine events, and its painting.
#include "toolkit/ZyButtonTx.h"

#include <windowsx.h>

namespace vantor::toolkit {
namespace {

bool RegisterClassOnce(WNDPROC windowProc)
{
    static const bool registered = [&] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = windowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_HAND);
        wc.lpszClassName = ZyButtonTx::kClassName;
        return RegisterClassA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

ZyKey KeyOf(WPARAM key) { return key == VK_SPACE ? ZyKey::Space : key == VK_RETURN ? ZyKey::Enter : ZyKey::Other; }

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap, sizeof info, &info) == 0)
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

}  // namespace

ZyButtonTx::~ZyButtonTx()
{
    if (m_window) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    DeleteBitmaps();
}

void ZyButtonTx::DeleteBitmaps()
{
    for (HBITMAP& bitmap : m_bitmaps) {
        if (bitmap)
            DeleteObject(bitmap);
        bitmap = nullptr;
    }
}

bool ZyButtonTx::Create(HWND parent, int id, int x, int y, const ZyFourStateAppearance& appearance)
{
    DeleteBitmaps();
    m_bitmaps[0] = appearance.RaisedBmp;
    m_bitmaps[1] = appearance.SunkenBmp;
    m_bitmaps[2] = appearance.FocusedBmp;
    m_bitmaps[3] = appearance.DisabledBmp;
    if (m_window || !RegisterClassOnce(&ZyButtonTx::WindowProc))
        return false;
    const SIZE size = BitmapSize(m_bitmaps[0]);
    m_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    m_window = CreateWindowExA(0, kClassName, "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, y, size.cx, size.cy, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), this);
    if (!m_window)
        return false;
    return true;
}

LRESULT CALLBACK ZyButtonTx::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        // The object rides in with the creation; later messages find it here.
        auto* created = static_cast<ZyButtonTx*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        created->m_window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    }
    auto* self = reinterpret_cast<ZyButtonTx*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcA(window, message, wParam, lParam);
    return self->Handle(message, wParam, lParam);
}

bool ZyButtonTx::Inside(LPARAM lParam) const
{
    RECT client{};
    GetClientRect(m_window, &client);
    const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, p) != FALSE;
}

LRESULT ZyButtonTx::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
        Apply(m_state.MouseMove(Inside(lParam)));
        return 0;
    case WM_LBUTTONDOWN:
        Apply(m_state.LeftDown(Inside(lParam)));
        return 0;
    case WM_LBUTTONUP:
        Apply(m_state.LeftUp(Inside(lParam)));
        return 0;
    case WM_KEYDOWN:
        Apply(m_state.KeyDown(KeyOf(wParam)));
        return 0;
    case WM_KEYUP:
        Apply(m_state.KeyUp(KeyOf(wParam)));
        return 0;
    case WM_CHAR:
        Apply(m_state.CharTyped(static_cast<char>(wParam)));
        return 0;
    case WM_SETFOCUS:
        Apply(m_state.FocusGained());
        return 0;
    case WM_KILLFOCUS:
        Apply(m_state.FocusLost());
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_window)
            Apply(m_state.CaptureLost());
        return 0;
    case WM_ENABLE:
        Apply(m_state.SetEnabled(wParam != FALSE));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_BUTTON | DLGC_WANTCHARS;
    case WM_SETFONT:
        m_font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Redraw();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the bitmap covers the whole control
    case WM_PAINT:
        Paint();
        return 0;
    case WM_NCDESTROY:
        // Destroyed with its parent: the object outlives its window.
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
        m_window = nullptr;
        return 0;
    default:
        return DefWindowProcA(m_window, message, wParam, lParam);
    }
}

void ZyButtonTx::Apply(const ZyEffects& e)
{
    if (e.takeCapture && GetCapture() != m_window)
        SetCapture(m_window);
    if (e.takeFocus && GetFocus() != m_window)
        SetFocus(m_window);
    if (e.releaseCapture && GetCapture() == m_window)
        ReleaseCapture();
    if (e.show)
        Redraw();
    if (e.mouseEnter && OnMouseEnter)
        OnMouseEnter();
    if (e.mouseLeave && OnMouseLeave)
        OnMouseLeave();
    if (e.click)
        Click();
}

void ZyButtonTx::Click()
{
    if (ModalResult != 0 && OnModalResult)
        OnModalResult(ModalResult);
    if (OnClick)
        OnClick();
}

void ZyButtonTx::SetEnabled(bool enabled)
{
    // WM_ENABLE brings the state machine along.
    if (m_window)
        EnableWindow(m_window, enabled ? TRUE : FALSE);
}

void ZyButtonTx::SetText(const std::string& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    Redraw();
}

void ZyButtonTx::SetFontColour(COLORREF colour)
{
    m_fontColour = colour;
    Redraw();
}

void ZyButtonTx::SetFontColors(const ZyThreeStateFontColor& colours)
{
    m_fontColours = colours;
    Redraw();
}

void ZyButtonTx::SetDisp(TextDisplacement disp)
{
    m_disp = disp;
    Redraw();
}

void ZyButtonTx::SetTextBounds(const RECT& bounds)
{
    m_textBounds = bounds;
    m_hasTextBounds = true;
    Redraw();
}

void ZyButtonTx::Redraw()
{
    if (m_window)
        RedrawWindow(m_window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void ZyButtonTx::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_window, &ps);
    const std::array<bool, 4> filled{m_bitmaps[0] != nullptr, m_bitmaps[1] != nullptr, m_bitmaps[2] != nullptr,
                                     m_bitmaps[3] != nullptr};
    const ZySlot slot = EffectiveSlot(m_state.Slot(), filled);
    if (HBITMAP bitmap = m_bitmaps[static_cast<int>(slot)]) {
        const SIZE size = BitmapSize(bitmap);
        HDC memory = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(dc, 0, 0, size.cx, size.cy, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    if (!m_caption.empty()) {
        RECT client{};
        GetClientRect(m_window, &client);
        const RECT b = m_hasTextBounds ? m_textBounds : client;
        const PixelRect r = CaptionRect(PixelRect{b.left, b.top, b.right, b.bottom}, m_state.Slot(), m_disp);
        RECT text{r.left, r.top, r.right, r.bottom};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, CaptionColour(m_state.Slot(), m_fontColour, m_fontColours, GetSysColor(COLOR_GRAYTEXT)));
        const HGDIOBJ oldFont = SelectObject(dc, m_font);
        DrawTextA(dc, m_caption.c_str(), static_cast<int>(m_caption.size()), &text,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(dc, oldFont);
    }
    EndPaint(m_window, &ps);
}

}  // namespace vantor::toolkit
