// A single-line edit box.
#pragma once

#include <string>

#include "toolkit/TWinControl.h"

namespace vantor::toolkit {

class TEdit : public TWinControl {
public:
    using TWinControl::TWinControl;
    ControlKind Kind() const override { return ControlKind::Edit; }

    std::string Text() const;
    void SetText(const std::string& text);
    bool ReadOnly = false;

protected:
    WindowSpec Spec() const override;
};

// The text of any window, read whole.
std::string WindowText(HWND window);

}  // namespace vantor::toolkit
