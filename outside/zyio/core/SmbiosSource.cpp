#include "SmbiosSource.h"

#include <algorithm>
#include <cstring>

namespace vantor::zyio {

namespace {

constexpr std::uint8_t kEndOfTable = 127;
constexpr std::size_t kStructureHeader = 4;

std::uint16_t Word(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t Dword(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(Word(bytes, at)) | static_cast<std::uint32_t>(Word(bytes, at + 2)) << 16;
}

std::uint64_t Qword(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint64_t>(Dword(bytes, at)) | static_cast<std::uint64_t>(Dword(bytes, at + 4)) << 32;
}

bool StartsWith(std::span<const std::uint8_t> bytes, const char* anchor)
{
    const std::size_t n = std::strlen(anchor);
    return bytes.size() >= n && std::memcmp(bytes.data(), anchor, n) == 0;
}

TableSource Failure(std::string reason) { return TableSource{{}, std::move(reason)}; }

// The table at [offset, offset + length) of the file, cut to whole structures.
// `exact` says whether the entry point gives the table's length (2.x) or only
// its maximum size (3.x, where a shorter table is normal).
TableSource TableAt(std::span<const std::uint8_t> file, std::uint64_t offset, std::uint64_t length, bool exact,
                    const char* form)
{
    if (offset >= file.size())
        return Failure(std::string(form) + " entry point: table address lies past the end of the file");
    const std::uint64_t available = file.size() - offset;
    if (length > available) {
        if (exact)
            return Failure(std::string(form) + " entry point: table runs past the end of the file");
        length = available;
    }
    const auto table = file.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    const StructurePrefix whole = WholeStructures(table, table.size());
    if (whole.structures == 0)
        return Failure(std::string(form) + " entry point: no whole SMBIOS structure in the table");
    return TableSource{
            std::vector<std::uint8_t>(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(whole.length)), {}};
}

}  // namespace

StructurePrefix WholeStructures(std::span<const std::uint8_t> table, std::size_t limit)
{
    const std::size_t end = std::min(limit, table.size());
    StructurePrefix prefix;
    std::size_t at = 0;
    while (at + kStructureHeader <= end && prefix.structures < 0xFFFF) {
        const std::uint8_t type = table[at];
        const std::uint8_t formatted = table[at + 1];
        if (formatted < kStructureHeader || at + formatted > end)
            break;
        // The string set ends with two NUL bytes (directly after the
        // formatted area when the structure has no strings).
        std::size_t next = at + formatted;
        bool closed = false;
        while (next + 1 < end) {
            if (table[next] == 0 && table[next + 1] == 0) {
                closed = true;
                next += 2;
                break;
            }
            ++next;
        }
        if (!closed)
            break;
        at = next;
        prefix.length = at;
        ++prefix.structures;
        if (type == kEndOfTable) {
            prefix.endOfTable = true;
            break;
        }
    }
    return prefix;
}

TableSource TableFromFirmwareBlob(std::span<const std::uint8_t> blob)
{
    constexpr std::size_t kHeader = 8;
    if (blob.size() < kHeader)
        return Failure("firmware table: shorter than its 8-byte header");
    const std::uint32_t length = Dword(blob, 4);
    if (length > blob.size() - kHeader)
        return Failure("firmware table: its length runs past the data returned");
    const auto table = blob.subspan(kHeader, length);
    const StructurePrefix whole = WholeStructures(table, table.size());
    if (whole.structures == 0)
        return Failure("firmware table: no whole SMBIOS structure");
    return TableSource{
            std::vector<std::uint8_t>(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(whole.length)), {}};
}

TableSource TableFromFile(std::span<const std::uint8_t> file)
{
    // SMBIOS 3.x entry point: 32-bit maximum table size at 0x0C, 64-bit table
    // address at 0x10 (24 bytes in all).
    if (StartsWith(file, "_SM3_")) {
        if (file.size() < 0x18)
            return Failure("_SM3_ entry point: file ends inside the entry point");
        return TableAt(file, Qword(file, 0x10), Dword(file, 0x0C), false, "_SM3_");
    }
    // SMBIOS 2.x entry point: its intermediate `_DMI_` part at 0x10 holds the
    // table length (0x16) and the 32-bit table address (0x18).
    if (StartsWith(file, "_SM_")) {
        if (file.size() < 0x1F)
            return Failure("_SM_ entry point: file ends inside the entry point");
        return TableAt(file, Dword(file, 0x18), Word(file, 0x16), true, "_SM_");
    }
    // Legacy DMI entry point alone: length at 6, address at 8.
    if (StartsWith(file, "_DMI_")) {
        if (file.size() < 0x0F)
            return Failure("_DMI_ entry point: file ends inside the entry point");
        return TableAt(file, Dword(file, 8), Word(file, 6), true, "_DMI_");
    }
    const StructurePrefix whole = WholeStructures(file, file.size());
    if (whole.structures == 0)
        return Failure("neither an SMBIOS entry point nor a structure table");
    const bool paddedToEnd = std::all_of(file.begin() + static_cast<std::ptrdiff_t>(whole.length), file.end(),
                                         [](std::uint8_t byte) { return byte == 0; });
    if (!whole.endOfTable && !paddedToEnd)
        return Failure("not a structure table: unreadable data after " + std::to_string(whole.structures) +
                       " structures");
    return TableSource{
            std::vector<std::uint8_t>(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(whole.length)), {}};
}

}  // namespace vantor::zyio
