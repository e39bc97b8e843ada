// A skinned window's control tree as the layout tables see it: the window
// itself, then its controls with their names, types and children in the
// toolkit's child order. Pure: the toolkit's controls are plain objects until
// their window exists, and pass geometry changes on to it afterwards.
#pragma once

#include <memory>
#include <vector>

#include "language/LayoutControl.h"
#include "language/LayoutSnapshot.h"
#include "toolkit/Control.h"

namespace vantor::views {

class ControlLayout final : public monitor::LayoutControl {
public:
    // `isWindow`: the control is the window itself (the table's first row).
    ControlLayout(toolkit::Control& control, bool isWindow);

    std::string_view Name() const override { return m_control.Name(); }
    monitor::ControlType Type() const override;
    bool IsWindowed() const override { return m_isWindow || m_control.IsWindowed(); }
    std::size_t ChildCount() const override { return m_children.size(); }
    monitor::LayoutControl& Child(std::size_t index) override { return *m_children.at(index); }

    void SetName(std::string_view name) override;
    int Top() const override { return m_control.Top(); }
    void SetLeft(int left) override { m_control.SetLeft(left); }
    void SetTop(int top) override { m_control.SetTop(top); }
    void SetWidth(int width) override { m_control.SetWidth(width); }
    void SetHeight(int height) override { m_control.SetHeight(height); }
    void SetFontHeight(int height) override;
    void SetFontCharset(int charset) override;

    std::string Caption() const override;
    void SetCaption(std::string_view caption) override;
    std::string Hint() const override { return m_control.Hint(); }
    void SetHint(std::string_view hint) override { m_control.SetHint(std::string(hint)); }

private:
    toolkit::Control& m_control;
    bool m_isWindow;
    std::vector<std::unique_ptr<ControlLayout>> m_children;
};

// Applies `table` to the window whose control tree starts at `window`; the
// result of ApplyLayoutSnapshot (the number of rows applied, -1 when a
// control has no row).
int ApplyWindowLayout(toolkit::Control& window, monitor::LayoutTable table, monitor::LayoutLanguage& language);

}  // namespace vantor::views
