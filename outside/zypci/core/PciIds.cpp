#include "PciIds.h"

#include <optional>

namespace vantor::pci {

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Exactly `digits` hex digits at the start of `text`, consumed.
std::optional<std::uint32_t> TakeHex(std::string_view& text, std::size_t digits)
{
    if (text.size() < digits)
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int digit = HexValue(text[i]);
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<std::uint32_t>(digit);
    }
    text.remove_prefix(digits);
    return value;
}

// The blanks between an ID and its name, then a name that is not empty.
std::optional<std::string> TakeName(std::string_view text)
{
    if (text.empty() || (text.front() != ' ' && text.front() != '\t'))
        return std::nullopt;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    std::string name = Utf8ToWindows1252(text);
    if (name.size() > kMaxNameLength)
        name.resize(kMaxNameLength);
    return name;
}

// Windows-1252 bytes 0x80-0x9F and the characters they stand for.
constexpr std::pair<char32_t, char> kHighPunctuation[] = {
        {0x20AC, '\x80'}, {0x201A, '\x82'}, {0x0192, '\x83'}, {0x201E, '\x84'}, {0x2026, '\x85'}, {0x2020, '\x86'},
        {0x2021, '\x87'}, {0x02C6, '\x88'}, {0x2030, '\x89'}, {0x0160, '\x8A'}, {0x2039, '\x8B'}, {0x0152, '\x8C'},
        {0x017D, '\x8E'}, {0x2018, '\x91'}, {0x2019, '\x92'}, {0x201C, '\x93'}, {0x201D, '\x94'}, {0x2022, '\x95'},
        {0x2013, '\x96'}, {0x2014, '\x97'}, {0x02DC, '\x98'}, {0x2122, '\x99'}, {0x0161, '\x9A'}, {0x203A, '\x9B'},
        {0x0153, '\x9C'}, {0x017E, '\x9E'}, {0x0178, '\x9F'},
};

char FromCodePoint(char32_t c)
{
    if (c < 0x20 || c == 0x7F)
        return ' ';
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (const auto& [point, byte] : kHighPunctuation)
        if (point == c)
            return byte;
    return '?';
}

}  // namespace

std::string Utf8ToWindows1252(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80             ? 1
                             : (lead & 0xE0) == 0xC0 ? 2
                             : (lead & 0xF0) == 0xE0 ? 3
                             : (lead & 0xF8) == 0xF0 ? 4
                                                     : 0;
        char32_t point = length == 1 ? lead : length == 2 ? lead & 0x1Fu : length == 3 ? lead & 0x0Fu : lead & 0x07u;
        bool valid = length != 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            point = point << 6 | (next & 0x3Fu);
        }
        // Overlong forms and surrogates are no characters.
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && point >= kLeast[length] && point <= 0x10FFFF && !(point >= 0xD800 && point <= 0xDFFF);
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        out += FromCodePoint(point);
        i += length;
    }
    return out;
}

class PciIdsParser {
public:
    PciIdsParser(PciIds& ids, const PciIdsWanted* wanted) : m_ids(ids), m_wanted(wanted) {}

    void Line(std::string_view line)
    {
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            return;
        std::size_t depth = 0;
        while (depth < line.size() && line[depth] == '\t')
            ++depth;
        line.remove_prefix(depth);
        if (!line.empty() && line.front() == '#')
            return;  // a comment between the entries of a vendor or class
        bool taken = false;
        if (depth == 0)
            taken = Top(line);
        else if (depth == 1)
            taken = Child(line);
        else if (depth == 2)
            taken = Grandchild(line);
        // A line that is not taken leaves what stands under it without a
        // parent (Top and Child forget theirs first), so it is skipped too.
        if (!taken)
            ++m_ids.m_skipped;
    }

private:
    bool Top(std::string_view line)
    {
        m_vendor = nullptr;
        m_class = nullptr;
        m_device = nullptr;
        m_subclass = nullptr;
        m_passingVendor = false;
        m_passingDevice = false;
        if (line.size() >= 2 && line[0] == 'C' && line[1] == ' ') {
            line.remove_prefix(2);
            const auto code = TakeHex(line, 2);
            const auto name = code ? TakeName(line) : std::nullopt;
            if (!name)
                return false;
            m_class = &m_ids.m_classes.try_emplace(static_cast<std::uint8_t>(*code)).first->second;
            if (m_class->name.empty())
                m_class->name = *name;
            return true;
        }
        const auto vendor = TakeHex(line, 4);
        const auto name = vendor ? TakeName(line) : std::nullopt;
        if (!name)
            return false;
        if (m_wanted && !m_wanted->vendors.contains(static_cast<std::uint16_t>(*vendor))) {
            m_passingVendor = true;  // a sound entry nobody asks for: it and its lines pass by
            return true;
        }
        m_vendorId = *vendor;
        m_vendor = &m_ids.m_vendors.try_emplace(static_cast<std::uint16_t>(*vendor)).first->second;
        if (m_vendor->name.empty())
            m_vendor->name = *name;
        return true;
    }

