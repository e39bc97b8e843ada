// The skinned top-level window every window of the program is built on: a
// borderless window, optionally shaped by a region, holding a tree of named
// controls. Windowless pictures and labels are painted by the form into a
// back buffer and copied to the screen once per paint; edits, lists, the
// memo, the tree and panels are real child windows. The form routes its mouse
// to the windowless controls (capture, click on release inside), sets their
// cursors, shows their hints and drives its timers. Handlers that throw are
// reported through OnHandlerError and the window goes on.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/Control.h"
#include "toolkit/ControlHelpers.h"
#include "toolkit/HintTips.h"
#include "toolkit/MouseRouter.h"
#include "toolkit/SkinnedButtonLogic.h"
#include "toolkit/TTimer.h"
#include "toolkit/WinRegion.h"

namespace vantor::toolkit {

class TImage;

struct FormOptions {
    int left = 0;
    int top = 0;
    int width = 100;
    int height = 100;
    std::string caption;
    bool taskbarButton = false;  // skinned windows normally keep out of the taskbar
    bool topmost = false;
    HWND owner = nullptr;  // a popup owned by this window: above it, hidden and minimised with it
};

class TGoodForm : private ControlHost {
public:
    explicit TGoodForm(std::string name);
    ~TGoodForm() override;
    TGoodForm(const TGoodForm&) = delete;
    TGoodForm& operator=(const TGoodForm&) = delete;

    // Makes the (hidden) window and the child windows of controls added so far.
    bool Create(const FormOptions& options);
    HWND Handle() const { return m_window; }
    void Show();
    void Hide();

    // The window itself as the root of its control tree: its name, bounds
    // (screen coordinates) and font.
    Control& Root() { return *m_root; }
    const Control& Root() const { return *m_root; }
    const std::string& Name() const { return m_root->Name(); }

    // A new control named `name` under `parent` (the window when null), on
    // top of its siblings. Windowed controls get their window at once when
    // the form exists.
    template <class T>
    T& Add(std::string name, Control* parent = nullptr)
    {
        Control& holder = parent ? *parent : *m_root;
        auto& added = static_cast<T&>(holder.AddChild(std::make_unique<T>(std::move(name))));
        Attached(added);
        return added;
    }
    Control* FindControl(std::string_view name) const;
    TImage* FindImage(std::string_view name) const;

    TTimer& AddTimer(std::string name, unsigned interval, std::function<void(TTimer&)> onTimer);
    TTimer* FindTimer(std::string_view name) const;

    // The colour under the windowless controls.
    ColourRef Colour() const { return m_colour; }
    void SetColour(ColourRef colour);
    // Shapes the window to the bitmap's pixels other than `key`. False, leaving
    // the shape as it was, when the bitmap cannot be read.
    bool ShapeFromBitmap(HBITMAP bitmap, COLORREF key);

    // The skinned buttons' per-window flags.
    FormMouseState& MouseState() { return m_mouse; }
    // A windowless control takes the mouse: it hears every move, also
    // outside itself and outside the window, until released.
    void CaptureMouse(Control& control);
    void ReleaseMouse();
    Control* MouseCaptureControl() const { return m_router.Captured(); }

    HWND HintWindow() const { return m_hints.Handle(); }

    // Each does nothing here; windows with sliders and auto-repeating
    // buttons override them.
    virtual void KnobMoved(TImage& knob);
    virtual void ButtonPressed(TImage& button);
    virtual void ButtonReleased(TImage& button);

    // A control's handler threw: the text of the error. By default a message box.
    std::function<void(const std::string&)> OnHandlerError;
    // The window is being destroyed.
    std::function<void()> OnDestroy;

protected:
    // Messages the form does not handle itself go here; the default is DefWindowProcA.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    class WindowRoot;
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void Attached(Control& control);
    void CreateChildWindows(Control& parent);
    void Paint();
    void OnMouseDown(MouseButton button, LPARAM lParam);
    void OnMouseMove(LPARAM lParam);
    void OnMouseUp(MouseButton button, LPARAM lParam);
    void SyncCapture();
    bool SetCursorFor(POINT client);
    void Guard(const std::function<void()>& action);
    RECT ClientRectOf(const Control& control) const;
    HWND WindowFor(const Control& parent) const;

    // ControlHost
    void Invalidate(const Control& control) override;
    void Changed(Control& control) override;

    std::unique_ptr<Control> m_root;
    HWND m_window = nullptr;
    ColourRef m_colour = MakeColour(32, 36, 42);
    MouseRouter m_router;
    FormMouseState m_mouse;
    HintTips m_hints;
    WinRegion m_region;
    std::vector<std::unique_ptr<TTimer>> m_timers;
};

// The layout helpers that take a window, for a form.
inline void SetControlsVisible(const TGoodForm& form, std::string_view prefix, int count, int first, bool visible)
{
    SetControlsVisible(form.Root(), prefix, count, first, visible);
}
inline void SetButtonEnabled(const TGoodForm& form, std::string_view button, bool enabled)
{
    SetButtonEnabled(form.Root(), button, enabled);
}

}  // namespace vantor::toolkit
