// What applying a layout table needs from a window's control tree: names,
// types, children in the toolkit's child order, and the geometry, font and
// text setters. The toolkit's controls implement it; MemoryControl is a plain
// tree for tests and tools.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantor::monitor {

// Control types in the order ApplyControlText tests them.
enum class ControlType {
    Image,
    Window,
    Frame,
    Label,
    Edit,
    Memo,
    Button,
    ListBox,
    ComboBox,
    GroupBox,
    RadioGroup,
    Panel,
    CheckBox,
    Other,
};

inline constexpr int kShiftJisCharset = 128;

class LayoutControl {
public:
    virtual ~LayoutControl() = default;

    virtual std::string_view Name() const = 0;
    virtual ControlType Type() const = 0;
    // A control with its own window handle, which can hold child controls.
    virtual bool IsWindowed() const = 0;
    virtual std::size_t ChildCount() const = 0;
    virtual LayoutControl& Child(std::size_t index) = 0;

    virtual void SetName(std::string_view name) = 0;
    virtual int Top() const = 0;
    virtual void SetLeft(int left) = 0;
    virtual void SetTop(int top) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual void SetFontHeight(int height) = 0;
    virtual void SetFontCharset(int charset) = 0;

    virtual std::string Caption() const = 0;
    virtual void SetCaption(std::string_view caption) = 0;
    virtual std::string Hint() const = 0;
    virtual void SetHint(std::string_view hint) = 0;
};

}  // namespace vantor::monitor
