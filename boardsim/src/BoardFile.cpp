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

// Capability values MBIF may carry; far more than any board has.
constexpr std::uint32_t kMaxBoardValues = 64;
// Options a group item object of kinds 1 to 6 may step through.
constexpr std::int64_t kMaxSteps = 255;
// IA32_MISC_ENABLE defines bits up to 38; board numbers stop at 40 bits.
constexpr std::int64_t kMaxMiscEnable = (std::int64_t{1} << 40) - 1;

enum BoardKey {
    kBoardName,
    kBoardTestControl,
    kBoardMbifVersion,
    kBoardMbifValues,
    kBoardPowerProfile,
    kBoardPci,
    kBoardPciDomain,
    kBoardKeyCount
};
constexpr KeyRule kBoardKeys[kBoardKeyCount] = {
        {"name", true},           {"test_control", false}, {"mbif_version", false}, {"mbif_values", false},
        {"power_profile", false}, {"pci", false},          {"pci_domain", false},
};

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

enum ItemKey {
    kItemValue,
    kItemValue1,
    kItemAvailable,
    kItemOptions,
    kItemMin,
    kItemMax,
    kItemName,
    kItemRestart,
    kItemOcifObject,
    kItemRange,
    kItemAttribute,
    kItemKvifObject,
    kItemWords,
    kItemStartTemp,
    kItemGroupObject,
    kItemExtra1,
    kItemExtra2,
    kItemSteps,
    kItemKeyCount
};
constexpr KeyRule kItemKeys[kItemKeyCount] = {
        {"value", true},        {"value1", false},     {"available", false},    {"options", false},
        {"min", false},         {"max", false},        {"name", false},         {"restart", false},
        {"ocif_object", false}, {"range", false},      {"attribute", false},    {"kvif_object", false},
        {"words", false},       {"start_temp", false}, {"group_object", false}, {"extra1", false},
        {"extra2", false},      {"steps", false},
};

enum CpuKey {
    kCpuMiscEnable,
    kCpuCoolNQuiet,
    kCpuCoolNQuietSupported,
    kCpuKeyCount
};
constexpr KeyRule kCpuKeys[kCpuKeyCount] = {
        {"misc_enable", false}, {"cool_n_quiet", false}, {"cool_n_quiet_supported", false}};

// A key that means something only beside another key of its section.
struct KeyNeed {
    int key;
    int needs;
};
constexpr KeyNeed kBoardNeeds[] = {{kBoardMbifValues, kBoardMbifVersion}, {kBoardPciDomain, kBoardPci}};
constexpr KeyNeed kItemNeeds[] = {
        {kItemRange, kItemOcifObject},   {kItemAttribute, kItemOcifObject}, {kItemWords, kItemKvifObject},
        {kItemExtra1, kItemGroupObject}, {kItemExtra2, kItemGroupObject},   {kItemSteps, kItemGroupObject},
};
constexpr KeyNeed kCpuNeeds[] = {{kCpuCoolNQuietSupported, kCpuCoolNQuiet}};

enum class Section {
    None,
    Board,
    Sensor,
    Item,
    Cpu
};

struct SectionRules {
    const KeyRule* keys;
    int keyCount;
    const KeyNeed* needs;
    int needCount;
    const char* head;  // for messages
};

SectionRules RulesOf(Section section)
{
    switch (section) {
    case Section::None:
        break;
    case Section::Board:
        return {kBoardKeys, kBoardKeyCount, kBoardNeeds, sizeof kBoardNeeds / sizeof kBoardNeeds[0], "[board]"};
    case Section::Sensor:
        return {kSensorKeys, kSensorKeyCount, nullptr, 0, "this [sensor]"};
    case Section::Item:
        return {kItemKeys, kItemKeyCount, kItemNeeds, sizeof kItemNeeds / sizeof kItemNeeds[0], "this [item]"};
    case Section::Cpu:
        return {kCpuKeys, kCpuKeyCount, kCpuNeeds, 1, "[cpu]"};
    }
    return {nullptr, 0, nullptr, 0, ""};
}

