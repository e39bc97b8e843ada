// One named control of a skinned window: its place in the control tree, its
// geometry, visibility, hint, cursor and mouse handlers. Windowless controls
// (pictures, labels) are painted by their window; windowed ones (edits, lists,
// the tree, panels) wrap a real child window and say so through IsWindowed.
// Pure: the window behind a control is reached through ControlHost.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/ColourKey.h"

namespace vantor::toolkit {

class Control;

enum class ControlKind {
    Image,
    Label,
    Edit,
    Memo,
    ListBox,
    TreeView,
    Panel,
    Other
};

// The toolkit's cursor numbers; crHandPoint is the pointing hand.
enum class Cursor : int {
    Default = 0,
    HandPoint = -21
};
inline constexpr Cursor crDefault = Cursor::Default;
inline constexpr Cursor crHandPoint = Cursor::HandPoint;

enum class MouseButton {
    Left,
    Right,
    Middle
};

// A mouse event as a control hears it: the point in its own coordinates.
struct MouseEvent {
    MouseButton button = MouseButton::Left;
    int x = 0;
    int y = 0;
};

struct FontSpec {
    std::string face = "Tahoma";
    int height = -11;  // negative: character height in pixels
    int charset = 1;   // DEFAULT_CHARSET; 128 is SHIFTJIS_CHARSET
    bool bold = false;
    bool operator==(const FontSpec&) const = default;
};

// What a control needs from the window that shows it. The form implements
// it; a tree built in a test has none.
class ControlHost {
public:
    virtual ~ControlHost() = default;
    // A windowless control's look changed: repaint its area.
    virtual void Invalidate(const Control& control) = 0;
    // Geometry, visibility, enabling, hint or font changed.
    virtual void Changed(Control& control) = 0;
};

class Control {
public:
    explicit Control(std::string name) : m_name(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    virtual ControlKind Kind() const { return ControlKind::Other; }
    // A real child window: it gets its own mouse messages, may hold children
    // and is drawn by Windows, not by the form.
    virtual bool IsWindowed() const { return false; }

    const std::string& Name() const { return m_name; }
    void SetName(std::string name) { m_name = std::move(name); }
    int Tag = 0;

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int left) { SetBounds(left, m_top, m_width, m_height); }
    void SetTop(int top) { SetBounds(m_left, top, m_width, m_height); }
    void SetWidth(int width) { SetBounds(m_left, m_top, width, m_height); }
    void SetHeight(int height) { SetBounds(m_left, m_top, m_width, height); }
    void SetBounds(int left, int top, int width, int height);
    // The point (x, y), in the parent's coordinates, lies on the control.
    bool Contains(int x, int y) const;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);

    const std::string& Hint() const { return m_hint; }
    void SetHint(std::string hint);
    Cursor CursorShape = Cursor::Default;

    const FontSpec& Font() const { return m_font; }
    void SetFont(const FontSpec& font);

    std::function<void(Control&)> OnClick;
    std::function<void(Control&, const MouseEvent&)> OnMouseDown;
    std::function<void(Control&, const MouseEvent&)> OnMouseMove;
    std::function<void(Control&, const MouseEvent&)> OnMouseUp;

    Control* Parent() const { return m_parent; }
    // Children in creation order, which is also their z-order (last on top).
    const std::vector<std::unique_ptr<Control>>& Children() const { return m_children; }
    // Takes the child; it joins this control's host.
    Control& AddChild(std::unique_ptr<Control> child);

    ControlHost* Host() const { return m_host; }
    void SetHost(ControlHost* host);

protected:
    void Invalidate() const
    {
        if (m_host)
            m_host->Invalidate(*this);
    }
    void NotifyChanged()
    {
        if (m_host)
            m_host->Changed(*this);
    }

private:
    std::string m_name;
    int m_left = 0, m_top = 0, m_width = 0, m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    std::string m_hint;
    FontSpec m_font;
    Control* m_parent = nullptr;
    std::vector<std::unique_ptr<Control>> m_children;
    ControlHost* m_host = nullptr;
};

}  // namespace vantor::toolkit
