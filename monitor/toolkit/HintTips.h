// The hints of a window's controls, shown by one comctl32 tooltip window:
// a tool per hinted control, a rectangle of the window for windowless
// controls and the child window itself for windowed ones.
#pragma once

#include <windows.h>

#include <string>

#include "toolkit/Control.h"

namespace vantor::toolkit {

class HintTips {
public:
    HintTips() = default;
    ~HintTips();
    HintTips(const HintTips&) = delete;
    HintTips& operator=(const HintTips&) = delete;

    // Creates the tooltip window for `owner`. False when comctl32 refused.
    bool Create(HWND owner);
    HWND Handle() const { return m_tips; }
    // Destroys the tooltip window; done before its owner goes, which would take it along.
    void Destroy();

    // (Re)registers the control's tool: a visible control with a hint has
    // one covering `area` (owner's client coordinates) or its own `window`.
    void Update(const Control& control, const RECT& area, HWND window);

    // Passes a mouse message of the owner window on to the tooltip window,
    // which sees the owner's mouse only this way.
    void Relay(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    HWND m_owner = nullptr;
    HWND m_tips = nullptr;
};

}  // namespace vantor::toolkit
