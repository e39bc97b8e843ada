// The skinned window on Win32: its window class, one message switch, the
// double-buffered paint, mouse routing with SetCapture, cursors, hints and timers.
#include "toolkit/TGoodForm.h"

#include <windowsx.h>

#include <exception>

#include "toolkit/ControlPainter.h"
#include "toolkit/ControlTree.h"
#include "toolkit/DibCanvas.h"
#include "toolkit/HitTest.h"
#include "toolkit/TImage.h"
#include "toolkit/TWinControl.h"

namespace vantor::toolkit {
namespace {

constexpr const char* kFormClass = "VantorGoodForm";
constexpr UINT_PTR kFirstTimerId = 100;

bool RegisterFormClass(WNDPROC proc)
{
    static const bool registered = [proc] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
        wc.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));      // IDI_APPLICATION
        wc.lpszClassName = kFormClass;
        return RegisterClassA(&wc) != 0;
    }();
    return registered;
}

}  // namespace

// The window itself at the top of its control tree: a windowed control whose
// bounds are the window's.
class TGoodForm::WindowRoot : public Control {
public:
    using Control::Control;
    bool IsWindowed() const override { return true; }
};

TGoodForm::TGoodForm(std::string name) : m_root(std::make_unique<WindowRoot>(std::move(name))), m_router(*m_root)
{
    m_root->SetHost(this);
    OnHandlerError = [this](const std::string& text) {
        MessageBoxA(m_window, text.c_str(), "Vantor", MB_OK | MB_ICONERROR);
    };
}

TGoodForm::~TGoodForm()
{
    for (auto& timer : m_timers)
        timer->SetOwner(nullptr);
    m_hints.Destroy();
    if (m_window) {
        SetWindowLongPtrA(m_window, GWLP_USERDATA, 0);
        DestroyWindow(m_window);
    }
    // Child windows go with the form's window; the controls are freed after.
    m_root->SetHost(nullptr);
}

bool TGoodForm::Create(const FormOptions& options)
{
    if (m_window || !RegisterFormClass(&TGoodForm::WindowProc))
        return false;
    const DWORD exStyle =
            (options.taskbarButton ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW) | (options.topmost ? WS_EX_TOPMOST : 0);
    m_root->SetBounds(options.left, options.top, options.width, options.height);
    m_window = CreateWindowExA(exStyle, kFormClass, options.caption.c_str(), WS_POPUP | WS_CLIPCHILDREN, options.left,
                               options.top, options.width, options.height, nullptr, nullptr, GetModuleHandleA(nullptr),
                               this);
    if (!m_window)
        return false;
    if (options.owner)
        SetWindowLongPtrA(m_window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(options.owner));
    m_hints.Create(m_window);
    CreateChildWindows(*m_root);
    for (auto& timer : m_timers)
        timer->SetOwner(m_window);
    return true;
}

void TGoodForm::Show()
{
    if (m_window) {
        ShowWindow(m_window, SW_SHOW);
        UpdateWindow(m_window);
    }
}

void TGoodForm::Hide()
{
    if (m_window)
        ShowWindow(m_window, SW_HIDE);
}

Control* TGoodForm::FindControl(std::string_view name) const { return toolkit::FindControl(*m_root, name); }

TImage* TGoodForm::FindImage(std::string_view name) const { return dynamic_cast<TImage*>(FindControl(name)); }

TTimer& TGoodForm::AddTimer(std::string name, unsigned interval, std::function<void(TTimer&)> onTimer)
{
    m_timers.push_back(std::make_unique<TTimer>(std::move(name), kFirstTimerId + m_timers.size()));
    TTimer& timer = *m_timers.back();
    timer.OnTimer = std::move(onTimer);
    timer.SetInterval(interval);
    timer.SetOwner(m_window);
    return timer;
}

TTimer* TGoodForm::FindTimer(std::string_view name) const
{
    for (const auto& timer : m_timers) {
        if (timer->Name() == name)
            return timer.get();
    }
    return nullptr;
}

void TGoodForm::SetColour(ColourRef colour)
{
    m_colour = colour;
    if (m_window)
        InvalidateRect(m_window, nullptr, FALSE);
}

