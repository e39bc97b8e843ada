#include "core/FanControl.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "core/DescriptorRule.h"
#include "core/ItemAccess.h"
#include "core/ItemId.h"
#include "core/MethodCalls.h"
#include "core/ObjectList.h"
#include "core/ResultList.h"
#include "core/TextSlot.h"

namespace vantor::hw {

namespace {

// A record of the KVIF feature list: the item and its name, then four words.
using FanItemRecord = DescriptorRecord<4>;
constexpr std::size_t kFanModeWordIndex = 3;  // word 4

// A record of the OCIF setting list: the range's low and high ends, its step
// count, and the attribute word.
using OcItemRecord = DescriptorRecord<4>;
constexpr std::size_t kRangeLowIndex = 0;
constexpr std::size_t kRangeHighIndex = 1;
constexpr std::size_t kStepCountIndex = 2;
constexpr std::size_t kAttributeIndex = 3;

// The bytes of a SettingItem the library owns; the rest is the caller's.
constexpr std::size_t kLibraryPartSize = offsetof(SettingItem, CallerArea);
static_assert(kLibraryPartSize == 64 && sizeof(SettingItem) == 80);

std::vector<FanItemRecord> ReadFanItems(MethodChannel& channel)
{
    return ReadObjectList<4>(channel, kFeatureListMethod);
}

std::vector<OcItemRecord> ReadOcItems(MethodChannel& channel) { return ReadObjectList<4>(channel, kOcItemListMethod); }

// The item's option names, or nothing when OCOP fails.
std::optional<std::vector<OptionText>> ReadItemOptions(MethodChannel& channel, std::uint32_t itemId)
{
    ResultBuffer result;
    if (!CallMethodInt(channel, kItemReadMethod, itemId, result)) {
        return std::nullopt;
    }
    const ResultList list(result);
    std::vector<OptionText> texts(ItemOptionCount(list));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        CopyCut(ItemOptionAt(list, i), texts[i]);
    }
    return texts;
}

// A list is refilled only when its item could be read.
void FillFromItem(MethodChannel& channel, std::uint32_t itemId, std::vector<OptionText>& list)
{
    if (auto texts = ReadItemOptions(channel, itemId)) {
        list = std::move(*texts);
    }
}

// Item 0 is what an empty record carries; it never names a descriptor.
std::optional<OcItemRecord> FindOcItem(MethodChannel& channel, std::uint32_t itemId)
{
    if (itemId == 0) {
        return std::nullopt;
    }
    for (const OcItemRecord& record : ReadOcItems(channel)) {
        if (record.itemId == itemId) {
            return record;
        }
    }
    return std::nullopt;
}

void WriteSlot(OptionList* list, std::size_t index, std::string_view text)
{
    if (char* slot = list[index]) {
        CopyCut(text, slot, kOptionSlotSize);
    }
}

// A negative capacity holds nothing.
std::size_t SlotsIn(std::int32_t bytes) { return bytes > 0 ? static_cast<std::size_t>(bytes) / kOptionSlotSize : 0; }

}  // namespace

void FanControl::Initialize(MethodChannel& channel)
{
    BuildProfileLists(channel);
    ReadFanModeWord(channel);
    BuildSettingTable(channel);
}

void FanControl::BuildProfileLists(MethodChannel& channel)
{
    m_profilesA.clear();
    m_profilesB.clear();
    const std::vector<FanItemRecord> features = ReadFanItems(channel);
    if (features.empty()) {
        // No feature list: both lists come straight from their items.
        FillFromItem(channel, OC_ITEM_CPU_FAN_TARGET, m_profilesA);
        FillFromItem(channel, ACPI_KVINFO_CPU_KELVANE_PROFILE, m_profilesB);
        return;
    }
    for (const FanItemRecord& record : features) {
        if (record.itemId == OC_ITEM_CPU_FAN_TARGET) {
            FillFromItem(channel, OC_ITEM_CPU_FAN_TARGET, m_profilesA);
        }
    }
}

void FanControl::ReadFanModeWord(MethodChannel& channel)
{
    m_fanModeWord = kDefaultFanModeWord;
    for (const FanItemRecord& record : ReadFanItems(channel)) {
        if (record.itemId == OC_ITEM_CPU_KELVANE) {
            m_fanModeWord = record.words[kFanModeWordIndex];
        }
    }
}

void FanControl::BuildSettingTable(MethodChannel& channel)
{
    m_settings.clear();
    std::vector<OcItemRecord> taken;
    for (const OcItemRecord& record : ReadOcItems(channel)) {
        if (ItemGroupOf(record.itemId) == OC_GROUP_FAN_CONTROL && ReadItem(channel, record.itemId).available) {
            taken.push_back(record);
        }
    }
    for (const OcItemRecord& record : taken) {
        SettingItem item{};
        item.Id = record.itemId;
        static_assert(sizeof item.Name == kDescriptorNameSize);
        std::copy(record.name.begin(), record.name.end(), item.Name);
        item.RangeLow = static_cast<std::int32_t>(record.words[kRangeLowIndex]);
        item.RangeHigh = static_cast<std::int32_t>(record.words[kRangeHighIndex]);
        item.Extra1 = record.words[kAttributeIndex];
        item.OptionCount = GeneralGetList(channel, record.itemId, nullptr, 0);
        m_settings.push_back(item);
    }
}