std::uint32_t NameWord(std::string_view name) { return BS_METHOD_NAME(name[0], name[1], name[2], name[3]); }

// A file named beside the board file: a relative path of letters, digits,
// '.', '_', '-' and separators, with no root and no ".." part, so that it
// cannot leave the board's folder.
bool IsBesideName(std::string_view name)
{
    if (name.empty() || name.front() == '/' || name.front() == '\\') {
        return false;
    }
    std::size_t partStart = 0;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        const bool end = i == name.size() || name[i] == '/' || name[i] == '\\';
        if (end) {
            if (std::string_view(name.data() + partStart, i - partStart) == "..") {
                return false;
            }
            partStart = i + 1;
            continue;
        }
        const char c = name[i];
        const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
                             c == '_' || c == '-';
        if (!allowed) {
            return false;
        }
    }
    return true;
}

class BoardFileParser {
public:
    BoardFileParser(Arena& arena, const BsFileReader* files, BsLoadError* error)
        : m_arena(arena), m_files(files), m_error(error ? error : &m_scratch)
    {
        m_error->line = 0;
        m_error->file[0] = '\0';
        m_error->message[0] = '\0';
    }

    BsStatus Parse(std::string_view text, Board*& board);

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
    bool SyntaxError(const IniScanner& scanner)
    {
        Fail(scanner.ErrorLine()).Text(scanner.Error());
        return false;
    }

    bool CountSections(std::string_view text);
    bool FillBoard(std::string_view text);
    bool BeginSection(const IniLine& line);
    bool EndSection();
    bool BoardEntry(int key, const IniLine& line);
    bool SensorEntry(int key, const IniLine& line);
    bool ItemEntry(int key, const IniLine& line);
    bool CpuEntry(int key, const IniLine& line);
    bool EndItem();
    bool BuildMethods();
    bool LoadPciSnapshot();

    bool Integer(const IniLine& line, std::int64_t minimum, std::int64_t maximum, std::int64_t& value);
    bool Word(const IniLine& line, std::uint32_t& word);
    bool Text(const IniLine& line, std::string_view text, std::string_view& copy);
    bool Wave(const IniLine& line, const char* secondName, std::int32_t& amplitude, std::uint32_t& milliseconds);
    bool Options(const IniLine& line, Item& item);
    bool Numbers(const IniLine& line, const char* form, const std::int64_t (*bounds)[2], std::int64_t* values,
                 std::uint32_t count);
    bool Switch(const IniLine& line, bool& value);
    bool ClaimObject(unsigned line, std::string_view name, std::uint32_t& word);

    Arena& m_arena;
    const BsFileReader* m_files;
    BsLoadError* m_error;
    BsLoadError m_scratch;
    BsStatus m_status = BS_OK;
    Board* m_board = nullptr;

    std::uint32_t m_sensorCapacity = 0;
    std::uint32_t m_itemCapacity = 0;
    unsigned* m_sensorLines = nullptr;
    unsigned* m_itemLines = nullptr;
    unsigned m_boardLine = 0;
    unsigned m_cpuLine = 0;
    std::string_view m_pciName;  // NUL-terminated in the arena
    unsigned m_pciLine = 0;
    std::uint32_t m_pciDomain = 0;

    // Every descriptor object's name and the line that named it: sensors and
    // the items' KVIF, OCIF and group objects share one namespace.
    std::uint32_t* m_objectNames = nullptr;
    unsigned* m_objectLines = nullptr;
    std::uint32_t m_objectCount = 0;

    Section m_section = Section::None;
    unsigned m_sectionLine = 0;
    std::uint32_t m_keysSeen = 0;
};

bool BoardFileParser::Integer(const IniLine& line, std::int64_t minimum, std::int64_t maximum, std::int64_t& value)
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