bool TGoodForm::ShapeFromBitmap(HBITMAP bitmap, COLORREF key)
{
    if (!m_window || !m_region.RegionFromBitmapRuns(bitmap, key))
        return false;
    return m_region.ApplyToWindow(m_window, true);
}

void TGoodForm::CaptureMouse(Control& control)
{
    m_router.SetCapture(&control);
    SyncCapture();
}

void TGoodForm::ReleaseMouse()
{
    m_router.ReleaseCapture();
    SyncCapture();
}

void TGoodForm::KnobMoved(TImage&) {}
void TGoodForm::ButtonPressed(TImage&) {}
void TGoodForm::ButtonReleased(TImage&) {}

LRESULT TGoodForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_window, message, wParam, lParam);
}

HWND TGoodForm::WindowFor(const Control& parent) const
{
    if (&parent == m_root.get())
        return m_window;
    const auto* windowed = dynamic_cast<const TWinControl*>(&parent);
    return windowed ? windowed->Handle() : nullptr;
}

void TGoodForm::Attached(Control& control)
{
    if (!m_window)
        return;
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        if (HWND parent = WindowFor(*control.Parent()))
            windowed->CreateWindowIn(parent);
    }
    Changed(control);
    Invalidate(control);
}

void TGoodForm::CreateChildWindows(Control& parent)
{
    for (const auto& child : parent.Children()) {
        if (auto* windowed = dynamic_cast<TWinControl*>(child.get()); windowed && !windowed->Handle()) {
            if (HWND window = WindowFor(parent))
                windowed->CreateWindowIn(window);
        }
        Changed(*child);
        CreateChildWindows(*child);
    }
}

RECT TGoodForm::ClientRectOf(const Control& control) const
{
    const Point origin = OriginIn(control, *m_root);
    return RECT{origin.x, origin.y, origin.x + control.Width(), origin.y + control.Height()};
}

void TGoodForm::Invalidate(const Control& control)
{
    if (!m_window || control.IsWindowed())
        return;
    // Only controls the form paints itself: windowless all the way up.
    for (const Control* c = control.Parent(); c && c != m_root.get(); c = c->Parent()) {
        if (c->IsWindowed())
            return;
    }
    const RECT r = ClientRectOf(control);
    InvalidateRect(m_window, &r, FALSE);
}

