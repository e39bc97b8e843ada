// The fan-control settings of boards whose firmware offers the group item
// interface (GGRP, GITM, SITM): a SettingItem table of group 0x04 built once,
// its refresh and write-back, and the option texts of one item.
//
// The table is library-wide state; its calls must not run concurrently with
// one another.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "VantorHw.h"
#include "core/GroupMethods.h"
#include "core/MethodChannel.h"

namespace vantor::hw {

// Texts of a switch item's two options, in option order.
inline constexpr const char* kSwitchOffText = "Disable";
inline constexpr const char* kSwitchOnText = "Enable";

// The answer of GetList when the caller's list cannot hold every option.
inline constexpr std::int32_t kListTooSmall = -1;

class GroupTable {
public:
    // Reads group 0x04 into the table, replacing what it held. Without a
    // group (GGRP failing, empty, or changing between its two reads) the
    // table is empty. Per item: Id, Name (30 bytes at most), Extra1 and
    // Extra2 from the item object, OptionCount; Value stays 0 until GetData.
    void Build(MethodChannel& channel);
    void Clear() { m_items.clear(); }

    std::span<const SettingItem> Items() const { return m_items; }

    // count := the table size. With an array, first refreshes every entry
    // (Extra1 from its object, Value from GITM when that answers; a failed
    // read keeps the previous Value) and then copies the table into it; the
    // caller area of each item is left as the caller had it.
    // Always 0. A null count pointer gets nothing done: without it the
    // caller cannot have sized the array.
    std::int32_t GetData(MethodChannel& channel, SettingItem* items, std::int32_t* count);

    // Writes the Value of each of the count items of group 0x04 with SITM, in
    // the mode bits 12-15 of control name; items of other groups are skipped.
    // In mode 0 the answer is 1 when any write was taken (callers take it
    // to mean that applying the values needs a restart), in every other mode 0. 0 for a null
    // array. Reads only the caller's array, not the table.
    static std::int32_t SetData(MethodChannel& channel, const SettingItem* items, std::int32_t count,
                                std::uint32_t control);

    // The option texts of one item into the caller's 30-byte slots (null
    // slot pointers are skipped). With a null list, the option count; when
    // bytes cannot hold 30 bytes per option, kListTooSmall and nothing
    // written; otherwise the count (2 for a switch) after writing. An item
    // whose object cannot be found has 0 options.
    static std::int32_t GetList(MethodChannel& channel, std::uint32_t itemId, OptionList* list, std::int32_t bytes);

private:
    std::vector<SettingItem> m_items;
};

}  // namespace vantor::hw
