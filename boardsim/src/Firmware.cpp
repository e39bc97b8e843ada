#include "Firmware.h"

#include "ByteReader.h"
#include "ResultWriter.h"

namespace boardsim {
namespace {

// What a method takes: `count` integer arguments, or one buffer argument of
// `count` 32-bit words (the group interface's methods).
struct Signature {
    ArgumentType type;
    std::uint32_t count;
};

Signature MethodSignature(MethodKind kind)
{
    switch (kind) {
    case MethodKind::SensorList:
    case MethodKind::SensorDescriptor:
    case MethodKind::FeatureList:
    case MethodKind::FeatureDescriptor:
    case MethodKind::SettingList:
    case MethodKind::SettingDescriptor:
    case MethodKind::BoardInfo:
    case MethodKind::PowerProfile:
    case MethodKind::GroupObject:
        return {ArgumentType::Integer, 0};
    case MethodKind::SensorReading:
    case MethodKind::ItemRead:
    case MethodKind::StartTemperature:
    case MethodKind::CoolNQuiet:
        return {ArgumentType::Integer, 1};
    case MethodKind::ItemWrite:
        return {ArgumentType::Integer, 3};
    case MethodKind::GroupList:
    case MethodKind::GroupRead:
        return {ArgumentType::Buffer, 1};
    case MethodKind::GroupWrite:
        return {ArgumentType::Buffer, 3};
    }
    return {ArgumentType::Integer, 0};
}

bool ArgumentsFit(const Method& method, const MethodCall& call)
{
    Signature signature = MethodSignature(method.kind);
    if (signature.type == ArgumentType::Buffer) {
        return call.argumentCount == 1 && call.arguments[0].type == ArgumentType::Buffer &&
               call.arguments[0].data.size() == 4 * signature.count;
    }
    if (call.argumentCount != signature.count) {
        return false;
    }
    for (std::uint32_t i = 0; i < call.argumentCount; ++i) {
        if (call.arguments[i].type != ArgumentType::Integer) {
            return false;
        }
    }
    return true;
}

// Argument word `index`: the index-th integer argument, or the index-th word
// of the one buffer argument. ArgumentsFit has checked that it exists.
std::uint32_t Word(const MethodCall& call, std::uint32_t index)
{
    if (call.arguments[0].type == ArgumentType::Buffer) {
        return LoadU32(call.arguments[0].data.data() + 4 * index);
    }
    return call.arguments[index].Integer();
}

void ObjectName(std::uint32_t name, ResultWriter& out)
{
    char text[4] = {
            static_cast<char>(name),
            static_cast<char>(name >> 8),
            static_cast<char>(name >> 16),
            static_cast<char>(name >> 24),
    };
    out.String(std::string_view(text, 4));
}

// Package: the number of sensors, then the name of each descriptor object.
void SensorList(const Board& board, std::uint32_t classIndex, ResultWriter& out)
{
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < board.sensorCount; ++i) {
        count += board.sensors[i].classIndex == classIndex;
    }
    out.Integer(count);
    for (std::uint32_t i = 0; i < board.sensorCount; ++i) {
        if (board.sensors[i].classIndex == classIndex) {
            ObjectName(board.sensors[i].objectName, out);
        }
    }
}

// Package: ItemId, name, low limit, high limit, flags.
void SensorDescriptor(const Sensor& sensor, ResultWriter& out)
{
    out.Integer(sensor.itemId);
    out.String(sensor.name);
    out.Integer(static_cast<std::uint32_t>(sensor.lowLimit));
    out.Integer(static_cast<std::uint32_t>(sensor.highLimit));
    out.Integer(sensor.flags);
}

// The raw reading; like firmware that falls through its table, an ItemId it
// does not know reads 0.
void SensorReadingResult(Board& board, std::uint32_t classIndex, std::uint32_t itemId, std::uint64_t nowMs,
                         ResultWriter& out)
{
    const Sensor* sensor = FindSensor(board, classIndex, itemId);
    out.Integer(sensor ? static_cast<std::uint32_t>(SensorReading(*sensor, nowMs)) : 0);
}

// Package: ItemId, value1, current value, flags (bit 0: available), option
// names. An unknown item answers zeros: not available, no options.
void ItemRead(Board& board, std::uint32_t itemId, ResultWriter& out)
{
    const Item* item = FindItem(board, itemId);
    out.Integer(itemId);
    out.Integer(item ? item->value1 : 0);
    out.Integer(item ? item->value : 0);
    out.Integer(item && item->available ? 1 : 0);
    for (std::uint32_t i = 0; item && i < item->optionCount; ++i) {
        out.String(item->options[i]);
    }
}

std::uint32_t ItemWriteStatus(const Item* item, std::uint32_t value)
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

// The items' descriptor objects as the lists KVIF, OCIF and GGRP name them.
enum class ItemList {
    Feature,
    Setting,
    Group
};

std::uint32_t ListedObject(const Item& item, ItemList list)
{
    switch (list) {
    case ItemList::Feature:
        return item.featureObject;
    case ItemList::Setting:
        return item.settingObject;
    case ItemList::Group:
        return item.groupObject;
    }
    return 0;
}

// Package: the number of objects, then their names, in file order. GGRP
// lists only the objects of one ItemGroup, and only their names: every
// element of its package names an item.
void ItemObjectList(const Board& board, ItemList list, bool anyGroup, std::uint32_t group, ResultWriter& out)
{
    const bool leadingCount = list != ItemList::Group;
    auto listed = [&](const Item& item) {
        return ListedObject(item, list) != 0 && (anyGroup || ItemGroup(item.itemId) == group);
    };
    std::uint32_t count = 0;
    for (std::uint32_t i = 0; i < board.itemCount; ++i) {
        count += listed(board.items[i]);
    }
    if (leadingCount) {
        out.Integer(count);
    }
    for (std::uint32_t i = 0; i < board.itemCount; ++i) {
        if (listed(board.items[i])) {
            ObjectName(ListedObject(board.items[i], list), out);
        }
    }
}

// KVIF object: ItemId, name, word 1 to word 4.
void FeatureDescriptor(const Item& item, ResultWriter& out)
{
    out.Integer(item.itemId);
    out.String(item.name);
    for (std::uint32_t word : item.words) {
        out.Integer(word);
    }
}

// OCIF object: ItemId, name, RangeLow, RangeHigh, the step count, attribute.
void SettingDescriptor(const Item& item, ResultWriter& out)
{
    out.Integer(item.itemId);
    out.String(item.name);
    for (std::uint32_t bound : item.range) {
        out.Integer(bound);
    }
    out.Integer(item.attribute);
}

// Group item object: ItemId, name, Extra1, Extra2, then kinds 1 to 6 base,
// step and option count; kind 7 nothing (a switch); kind 8 the option count
// and the option names.
void GroupObject(const Item& item, ResultWriter& out)
{
    out.Integer(item.itemId);
    out.String(item.name);
    out.Integer(item.extra1);
    out.Integer(item.extra2);
    std::uint32_t kind = ItemKind(item.itemId);
    if (IsSteppedKind(kind)) {
        out.Integer(static_cast<std::uint32_t>(item.stepBase));
        out.Integer(static_cast<std::uint32_t>(item.step));
        out.Integer(item.stepCount);
    } else if (kind == kNamedKind) {
        out.Integer(item.optionCount);
        for (std::uint32_t i = 0; i < item.optionCount; ++i) {
            out.String(item.options[i]);
        }
    }
}

// KVST: the fan start temperature of a feature item in whole degrees; 0 for
// an item without one.
void StartTemperature(Board& board, std::uint32_t itemId, ResultWriter& out)
{
    const Item* item = FindItem(board, itemId);
    out.Integer(item && item->hasStartTemperature ? item->startTemperature : 0);
}

// Package: version, board name, capability values.
void BoardInfoResult(const Board& board, ResultWriter& out)
{
    out.Integer(board.info.version);
    out.String(board.name);
    for (std::uint32_t i = 0; i < board.info.valueCount; ++i) {
        out.Integer(board.info.values[i]);
    }
}

// GCQV 0 and 1: the ends of the voltage range; 2: supported. Any other
// argument falls through to 0.
void CoolNQuiet(const Board& board, std::uint32_t which, ResultWriter& out)
{
    std::uint32_t answer = 0;
    if (which < 2) {
        answer = board.cpu.coolNQuiet[which];
    } else if (which == 2) {
        answer = board.cpu.coolNQuietSupported ? 1 : 0;
    }
    out.Integer(answer);
}

// GITM: [status, current value]; an unknown item answers [0, 0], an
// unavailable one [1, value], any other [3, value].
void GroupRead(Board& board, std::uint32_t itemId, ResultWriter& out)
{
    const Item* item = FindItem(board, itemId);
    std::uint32_t status = !item ? kProcNoSuchItem : item->available ? kProcWritten : kProcUnavailable;
    const std::uint32_t words[2] = {status, item ? item->value : 0};
    out.Buffer(words);
}

// SITM(ItemId, value, mode): [status, current value after the call]. Mode 0
// is a trial that writes nothing; any other mode writes. Returns the item to
// change once the answer is delivered, or null.
Item* GroupWrite(Board& board, const MethodCall& call, ResultWriter& out)
{
    Item* item = FindItem(board, Word(call, 0));
    std::uint32_t value = Word(call, 1);
    bool trial = Word(call, 2) == kSitmTrialMode;
    std::uint32_t status = ItemWriteStatus(item, value);
    bool accepted = status == kProcWritten;
    if (accepted && trial) {
        status = item->restart && item->value != value ? kSitmNeedsRestart : kSitmNoRestart;
    }
    bool writes = accepted && !trial;
    const std::uint32_t words[2] = {status, writes ? value : item ? item->value : 0};
    out.Buffer(words);
    return writes ? item : nullptr;
}

}  // namespace

