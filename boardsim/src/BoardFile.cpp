#include "BoardFile.h"

#include "ErrorText.h"
#include "IniScanner.h"
#include "IniValue.h"

#include <cstdint>
#include <limits>

namespace boardsim {
namespace {

constexpr std::size_t kMaxText = 63;
constexpr std::int64_t kMinI32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMaxI32 = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kMaxU32 = std::numeric_limits<std::uint32_t>::max();
// Periods and intervals are whole seconds whose milliseconds fit 32 bits.
constexpr std::int64_t kMaxSeconds = kMaxU32 / 1000;

struct KeyRule {
    std::string_view key;
    bool required;
};

enum BoardKey { kBoardName, kBoardTestControl, kBoardKeyCount };
constexpr KeyRule kBoardKeys[kBoardKeyCount] = {{"name", true}, {"test_control", false}};

enum SensorKey {
    kSensorId,
    kSensorName,
    kSensorLow,
    kSensorHigh,
    kSensorFlags,
    kSensorValue,
    kSensorSine,
    kSensorDrift,
    kSensorKeyCount
};
constexpr KeyRule kSensorKeys[kSensorKeyCount] = {
    {"id", true},     {"name", true},  {"low", true},   {"high", true},
    {"flags", false}, {"value", true}, {"sine", false}, {"drift", false},
};

enum ItemKey { kItemValue, kItemValue1, kItemAvailable, kItemOptions, kItemMin, kItemMax, kItemKeyCount };
constexpr KeyRule kItemKeys[kItemKeyCount] = {
    {"value", true}, {"value1", false}, {"available", false}, {"options", false}, {"min", false}, {"max", false},
};

enum class Section { None, Board, Sensor, Item };

bool IsFirmwareMethod(std::uint32_t name)
{
    for (const SensorClass &sensorClass : kSensorClasses) {
        if (name == sensorClass.listMethod || name == sensorClass.readingMethod) {
            return true;
        }
    }
    return name == kItemReadMethod || name == kItemWriteMethod;
}

std::uint32_t NameWord(std::string_view name)
{
    return BS_METHOD_NAME(name[0], name[1], name[2], name[3]);
}

class BoardFileParser {
public:
    BoardFileParser(Arena &arena, BsLoadError *error) : m_arena(arena), m_error(error ? error : &m_scratch)
    {
        m_error->line = 0;
        m_error->message[0] = '\0';
    }

    BsStatus Parse(std::string_view text, Board *&board);

private:
    ErrorText Fail(unsigned line, BsStatus status = BS_BAD_BOARD)
    {
        m_status = status;
        m_error->line = line;
        return ErrorText(m_error->message, sizeof m_error->message);
    }
    bool OutOfMemory()
    {
        Fail(0, BS_NO_MEMORY).Text("out of memory");
        return false;
    }
    bool SyntaxError(const IniScanner &scanner)
    {
        Fail(scanner.ErrorLine()).Text(scanner.Error());
        return false;
    }

    bool CountSections(std::string_view text);
    bool FillBoard(std::string_view text);
    bool BeginSection(const IniLine &line);
    bool EndSection();
    bool BoardEntry(int key, const IniLine &line);
    bool SensorEntry(int key, const IniLine &line);
    bool ItemEntry(int key, const IniLine &line);
    bool BuildMethods();

    bool Integer(const IniLine &line, std::int64_t minimum, std::int64_t maximum, std::int64_t &value);
    bool Text(const IniLine &line, std::string_view text, std::string_view &copy);
    bool Wave(const IniLine &line, const char *secondName, std::int32_t &amplitude, std::uint32_t &milliseconds);
    bool Options(const IniLine &line, Item &item);

    Arena &m_arena;
    BsLoadError *m_error;
    BsLoadError m_scratch;
    BsStatus m_status = BS_OK;
    Board *m_board = nullptr;

    std::uint32_t m_sensorCapacity = 0;
    std::uint32_t m_itemCapacity = 0;
    unsigned *m_sensorLines = nullptr;
    unsigned *m_itemLines = nullptr;
    unsigned m_boardLine = 0;