void TGoodForm::Changed(Control& control)
{
    if (!m_window)
        return;
    if (&control == m_root.get()) {
        SetWindowPos(m_window, nullptr, control.Left(), control.Top(), control.Width(), control.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (auto* windowed = dynamic_cast<TWinControl*>(&control)) {
        windowed->SyncWindow();
        m_hints.Update(control, RECT{}, windowed->Handle());
        return;
    }
    m_hints.Update(control, ClientRectOf(control), nullptr);
    // A hidden or disabled control cannot keep the mouse.
    if (m_router.Captured() == &control && (!control.Visible() || !control.Enabled()))
        ReleaseMouse();
}

void TGoodForm::Guard(const std::function<void()>& action)
{
    try {
        action();
    } catch (const std::exception& e) {
        if (OnHandlerError)
            OnHandlerError(e.what());
    } catch (...) {
        if (OnHandlerError)
            OnHandlerError("unknown error");
    }
}

void TGoodForm::Paint()
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_window, &ps);
    // Only what needs it is drawn again (a gadget's changed digits, not the
    // whole gadget): the buffer covers the area to paint, and its origin is
    // moved so the controls draw at their own places. A DIB section, not a
    // bitmap compatible with the screen: drawing into one of those makes
    // Wine check the display's settings with the wineserver every time.
    const RECT area = ps.rcPaint;
    const int width = area.right - area.left, height = area.bottom - area.top;
    if (width > 0 && height > 0) {
        DibCanvas buffer(width, height);
        if (buffer.Valid()) {
            SetViewportOrgEx(buffer.Dc(), -area.left, -area.top, nullptr);
            buffer.Fill(area, m_colour);
            PaintControls(buffer.Dc(), *m_root, POINT{0, 0}, area);
            SetViewportOrgEx(buffer.Dc(), 0, 0, nullptr);
            BitBlt(dc, area.left, area.top, width, height, buffer.Dc(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(m_window, &ps);
}

void TGoodForm::SyncCapture()
{
    if (!m_window)
        return;
    if (m_router.Captured() && GetCapture() != m_window)
        SetCapture(m_window);
    else if (!m_router.Captured() && GetCapture() == m_window)
        ::ReleaseCapture();
}

bool TGoodForm::SetCursorFor(POINT client)
{
    const Control* under = m_router.Captured() ? m_router.Captured() : ControlAt(*m_root, {client.x, client.y});
    if (!under || under->CursorShape != Cursor::HandPoint)
        return false;
    SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
    return true;
}

void TGoodForm::OnMouseDown(MouseButton button, LPARAM lParam)
{
    const RoutedMouse routed = m_router.Down(button, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    SyncCapture();
    if (routed.target && routed.target->OnMouseDown)
        Guard([&] { routed.target->OnMouseDown(*routed.target, routed.event); });
    SyncCapture();
}

void TGoodForm::OnMouseMove(LPARAM lParam)
{
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const RoutedMouse routed = m_router.Move({at.x, at.y});
    if (routed.target && routed.target->OnMouseMove)
        Guard([&] { routed.target->OnMouseMove(*routed.target, routed.event); });
    SyncCapture();
    // While the form holds the capture Windows asks for no cursor: set it here.
    if (GetCapture() == m_window && !SetCursorFor(at))
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)));
}

void TGoodForm::OnMouseUp(MouseButton button, LPARAM lParam)
{
    const RoutedMouse routed = m_router.Up(button, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    SyncCapture();
    Control* target = routed.target;
    if (target && target->OnMouseUp)
        Guard([&] { target->OnMouseUp(*target, routed.event); });
    if (routed.click && target->OnClick)
        Guard([&] { target->OnClick(*target); });
    SyncCapture();
}

LRESULT TGoodForm::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        m_hints.Relay(message, wParam, lParam);
        break;
    default:
        break;
    }
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the paint covers everything from its back buffer
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnMouseDown(MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONDOWN:
        OnMouseDown(MouseButton::Right, lParam);
        return 0;
    case WM_MBUTTONDOWN:
        OnMouseDown(MouseButton::Middle, lParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return 0;
    case WM_LBUTTONUP:
        OnMouseUp(MouseButton::Left, lParam);
        return 0;
    case WM_RBUTTONUP:
        OnMouseUp(MouseButton::Right, lParam);
        return 0;
    case WM_MBUTTONUP:
        OnMouseUp(MouseButton::Middle, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        // Another window took the mouse (a menu, a message box): no control holds it now.
        if (reinterpret_cast<HWND>(lParam) != m_window)
            m_router.ReleaseCapture();
        return 0;
    case WM_SETCURSOR:
        if (reinterpret_cast<HWND>(wParam) == m_window && LOWORD(lParam) == HTCLIENT) {
            POINT at;
            GetCursorPos(&at);
            ScreenToClient(m_window, &at);
            if (SetCursorFor(at))
                return TRUE;
        }
        break;
    case WM_TIMER:
        for (auto& timer : m_timers) {
            if (timer->Id() == wParam) {
                Guard([&] { timer->Fire(); });
                return 0;
            }
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
        if (const TWinControl* control = TWinControl::FromWindow(reinterpret_cast<HWND>(lParam))) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, control->TextColour);
            SetBkColor(dc, control->Colour);
            SetDCBrushColor(dc, control->Colour);
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        if (!(pos->flags & SWP_NOMOVE) || !(pos->flags & SWP_NOSIZE)) {
            RECT r;
            GetWindowRect(m_window, &r);
            // Keep the root's bounds in step without moving the window again.
            ControlHost* host = m_root->Host();
            m_root->SetHost(nullptr);
            m_root->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
            m_root->SetHost(host);
        }
        break;
    }
    case WM_DESTROY:
        m_hints.Destroy();
        for (auto& timer : m_timers)
            timer->SetOwner(nullptr);
        if (OnDestroy)
            Guard([&] { OnDestroy(); });
        break;
    case WM_NCDESTROY:
        m_window = nullptr;
        return 0;
    default:
        break;
    }
    return HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK TGoodForm::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TGoodForm*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        form->m_window = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TGoodForm*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    return form->Dispatch(message, wParam, lParam);
}

}  // namespace vantor::toolkit
