// A panel: a plain child window that holds other windowed controls, filled
// with its colour and showing its caption centred. The information browser
// keeps one as the place where the HTML view goes.
#pragma once

#include <string>

#include "toolkit/TWinControl.h"

namespace vantor::toolkit {

class TPanel : public TWinControl {
public:
    using TWinControl::TWinControl;
    ControlKind Kind() const override { return ControlKind::Panel; }

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption);

protected:
    WindowSpec Spec() const override;
    void WindowCreated() override;

private:
    static LRESULT CALLBACK PanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::string m_caption;
};

}  // namespace vantor::toolkit
