#include "core/ItemAccess.h"

#include "core/MethodCalls.h"

namespace vantor::hw {

ItemState ItemStateFrom(const ResultList& result)
{
    return {.value1 = result.IntegerAt(1),
            .current = result.IntegerAt(2),
            .available = (result.IntegerAt(3) & 1u) != 0};
}

bool WriteAccepted(const ResultList& result)
{
    return static_cast<std::uint8_t>(result.IntegerAt(0)) == kWriteAcceptedStatus;
}

ItemState ReadItem(MethodChannel& channel, std::uint32_t itemId)
{
    ResultBuffer result;
    if (!CallMethodInt(channel, kItemReadMethod, itemId, result)) {
        return {};
    }
    return ItemStateFrom(ResultList(result));
}

bool WriteItem(MethodChannel& channel, std::uint32_t itemId, std::uint32_t value, std::uint32_t mode)
{
    if (!ReadItem(channel, itemId).available) {
        return false;
    }
    ResultBuffer result;
    if (!CallMethodInt3(channel, kItemWriteMethod, itemId, value, mode, result)) {
        return false;
    }
    return WriteAccepted(ResultList(result));
}

}  // namespace vantor::hw