bool BoardFileParser::Text(const IniLine& line, std::string_view text, std::string_view& copy)
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

// A 32-bit word; a negative number stands for its two's complement.
bool BoardFileParser::Word(const IniLine& line, std::uint32_t& word)
{
    std::int64_t value = 0;
    if (!Integer(line, kMinI32, kMaxU32, value)) {
        return false;
    }
    word = static_cast<std::uint32_t>(value);
    return true;
}

bool BoardFileParser::Switch(const IniLine& line, bool& value)
{
    if (!ParseSwitch(line.value, value)) {
        Fail(line.number).Text(line.key).Text(": expected yes or no, not ").Quoted(line.value);
        return false;
    }
    return true;
}

// Exactly `count` comma-separated numbers, each within its bounds; `form`
// names them for the message.
bool BoardFileParser::Numbers(const IniLine& line, const char* form, const std::int64_t (*bounds)[2],
                              std::int64_t* values, std::uint32_t count)
{
    ListReader parts(line.value);
    std::string_view part;
    std::uint32_t found = 0;
    while (parts.Next(part)) {
        if (found == count) {
            found = count + 1;
            break;
        }
        if (ParseInteger(part, bounds[found][0], bounds[found][1], values[found]) != NumberStatus::Ok) {
            Fail(line.number)
                    .Text(line.key)
                    .Text(": ")
                    .Quoted(part)
                    .Text(" is not a number in ")
                    .Decimal(bounds[found][0])
                    .Text("..")
                    .Decimal(bounds[found][1]);
            return false;
        }
        ++found;
    }
    if (found != count) {
        Fail(line.number).Text(line.key).Text(": expected '").Text(form).Text("'");
        return false;
    }
    return true;
}

// Takes `name` as a descriptor object's name: a valid ACPI name that no
// firmware method and no other object of the board has.
bool BoardFileParser::ClaimObject(unsigned line, std::string_view name, std::uint32_t& word)
{
    if (!IsAcpiName(name)) {
        Fail(line).Text("an object needs a four-character ACPI name (A-Z, 0-9, _), not ").Quoted(name);
        return false;
    }
    word = NameWord(name);
    if (IsFirmwareMethod(word)) {
        Fail(line).Text("object ").Quoted(name).Text(" would hide the firmware method of that name");
        return false;
    }
    for (std::uint32_t i = 0; i < m_objectCount; ++i) {
        if (m_objectNames[i] == word) {
            Fail(line)
                    .Text("second object ")
                    .Quoted(name)
                    .Text(" (the first is on line ")
                    .Decimal(m_objectLines[i])
                    .Text(")");
            return false;
        }
    }
    m_objectNames[m_objectCount] = word;
    m_objectLines[m_objectCount] = line;
    ++m_objectCount;
    return true;
}

// `amplitude, seconds`: both parts of a sine or a drift.
bool BoardFileParser::Wave(const IniLine& line, const char* secondName, std::int32_t& amplitude,
                           std::uint32_t& milliseconds)
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

bool BoardFileParser::Options(const IniLine& line, Item& item)
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
    // A sensor names one object, an item up to three.
    std::uint32_t objectCapacity = m_sensorCapacity + 3 * m_itemCapacity;
    m_objectNames = m_arena.NewArray<std::uint32_t>(objectCapacity);
    m_objectLines = m_arena.NewArray<unsigned>(objectCapacity);
    if (!m_board->sensors || !m_board->items || !m_sensorLines || !m_itemLines || !m_objectNames || !m_objectLines) {
        return OutOfMemory();
    }
    return true;
}

