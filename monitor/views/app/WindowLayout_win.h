// Applying a window's compiled-in layout table to a skinned window: the
// toolkit's control tree seen as the tree the layout tables walk, and the
// program's language deciding the translation and Japanese rules. Every
// window calls ApplyWindowLayout once while it is created. Windows only.
#pragma once

#include <memory>
#include <vector>

#include "language/LayoutControl.h"
#include "language/LayoutRecord.h"
#include "language/LayoutSnapshot.h"
#include "toolkit/Control.h"

namespace vantor::toolkit {
class TGoodForm;
}

namespace vantor::views {

// One toolkit control as a layout-table control; its children are wrapped
// on first use. The tree's root is the window itself.
class ControlLayout final : public monitor::LayoutControl {
public:
    ControlLayout(toolkit::Control& control, bool isWindow) : m_control(control), m_isWindow(isWindow) {}

    std::string_view Name() const override { return m_control.Name(); }
    monitor::ControlType Type() const override;
    bool IsWindowed() const override { return m_control.IsWindowed(); }
    std::size_t ChildCount() const override { return m_control.Children().size(); }
    monitor::LayoutControl& Child(std::size_t index) override;

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
    std::vector<std::unique_ptr<ControlLayout>> m_children;
};

// Applies table to form with the program's language; the result of
// ApplyLayoutSnapshot (controls applied plus one, or -1 for a control the
// table does not name).
int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table);
// The same with a given language (tests).
int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table, monitor::LayoutLanguage& language);

}  // namespace vantor::views
