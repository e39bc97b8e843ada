#include "Firmware.h"

#include "ResultWriter.h"

namespace boardsim {
namespace {

// Integer arguments each method takes.
std::uint32_t IntegerArguments(MethodKind kind)
{
    switch (kind) {
    case MethodKind::SensorList:
    case MethodKind::SensorDescriptor:
        return 0;
    case MethodKind::SensorReading:
    case MethodKind::ItemRead:
        return 1;
    case MethodKind::ItemWrite:
        return 3;
    }
    return 0;
}

bool ArgumentsFit(const Method &method, const MethodCall &call)
{
    if (call.argumentCount != IntegerArguments(method.kind)) {
        return false;
    }
    for (std::uint32_t i = 0; i < call.argumentCount; ++i) {
        if (call.arguments[i].type != ArgumentType::Integer) {
            return false;
        }
    }
    return true;
}

// Package: the number of sensors, then the name of each descriptor object.
void SensorList(const Board &board, std::uint32_t classIndex, ResultWriter &out)
{
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < board.sensorCount; ++i) {
        count += board.sensors[i].classIndex == classIndex;
    }
    out.Integer(count);
    for (std::uint32_t i = 0; i < board.sensorCount; ++i) {
        if (board.sensors[i].classIndex == classIndex) {
            char name[4] = {
                static_cast<char>(board.sensors[i].objectName),
                static_cast<char>(board.sensors[i].objectName >> 8),
                static_cast<char>(board.sensors[i].objectName >> 16),
                static_cast<char>(board.sensors[i].objectName >> 24),
            };
            out.String(std::string_view(name, 4));
        }
    }
}

// Package: ItemId, name, low limit, high limit, flags.
void SensorDescriptor(const Sensor &sensor, ResultWriter &out)
{
    out.Integer(sensor.itemId);
    out.String(sensor.name);
    out.Integer(static_cast<std::uint32_t>(sensor.lowLimit));
    out.Integer(static_cast<std::uint32_t>(sensor.highLimit));
    out.Integer(sensor.flags);
}

// The raw reading; like firmware that falls through its table, an ItemId it
// does not know reads 0.
void SensorReadingResult(Board &board, std::uint32_t classIndex, std::uint32_t itemId, std::uint64_t nowMs,
                         ResultWriter &out)
{
    const Sensor *sensor = FindSensor(board, classIndex, itemId);
    out.Integer(sensor ? static_cast<std::uint32_t>(SensorReading(*sensor, nowMs)) : 0);
}

// Package: ItemId, value1, current value, flags (bit 0: available), option
// names. An unknown item answers zeros: not available, no options.
void ItemRead(Board &board, std::uint32_t itemId, ResultWriter &out)
{
    const Item *item = FindItem(board, itemId);
    out.Integer(itemId);
    out.Integer(item ? item->value1 : 0);
    out.Integer(item ? item->value : 0);
    out.Integer(item && item->available ? 1 : 0);
    for (std::uint32_t i = 0; item && i < item->optionCount; ++i) {
        out.String(item->options[i]);
    }
}

std::uint32_t ItemWriteStatus(const Item *item, std::uint32_t value)
{
    if (!item) {
        return kProcNoSuchItem;
    }
    if (!item->available) {
        return kProcUnavailable;
    }
    auto signedValue = static_cast<std::int32_t>(value);
    if (signedValue < item->minimum || signedValue > item->maximum) {
        return kProcRejected;
    }
    return kProcWritten;
}

} // namespace

BsStatus EvaluateMethod(Board &board, const MethodCall &call, std::span<std::uint8_t> result, std::size_t *resultLength,
                        std::uint64_t nowMs)
{
    Method *method = FindMethod(board, call.name);
    if (!method) {
        return BS_NO_SUCH_METHOD;
    }
    if (method->failing) {
        return BS_METHOD_FAILED;
    }
    if (!ArgumentsFit(*method, call)) {
        return BS_BAD_REQUEST;
    }

    ResultWriter out(result);
    Item *written = nullptr;
    std::uint32_t writtenValue = 0;
    switch (method->kind) {
    case MethodKind::SensorList:
        SensorList(board, method->index, out);
        break;
    case MethodKind::SensorDescriptor:
        SensorDescriptor(board.sensors[method->index], out);
        break;
    case MethodKind::SensorReading:
        SensorReadingResult(board, method->index, call.arguments[0].Integer(), nowMs, out);
        break;
    case MethodKind::ItemRead:
        ItemRead(board, call.arguments[0].Integer(), out);
        break;
    case MethodKind::ItemWrite: {
        // Arguments: ItemId, value, mode. The mode word is not interpreted:
        // every write applies at once.
        Item *item = FindItem(board, call.arguments[0].Integer());
        writtenValue = call.arguments[1].Integer();
        std::uint32_t status = ItemWriteStatus(item, writtenValue);
        out.Integer(status);
        written = status == kProcWritten ? item : nullptr;
        break;
    }
    }

    BsStatus status = out.Finish(resultLength);
    // A call whose answer cannot be delivered changes nothing.
    if (status == BS_OK && written) {
        written->value = writtenValue;
    }
    return status;
}

} // namespace boardsim
