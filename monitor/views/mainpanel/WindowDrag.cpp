#include "mainpanel/WindowDrag.h"

namespace vantor::views {

void WindowDrag::Press(bool leftButton, int x, int y)
{
    m_dragging = leftButton;
    m_originX = leftButton ? x : 0;
    m_originY = leftButton ? y : 0;
}

std::optional<DragDelta> WindowDrag::Move(int x, int y) const
{
    if (!m_dragging || (x == m_originX && y == m_originY))
        return std::nullopt;
    return DragDelta{x - m_originX, y - m_originY};
}

}  // namespace vantor::views
