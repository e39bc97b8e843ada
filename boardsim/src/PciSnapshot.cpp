#include "PciSnapshot.h"

#include "ErrorText.h"

namespace boardsim {
namespace {

// The widest domain lspci prints has eight hex digits.
constexpr std::size_t kMaxDomainDigits = 8;
constexpr std::uint32_t kBytesPerLine = 16;
constexpr std::uint32_t kDevicesPerBus = 32;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// A run of `minDigits` to `maxDigits` hex digits at the start of `text`,
// consumed; `digits` tells how many there were.
bool TakeHex(std::string_view& text, std::size_t minDigits, std::size_t maxDigits, std::uint32_t& value,
             std::size_t* digits = nullptr)
{
    std::size_t count = 0;
    value = 0;
    while (count < text.size() && HexDigit(text[count]) >= 0) {
        if (count == maxDigits) {
            return false;
        }
        value = value << 4 | static_cast<std::uint32_t>(HexDigit(text[count]));
        ++count;
    }
    if (count < minDigits) {
        return false;
    }
    text.remove_prefix(count);
    if (digits) {
        *digits = count;
    }
    return true;
}

bool Take(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

struct Slot {
    std::uint32_t domain;
    std::uint32_t bus;
    std::uint32_t device;
    std::uint32_t function;
};

// "BB:DD.F" or "DDDD:BB:DD.F" (a domain of four to eight digits), then the
// end of the line or a blank and the description.
bool ParseSlotLine(std::string_view line, Slot& slot)
{
    std::uint32_t first = 0;
    std::size_t firstDigits = 0;
    std::uint32_t second = 0;
    std::string_view rest = line;
    if (!TakeHex(rest, 2, kMaxDomainDigits, first, &firstDigits) || !Take(rest, ':') || !TakeHex(rest, 2, 2, second)) {
        return false;
    }
    slot.domain = 0;
    if (firstDigits == 2) {
        slot.bus = first;
        slot.device = second;
    } else {
        if (firstDigits < 4 || !Take(rest, ':') || !TakeHex(rest, 2, 2, slot.device)) {
            return false;
        }
        slot.domain = first;
        slot.bus = second;
    }
    if (!Take(rest, '.') || !TakeHex(rest, 1, 1, slot.function)) {
        return false;
    }
    return rest.empty() || rest.front() == ' ' || rest.front() == '\t';
}

class SnapshotParser {
public:
    SnapshotParser(Arena& arena, std::uint32_t domain, PciSpace& space, BsLoadError& error)
        : m_arena(arena), m_domain(domain), m_space(space), m_error(error)
    {}

    BsStatus Parse(std::string_view text);

private:
    ErrorText Fail(unsigned line, BsStatus status = BS_BAD_BOARD)
    {
        m_status = status;
        m_error.line = line;
        return ErrorText(m_error.message, sizeof m_error.message);
    }
    ErrorText& SlotText(ErrorText& text, const Slot& slot)
    {
        if (slot.domain != 0) {
            Hex4(text, slot.domain).Text(":");
        }
        return Hex2(Hex2(text, slot.bus).Text(":"), slot.device).Text(".").Decimal(slot.function);
    }
    static ErrorText& Hex2(ErrorText& text, std::uint32_t value)
    {
        char digits[3] = {"0123456789abcdef"[(value >> 4) & 0xF], "0123456789abcdef"[value & 0xF], '\0'};
        return text.Text(digits);
    }
    static ErrorText& Hex4(ErrorText& text, std::uint32_t value)
    {
        if (value > 0xFFFF) {
            Hex4(text, value >> 16);
        }
        return Hex2(Hex2(text, (value >> 8) & 0xFF), value & 0xFF);
    }

    bool Line(std::string_view line, unsigned number);
    bool BeginFunction(const Slot& slot, unsigned number);
    bool Bytes(std::string_view line, unsigned number);
    bool EndFunction();

    Arena& m_arena;
    std::uint32_t m_domain;
    PciSpace& m_space;
    BsLoadError& m_error;
    BsStatus m_status = BS_OK;

    // The function whose bytes are being read, and every function seen so
    // far (all segments) to find a second line for the same one.
    struct Seen {
        Slot slot;
        unsigned line;
        Seen* next;
    };
    Seen* m_seen = nullptr;
    bool m_inFunction = false;
    Slot m_slot{};
    unsigned m_slotLine = 0;
    std::uint32_t m_length = 0;        // bytes read for the current function
    PciFunction* m_current = nullptr;  // null when its segment is not served
    PciFunction* m_last = nullptr;
};

bool SnapshotParser::EndFunction()
{
    if (!m_inFunction) {
        return true;
    }
    m_inFunction = false;
    if (m_length < kPciHeaderSize) {
        SlotText(Fail(m_slotLine).Text("function "), m_slot)
                .Text(" has ")
                .Decimal(m_length)
                .Text(" bytes; its 64-byte header is needed");
        return false;
    }
    if (m_current) {
        m_current->length = m_length < kPciConfigSize ? m_length : kPciConfigSize;
        if (m_last) {
            m_last->next = m_current;
        } else {
            m_space.functions = m_current;
        }
        m_last = m_current;
        ++m_space.count;
    }
    return true;
}

bool SnapshotParser::BeginFunction(const Slot& slot, unsigned number)
{
    if (!EndFunction()) {
        return false;
    }
    if (slot.device >= kDevicesPerBus || slot.function > 7) {
        SlotText(Fail(number).Text("no such function "), slot).Text(": devices are 00 to 1f, functions 0 to 7");
        return false;
    }
    for (const Seen* seen = m_seen; seen; seen = seen->next) {
        const Slot& other = seen->slot;
        if (other.domain == slot.domain && other.bus == slot.bus && other.device == slot.device &&
            other.function == slot.function) {
            SlotText(Fail(number).Text("second "), slot).Text(" (the first is on line ").Decimal(seen->line).Text(")");
            return false;
        }
    }
    Seen* seen = m_arena.New<Seen>();
    if (!seen) {
        Fail(0, BS_NO_MEMORY).Text("out of memory");
        return false;
    }
    *seen = Seen{slot, number, m_seen};
    m_seen = seen;

    m_inFunction = true;
    m_slot = slot;
    m_slotLine = number;
    m_length = 0;
    m_current = nullptr;
    if (slot.domain == m_domain) {
        m_current = m_arena.New<PciFunction>();
        std::uint8_t* bytes = m_current ? static_cast<std::uint8_t*>(m_arena.Allocate(kPciConfigSize)) : nullptr;
        if (!bytes) {
            Fail(0, BS_NO_MEMORY).Text("out of memory");
            return false;
        }
        m_current->bus = static_cast<std::uint8_t>(slot.bus);
        m_current->device = static_cast<std::uint8_t>(slot.device);
        m_current->function = static_cast<std::uint8_t>(slot.function);
        m_current->bytes = bytes;
    }
    return true;
}

// "OFFSET: XX XX ... XX", sixteen bytes, the offset the next one expected.
// False with no message when the line is no bytes line at all.
bool SnapshotParser::Bytes(std::string_view line, unsigned number)
{
    std::string_view rest = line;
    std::uint32_t offset = 0;
    if (!TakeHex(rest, 2, 4, offset) || !Take(rest, ':')) {
        return false;
    }
    std::uint8_t values[kBytesPerLine];
    bool wellFormed = true;
    for (std::uint32_t i = 0; i < kBytesPerLine && wellFormed; ++i) {
        std::uint32_t value = 0;
        wellFormed = Take(rest, ' ') && TakeHex(rest, 2, 2, value);
        values[i] = static_cast<std::uint8_t>(value);
    }
    if (!m_inFunction) {
        if (wellFormed && rest.empty()) {
            Fail(number).Text("bytes before the first function's 'BB:DD.F' line");
        }
        return false;
    }
    if (!wellFormed) {
        Fail(number)
                .Text("expected 16 bytes as two hex digits each after '")
                .Text(std::string_view(line.data(), line.size() < 4 ? line.size() : 4))
                .Text("'");
        return false;
    }
    if (!rest.empty()) {
        Fail(number).Text("more than 16 bytes on the line");
        return false;
    }
    if (offset != m_length) {
        Fail(number).Text("expected the bytes at offset ").Hex(m_length).Text(", not ").Hex(offset);
        return false;
    }
    if (offset >= kPciExtendedSize) {
        SlotText(Fail(number).Text("function "), m_slot).Text(" has more than 4096 bytes");
        return false;
    }
    if (m_current && offset < kPciConfigSize) {
        for (std::uint32_t i = 0; i < kBytesPerLine; ++i) {
            m_current->bytes[offset + i] = values[i];
        }
    }
    m_length += kBytesPerLine;
    return true;
}

bool SnapshotParser::Line(std::string_view line, unsigned number)
{
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return EndFunction();
    }
    // lspci -vvx puts its verbose reading of each function between the slot
    // line and the bytes, indented: it is not configuration space.
    if (line.front() == '\t' || line.front() == ' ') {
        return true;
    }
    Slot slot{};
    if (ParseSlotLine(line, slot)) {
        return BeginFunction(slot, number);
    }
    if (Bytes(line, number)) {
        return true;
    }
    if (m_status == BS_OK) {
        Fail(number).Text("neither a function's 'BB:DD.F' line nor an 'OFFSET: bytes' line: ").Quoted(line);
    }
    return false;
}

BsStatus SnapshotParser::Parse(std::string_view text)
{
    m_space = PciSpace{};
    if (text.size() >= 3 && text[0] == '\xEF' && text[1] == '\xBB' && text[2] == '\xBF') {
        text.remove_prefix(3);
    }
    unsigned number = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n') {
            ++end;
        }
        ++number;
        for (std::size_t i = start; i < end; ++i) {
            const unsigned char c = static_cast<unsigned char>(text[i]);
            if (c < 0x20 && c != '\t' && c != '\r') {
                Fail(number).Text("control character ").Hex(c).Text(" in the text");
                return m_status;
            }
        }
        if (!Line(std::string_view(text.data() + start, end - start), number)) {
            return m_status;
        }
        start = end + 1;
    }
    if (!EndFunction()) {
        return m_status;
    }
    return BS_OK;
}

}  // namespace

BsStatus ParsePciSnapshot(Arena& arena, std::string_view text, std::uint32_t domain, PciSpace& space,
                          BsLoadError& error)
{
    SnapshotParser parser(arena, domain, space, error);
    return parser.Parse(text);
}

const PciFunction* FindPciFunction(const PciSpace& space, std::uint32_t bus, std::uint32_t device,
                                   std::uint32_t function)
{
    for (const PciFunction* f = space.functions; f; f = f->next) {
        if (f->bus == bus && f->device == device && f->function == function) {
            return f;
        }
    }
    return nullptr;
}

}  // namespace boardsim
