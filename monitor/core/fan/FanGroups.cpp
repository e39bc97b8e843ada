#include "fan/FanGroups.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace vantor::monitor {
namespace {

std::string UpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string Cut(std::string_view text) { return std::string(text.substr(0, kFanGroupNameSize)); }

// The end of the first "KELVANE", else of the first "FAN", in the
// upper-cased name; npos when neither occurs.
std::size_t EndOfFanWord(std::string_view name)
{
    const std::string upper = UpperCase(name);
    for (const std::string_view word : {std::string_view("KELVANE"), std::string_view("FAN")}) {
        const std::size_t at = upper.find(word);
        if (at != std::string::npos)
            return at + word.size();
    }
    return std::string::npos;
}

FanGroup& GroupOfKey(std::vector<FanGroup>& groups, std::uint8_t key)
{
    for (FanGroup& group : groups) {
        if (group.Key == key)
            return group;
    }
    FanGroup& added = groups.emplace_back();
    added.Key = key;
    return added;
}

const SettingItem* SlotItem(const FanGroup& group, std::span<const SettingItem> items, std::size_t slot)
{
    if (slot >= kFanGroupSlots)
        return nullptr;
    const int index = group.Slots[slot];
    if (index < 0 || static_cast<std::size_t>(index) >= items.size())
        return nullptr;
    return &items[static_cast<std::size_t>(index)];
}

}  // namespace

std::string_view ItemName(const SettingItem& item) { return {item.Name, strnlen(item.Name, sizeof item.Name)}; }

std::string OldInterfaceGroupName(std::string_view itemName)
{
    const std::size_t at = UpperCase(itemName).find("FAN");
    if (at == std::string::npos)
        return Cut(itemName.substr(0, 3));
    return Cut(itemName.substr(0, at + 3));
}

std::string GroupInterfaceGroupName(std::string_view itemName)
{
    const std::size_t end = EndOfFanWord(itemName);
    return Cut(Trim(end == std::string::npos ? itemName : itemName.substr(0, end)));
}

std::string GroupInterfaceRowTitle(std::string_view itemName)
{
    const std::size_t end = EndOfFanWord(itemName);
    std::string title(Trim(end == std::string::npos ? itemName : itemName.substr(end)));
    if (!title.empty())
        title[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(title[0])));
    return title + ":";
}

std::vector<FanGroup> BuildOldInterfaceGroups(std::span<const SettingItem> items)
{
    std::vector<FanGroup> groups;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const SettingItem& item = items[i];
        FanGroup& group = GroupOfKey(groups, FanGroupKey(item.Id));
        group.Name = OldInterfaceGroupName(ItemName(item));
        const std::uint32_t role = FanItemRole(item.Id);
        if (role >= kRoleMode && role <= kRoleTargetTemperature)
            group.Slots[role - 1] = static_cast<int>(i);
    }
    return groups;
}

std::vector<FanGroup> BuildGroupInterfaceGroups(std::span<const SettingItem> items)
{
    std::vector<FanGroup> groups;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const SettingItem& item = items[i];
        const std::uint8_t key = FanGroupKey(item.Id);
        if (key == 0)
            continue;
        FanGroup& group = GroupOfKey(groups, key);
        if (group.Name.empty())
            group.Name = GroupInterfaceGroupName(ItemName(item));
        const auto empty = std::find(group.Slots.begin(), group.Slots.end(), kEmptySlot);
        if (empty != group.Slots.end())
            *empty = static_cast<int>(i);
    }
    return groups;
}

bool OldInterfaceRowEnabled(const FanGroup& group, std::span<const SettingItem> items, std::size_t slot)
{
    const SettingItem* mode = SlotItem(group, items, kRoleMode - 1);
    if (mode == nullptr)
        return true;
    switch (slot + 1) {
    case kRoleDutyCycle:
        return mode->Value == 0;
    case kRoleSensing:
    case kRoleTargetTemperature:
        return mode->Value == 1;
    default:
        return true;
    }
}

bool GroupInterfaceRowEnabled(const FanGroup& group, std::span<const SettingItem> items, std::size_t slot)
{
    const SettingItem* row = SlotItem(group, items, slot);
    if (row == nullptr || static_cast<std::int32_t>(row->Extra1) < 0)
        return true;
    const std::uint32_t controllerByte = (row->Extra1 >> 16) & 0xFF;
    const std::uint32_t disablingValues = row->Extra1 & 0xFF;
    for (const SettingItem& controller : items) {
        if ((controller.Id & 0xFF) != controllerByte || FanGroupKey(controller.Id) != group.Key)
            continue;
        // Values outside the low byte's eight bits select no bit.
        if (controller.Value >= 0 && controller.Value < 8 && ((disablingValues >> controller.Value) & 1) != 0)
            return false;
        return true;
    }
    return true;
}

std::int32_t AppliedValue(const SettingItem& item)
{
    std::int32_t value = 0;
    std::memcpy(&value, item.CallerArea, sizeof value);
    return value;
}

void SetAppliedValue(SettingItem& item, std::int32_t value) { std::memcpy(item.CallerArea, &value, sizeof value); }

}  // namespace vantor::monitor
