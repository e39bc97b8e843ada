// A control tree held in memory: what the layout tables are applied to in
// tests, and a record of every setter call so the order can be checked.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "language/LayoutControl.h"

namespace vantor::monitor {

class MemoryControl final : public LayoutControl {
public:
    MemoryControl(std::string name, ControlType type, bool windowed = false)
        : m_name(std::move(name)), m_type(type), m_windowed(windowed)
    {}

    // Adds a child at the end of the child order and returns it.
    MemoryControl& Add(std::string name, ControlType type, bool windowed = false);

    std::string_view Name() const override { return m_name; }
    ControlType Type() const override { return m_type; }
    bool IsWindowed() const override { return m_windowed; }
    std::size_t ChildCount() const override { return m_children.size(); }
    LayoutControl& Child(std::size_t index) override { return *m_children.at(index); }

    void SetName(std::string_view name) override;
    int Top() const override { return top; }
    void SetLeft(int value) override;
    void SetTop(int value) override;
    void SetWidth(int value) override;
    void SetHeight(int value) override;
    void SetFontHeight(int value) override;
    void SetFontCharset(int value) override;
    std::string Caption() const override { return caption; }
    void SetCaption(std::string_view value) override;
    std::string Hint() const override { return hint; }
    void SetHint(std::string_view value) override;

    int left = 0, top = 0, width = 0, height = 0;
    int fontHeight = 0, fontCharset = 0;
    std::string caption, hint;
    // "Name.Setter" for every call, shared by the whole tree when given.
    std::vector<std::string>* calls = nullptr;

private:
    void Note(const char* setter);

    std::string m_name;
    ControlType m_type;
    bool m_windowed;
    std::vector<std::unique_ptr<MemoryControl>> m_children;
};

}  // namespace vantor::monitor
