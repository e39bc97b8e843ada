// A skinned window's control tree as the layout tables see it: names, types,
// children in the toolkit's order, geometry, fonts, captions and hints.
// Windows builds (the toolkit's window side).
#pragma once

#include <memory>
#include <vector>

#include "language/LayoutControl.h"
#include "toolkit/Control.h"

namespace vantor::views {

class LayoutAdapter final : public monitor::LayoutControl {
public:
    // The root is the window itself (type Window); the adapters of its
    // children are made at once and live as long as this one.
    LayoutAdapter(toolkit::Control& control, bool isWindow);

    std::string_view Name() const override { return m_control.Name(); }
    monitor::ControlType Type() const override;
    bool IsWindowed() const override { return m_control.IsWindowed(); }
    std::size_t ChildCount() const override { return m_children.size(); }
    LayoutControl& Child(std::size_t index) override { return *m_children.at(index); }

    void SetName(std::string_view name) override { m_control.SetName(std::string(name)); }
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
    std::vector<std::unique_ptr<LayoutAdapter>> m_children;
};

}  // namespace vantor::views
