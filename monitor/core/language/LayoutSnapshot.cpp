#include "language/LayoutSnapshot.h"

#include <string>
#include <unordered_map>

namespace vantor::monitor {

namespace {

using RowsByName = std::unordered_map<std::string_view, const LayoutRecord*>;

struct TextRule {
    bool setFont;
    bool translateCaption;
    bool translateHint;
    bool japaneseCharset;
    bool japaneseShift;
};

TextRule RuleFor(ControlType type)
{
    switch (type) {
    case ControlType::Image:
        return {false, false, true, false, false};
    case ControlType::Window:
        return {true, false, false, true, false};
    case ControlType::Frame:
        return {true, false, false, false, false};
    case ControlType::Label:
        return {true, true, false, true, true};
    case ControlType::Edit:
        return {true, false, false, false, false};
    case ControlType::Memo:
        return {true, false, false, true, false};
    case ControlType::Button:
        return {true, false, false, false, false};
    case ControlType::ListBox:
        return {true, false, false, true, false};
    case ControlType::ComboBox:
        return {true, false, false, false, false};
    case ControlType::GroupBox:
        return {true, true, false, true, false};
    case ControlType::RadioGroup:
        return {true, false, false, false, false};
    case ControlType::Panel:
        return {true, true, false, true, false};
    case ControlType::CheckBox:
        return {true, false, false, false, false};
    case ControlType::Other:
        break;
    }
    return {false, false, false, false, false};
}

void ApplyRecord(LayoutControl& control, const LayoutRecord& record, LayoutLanguage& language)
{
    control.SetName(record.NameView());
    control.SetLeft(record.Left);
    control.SetTop(record.Top);
    control.SetWidth(record.Width);
    control.SetHeight(record.Height);
    ApplyControlText(control, record.FontHeight, language);
}

// Depth first in child order; false as soon as a control has no row.
bool WalkChildren(LayoutControl& parent, const RowsByName& rows, LayoutLanguage& language, int& applied)
{
    for (std::size_t i = 0; i < parent.ChildCount(); ++i) {
        LayoutControl& control = parent.Child(i);
        const auto row = rows.find(control.Name());
        if (row == rows.end())
            return false;
        ApplyRecord(control, *row->second, language);
        ++applied;
        if (control.IsWindowed() && control.ChildCount() > 0 && !WalkChildren(control, rows, language, applied))
            return false;
    }
    return true;
}

}  // namespace

void ApplyControlText(LayoutControl& control, int fontHeight, LayoutLanguage& language)
{
    const TextRule rule = RuleFor(control.Type());
    if (rule.setFont)
        control.SetFontHeight(fontHeight);
    if (!rule.translateCaption && !rule.translateHint && !rule.japaneseCharset)
        return;
    if (!language.CanTranslate())
        return;
    if (rule.translateCaption)
        control.SetCaption(language.Translate(control.Caption()));
    if (rule.translateHint)
        control.SetHint(language.Translate(control.Hint()));
    if (rule.japaneseCharset && language.IsJapanese()) {
        control.SetFontCharset(kShiftJisCharset);
        if (rule.japaneseShift)
            control.SetTop(control.Top() + kJapaneseLabelShift);
    }
}

int ApplyLayoutSnapshot(LayoutControl& window, LayoutTable table, LayoutLanguage& language)
{
    RowsByName rows;
    for (const LayoutRecord& record : table)
        rows.emplace(record.NameView(), &record);  // the first row of a name wins

    int applied = 0;
    if (!WalkChildren(window, rows, language, applied))
        return kLayoutNameMissing;
    const auto own = rows.find(window.Name());
    if (own == rows.end())
        return kLayoutNameMissing;
    ApplyRecord(window, *own->second, language);
    return applied + 1;
}

}  // namespace vantor::monitor
