#include "core/GroupMethods.h"

#include <algorithm>
#include <string_view>

#include "core/ItemId.h"
#include "core/LittleEndian.h"
#include "core/MethodCalls.h"
#include "core/ObjectList.h"

namespace vantor::hw {

namespace {

constexpr std::uint32_t kWriteDoneBits = 0x3;

bool CallGroupList(MethodChannel& channel, std::uint32_t group, ResultBuffer& result)
{
    const std::uint32_t words[] = {group};
    return CallMethodBuffer(channel, kGroupListMethod, words, result);
}

}  // namespace

FindStatus FindObjectName(MethodChannel& channel, std::uint32_t itemId, MethodName& name, ResultBuffer& object)
{
    name = MethodName();
    ResultBuffer listResult;
    if (!CallGroupList(channel, ItemGroupOf(itemId), listResult)) {
        object.fill(0);
        return FindStatus::GroupFailed;
    }
    const ResultList list(listResult);
    if (list.Size() == 0) {
        object.fill(0);
        return FindStatus::GroupEmpty;
    }
    for (std::size_t i = 0; i < list.Size(); ++i) {
        const std::optional<MethodName> candidate = ObjectNameAt(list, i);
        if (!candidate || !CallMethod(channel, *candidate, object)) {
            continue;
        }
        if (ResultList(object).IntegerAt(kObjectIdElement) == itemId) {
            name = *candidate;
            return FindStatus::Found;
        }
    }
    object.fill(0);
    return FindStatus::NotFound;
}

std::uint32_t OptionCountOf(const ResultList& object)
{
    const std::uint32_t kind = ItemKindOf(object.IntegerAt(kObjectIdElement));
    if (kind >= kFirstRangeKind && kind <= kLastRangeKind) {
        return object.IntegerAt(kObjectRangeCountElement);
    }
    if (kind == kSwitchKind) {
        return kSwitchOptionCount;
    }
    if (kind == kNamedOptionsKind) {
        return object.IntegerAt(kObjectNameCountElement);
    }
    return 0;
}

GroupItemInfo ReadItemInfo(MethodChannel& channel, std::uint32_t itemId)
{
    GroupItemInfo info;
    MethodName name;
    ResultBuffer objectResult;
    if (FindObjectName(channel, itemId, name, objectResult) != FindStatus::Found) {
        return info;
    }
    const ResultList object(objectResult);
    info.objectName = name.Chars();
    info.itemId = object.IntegerAt(kObjectIdElement);
    const std::string_view text = object.StringAt(kObjectNameElement);
    std::copy_n(text.begin(), std::min(text.size(), info.name.size()), info.name.begin());
    info.extra1 = object.IntegerAt(kObjectExtra1Element);
    info.extra2 = object.IntegerAt(kObjectExtra2Element);
    info.optionCount = OptionCountOf(object);
    return info;
}

GroupListStatus ReadGroupItems(MethodChannel& channel, std::uint32_t group, GroupItemInfo* records, std::size_t& count)
{
    ResultBuffer listResult;
    if (!CallGroupList(channel, group, listResult)) {
        return GroupListStatus::GroupFailed;
    }
    const ResultList list(listResult);
    if (list.Size() == 0) {
        return GroupListStatus::GroupEmpty;
    }
    if (records == nullptr) {
        count = list.Size();
        return GroupListStatus::Done;
    }
    if (count != list.Size()) {
        return GroupListStatus::CountChanged;
    }
    ResultBuffer objectResult;
    for (std::size_t i = 0; i < count; ++i) {
        records[i] = GroupItemInfo();
        const std::optional<MethodName> object = ObjectNameAt(list, i);
        if (object && CallMethod(channel, *object, objectResult)) {
            records[i] = ReadItemInfo(channel, ResultList(objectResult).IntegerAt(kObjectIdElement));
        }
    }
    return GroupListStatus::Done;
}

std::array<std::uint32_t, 2> GroupAnswerWords(const ResultList& result)
{
    std::array<std::uint8_t, 8> area{};
    if (result.CountLowByte() != 0) {
        const std::span<const std::uint8_t> data = result.DataAt(0);
        std::copy_n(data.begin(), std::min(data.size(), area.size()), area.begin());
    }
    return {LoadU32(area, 0), LoadU32(area, 4)};
}

std::optional<std::uint32_t> ReadValue(MethodChannel& channel, std::uint32_t itemId)
{
    const std::uint32_t words[] = {itemId};
    ResultBuffer result;
    if (!CallMethodBuffer(channel, kGroupReadMethod, words, result)) {
        return std::nullopt;
    }
    return GroupAnswerWords(ResultList(result))[1];
}

bool WriteValue(MethodChannel& channel, std::uint32_t itemId, std::uint32_t value, std::uint32_t mode)
{
    const std::uint32_t words[] = {itemId, value, mode};
    ResultBuffer result;
    if (!CallMethodBuffer(channel, kGroupWriteMethod, words, result)) {
        return false;
    }
    return (GroupAnswerWords(ResultList(result))[0] & kWriteDoneBits) == kWriteDoneBits;
}

}  // namespace vantor::hw