BsStatus EvaluateMethod(Board& board, const MethodCall& call, std::span<std::uint8_t> result, std::size_t* resultLength,
                        std::uint64_t nowMs)
{
    Method* method = FindMethod(board, call.name);
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
    Item* written = nullptr;
    std::uint32_t writtenValue = 0;
    switch (method->kind) {
    case MethodKind::SensorList:
        SensorList(board, method->index, out);
        break;
    case MethodKind::SensorDescriptor:
        SensorDescriptor(board.sensors[method->index], out);
        break;
    case MethodKind::SensorReading:
        SensorReadingResult(board, method->index, Word(call, 0), nowMs, out);
        break;
    case MethodKind::ItemRead:
        ItemRead(board, Word(call, 0), out);
        break;
    case MethodKind::ItemWrite: {
        // Arguments: ItemId, value, mode. The mode word is not interpreted:
        // every write applies at once.
        Item* item = FindItem(board, Word(call, 0));
        writtenValue = Word(call, 1);
        std::uint32_t status = ItemWriteStatus(item, writtenValue);
        out.Integer(status);
        written = status == kProcWritten ? item : nullptr;
        break;
    }
    case MethodKind::FeatureList:
        ItemObjectList(board, ItemList::Feature, true, 0, out);
        break;
    case MethodKind::FeatureDescriptor:
        FeatureDescriptor(board.items[method->index], out);
        break;
    case MethodKind::StartTemperature:
        StartTemperature(board, Word(call, 0), out);
        break;
    case MethodKind::SettingList:
        ItemObjectList(board, ItemList::Setting, true, 0, out);
        break;
    case MethodKind::SettingDescriptor:
        SettingDescriptor(board.items[method->index], out);
        break;
    case MethodKind::BoardInfo:
        BoardInfoResult(board, out);
        break;
    case MethodKind::CoolNQuiet:
        CoolNQuiet(board, Word(call, 0), out);
        break;
    case MethodKind::PowerProfile:
        out.Integer(board.powerProfile ? 1 : 0);
        break;
    case MethodKind::GroupList:
        ItemObjectList(board, ItemList::Group, false, Word(call, 0), out);
        break;
    case MethodKind::GroupObject:
        GroupObject(board.items[method->index], out);
        break;
    case MethodKind::GroupRead:
        GroupRead(board, Word(call, 0), out);
        break;
    case MethodKind::GroupWrite:
        written = GroupWrite(board, call, out);
        writtenValue = Word(call, 1);
        break;
    }

    BsStatus status = out.Finish(resultLength);
    // A call whose answer cannot be delivered changes nothing.
    if (status == BS_OK && written) {
        written->value = writtenValue;
    }
    return status;
}

}  // namespace boardsim
