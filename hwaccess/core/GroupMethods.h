// The firmware's group item interface: GGRP lists the item objects of a
// group, GITM reads an item's value and SITM writes it. All three take one
// buffer argument of 32-bit words. Each item object, evaluated by its name
// without argument, describes itself:
//
//   element 0  ItemId; its kind (bits 16-23) decides elements 4 onwards
//   element 1  name
//   element 2  attribute word (the setting's Extra1)
//   element 3  attribute word (the setting's Extra2)
//   kinds 1-6: element 4 base value, 5 step, 6 number of options
//   kind 7:    a switch with two options, named by the library
//   kind 8:    element 4 number of option names, the names from element 5
//
// Object names are looked up anew on every use; nothing here is cached.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/MethodChannel.h"
#include "core/MethodName.h"
#include "core/ResultList.h"

namespace vantor::hw {

inline constexpr MethodName kGroupListMethod = "GGRP";
inline constexpr MethodName kGroupReadMethod = "GITM";
inline constexpr MethodName kGroupWriteMethod = "SITM";

inline constexpr std::size_t kObjectIdElement = 0;
inline constexpr std::size_t kObjectNameElement = 1;
inline constexpr std::size_t kObjectExtra1Element = 2;
inline constexpr std::size_t kObjectExtra2Element = 3;
inline constexpr std::size_t kObjectBaseElement = 4;         // kinds 1-6
inline constexpr std::size_t kObjectStepElement = 5;         // kinds 1-6
inline constexpr std::size_t kObjectRangeCountElement = 6;   // kinds 1-6
inline constexpr std::size_t kObjectNameCountElement = 4;    // kind 8
inline constexpr std::size_t kObjectFirstOptionElement = 5;  // kind 8

inline constexpr std::uint32_t kFirstRangeKind = 1;
inline constexpr std::uint32_t kLastRangeKind = 6;
inline constexpr std::uint32_t kSwitchKind = 7;
inline constexpr std::uint32_t kNamedOptionsKind = 8;
inline constexpr std::uint32_t kSwitchOptionCount = 2;

// Item names in a group record: 30 bytes, NUL-terminated only when shorter.
inline constexpr std::size_t kGroupItemNameSize = 30;

// One item of a group as read while building the group table: 52 bytes,
// the name cut at 30.
struct GroupItemInfo {
    std::array<char, 4> objectName{};  // no NUL
    std::uint32_t itemId = 0;
    std::array<char, kGroupItemNameSize> name{};
    std::array<std::uint8_t, 2> unused{};
    std::uint32_t extra1 = 0;
    std::uint32_t extra2 = 0;
    std::uint32_t optionCount = 0;

    friend bool operator==(const GroupItemInfo&, const GroupItemInfo&) = default;
};
static_assert(sizeof(GroupItemInfo) == 52);

enum class FindStatus {
    Found = 0,
    GroupFailed = 1,  // GGRP failed
    GroupEmpty = 2,   // GGRP listed nothing
    NotFound = 3,
};

enum class GroupListStatus {
    Done = 0,
    GroupFailed = 1,
    GroupEmpty = 2,
    CountChanged = 4,  // the caller's count is not the number GGRP lists
};

// Searches the item's group (its bits 24-31) for the object whose element 0
// is itemId; the first match wins. On Found, name is the object's name and
// object holds its result, so the caller need not evaluate it again;
// otherwise name is empty and object all zero.
FindStatus FindObjectName(MethodChannel& channel, std::uint32_t itemId, MethodName& name, ResultBuffer& object);

// How many option texts an item object offers: element 6 for kinds 1-6, 2
// for a switch, element 4 for kind 8; 0 for any other kind, and a missing
// element reads 0.
std::uint32_t OptionCountOf(const ResultList& object);

// The item's record; all zero when its object cannot be found.
GroupItemInfo ReadItemInfo(MethodChannel& channel, std::uint32_t itemId);

// With records null: count := the number of elements GGRP lists. Otherwise
// records holds count entries and record i describes element i; elements
// that name no object, and objects that fail, leave their record empty.
// The number of elements is what the result buffer actually holds, never
// more than its Count.
GroupListStatus ReadGroupItems(MethodChannel& channel, std::uint32_t group, GroupItemInfo* records, std::size_t& count);

// The first 8 bytes of a GITM or SITM answer, as two words: min(DataLength, 8)
// bytes of element 0 over a cleared area; all zero when the low byte of Count
// is 0.
std::array<std::uint32_t, 2> GroupAnswerWords(const ResultList& result);

// The item's current value (word 1 of the GITM answer); nullopt when the call
// fails. The status word is not used: its meaning is the firmware's own.
std::optional<std::uint32_t> ReadValue(MethodChannel& channel, std::uint32_t itemId);

// True when SITM succeeded and bits 0-1 of its status word are both set.
bool WriteValue(MethodChannel& channel, std::uint32_t itemId, std::uint32_t value, std::uint32_t mode);

}  // namespace vantor::hw
