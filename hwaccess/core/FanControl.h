// Fan control on boards with the older firmware interface: the feature list
// KVIF, the start temperature KVST, the item methods OCOP and PROC and the
// overclocking item list OCIF.
//
// One FanControl holds what the library keeps between calls: the two profile
// name lists, FanModeWord, the cached feature answer, the setting table and
// RangeScale. Its members must not run concurrently with one another; the
// static members keep no state and may run from any thread.
//
// Buffers and pointers come from callers of the C interface: a null pointer
// is answered, never followed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "VantorHw.h"
#include "core/ItemOptions.h"
#include "core/MethodChannel.h"
#include "core/MethodName.h"
#include "core/RangeValues.h"

namespace vantor::hw {

inline constexpr MethodName kFeatureListMethod = "KVIF";
inline constexpr MethodName kFanStartTempMethod = "KVST";
inline constexpr MethodName kOcItemListMethod = "OCIF";

// FanModeWord before it is read, and its bits.
inline constexpr std::uint32_t kDefaultFanModeWord = 3;
inline constexpr std::uint32_t kFanModeSupported = 1u << 16;
inline constexpr std::uint32_t kFanModeOn = 1u << 17;
inline constexpr std::uint32_t kFanModeShownBits = 3;

// Answers of GetKelvaneInfo.
inline constexpr std::int32_t kKelvaneUnsupported = 0;
inline constexpr std::int32_t kKelvaneOff = 1;
inline constexpr std::int32_t kKelvaneOn = 2;

// Status codes of GeneralGetList besides the counts.
inline constexpr std::int32_t kGeneralListWritten = 0;
inline constexpr std::int32_t kGeneralListReadFailed = 1;
inline constexpr std::int32_t kGeneralListTooSmall = 2;

// Every write from this interface uses this PROC mode.
inline constexpr std::uint32_t kFanWriteMode = 1;

class FanControl {
public:
    // Builds the profile lists, FanModeWord and the setting table. Runs with
    // or without a device (without one everything stays empty). A second
    // call starts these three over; the cached feature answer and RangeScale
    // keep their values.
    void Initialize(MethodChannel& channel);

    // kKelvaneUnsupported, kKelvaneOff or kKelvaneOn. An unavailable item is
    // answered from KVIF, read on the first such call only.
    std::int32_t GetKelvaneInfo(MethodChannel& channel, std::uint32_t itemId);

    static void EnableKelvane(MethodChannel& channel, bool on, std::uint32_t itemId);

    // Writes the profile item asked for, or the older target item 0x04030005
    // on boards without the processor profile item.
    static void SetKelvaneTarget(MethodChannel& channel, std::int32_t value, std::uint32_t itemId);

    // Evaluates KVIF on every call.
    bool HideKelvane(MethodChannel& channel) const;

    // Profile list B when item 0x04050009 is available, else list A, into
    // consecutive 30-byte slots; the number written (0 for null slots). The
    // caller's buffer must hold kMaxItemOptions slots, the most either list
    // can have.
    std::int32_t PresetList(MethodChannel& channel, char* slots) const;

    // out := KVST(itemId) when out is not null; true when the value is
    // non-zero.
    static bool GetFanStartTemp(MethodChannel& channel, std::int32_t* out, std::uint32_t itemId);

    // *count := the table size (when count is not null); with items, refreshes
    // every Value and copies the table there. The caller area of each
    // SettingItem is left as the caller had it. Returns 0.
    std::int32_t KelvaneGetData(MethodChannel& channel, SettingItem* items, std::int32_t* count);

    // Writes the Value of each group-0x04 item. 1 for null items, else 0.
    static std::int32_t KelvaneSetData(MethodChannel& channel, const SettingItem* items, std::int32_t count);

    // The option texts of an item into list, an array of pointers to 30-byte
    // slots with room for bytes / 30 of them (null slot pointers are skipped).
    // Named options: the count when list is null, kGeneralListTooSmall when
    // bytes cannot hold them all, else kGeneralListWritten. Range items: the
    // number of values, with at most bytes / 30 texts written; 0 when OCIF
    // does not describe the item. kGeneralListReadFailed when OCOP fails.
    std::int32_t GeneralGetList(MethodChannel& channel, std::uint32_t itemId, OptionList* list, std::int32_t bytes);

    std::uint32_t FanModeWord() const { return m_fanModeWord; }
    float RangeScale() const { return m_rangeScale; }
    const std::vector<OptionText>& ProfileListA() const { return m_profilesA; }
    const std::vector<OptionText>& ProfileListB() const { return m_profilesB; }
    const std::vector<SettingItem>& SettingTable() const { return m_settings; }

private:
    void BuildProfileLists(MethodChannel& channel);
    void ReadFanModeWord(MethodChannel& channel);
    void BuildSettingTable(MethodChannel& channel);

    std::vector<OptionText> m_profilesA;
    std::vector<OptionText> m_profilesB;
    std::uint32_t m_fanModeWord = kDefaultFanModeWord;

    std::int32_t m_featureAnswer = kKelvaneUnsupported;
    bool m_featureListRead = false;
    bool m_featureItemSeen = false;

    std::vector<SettingItem> m_settings;
    float m_rangeScale = kInitialRangeScale;
};

}  // namespace vantor::hw