    bool Child(std::string_view line)
    {
        m_device = nullptr;
        m_subclass = nullptr;
        m_passingDevice = false;
        if (m_passingVendor)
            return true;
        if (m_vendor) {
            const auto device = TakeHex(line, 4);
            const auto name = device ? TakeName(line) : std::nullopt;
            if (!name)
                return false;
            if (m_wanted && !m_wanted->devices.contains(m_vendorId << 16 | *device)) {
                m_passingDevice = true;
                return true;
            }
            m_device = &m_vendor->devices.try_emplace(static_cast<std::uint16_t>(*device)).first->second;
            if (m_device->name.empty())
                m_device->name = *name;
            return true;
        }
        if (m_class) {
            const auto subclass = TakeHex(line, 2);
            const auto name = subclass ? TakeName(line) : std::nullopt;
            if (!name)
                return false;
            m_subclass = &m_class->subclasses.try_emplace(static_cast<std::uint8_t>(*subclass)).first->second;
            if (m_subclass->name.empty())
                m_subclass->name = *name;
            return true;
        }
        return false;
    }

    bool Grandchild(std::string_view line)
    {
        if (m_passingVendor || m_passingDevice)
            return true;
        if (m_device) {
            const auto subVendor = TakeHex(line, 4);
            const bool blank = subVendor && !line.empty() && line.front() == ' ';
            if (blank)
                line.remove_prefix(1);
            const auto subDevice = blank ? TakeHex(line, 4) : std::nullopt;
            const auto name = subDevice ? TakeName(line) : std::nullopt;
            if (!name)
                return false;
            m_device->subsystems.try_emplace(*subVendor << 16 | *subDevice, *name);
            return true;
        }
        if (m_subclass) {
            const auto interface = TakeHex(line, 2);
            const auto name = interface ? TakeName(line) : std::nullopt;
            if (!name)
                return false;
            m_subclass->interfaces.try_emplace(static_cast<std::uint8_t>(*interface), *name);
            return true;
        }
        return false;
    }

    PciIds& m_ids;
    const PciIdsWanted* m_wanted = nullptr;  // null: every entry is kept
    bool m_passingVendor = false;            // under a vendor that is not wanted
    bool m_passingDevice = false;            // under a device that is not wanted
    std::uint32_t m_vendorId = 0;
    PciIds::VendorEntry* m_vendor = nullptr;
    PciIds::DeviceEntry* m_device = nullptr;
    PciIds::ClassEntry* m_class = nullptr;
    PciIds::SubclassEntry* m_subclass = nullptr;
};

PciIds PciIds::Parse(std::string_view text) { return ParseLines(text, nullptr); }

PciIds PciIds::Parse(std::string_view text, const PciIdsWanted& wanted) { return ParseLines(text, &wanted); }

PciIds PciIds::ParseLines(std::string_view text, const PciIdsWanted* wanted)
{
    PciIds ids;
    PciIdsParser parser(ids, wanted);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        parser.Line(text.substr(start, end - start));
        start = end + 1;
    }
    return ids;
}

const std::string* PciIds::Vendor(std::uint16_t vendor) const
{
    const auto found = m_vendors.find(vendor);
    return found != m_vendors.end() ? &found->second.name : nullptr;
}

const std::string* PciIds::Device(std::uint16_t vendor, std::uint16_t device) const
{
    const auto found = m_vendors.find(vendor);
    if (found == m_vendors.end())
        return nullptr;
    const auto entry = found->second.devices.find(device);
    return entry != found->second.devices.end() ? &entry->second.name : nullptr;
}

const std::string* PciIds::Subsystem(std::uint16_t vendor, std::uint16_t device, std::uint16_t subVendor,
                                     std::uint16_t subDevice) const
{
    const auto found = m_vendors.find(vendor);
    if (found == m_vendors.end())
        return nullptr;
    const auto entry = found->second.devices.find(device);
    if (entry == found->second.devices.end())
        return nullptr;
    const auto sub = entry->second.subsystems.find(std::uint32_t{subVendor} << 16 | subDevice);
    return sub != entry->second.subsystems.end() ? &sub->second : nullptr;
}

const std::string* PciIds::Class(std::uint8_t classCode) const
{
    const auto found = m_classes.find(classCode);
    return found != m_classes.end() ? &found->second.name : nullptr;
}

const std::string* PciIds::Subclass(std::uint8_t classCode, std::uint8_t subclass) const
{
    const auto found = m_classes.find(classCode);
    if (found == m_classes.end())
        return nullptr;
    const auto entry = found->second.subclasses.find(subclass);
    return entry != found->second.subclasses.end() ? &entry->second.name : nullptr;
}

const std::string* PciIds::ProgrammingInterface(std::uint8_t classCode, std::uint8_t subclass,
                                                std::uint8_t interface) const
{
    const auto found = m_classes.find(classCode);
    if (found == m_classes.end())
        return nullptr;
    const auto entry = found->second.subclasses.find(subclass);
    if (entry == found->second.subclasses.end())
        return nullptr;
    const auto name = entry->second.interfaces.find(interface);
    return name != entry->second.interfaces.end() ? &name->second : nullptr;
}

}  // namespace vantor::pci
