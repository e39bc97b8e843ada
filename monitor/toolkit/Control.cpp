#include "toolkit/Control.h"

namespace vantor::toolkit {

void Control::SetBounds(int left, int top, int width, int height)
{
    if (left == m_left && top == m_top && width == m_width && height == m_height)
        return;
    Invalidate();  // the old area
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    NotifyChanged();
    Invalidate();
}

bool Control::Contains(int x, int y) const
{
    return x >= m_left && y >= m_top && x - m_left < m_width && y - m_top < m_height;
}

void Control::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    Invalidate();
    m_visible = visible;
    NotifyChanged();
    Invalidate();
}

void Control::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    NotifyChanged();
    Invalidate();
}

void Control::SetHint(std::string hint)
{
    if (hint == m_hint)
        return;
    m_hint = std::move(hint);
    NotifyChanged();
}

void Control::SetFont(const FontSpec& font)
{
    if (font == m_font)
        return;
    m_font = font;
    NotifyChanged();
    Invalidate();
}

Control& Control::AddChild(std::unique_ptr<Control> child)
{
    child->m_parent = this;
    Control& added = *child;
    m_children.push_back(std::move(child));
    added.SetHost(m_host);
    return added;
}

void Control::SetHost(ControlHost* host)
{
    m_host = host;
    for (auto& child : m_children)
        child->SetHost(host);
}

}  // namespace vantor::toolkit