bool BoardFileParser::BeginSection(const IniLine& line)
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
    if (line.type == "cpu") {
        if (!line.name.empty()) {
            Fail(line.number).Text("[cpu] takes no name");
            return false;
        }
        if (m_cpuLine != 0) {
            Fail(line.number).Text("second [cpu] section (the first is on line ").Decimal(m_cpuLine).Text(")");
            return false;
        }
        m_cpuLine = line.number;
        m_board->cpu.coolNQuietSupported = true;
        m_section = Section::Cpu;
        return true;
    }
    if (line.type == "sensor") {
        if (!IsAcpiName(line.name)) {
            Fail(line.number)
                    .Text("[sensor NAME] needs a four-character ACPI name (A-Z, 0-9, _), not ")
                    .Quoted(line.name);
            return false;
        }
        std::uint32_t objectName = 0;
        if (!ClaimObject(line.number, line.name, objectName)) {
            return false;
        }
        Sensor& sensor = m_board->sensors[m_board->sensorCount];
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
        Item& item = m_board->items[m_board->itemCount];
        item.itemId = static_cast<std::uint32_t>(itemId);
        item.available = true;
        m_itemLines[m_board->itemCount] = line.number;
        m_section = Section::Item;
        return true;
    }
    Fail(line.number)
            .Text("unknown section [")
            .Text(line.type)
            .Text("]; expected [board], [cpu], [sensor NAME] or [item ID]");
    return false;
}

bool BoardFileParser::BoardEntry(int key, const IniLine& line)
{
    switch (key) {
    case kBoardName:
        return Text(line, line.value, m_board->name);
    case kBoardTestControl:
        return Switch(line, m_board->testControl);
    case kBoardMbifVersion:
        m_board->info.present = true;
        return Word(line, m_board->info.version);
    case kBoardMbifValues: {
        std::uint32_t count = 0;
        std::string_view part;
        for (ListReader counter(line.value); counter.Next(part);) {
            ++count;
        }
        if (count == 0 || count > kMaxBoardValues) {
            Fail(line.number).Text("mbif_values: expected 1 to ").Decimal(kMaxBoardValues).Text(" numbers");
            return false;
        }
        m_board->info.values = m_arena.NewArray<std::uint32_t>(count);
        if (!m_board->info.values) {
            return OutOfMemory();
        }
        ListReader reader(line.value);
        for (std::uint32_t i = 0; reader.Next(part); ++i) {
            IniLine element = line;
            element.value = part;
            if (!Word(element, m_board->info.values[i])) {
                return false;
            }
        }
        m_board->info.valueCount = count;
        return true;
    }
    case kBoardPowerProfile:
        m_board->hasPowerProfile = true;
        return Switch(line, m_board->powerProfile);
    case kBoardPci:
        if (!IsBesideName(line.value)) {
            Fail(line.number)
                    .Text("pci: ")
                    .Quoted(line.value)
                    .Text(" is not a file beside the board file (letters, digits, . _ - and /, no '..')");
            return false;
        }
        m_pciLine = line.number;
        return Text(line, line.value, m_pciName);
    case kBoardPciDomain: {
        std::int64_t domain = 0;
        if (!Integer(line, 0, kMaxU32, domain)) {
            return false;
        }
        m_pciDomain = static_cast<std::uint32_t>(domain);
        return true;
    }
    }
    return false;
}

bool BoardFileParser::CpuEntry(int key, const IniLine& line)
{
    Cpu& cpu = m_board->cpu;
    switch (key) {
    case kCpuMiscEnable: {
        std::int64_t value = 0;
        if (!Integer(line, 0, kMaxMiscEnable, value)) {
            return false;
        }
        cpu.hasMiscEnable = true;
        cpu.miscEnable = static_cast<std::uint64_t>(value);
        return true;
    }
    case kCpuCoolNQuiet: {
        constexpr std::int64_t bounds[2][2] = {{0, kMaxI32}, {0, kMaxI32}};
        std::int64_t values[2] = {};
        if (!Numbers(line, "first mV, second mV", bounds, values, 2)) {
            return false;
        }
        cpu.hasCoolNQuiet = true;
        cpu.coolNQuiet[0] = static_cast<std::uint32_t>(values[0]);
        cpu.coolNQuiet[1] = static_cast<std::uint32_t>(values[1]);
        return true;
    }
    case kCpuCoolNQuietSupported:
        return Switch(line, cpu.coolNQuietSupported);
    }
    return false;
}

