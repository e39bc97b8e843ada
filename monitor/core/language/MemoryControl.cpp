#include "language/MemoryControl.h"

namespace vantor::monitor {

MemoryControl& MemoryControl::Add(std::string name, ControlType type, bool windowed)
{
    m_children.push_back(std::make_unique<MemoryControl>(std::move(name), type, windowed));
    m_children.back()->calls = calls;
    return *m_children.back();
}

void MemoryControl::Note(const char* setter)
{
    if (calls != nullptr)
        calls->push_back(m_name + "." + setter);
}

void MemoryControl::SetName(std::string_view name)
{
    m_name = std::string(name);
    Note("Name");
}

void MemoryControl::SetLeft(int value)
{
    left = value;
    Note("Left");
}

void MemoryControl::SetTop(int value)
{
    top = value;
    Note("Top");
}

void MemoryControl::SetWidth(int value)
{
    width = value;
    Note("Width");
}

void MemoryControl::SetHeight(int value)
{
    height = value;
    Note("Height");
}

void MemoryControl::SetFontHeight(int value)
{
    fontHeight = value;
    Note("FontHeight");
}

void MemoryControl::SetFontCharset(int value)
{
    fontCharset = value;
    Note("FontCharset");
}

void MemoryControl::SetCaption(std::string_view value)
{
    caption = std::string(value);
    Note("Caption");
}

void MemoryControl::SetHint(std::string_view value)
{
    hint = std::string(value);
    Note("Hint");
}

}  // namespace vantor::monitor
