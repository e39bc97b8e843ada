// How the fan-control setting items are sorted into the groups the options
// window shows, what the groups and rows are called, and which rows may be
// edited. Pure functions over the items as the library hands them out.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "VantorHw.h"

namespace vantor::monitor {

enum class FanItemInterface {
    None,
    Old,
    Group
};

inline constexpr std::size_t kFanGroupSlots = 5;
inline constexpr std::size_t kFanGroupNameSize = 30;
inline constexpr int kEmptySlot = -1;

// Roles of old-interface items (bits 0-3 of the ItemId) and their slots.
inline constexpr std::uint32_t kRoleMode = 1;
inline constexpr std::uint32_t kRoleDutyCycle = 2;
inline constexpr std::uint32_t kRoleSensing = 3;
inline constexpr std::uint32_t kRoleTargetTemperature = 4;

struct FanGroup {
    std::uint8_t Key = 0;  // bits 4-7 of its items' ItemIds
    std::string Name;      // at most kFanGroupNameSize characters
    // Indexes into the setting items, kEmptySlot where no row is shown.
    std::array<int, kFanGroupSlots> Slots{kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot, kEmptySlot};
};

inline std::uint8_t FanGroupKey(std::uint32_t itemId) { return static_cast<std::uint8_t>((itemId >> 4) & 0xF); }
inline std::uint32_t FanItemRole(std::uint32_t itemId) { return itemId & 0xF; }

// The item's Name up to its terminator (at most the 32 bytes of the field).
std::string_view ItemName(const SettingItem& item);

// Old interface: the name up to and including the first "FAN" (found in
// the upper-cased name, copied in the name's own case), else its first three
// characters: "CPU Fan Mode" gives "CPU Fan".
std::string OldInterfaceGroupName(std::string_view itemName);
// Group interface: up to and including the first "KELVANE", else the first
// "FAN", trimmed; the whole trimmed name when neither occurs.
std::string GroupInterfaceGroupName(std::string_view itemName);
// Group interface row title: what follows the first "KELVANE" (else "FAN",
// else the whole name), trimmed, first letter upper-cased, ":" appended.
std::string GroupInterfaceRowTitle(std::string_view itemName);

// Every item in table order: its key's group is found or appended, and the
// item takes the slot of its role (roles 1 to 4; other roles take none).
std::vector<FanGroup> BuildOldInterfaceGroups(std::span<const SettingItem> items);
// Groups for every non-zero key in order of first appearance; the first five
// items of a group fill its slots in table order.
std::vector<FanGroup> BuildGroupInterfaceGroups(std::span<const SettingItem> items);

// Old interface: the duty-cycle row only while the group's mode item is 0,
// sensing and target temperature only while it is 1; every row when the
// group has no mode item.
bool OldInterfaceRowEnabled(const FanGroup& group, std::span<const SettingItem> items, std::size_t slot);
// Group interface: disabled when the item's Extra1 is non-negative and
// names a controlling item of the same group (bits 16-23 equal to the
// controller's low ItemId byte) whose Value selects a set bit of Extra1's low
// byte.
bool GroupInterfaceRowEnabled(const FanGroup& group, std::span<const SettingItem> items, std::size_t slot);

// The value last applied to the hardware, kept in the item's caller area.
std::int32_t AppliedValue(const SettingItem& item);
void SetAppliedValue(SettingItem& item, std::int32_t value);

}  // namespace vantor::monitor
