#include "app/ControlLayout.h"

#include "toolkit/TLabel.h"

namespace vantor::views {

using monitor::ControlType;
using toolkit::ControlKind;

ControlLayout::ControlLayout(toolkit::Control& control, bool isWindow) : m_control(control), m_isWindow(isWindow)
{
    for (const auto& child : control.Children())
        m_children.push_back(std::make_unique<ControlLayout>(*child, false));
}

ControlType ControlLayout::Type() const
{
    if (m_isWindow)
        return ControlType::Window;
    switch (m_control.Kind()) {
    case ControlKind::Image:
        return ControlType::Image;
    case ControlKind::Label:
        return ControlType::Label;
    case ControlKind::Edit:
        return ControlType::Edit;
    case ControlKind::Memo:
        return ControlType::Memo;
    case ControlKind::ListBox:
        return ControlType::ListBox;
    case ControlKind::Panel:
        return ControlType::Panel;
    case ControlKind::TreeView:
    case ControlKind::Other:
        break;
    }
    return ControlType::Other;
}

void ControlLayout::SetName(std::string_view name)
{
    if (name != m_control.Name())
        m_control.SetName(std::string(name));
}

void ControlLayout::SetFontHeight(int height)
{
    toolkit::FontSpec font = m_control.Font();
    font.height = height;
    m_control.SetFont(font);
}

void ControlLayout::SetFontCharset(int charset)
{
    toolkit::FontSpec font = m_control.Font();
    font.charset = charset;
    m_control.SetFont(font);
}

std::string ControlLayout::Caption() const
{
    const auto* label = dynamic_cast<const toolkit::TLabel*>(&m_control);
    return label ? label->Caption() : std::string();
}

void ControlLayout::SetCaption(std::string_view caption)
{
    if (auto* label = dynamic_cast<toolkit::TLabel*>(&m_control))
        label->SetCaption(std::string(caption));
}

int ApplyWindowLayout(toolkit::Control& window, monitor::LayoutTable table, monitor::LayoutLanguage& language)
{
    ControlLayout root(window, true);
    return monitor::ApplyLayoutSnapshot(root, table, language);
}

}  // namespace vantor::views
