// The physical memory ZyIO shows its callers: a synthetic BIOS area holding a
// legacy `_DMI_` entry point, and the SMBIOS structure table at a made-up
// physical address. Every map hands out a private copy that lives until it is
// unmapped; there is no real physical memory behind it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vantor::zyio {

// The legacy BIOS area the DMI reader searches (0x000F0000 to 0x000FFFFF).
inline constexpr std::uint32_t kBiosAreaBase = 0x000F0000;
inline constexpr std::uint32_t kBiosAreaSize = 0x10000;
// Where the entry point sits: on a 16-byte boundary, well inside the area, so
// that a reader has to search for it rather than find it at offset 0.
inline constexpr std::uint32_t kEntryPointAddress = 0x000F6A30;
// Where the table claims to be. Firmware keeps SMBIOS tables in reserved
// memory below 4 GiB, far from the BIOS area, so the two windows never
// overlap and a reader that confuses them sees garbage, not the table.
inline constexpr std::uint32_t kTableAddress = 0x7FF40000;
// Readable bytes from kTableAddress on: the table, then zeros.
inline constexpr std::uint32_t kTableRegionSize = 0x100000;
// The DMI reader maps the table with this fixed length and walks only inside
// it, so the table presented is cut to the whole structures that fit.
inline constexpr std::uint32_t kMaxTableLength = 0xFFF0;

// The 64 KiB BIOS area with the 15-byte legacy entry point (anchor "_DMI_",
// checksum, table length, table address, structure count, BCD revision) at
// kEntryPointAddress and zeros elsewhere.
std::vector<std::uint8_t> BuildBiosArea(std::uint16_t tableLength, std::uint32_t tableAddress,
                                        std::uint16_t structures);

class PhysicalWindows {
public:
    // Replaces the table later maps show (cut to kMaxTableLength of whole
    // structures) and rebuilds the BIOS area to point at it. Windows already
    // mapped keep the bytes they were given.
    void SetTable(std::span<const std::uint8_t> table);
    bool HasTable() const { return m_hasTable; }
    std::uint16_t TableLength() const { return static_cast<std::uint16_t>(m_table.size()); }

    // A private copy of [physical, physical + length), or null when the range
    // is empty, lies outside the BIOS area and the table region, or no table
    // has been set.
    void* Map(std::uint32_t physical, std::uint32_t length);

    // Releases the window whose pointer is `address`, or else the most recent
    // live window mapped at the physical base `address` stands for. False (and
    // nothing released) for any other address.
    bool Unmap(const void* address);

    std::size_t LiveWindows() const { return m_windows.size(); }

private:
    struct Window {
        std::uint32_t physical;
        std::unique_ptr<std::uint8_t[]> bytes;
    };

    std::vector<std::uint8_t> m_table;
    std::vector<std::uint8_t> m_biosArea;
    bool m_hasTable = false;
    std::vector<Window> m_windows;
};

}  // namespace vantor::zyio
