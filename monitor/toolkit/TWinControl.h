// A control that is a real child window: edits, list boxes, the memo, the
// tree and panels. The control keeps its window in step with its geometry,
// visibility, enabling and font, and carries the colours its window draws in.
#pragma once

#include <windows.h>

#include "toolkit/Control.h"

namespace vantor::toolkit {

class TWinControl : public Control {
public:
    using Control::Control;
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }

    // Makes the child window inside `parent`. False when Windows refused.
    bool CreateWindowIn(HWND parent);
    HWND Handle() const { return m_window; }

    // Puts the window where the control says and applies its font.
    void SyncWindow();

    ColourRef Colour = MakeColour(255, 255, 255);
    ColourRef TextColour = MakeColour(0, 0, 0);

    // The control behind a child window made by this toolkit, or null.
    static TWinControl* FromWindow(HWND window);

protected:
    struct WindowSpec {
        const char* className;
        DWORD style;
        DWORD exStyle;
    };
    virtual WindowSpec Spec() const = 0;
    // After the window exists: the control fills it in.
    virtual void WindowCreated() {}
    // Colours the window keeps itself (those asked by WM_CTLCOLOR* need nothing).
    virtual void ApplyColours() {}

private:
    HWND m_window = nullptr;
    HFONT m_font = nullptr;
    FontSpec m_appliedFont;
    bool m_fontApplied = false;
};

}  // namespace vantor::toolkit