bool BoardFileParser::SensorEntry(int key, const IniLine& line)
{
    Sensor& sensor = m_board->sensors[m_board->sensorCount];
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

bool BoardFileParser::ItemEntry(int key, const IniLine& line)
{
    Item& item = m_board->items[m_board->itemCount];
    std::int64_t value = 0;
    switch (key) {
    case kItemValue:
        return Word(line, item.value);
    case kItemValue1:
        return Word(line, item.value1);
    case kItemAvailable:
        return Switch(line, item.available);
    case kItemRestart:
        return Switch(line, item.restart);
    case kItemOptions:
        return Options(line, item);
    case kItemMin:
    case kItemMax:
        if (!Integer(line, kMinI32, kMaxI32, value)) {
            return false;
        }
        (key == kItemMin ? item.minimum : item.maximum) = static_cast<std::int32_t>(value);
        return true;
    case kItemName:
        return Text(line, line.value, item.name);
    case kItemOcifObject:
        return ClaimObject(line.number, line.value, item.settingObject);
    case kItemKvifObject:
        return ClaimObject(line.number, line.value, item.featureObject);
    case kItemGroupObject:
        return ClaimObject(line.number, line.value, item.groupObject);
    case kItemRange: {
        constexpr std::int64_t bounds[3][2] = {{kMinI32, kMaxU32}, {kMinI32, kMaxU32}, {kMinI32, kMaxU32}};
        std::int64_t values[3] = {};
        if (!Numbers(line, "low, high, steps", bounds, values, 3)) {
            return false;
        }
        for (int i = 0; i < 3; ++i) {
            item.range[i] = static_cast<std::uint32_t>(values[i]);
        }
        return true;
    }
    case kItemAttribute:
        return Word(line, item.attribute);
    case kItemWords: {
        constexpr std::int64_t bounds[4][2] = {
                {kMinI32, kMaxU32}, {kMinI32, kMaxU32}, {kMinI32, kMaxU32}, {kMinI32, kMaxU32}};
        std::int64_t values[4] = {};
        if (!Numbers(line, "word1, word2, word3, word4", bounds, values, 4)) {
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            item.words[i] = static_cast<std::uint32_t>(values[i]);
        }
        return true;
    }
    case kItemStartTemp:
        if (!Integer(line, kMinI32, kMaxI32, value)) {
            return false;
        }
        item.hasStartTemperature = true;
        item.startTemperature = static_cast<std::uint32_t>(value);
        return true;
    case kItemExtra1:
        return Word(line, item.extra1);
    case kItemExtra2:
        return Word(line, item.extra2);
    case kItemSteps: {
        constexpr std::int64_t bounds[3][2] = {{kMinI32, kMaxI32}, {kMinI32, kMaxI32}, {1, kMaxSteps}};
        std::int64_t values[3] = {};
        if (!Numbers(line, "base, step, count", bounds, values, 3)) {
            return false;
        }
        item.stepBase = static_cast<std::int32_t>(values[0]);
        item.step = static_cast<std::int32_t>(values[1]);
        item.stepCount = static_cast<std::uint32_t>(values[2]);
        return true;
    }
    }
    return false;
}

// Checks that belong to a whole [item]: what its objects need, and the
// values it accepts.
bool BoardFileParser::EndItem()
{
    Item& item = m_board->items[m_board->itemCount];
    auto seen = [this](int key) { return (m_keysSeen & (1u << key)) != 0; };
    if ((item.settingObject || item.featureObject || item.groupObject) && !seen(kItemName)) {
        Fail(m_sectionLine).Text("this [item] names an object but lacks the key 'name' the object answers");
        return false;
    }
    std::uint32_t kind = ItemKind(item.itemId);
    if (item.groupObject) {
        if (kind < kFirstSteppedKind || kind > kNamedKind) {
            Fail(m_sectionLine)
                    .Text("group_object: the item is of kind ")
                    .Decimal(kind)
                    .Text("; item objects are of kind 1 to 6 (stepped), 7 (switch) or 8 (named options)");
            return false;
        }
        if (IsSteppedKind(kind) != seen(kItemSteps)) {
            Fail(m_sectionLine)
                    .Text(seen(kItemSteps) ? "'steps' belongs to item objects of kind 1 to 6, not kind "
                                           : "this [item] lacks the key 'steps' its object of kind ")
                    .Decimal(kind)
                    .Text(seen(kItemSteps) ? "" : " answers");
            return false;
        }
        if (kind == kNamedKind && item.optionCount == 0) {
            Fail(m_sectionLine).Text("this [item] lacks the key 'options' its object of kind 8 answers");
            return false;
        }
    }

    // Without bounds an item accepts the indexes of its options: its option
    // names, the stepped values of its object, or off and on; an item with
    // none of these accepts any value.
    std::int64_t indexes = item.optionCount;
    if (item.groupObject && IsSteppedKind(kind)) {
        indexes = item.stepCount;
    } else if (item.groupObject && kind == kSwitchKind && indexes == 0) {
        indexes = 2;
    }
    if (!seen(kItemMin)) {
        item.minimum = indexes > 0 ? 0 : static_cast<std::int32_t>(kMinI32);
    }
    if (!seen(kItemMax)) {
        item.maximum = indexes > 0 ? static_cast<std::int32_t>(indexes - 1) : static_cast<std::int32_t>(kMaxI32);
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
    return true;
}

bool BoardFileParser::EndSection()
{
    if (m_section == Section::None) {
        return true;
    }
    SectionRules rules = RulesOf(m_section);
    for (int i = 0; i < rules.keyCount; ++i) {
        if (rules.keys[i].required && !(m_keysSeen & (1u << i))) {
            Fail(m_sectionLine).Text(rules.head).Text(" lacks the key ").Quoted(rules.keys[i].key);
            return false;
        }
    }
    for (int i = 0; i < rules.needCount; ++i) {
        const KeyNeed& need = rules.needs[i];
        if ((m_keysSeen & (1u << need.key)) && !(m_keysSeen & (1u << need.needs))) {
            Fail(m_sectionLine)
                    .Text(rules.head)
                    .Text(" has ")
                    .Quoted(rules.keys[need.key].key)
                    .Text(" without ")
                    .Quoted(rules.keys[need.needs].key);
            return false;
        }
    }

    if (m_section == Section::Sensor) {
        const Waveform& wave = m_board->sensors[m_board->sensorCount].reading;
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
        if (!EndItem()) {
            return false;
        }
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
        if (m_section == Section::None) {
            Fail(line.number).Text("key ").Quoted(line.key).Text(" before the first section");
            return false;
        }
        SectionRules rules = RulesOf(m_section);
        int key = 0;
        while (key < rules.keyCount && rules.keys[key].key != line.key) {
            ++key;
        }
        if (key == rules.keyCount) {
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
                  : m_section == Section::Item   ? ItemEntry(key, line)
                                                 : CpuEntry(key, line);
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

// The firmware's method table. A board serves what its file describes: each
// sensor kind present brings its list and its reading method, each sensor
// and each item object its descriptor object, items OCOP and PROC, and each
// list of item objects (KVIF, OCIF, the group interface's GGRP with GITM and
// SITM) comes with its first object. MBIF, GCQV, GPLV and KVST come with
// their keys.
bool BoardFileParser::BuildMethods()
{
    constexpr std::uint32_t kBoardMethods = 9;  // KVIF KVST OCIF MBIF GCQV GPLV GGRP GITM SITM
    std::uint32_t capacity = m_board->sensorCount + 2 * kSensorClassCount + 2 + kBoardMethods + 3 * m_board->itemCount;
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
    bool features = false;
    bool startTemperatures = false;
    bool settings = false;
    bool groups = false;
    for (std::uint32_t i = 0; i < m_board->itemCount; ++i) {
        const Item& item = m_board->items[i];
        if (item.featureObject) {
            add(item.featureObject, MethodKind::FeatureDescriptor, i);
            features = true;
        }
        if (item.settingObject) {
            add(item.settingObject, MethodKind::SettingDescriptor, i);
            settings = true;
        }
        if (item.groupObject) {
            add(item.groupObject, MethodKind::GroupObject, i);
            groups = true;
        }
        startTemperatures = startTemperatures || item.hasStartTemperature;
    }
    if (features) {
        add(kFeatureListMethod, MethodKind::FeatureList, 0);
    }
    if (startTemperatures) {
        add(kStartTemperatureMethod, MethodKind::StartTemperature, 0);
    }
    if (settings) {
        add(kSettingListMethod, MethodKind::SettingList, 0);
    }
    if (groups) {
        add(kGroupListMethod, MethodKind::GroupList, 0);
        add(kGroupReadMethod, MethodKind::GroupRead, 0);
        add(kGroupWriteMethod, MethodKind::GroupWrite, 0);
    }
    if (m_board->info.present) {
        add(kBoardInfoMethod, MethodKind::BoardInfo, 0);
    }
    if (m_board->cpu.hasCoolNQuiet) {
        add(kCoolNQuietMethod, MethodKind::CoolNQuiet, 0);
    }
    if (m_board->hasPowerProfile) {
        add(kPowerProfileMethod, MethodKind::PowerProfile, 0);
    }
    return true;
}

// The snapshot the board names, through the host's reader. Its own errors
// carry its name and its line numbers.
bool BoardFileParser::LoadPciSnapshot()
{
    if (m_pciName.empty() || !m_files || !m_files->Read) {
        return true;
    }
    const char* text = nullptr;
    std::size_t length = 0;
    if (m_files->Read(m_files->context, m_pciName.data(), &text, &length) != BS_OK || (!text && length != 0)) {
        Fail(m_pciLine).Text("pci: cannot read the snapshot ").Quoted(m_pciName);
        return false;
    }
    BsStatus status =
            ParsePciSnapshot(m_arena, std::string_view(text ? text : "", length), m_pciDomain, m_board->pci, *m_error);
    if (m_files->Release) {
        m_files->Release(m_files->context, text);
    }
    if (status != BS_OK) {
        m_status = status;
        ErrorText(m_error->file, sizeof m_error->file).Text(m_pciName);
        return false;
    }
    return true;
}

BsStatus BoardFileParser::Parse(std::string_view text, Board*& board)
{
    m_board = m_arena.New<Board>();
    if (!m_board) {
        OutOfMemory();
        return m_status;
    }
    if (!CountSections(text) || !FillBoard(text) || !BuildMethods() || !LoadPciSnapshot()) {
        return m_status;
    }
    board = m_board;
    return BS_OK;
}

}  // namespace

BsStatus LoadBoard(const BsAllocator& allocator, const BsFileReader* files, std::string_view text, Board*& board,
                   BsLoadError* error)
{
    Arena arena;
    arena.Init(allocator);
    BoardFileParser parser(arena, files, error);
    Board* loaded = nullptr;
    BsStatus status = parser.Parse(text, loaded);
    if (status != BS_OK) {
        arena.ReleaseAll();
        return status;
    }
    loaded->arena = arena;
    board = loaded;
    return BS_OK;
}

void FreeBoard(Board* board)
{
    if (board) {
        board->arena.ReleaseAll();
    }
}

}  // namespace boardsim
