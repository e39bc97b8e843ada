#include "TestControl.h"

#include "ByteReader.h"

namespace boardsim {

BsStatus SetRaw(Board& board, std::span<const std::uint8_t> payload)
{
    if (!board.testControl) {
        return BS_DENIED;
    }
    if (payload.size() != sizeof(BsSetRawRequest)) {
        return BS_BAD_REQUEST;
    }
    ByteReader reader(payload);
    std::uint32_t method = reader.U32();
    std::uint32_t itemId = reader.U32();
    auto raw = static_cast<std::int32_t>(reader.U32());
    for (std::uint32_t classIndex = 0; classIndex < kSensorClassCount; ++classIndex) {
        if (kSensorClasses[classIndex].readingMethod == method) {
            Sensor* sensor = FindSensor(board, classIndex, itemId);
            if (!sensor) {
                return BS_NO_SUCH_ITEM;
            }
            sensor->fixed = true;
            sensor->fixedRaw = raw;
            return BS_OK;
        }
    }
    return BS_NO_SUCH_ITEM;
}

BsStatus FailMethod(Board& board, std::span<const std::uint8_t> payload)
{
    if (!board.testControl) {
        return BS_DENIED;
    }
    if (payload.size() != sizeof(BsFailMethodRequest)) {
        return BS_BAD_REQUEST;
    }
    ByteReader reader(payload);
    std::uint32_t name = reader.U32();
    std::uint32_t fail = reader.U32();
    // Only methods the board serves: a method it lacks fails already, and a
    // misspelt name in a test should not pass silently.
    Method* method = FindMethod(board, name);
    if (!method) {
        return BS_NO_SUCH_ITEM;
    }
    method->failing = fail != 0;
    return BS_OK;
}

}  // namespace boardsim
