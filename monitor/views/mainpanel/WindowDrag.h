// Dragging the cover and the main panel together by their art: a left press
// records the point, every move while it is held gives how far to move both
// windows, the release ends it. Points are in the pressed control's
// coordinates; since the windows follow the pointer, that point comes back
// to the press point after each move. Pure.
#pragma once

#include <optional>

namespace vantor::views {

struct DragDelta {
    int dx = 0;
    int dy = 0;
    bool operator==(const DragDelta&) const = default;
};

class WindowDrag {
public:
    // Any button but the left one clears the drag.
    void Press(bool leftButton, int x, int y);
    // How far to move the windows; nothing when not dragging or not moved.
    std::optional<DragDelta> Move(int x, int y) const;
    void Release() { m_dragging = false; }
    bool Dragging() const { return m_dragging; }

private:
    bool m_dragging = false;
    int m_originX = 0;
    int m_originY = 0;
};

}  // namespace vantor::views
