#include "core/GroupItems.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>

#include "core/GroupValueText.h"
#include "core/ItemId.h"
#include "core/TextSlot.h"

namespace vantor::hw {

namespace {

constexpr std::uint32_t kFanControlGroup = OC_GROUP_FAN_CONTROL;
constexpr unsigned kWriteModeShift = 12;
constexpr std::uint32_t kWriteModeMask = 0xF;
// GetData copies each entry up to the caller area, which is the caller's own.
constexpr std::size_t kLibraryPartSize = offsetof(SettingItem, CallerArea);
static_assert(kLibraryPartSize == 64 && sizeof(SettingItem) == 80);

// An empty view may carry a null data pointer, which the copy must not see.
void WriteSlot(OptionList* list, std::size_t index, std::string_view text)
{
    if (list[index] != nullptr) {
        CopyCut(text.empty() ? std::string_view("") : text, list[index], kOptionSlotSize);
    }
}

// Range items: slot k gets the text of base + step * k. The words are the
// firmware's signed numbers; 64-bit arithmetic keeps every slot's value exact.
void WriteRangeTexts(const ResultList& object, std::uint32_t kind, std::uint32_t count, OptionList* list)
{
    const auto base = static_cast<std::int32_t>(object.IntegerAt(kObjectBaseElement));
    const auto step = static_cast<std::int32_t>(object.IntegerAt(kObjectStepElement));
    for (std::uint32_t k = 0; k < count; ++k) {
        const std::int64_t value = base + static_cast<std::int64_t>(step) * k;
        WriteSlot(list, k, GroupValueText(kind, value));
    }
}

// Named options: elements 5, 6, ... in order, as many as the object has and
// at most count.
void WriteNamedTexts(const ResultList& object, std::uint32_t count, OptionList* list)
{
    for (std::size_t k = 0; k < count && kObjectFirstOptionElement + k < object.Size(); ++k) {
        WriteSlot(list, k, object.StringAt(kObjectFirstOptionElement + k));
    }
}

}  // namespace

void GroupTable::Build(MethodChannel& channel)
{
    m_items.clear();
    std::size_t count = 0;
    if (ReadGroupItems(channel, kFanControlGroup, nullptr, count) != GroupListStatus::Done || count == 0) {
        return;
    }
    std::vector<GroupItemInfo> records(count);
    if (ReadGroupItems(channel, kFanControlGroup, records.data(), count) != GroupListStatus::Done) {
        return;
    }
    // Each record already carries the option count of the object its ItemId
    // names, found by the same search, so the objects are not looked up again.
    m_items.reserve(count);
    for (const GroupItemInfo& record : records) {
        SettingItem item{};
        item.Id = record.itemId;
        const auto nameLength =
                static_cast<std::size_t>(std::find(record.name.begin(), record.name.end(), '\0') - record.name.begin());
        CopyCut(std::string_view(record.name.data(), nameLength), item.Name, sizeof item.Name);
        item.Extra1 = record.extra1;
        item.Extra2 = record.extra2;
        item.OptionCount = static_cast<std::int32_t>(record.optionCount);
        m_items.push_back(item);
    }
}

std::int32_t GroupTable::GetData(MethodChannel& channel, SettingItem* items, std::int32_t* count)
{
    if (count == nullptr) {
        return 0;
    }
    *count = static_cast<std::int32_t>(m_items.size());
    if (items == nullptr) {
        return 0;
    }
    for (SettingItem& item : m_items) {
        item.Extra1 = ReadItemInfo(channel, item.Id).extra1;
        if (const std::optional<std::uint32_t> value = ReadValue(channel, item.Id)) {
            item.Value = static_cast<std::int32_t>(*value);
        }
    }
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        std::memcpy(&items[i], &m_items[i], kLibraryPartSize);
    }
    return 0;
}

std::int32_t GroupTable::SetData(MethodChannel& channel, const SettingItem* items, std::int32_t count,
                                 std::uint32_t control)
{
    if (items == nullptr) {
        return 0;
    }
    const std::uint32_t mode = (control >> kWriteModeShift) & kWriteModeMask;
    bool anyTaken = false;
    for (std::int32_t i = 0; i < count; ++i) {
        if (ItemGroupOf(items[i].Id) == kFanControlGroup &&
            WriteValue(channel, items[i].Id, static_cast<std::uint32_t>(items[i].Value), mode)) {
            anyTaken = true;
        }
    }
    return mode == 0 && anyTaken ? 1 : 0;
}

std::int32_t GroupTable::GetList(MethodChannel& channel, std::uint32_t itemId, OptionList* list, std::int32_t bytes)
{
    MethodName name;
    ResultBuffer objectResult;
    const bool found = FindObjectName(channel, itemId, name, objectResult) == FindStatus::Found;
    const ResultList object(objectResult);
    const std::uint32_t count = found ? OptionCountOf(object) : 0;
    if (list == nullptr) {
        return static_cast<std::int32_t>(count);
    }
    if (static_cast<std::int64_t>(kOptionSlotSize) * count > bytes) {
        return kListTooSmall;
    }

    const std::uint32_t kind = ItemKindOf(object.IntegerAt(kObjectIdElement));
    if (kind >= kFirstRangeKind && kind <= kLastRangeKind) {
        WriteRangeTexts(object, kind, count, list);
    } else if (kind == kSwitchKind) {
        WriteSlot(list, 0, kSwitchOffText);
        WriteSlot(list, 1, kSwitchOnText);
        return static_cast<std::int32_t>(kSwitchOptionCount);
    } else if (kind == kNamedOptionsKind) {
        WriteNamedTexts(object, count, list);
    }
    return static_cast<std::int32_t>(count);
}

}  // namespace vantor::hw
