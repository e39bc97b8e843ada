#include "PhysicalWindows.h"

#include <algorithm>
#include <cstring>

#include "SmbiosSource.h"

namespace vantor::zyio {

namespace {

// Whether [physical, physical + length) lies inside [base, base + size).
bool Inside(std::uint32_t physical, std::uint32_t length, std::uint32_t base, std::uint32_t size)
{
    const std::uint64_t start = physical;
    const std::uint64_t end = start + length;
    return start >= base && end <= static_cast<std::uint64_t>(base) + size;
}

}  // namespace

std::vector<std::uint8_t> BuildBiosArea(std::uint16_t tableLength, std::uint32_t tableAddress, std::uint16_t structures)
{
    std::vector<std::uint8_t> area(kBiosAreaSize, 0);
    std::uint8_t* entry = area.data() + (kEntryPointAddress - kBiosAreaBase);
    std::memcpy(entry, "_DMI_", 5);
    entry[6] = static_cast<std::uint8_t>(tableLength);
    entry[7] = static_cast<std::uint8_t>(tableLength >> 8);
    for (int i = 0; i < 4; ++i)
        entry[8 + i] = static_cast<std::uint8_t>(tableAddress >> (8 * i));
    entry[12] = static_cast<std::uint8_t>(structures);
    entry[13] = static_cast<std::uint8_t>(structures >> 8);
    entry[14] = 0x28;  // SMBIOS 2.8, the last version this entry point form describes
    // The checksum byte makes the 15 bytes sum to zero.
    std::uint8_t sum = 0;
    for (int i = 0; i < 15; ++i)
        sum = static_cast<std::uint8_t>(sum + entry[i]);
    entry[5] = static_cast<std::uint8_t>(0x100 - sum);
    return area;
}

void PhysicalWindows::SetTable(std::span<const std::uint8_t> table)
{
    const StructurePrefix whole = WholeStructures(table, kMaxTableLength);
    m_table.assign(table.begin(), table.begin() + static_cast<std::ptrdiff_t>(whole.length));
    m_biosArea = BuildBiosArea(static_cast<std::uint16_t>(whole.length), kTableAddress, whole.structures);
    m_hasTable = true;
}

void* PhysicalWindows::Map(std::uint32_t physical, std::uint32_t length)
{
    if (length == 0 || !m_hasTable)
        return nullptr;
    const bool biosArea = Inside(physical, length, kBiosAreaBase, kBiosAreaSize);
    if (!biosArea && !Inside(physical, length, kTableAddress, kTableRegionSize))
        return nullptr;
    auto bytes = std::make_unique<std::uint8_t[]>(length);  // zero-filled
    if (biosArea) {
        std::memcpy(bytes.get(), m_biosArea.data() + (physical - kBiosAreaBase), length);
    } else {
        const std::size_t from = physical - kTableAddress;
        if (from < m_table.size()) {
            const std::size_t copied = std::min<std::size_t>(length, m_table.size() - from);
            std::memcpy(bytes.get(), m_table.data() + from, copied);
        }
    }
    void* view = bytes.get();
    m_windows.push_back(Window{physical, std::move(bytes)});
    return view;
}

bool PhysicalWindows::Unmap(const void* address)
{
    auto byPointer = std::find_if(m_windows.begin(), m_windows.end(),
                                  [address](const Window& w) { return w.bytes.get() == address; });
    if (byPointer != m_windows.end()) {
        m_windows.erase(byPointer);
        return true;
    }
    const auto physical = reinterpret_cast<std::uintptr_t>(address);
    auto byBase = std::find_if(m_windows.rbegin(), m_windows.rend(),
                               [physical](const Window& w) { return w.physical == physical; });
    if (byBase != m_windows.rend()) {
        m_windows.erase(std::next(byBase).base());
        return true;
    }
    return false;
}

}  // namespace vantor::zyio
