// A multi-line edit box holding lines of text, with a vertical scroll bar.
#pragma once

#include <string>
#include <vector>

#include "toolkit/TWinControl.h"

namespace vantor::toolkit {

class TMemo : public TWinControl {
public:
    using TWinControl::TWinControl;
    ControlKind Kind() const override { return ControlKind::Memo; }

    // Lines are kept by the window, joined with CR LF.
    void SetLines(const std::vector<std::string>& lines);
    void AddLine(const std::string& line);
    std::string Text() const;
    bool ReadOnly = true;
    // Both set before the window is made.
    bool Border = true;
    bool HorizontalScroll = false;  // long lines scroll instead of wrapping

protected:
    WindowSpec Spec() const override;
};

}  // namespace vantor::toolkit