    Section m_section = Section::None;
    unsigned m_sectionLine = 0;
    std::uint32_t m_keysSeen = 0;
};

bool BoardFileParser::Integer(const IniLine &line, std::int64_t minimum, std::int64_t maximum, std::int64_t &value)
{
    switch (ParseInteger(line.value, minimum, maximum, value)) {
    case NumberStatus::Ok:
        return true;
    case NumberStatus::NotANumber:
        Fail(line.number).Text(line.key).Text(": ").Quoted(line.value).Text(" is not a number");
        return false;
    case NumberStatus::OutOfRange:
        Fail(line.number)
            .Text(line.key)
            .Text(": ")
            .Quoted(line.value)
            .Text(" is outside ")
            .Decimal(minimum)
            .Text("..")
            .Decimal(maximum);
        return false;
    }
    return false;
}

bool BoardFileParser::Text(const IniLine &line, std::string_view text, std::string_view &copy)
{
    if (text.empty()) {
        Fail(line.number).Text(line.key).Text(": empty text");
        return false;
    }
    if (text.size() > kMaxText) {
        Fail(line.number).Text(line.key).Text(": text longer than ").Decimal(kMaxText).Text(" characters");
        return false;
    }
    return m_arena.CopyText(text, copy) || OutOfMemory();
}

// `amplitude, seconds`: both parts of a sine or a drift.
bool BoardFileParser::Wave(const IniLine &line, const char *secondName, std::int32_t &amplitude,
                           std::uint32_t &milliseconds)
{
    ListReader parts(line.value);
    std::string_view first;
    std::string_view second;
    std::string_view extra;
    if (!parts.Next(first) || !parts.Next(second) || parts.Next(extra)) {
        Fail(line.number).Text(line.key).Text(": expected 'amplitude, ").Text(secondName).Text(" in seconds'");
        return false;
    }
    std::int64_t amplitudeValue = 0;
    std::int64_t seconds = 0;
    if (ParseInteger(first, 0, kMaxI32, amplitudeValue) != NumberStatus::Ok) {
        Fail(line.number)
            .Text(line.key)
            .Text(": amplitude ")
            .Quoted(first)
            .Text(" is not a number in 0..")
            .Decimal(kMaxI32);
        return false;
    }
    if (ParseInteger(second, 1, kMaxSeconds, seconds) != NumberStatus::Ok) {
        Fail(line.number)
            .Text(line.key)
            .Text(": ")
            .Text(secondName)
            .Text(" ")
            .Quoted(second)
            .Text(" is not a number of seconds in 1..")
            .Decimal(kMaxSeconds);
        return false;
    }
    amplitude = static_cast<std::int32_t>(amplitudeValue);
    milliseconds = static_cast<std::uint32_t>(seconds * 1000);
    return true;
}

bool BoardFileParser::Options(const IniLine &line, Item &item)
{
    std::uint32_t count = 0;
    std::string_view option;
    for (ListReader counter(line.value); counter.Next(option);) {
        ++count;
    }
    if (count == 0) {
        Fail(line.number).Text("options: empty list");
        return false;
    }
    item.options = m_arena.NewArray<std::string_view>(count);
    if (!item.options) {
        return OutOfMemory();
    }
    ListReader reader(line.value);
    for (item.optionCount = 0; reader.Next(option); ++item.optionCount) {
        if (!Text(line, option, item.options[item.optionCount])) {
            return false;
        }
    }
    return true;
}

bool BoardFileParser::CountSections(std::string_view text)
{
    IniScanner scanner(text);
    IniLine line;
    while (scanner.Next(line)) {
        if (line.kind == IniLine::Kind::Section) {
            m_sensorCapacity += line.type == "sensor";
            m_itemCapacity += line.type == "item";
        }
    }
    if (scanner.Error()) {
        return SyntaxError(scanner);
    }
    m_board->sensors = m_arena.NewArray<Sensor>(m_sensorCapacity);
    m_board->items = m_arena.NewArray<Item>(m_itemCapacity);
    m_sensorLines = m_arena.NewArray<unsigned>(m_sensorCapacity);
    m_itemLines = m_arena.NewArray<unsigned>(m_itemCapacity);
    if (!m_board->sensors || !m_board->items || !m_sensorLines || !m_itemLines) {
        return OutOfMemory();
    }
    return true;
}

bool BoardFileParser::BeginSection(const IniLine &line)
{
    m_sectionLine = line.number;
    m_keysSeen = 0;
    if (line.type == "board") {
        if (!line.name.empty()) {
            Fail(line.number).Text("[board] takes no name");
            return false;
        }
        if (m_boardLine != 0) {
            Fail(line.number).Text("second [board] section (the first is on line ").Decimal(m_boardLine).Text(")");
            return false;
        }
        m_boardLine = line.number;
        m_section = Section::Board;
        return true;
    }
    if (line.type == "sensor") {
        if (!IsAcpiName(line.name)) {
            Fail(line.number)
                .Text("[sensor NAME] needs a four-character ACPI name (A-Z, 0-9, _), not ")
                .Quoted(line.name);
            return false;
        }
        std::uint32_t objectName = NameWord(line.name);
        if (IsFirmwareMethod(objectName)) {
            Fail(line.number)
                .Text("sensor object ")
                .Quoted(line.name)
                .Text(" would hide the firmware method of that name");
            return false;
        }
        for (std::uint32_t i = 0; i < m_board->sensorCount; ++i) {
            if (m_board->sensors[i].objectName == objectName) {
                Fail(line.number)
                    .Text("second [sensor ")
                    .Text(line.name)
                    .Text("] (the first is on line ")
                    .Decimal(m_sensorLines[i])
                    .Text(")");
                return false;
            }
        }
        Sensor &sensor = m_board->sensors[m_board->sensorCount];
        sensor.objectName = objectName;
        sensor.flags = 1;
        m_sensorLines[m_board->sensorCount] = line.number;
        m_section = Section::Sensor;
        return true;
    }
    if (line.type == "item") {
        std::int64_t itemId = 0;
        if (ParseInteger(line.name, 0, kMaxU32, itemId) != NumberStatus::Ok) {
            Fail(line.number).Text("[item ID] needs a 32-bit ItemId such as 0x04060003, not ").Quoted(line.name);
            return false;
        }
        for (std::uint32_t i = 0; i < m_board->itemCount; ++i) {
            if (m_board->items[i].itemId == itemId) {
                Fail(line.number)
                    .Text("second [item ")
                    .Hex(static_cast<std::uint32_t>(itemId))
                    .Text("] (the first is on line ")
                    .Decimal(m_itemLines[i])
                    .Text(")");
                return false;
            }
        }
        Item &item = m_board->items[m_board->itemCount];
        item.itemId = static_cast<std::uint32_t>(itemId);
        item.available = true;
        m_itemLines[m_board->itemCount] = line.number;
        m_section = Section::Item;
        return true;
    }
    Fail(line.number).Text("unknown section [").Text(line.type).Text("]; expected [board], [sensor NAME] or [item ID]");
    return false;
}

bool BoardFileParser::BoardEntry(int key, const IniLine &line)
{
    switch (key) {
    case kBoardName:
        return Text(line, line.value, m_board->name);
    case kBoardTestControl:
        if (!ParseSwitch(line.value, m_board->testControl)) {
            Fail(line.number).Text("test_control: expected yes or no, not ").Quoted(line.value);
            return false;
        }
        return true;
    }
    return false;
}

bool BoardFileParser::SensorEntry(int key, const IniLine &line)
{
    Sensor &sensor = m_board->sensors[m_board->sensorCount];
    std::int64_t value = 0;
    switch (key) {
    case kSensorId: {
        if (!Integer(line, 0, kMaxU32, value)) {
            return false;
        }
        sensor.itemId = static_cast<std::uint32_t>(value);
        sensor.reading.driftSeed = sensor.itemId;
        sensor.classIndex = kSensorClassCount;
        for (std::uint32_t i = 0; i < kSensorClassCount; ++i) {
            if (kSensorClasses[i].itemKind == ItemKind(sensor.itemId)) {
                sensor.classIndex = i;
            }
        }
        if (sensor.classIndex == kSensorClassCount) {
            Fail(line.number)
                .Text("id ")
                .Hex(sensor.itemId)
                .Text(" is of kind ")
                .Decimal(ItemKind(sensor.itemId))
                .Text("; sensors are of kind 2 (voltage), 3 (temperature) or 4 (fan)");
            return false;
        }
        for (std::uint32_t i = 0; i < m_board->sensorCount; ++i) {
            if (m_board->sensors[i].itemId == sensor.itemId) {
                Fail(line.number)
                    .Text("id ")
                    .Hex(sensor.itemId)
                    .Text(" is already the sensor on line ")
                    .Decimal(m_sensorLines[i]);
                return false;
            }
        }
        return true;
    }
    case kSensorName:
        return Text(line, line.value, sensor.name);
    case kSensorLow:
    case kSensorHigh:
        if (!Integer(line, kMinI32, kMaxI32, value)) {
            return false;
        }
        (key == kSensorLow ? sensor.lowLimit : sensor.highLimit) = static_cast<std::int32_t>(value);
        return true;
    case kSensorFlags:
        if (!Integer(line, 0, kMaxU32, value)) {
            return false;
        }
        sensor.flags = static_cast<std::uint32_t>(value);
        return true;
    case kSensorValue:
        if (!Integer(line, kMinI32, kMaxI32, value)) {
            return false;
        }
        sensor.reading.base = static_cast<std::int32_t>(value);
        return true;
    case kSensorSine:
        return Wave(line, "period", sensor.reading.sineAmplitude, sensor.reading.sinePeriodMs);
    case kSensorDrift:
        return Wave(line, "interval", sensor.reading.driftAmplitude, sensor.reading.driftIntervalMs);
    }
    return false;
}

bool BoardFileParser::ItemEntry(int key, const IniLine &line)
{
    Item &item = m_board->items[m_board->itemCount];
    std::int64_t value = 0;
    switch (key) {
    case kItemValue:
    case kItemValue1:
        // Item values are 32-bit words; a negative number stands for its two's complement.
        if (!Integer(line, kMinI32, kMaxU32, value)) {
            return false;
        }
        (key == kItemValue ? item.value : item.value1) = static_cast<std::uint32_t>(value);
        return true;
    case kItemAvailable:
        if (!ParseSwitch(line.value, item.available)) {
            Fail(line.number).Text("available: expected yes or no, not ").Quoted(line.value);
            return false;
        }
        return true;
    case kItemOptions:
        return Options(line, item);
    case kItemMin:
    case kItemMax:
        if (!Integer(line, kMinI32, kMaxI32, value)) {
            return false;
        }
        (key == kItemMin ? item.minimum : item.maximum) = static_cast<std::int32_t>(value);
        return true;
    }
    return false;
}

bool BoardFileParser::EndSection()
{
    const KeyRule *keys = nullptr;
    int keyCount = 0;
    const char *head = "";
    switch (m_section) {
    case Section::None:
        return true;
    case Section::Board:
        keys = kBoardKeys;
        keyCount = kBoardKeyCount;
        head = "[board]";
        break;
    case Section::Sensor:
        keys = kSensorKeys;
        keyCount = kSensorKeyCount;
        head = "this [sensor]";
        break;
    case Section::Item:
        keys = kItemKeys;
        keyCount = kItemKeyCount;
        head = "this [item]";
        break;
    }
    for (int i = 0; i < keyCount; ++i) {
        if (keys[i].required && !(m_keysSeen & (1u << i))) {
            Fail(m_sectionLine).Text(head).Text(" lacks the key ").Quoted(keys[i].key);
            return false;
        }
    }

    if (m_section == Section::Sensor) {
        const Waveform &wave = m_board->sensors[m_board->sensorCount].reading;
        std::int64_t swing = static_cast<std::int64_t>(wave.sineAmplitude) + wave.driftAmplitude;
        if (wave.base - swing < kMinI32 || wave.base + swing > kMaxI32) {
            Fail(m_sectionLine)
                .Text("value ")
                .Decimal(wave.base)
                .Text(" +/- ")
                .Decimal(swing)
                .Text(" leaves the 32-bit range");
            return false;
        }
        ++m_board->sensorCount;
    } else if (m_section == Section::Item) {
        Item &item = m_board->items[m_board->itemCount];
        // Without bounds, an item with named options takes their indexes.
        bool named = item.optionCount > 0;
        if (!(m_keysSeen & (1u << kItemMin))) {
            item.minimum = named ? 0 : static_cast<std::int32_t>(kMinI32);
        }
        if (!(m_keysSeen & (1u << kItemMax))) {
            item.maximum = named ? static_cast<std::int32_t>(item.optionCount - 1) : static_cast<std::int32_t>(kMaxI32);
        }
        if (item.minimum > item.maximum) {
            Fail(m_sectionLine)
                .Text("this [item] accepts no value: min ")
                .Decimal(item.minimum)
                .Text(" > max ")
                .Decimal(item.maximum);
            return false;
        }
        ++m_board->itemCount;
    }
    m_section = Section::None;
    return true;
}

bool BoardFileParser::FillBoard(std::string_view text)
{
    IniScanner scanner(text);
    IniLine line;
    while (scanner.Next(line)) {
        if (line.kind == IniLine::Kind::Section) {
            if (!EndSection() || !BeginSection(line)) {
                return false;
            }
            continue;
        }
        const KeyRule *keys = nullptr;
        int keyCount = 0;
        switch (m_section) {
        case Section::None:
            Fail(line.number).Text("key ").Quoted(line.key).Text(" before the first section");
            return false;
        case Section::Board:
            keys = kBoardKeys;
            keyCount = kBoardKeyCount;
            break;
        case Section::Sensor:
            keys = kSensorKeys;
            keyCount = kSensorKeyCount;
            break;
        case Section::Item:
            keys = kItemKeys;
            keyCount = kItemKeyCount;
            break;
        }
        int key = 0;
        while (key < keyCount && keys[key].key != line.key) {
            ++key;
        }
        if (key == keyCount) {
            Fail(line.number).Text("unknown key ").Quoted(line.key).Text(" in this section");
            return false;
        }
        if (m_keysSeen & (1u << key)) {
            Fail(line.number).Text("second ").Quoted(line.key).Text(" in this section");
            return false;
        }
        m_keysSeen |= 1u << key;
        bool ok = m_section == Section::Board    ? BoardEntry(key, line)
                  : m_section == Section::Sensor ? SensorEntry(key, line)
                                                 : ItemEntry(key, line);
        if (!ok) {
            return false;
        }
    }
    if (scanner.Error()) {
        return SyntaxError(scanner);
    }
    if (!EndSection()) {
        return false;
    }
    if (m_boardLine == 0) {
        Fail(0).Text("the file has no [board] section");
        return false;
    }
    return true;
}

// The firmware's method table: each sensor kind present brings its list and
// its reading method, each sensor its descriptor object, items OCOP and PROC.
bool BoardFileParser::BuildMethods()
{
    std::uint32_t capacity = m_board->sensorCount + 2 * kSensorClassCount + 2;
    m_board->methods = m_arena.NewArray<Method>(capacity);
    if (!m_board->methods) {
        return OutOfMemory();
    }
    auto add = [this](std::uint32_t name, MethodKind kind, std::uint32_t index) {
        m_board->methods[m_board->methodCount++] = Method{name, kind, index, false};
    };
    for (std::uint32_t classIndex = 0; classIndex < kSensorClassCount; ++classIndex) {
        bool present = false;
        for (std::uint32_t i = 0; i < m_board->sensorCount; ++i) {
            present = present || m_board->sensors[i].classIndex == classIndex;
        }
        if (present) {
            add(kSensorClasses[classIndex].listMethod, MethodKind::SensorList, classIndex);
            add(kSensorClasses[classIndex].readingMethod, MethodKind::SensorReading, classIndex);
        }
    }
    for (std::uint32_t i = 0; i < m_board->sensorCount; ++i) {
        add(m_board->sensors[i].objectName, MethodKind::SensorDescriptor, i);
    }
    if (m_board->itemCount > 0) {
        add(kItemReadMethod, MethodKind::ItemRead, 0);
        add(kItemWriteMethod, MethodKind::ItemWrite, 0);
    }
    return true;
}

BsStatus BoardFileParser::Parse(std::string_view text, Board *&board)
{
    m_board = m_arena.New<Board>();
    if (!m_board) {
        OutOfMemory();
        return m_status;
    }
    if (!CountSections(text) || !FillBoard(text) || !BuildMethods()) {
        return m_status;
    }
    board = m_board;
    return BS_OK;
}

} // namespace

BsStatus LoadBoard(const BsAllocator &allocator, std::string_view text, Board *&board, BsLoadError *error)
{
    Arena arena;
    arena.Init(allocator);
    BoardFileParser parser(arena, error);
    Board *loaded = nullptr;
    BsStatus status = parser.Parse(text, loaded);
    if (status != BS_OK) {
        arena.ReleaseAll();
        return status;
    }
    loaded->arena = arena;
    board = loaded;
    return BS_OK;
}

void FreeBoard(Board *board)
{
    if (board) {
        board->arena.ReleaseAll();
    }
}

} // namespace boardsim
