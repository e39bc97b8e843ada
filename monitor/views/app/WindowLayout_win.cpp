// The layout tables on the skinned toolkit's windows: Windows is needed for
// the forms and the program's translation library.
#include "app/WindowLayout_win.h"

#include "language/LanguageLibrary_win.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TLabel.h"
#include "toolkit/TPanel.h"

namespace vantor::views {

using monitor::ControlType;

ControlType ControlLayout::Type() const
{
    if (m_isWindow)
        return ControlType::Window;
    switch (m_control.Kind()) {
    case toolkit::ControlKind::Image:
        return ControlType::Image;
    case toolkit::ControlKind::Label:
        return ControlType::Label;
    case toolkit::ControlKind::Edit:
        return ControlType::Edit;
    case toolkit::ControlKind::Memo:
        return ControlType::Memo;
    case toolkit::ControlKind::ListBox:
        return ControlType::ListBox;
    case toolkit::ControlKind::Panel:
        return ControlType::Panel;
    case toolkit::ControlKind::TreeView:
    case toolkit::ControlKind::Other:
        break;
    }
    return ControlType::Other;
}

monitor::LayoutControl& ControlLayout::Child(std::size_t index)
{
    if (m_children.size() < m_control.Children().size())
        m_children.resize(m_control.Children().size());
    auto& child = m_children.at(index);
    if (!child)
        child = std::make_unique<ControlLayout>(*m_control.Children().at(index), false);
    return *child;
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
    if (const auto* label = dynamic_cast<const toolkit::TLabel*>(&m_control))
        return label->Caption();
    if (const auto* panel = dynamic_cast<const toolkit::TPanel*>(&m_control))
        return panel->Caption();
    return {};
}

void ControlLayout::SetCaption(std::string_view caption)
{
    if (auto* label = dynamic_cast<toolkit::TLabel*>(&m_control))
        label->SetCaption(std::string(caption));
    else if (auto* panel = dynamic_cast<toolkit::TPanel*>(&m_control))
        panel->SetCaption(std::string(caption));
}

int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table, monitor::LayoutLanguage& language)
{
    ControlLayout window(form.Root(), true);
    return monitor::ApplyLayoutSnapshot(window, table, language);
}

int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table)
{
    return ApplyWindowLayout(form, table, monitor::ProgramLanguage());
}

}  // namespace vantor::views