std::int32_t FanControl::GetKelvaneInfo(MethodChannel& channel, std::uint32_t itemId)
{
    const ItemState item = ReadItem(channel, itemId);
    if (item.available) {
        return item.current != 0 ? kKelvaneOn : kKelvaneOff;
    }
    // Boards that do not offer the feature item through OCOP describe the
    // processor feature in KVIF; that answer holds for every item asked.
    if (!m_featureListRead) {
        m_featureListRead = true;
        for (const FanItemRecord& record : ReadFanItems(channel)) {
            if (record.itemId != OC_ITEM_CPU_KELVANE) {
                continue;
            }
            m_featureItemSeen = true;
            if ((m_fanModeWord & kFanModeSupported) != 0) {
                m_featureAnswer = (m_fanModeWord & kFanModeOn) != 0 ? kKelvaneOn : kKelvaneOff;
            }
        }
        return m_featureAnswer;
    }
    return m_featureItemSeen ? m_featureAnswer : kKelvaneUnsupported;
}

void FanControl::EnableKelvane(MethodChannel& channel, bool on, std::uint32_t itemId)
{
    WriteItem(channel, itemId, on ? 1u : 0u, kFanWriteMode);
}

void FanControl::SetKelvaneTarget(MethodChannel& channel, std::int32_t value, std::uint32_t itemId)
{
    const std::uint32_t word = static_cast<std::uint32_t>(value);
    if (ReadItem(channel, ACPI_KVINFO_CPU_KELVANE_PROFILE).available) {
        WriteItem(channel, itemId, word, kFanWriteMode);
    } else {
        WriteItem(channel, OC_ITEM_CPU_FAN_TARGET, word, kFanWriteMode);
    }
}

bool FanControl::HideKelvane(MethodChannel& channel) const
{
    for (const FanItemRecord& record : ReadFanItems(channel)) {
        if (record.itemId == OC_ITEM_CPU_KELVANE) {
            return (m_fanModeWord & kFanModeShownBits) == 0;
        }
    }
    return false;
}

std::int32_t FanControl::PresetList(MethodChannel& channel, char* slots) const
{
    if (slots == nullptr) {
        return 0;
    }
    const std::vector<OptionText>& profiles =
            ReadItem(channel, ACPI_KVINFO_CPU_KELVANE_PROFILE).available ? m_profilesB : m_profilesA;
    for (std::size_t i = 0; i < profiles.size(); ++i) {
        std::memcpy(slots + i * kOptionSlotSize, profiles[i].data(), kOptionSlotSize);
    }
    return static_cast<std::int32_t>(profiles.size());
}

bool FanControl::GetFanStartTemp(MethodChannel& channel, std::int32_t* out, std::uint32_t itemId)
{
    const auto degrees = static_cast<std::int32_t>(ReadInteger(channel, kFanStartTempMethod, itemId));
    if (out != nullptr) {
        *out = degrees;
    }
    return degrees != 0;
}

std::int32_t FanControl::KelvaneGetData(MethodChannel& channel, SettingItem* items, std::int32_t* count)
{
    if (count != nullptr) {
        *count = static_cast<std::int32_t>(m_settings.size());
    }
    if (items == nullptr) {
        return 0;
    }
    for (std::size_t i = 0; i < m_settings.size(); ++i) {
        SettingItem& entry = m_settings[i];
        entry.Value = static_cast<std::int32_t>(ReadItem(channel, entry.Id).current);
        std::memcpy(&items[i], &entry, kLibraryPartSize);
    }
    return 0;
}

std::int32_t FanControl::KelvaneSetData(MethodChannel& channel, const SettingItem* items, std::int32_t count)
{
    if (items == nullptr) {
        return 1;
    }
    for (std::int32_t i = 0; i < count; ++i) {
        const SettingItem& item = items[i];
        if (ItemGroupOf(item.Id) == OC_GROUP_FAN_CONTROL) {
            WriteItem(channel, item.Id, static_cast<std::uint32_t>(item.Value), kFanWriteMode);
        }
    }
    return 0;
}

std::int32_t FanControl::GeneralGetList(MethodChannel& channel, std::uint32_t itemId, OptionList* list,
                                        std::int32_t bytes)
{
    ResultBuffer result;
    if (!CallMethodInt(channel, kItemReadMethod, itemId, result)) {
        return kGeneralListReadFailed;
    }
    const ResultList item(result);
    const std::size_t named = ItemOptionCount(item);
    if (named > 0) {
        if (list == nullptr) {
            return static_cast<std::int32_t>(named);
        }
        if (SlotsIn(bytes) < named) {
            return kGeneralListTooSmall;
        }
        for (std::size_t i = 0; i < named; ++i) {
            WriteSlot(list, i, ItemOptionAt(item, i));
        }
        return kGeneralListWritten;
    }

    const std::optional<OcItemRecord> record = FindOcItem(channel, itemId);
    if (!record) {
        return 0;
    }
    const RangeBounds bounds{.low = static_cast<std::int32_t>(record->words[kRangeLowIndex]),
                             .high = static_cast<std::int32_t>(record->words[kRangeHighIndex]),
                             .stepCount = static_cast<std::int32_t>(record->words[kStepCountIndex])};
    const bool tenthsAvailable = itemId == OC_ITEM_TENTHS_OPTION && ReadItem(channel, itemId).available;
    const std::vector<std::uint16_t> values = RangeValueList(itemId, bounds, tenthsAvailable);
    if (itemId == OC_ITEM_SCALED_VOLTAGE) {
        m_rangeScale = NextRangeScale(m_rangeScale, bounds);
    }
    if (list != nullptr) {
        const std::size_t written = std::min(values.size(), SlotsIn(bytes));
        for (std::size_t i = 0; i < written; ++i) {
            WriteSlot(list, i, RangeValueText(itemId, values[i], m_rangeScale));
        }
    }
    return static_cast<std::int32_t>(values.size());
}

}  // namespace vantor::hw
