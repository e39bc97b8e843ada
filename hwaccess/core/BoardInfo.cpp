#include "core/BoardInfo.h"

#include <algorithm>
#include <string_view>

#include "VantorHw.h"
#include "core/GroupMethods.h"
#include "core/ItemAccess.h"
#include "core/MethodCalls.h"
#include "core/ResultList.h"

namespace vantor::hw {

namespace {

constexpr std::size_t kVersionElement = 0;
constexpr std::size_t kNameElement = 1;
constexpr std::size_t kFirstValueElement = 2;

constexpr std::uint32_t kGroupMarkerMask = 0x0000FF00;
// The block's version from which GITM answers the power-profile question.
constexpr std::uint32_t kGroupPowerProfileVersion = 3;

// CPUID leaf 0 vendor words in EBX, EDX order: "Genu", "ineI".
constexpr std::uint32_t kIntelVendorEbx = 0x756E6547;
constexpr std::uint32_t kIntelVendorEdx = 0x49656E69;
constexpr std::uint32_t kMiscEnableMsr = 0x1A0;
constexpr std::uint32_t kPowerSavingBits = (1u << 25) | (1u << 16) | (1u << 13) | (1u << 3);

std::size_t ValueCount(const ResultList& list)
{
    return list.Size() > kFirstValueElement ? list.Size() - kFirstValueElement : 0;
}

// Writes only the name and its NUL, never a whole kBoardNameSize block: a
// caller's buffer may be just big enough for the name it expects.
void CopyBoardName(std::string_view text, char* name)
{
    const std::size_t length = std::min(text.size(), kBoardNameSize - 1);
    std::copy_n(text.begin(), length, name);
    name[length] = '\0';
}

float Volts(std::uint32_t millivolts) { return static_cast<float>(static_cast<std::int32_t>(millivolts) * 0.001); }

}  // namespace

std::int32_t GetMbif(MethodChannel& channel, std::uint32_t* version, char* name, std::uint32_t* values,
                     std::int32_t* count)
{
    ResultBuffer result;
    if (!CallMethod(channel, kBoardInfoMethod, result)) {
        return kMbifFailed;
    }
    const ResultList list(result);
    if (version != nullptr) {
        *version = list.IntegerAt(kVersionElement);
    }
    if (name != nullptr) {
        CopyBoardName(list.StringAt(kNameElement), name);
    }
    const std::size_t valueCount = ValueCount(list);
    if (values == nullptr) {
        if (count != nullptr) {
            *count = static_cast<std::int32_t>(valueCount);
        }
        return kMbifDone;
    }
    const std::int64_t capacity = count != nullptr ? *count : 0;
    if (capacity < static_cast<std::int64_t>(valueCount)) {
        return kMbifArrayTooSmall;
    }
    for (std::size_t i = 0; i < valueCount; ++i) {
        values[i] = list.IntegerAt(kFirstValueElement + i);
    }
    return kMbifDone;
}

bool GetBoardName(MethodChannel& channel, char* name)
{
    if (name == nullptr) {
        return false;
    }
    ResultBuffer result;
    if (!CallMethod(channel, kBoardInfoMethod, result)) {
        return false;
    }
    CopyBoardName(ResultList(result).StringAt(kNameElement), name);
    return true;
}

bool UsesGroupInterface(std::uint32_t version, std::span<const std::uint32_t> values)
{
    return version > 1 && !values.empty() && (values[0] & kGroupMarkerMask) != 0;
}

bool UsesGroupInterface(MethodChannel& channel)
{
    ResultBuffer result;
    if (!CallMethod(channel, kBoardInfoMethod, result)) {
        return false;
    }
    const ResultList list(result);
    const std::uint32_t firstValue = list.IntegerAt(kFirstValueElement);
    const std::size_t shown = std::min<std::size_t>(ValueCount(list), 1);
    return UsesGroupInterface(list.IntegerAt(kVersionElement), std::span<const std::uint32_t>(&firstValue, shown));
}

bool CheckWorkable(MethodChannel& channel, std::uint32_t itemId)
{
    if (itemId == ACPI_OCINFO_COOLNQUIET_FLAG && ReadInteger(channel, kCoolnQuietMethod, kCoolnQuietSupported) != 0) {
        return true;
    }
    return ReadItem(channel, itemId).available;
}

bool GetCpuVoltRange(MethodChannel& channel, float* first, float* second)
{
    const float secondVolts = Volts(ReadInteger(channel, kCoolnQuietMethod, kCoolnQuietVoltageA));
    const float firstVolts = Volts(ReadInteger(channel, kCoolnQuietMethod, kCoolnQuietVoltageB));
    if (first != nullptr) {
        *first = firstVolts;
    }
    if (second != nullptr) {
        *second = secondVolts;
    }
    return firstVolts != 0.0f && secondVolts != 0.0f;
}

bool CheckRuvel(MethodChannel& channel)
{
    std::uint32_t version = 0;
    std::int32_t count = 0;
    GetMbif(channel, &version, nullptr, nullptr, &count);
    if (version >= kGroupPowerProfileVersion) {
        const std::optional<std::uint32_t> state = ReadValue(channel, OC_ITEM_RUVEL_STATE);
        return state.value_or(0) != 0;
    }
    ResultBuffer result;
    if (!CallMethod(channel, kPowerProfileMethod, result)) {
        return false;
    }
    return ResultList(result).IntegerAt(0) != 0;
}

bool CheckIntelPowerSaving(ProcessorRegisters* registers)
{
    if (registers == nullptr) {
        return false;
    }
    std::uint32_t vendor[4] = {};
    if (!registers->GetCpuId(0, vendor) || vendor[0] != kIntelVendorEbx || vendor[1] != kIntelVendorEdx) {
        return false;
    }
    std::uint32_t misc[2] = {};
    if (!registers->ReadMsr(kMiscEnableMsr, misc)) {
        return false;
    }
    return (misc[0] & kPowerSavingBits) != 0;
}

}  // namespace vantor::hw
