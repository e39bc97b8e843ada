// The layout tables applied to the toolkit's controls of a skinned window.
#include "gadget/LayoutAdapter.h"

#include "toolkit/TLabel.h"

namespace vantor::views {

LayoutAdapter::LayoutAdapter(toolkit::Control& control, bool isWindow) : m_control(control), m_isWindow(isWindow)
{
    for (const auto& child : control.Children())
        m_children.push_back(std::make_unique<LayoutAdapter>(*child, false));
}

monitor::ControlType LayoutAdapter::Type() const
{
    if (m_isWindow)
        return monitor::ControlType::Window;
    switch (m_control.Kind()) {
    case toolkit::ControlKind::Image:
        return monitor::ControlType::Image;
    case toolkit::ControlKind::Label:
        return monitor::ControlType::Label;
    case toolkit::ControlKind::Edit:
        return monitor::ControlType::Edit;
    case toolkit::ControlKind::Memo:
        return monitor::ControlType::Memo;
    case toolkit::ControlKind::ListBox:
        return monitor::ControlType::ListBox;
    case toolkit::ControlKind::Panel:
        return monitor::ControlType::Panel;
    case toolkit::ControlKind::TreeView:
    case toolkit::ControlKind::Other:
        break;
    }
    return monitor::ControlType::Other;
}

void LayoutAdapter::SetFontHeight(int height)
{
    toolkit::FontSpec font = m_control.Font();
    font.height = height;
    m_control.SetFont(font);
}

void LayoutAdapter::SetFontCharset(int charset)
{
    toolkit::FontSpec font = m_control.Font();
    font.charset = charset;
    m_control.SetFont(font);
}

std::string LayoutAdapter::Caption() const
{
    const auto* label = dynamic_cast<const toolkit::TLabel*>(&m_control);
    return label ? label->Caption() : std::string();
}

void LayoutAdapter::SetCaption(std::string_view caption)
{
    if (auto* label = dynamic_cast<toolkit::TLabel*>(&m_control))
        label->SetCaption(std::string(caption));
}

}  // namespace vantor::views
