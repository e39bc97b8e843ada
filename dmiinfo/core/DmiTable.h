// What the DMI library's Win32 shell (DMI_GetAll) calls. The shell loads the
// outside libraries, maps the two physical memory windows and backs the
// IniWriter with ZyIni.dll and SmbiosNames with SmBIOS.ini; everything that
// reads the mapped bytes is here and never reads outside the window it is
// given.
//
//   anchor = MapMem(0xF0000, 0xFFF0)
//   entry  = FindDmiEntryPoint(anchor)            // nullopt: no table known
//   table  = MapMem(entry->tableAddress, 0xFFF0)
//   DecodeSmbiosTable(table, entry->tableLength, ini, names)
//
// When a window cannot be mapped, DecodeSmbiosTable with an empty window
// still writes the Root count 0 that an empty INI file needs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "core/IniWriter.h"
#include "core/SmbiosNames.h"

namespace vantor::dmi {

// Both physical windows are mapped with this length.
inline constexpr std::uint32_t kAnchorWindowBase = 0x000F0000;
inline constexpr std::uint32_t kWindowLength = 0xFFF0;

struct DmiEntryPoint {
    std::uint16_t tableLength;
    std::uint32_t tableAddress;
};

// The first "_DMI" anchor on a 16-byte boundary whose table fields lie inside
// the window.
std::optional<DmiEntryPoint> FindDmiEntryPoint(std::span<const std::uint8_t> anchorWindow);

// Writes the Root count 0, indexes the structures of the table at the start
// of `window` (tableLength bytes, cut at the window's end) and writes one
// section per decoded type, with the Root count updated after each type.
// Returns the number of Root entries written.
int DecodeSmbiosTable(std::span<const std::uint8_t> window, std::size_t tableLength, IniWriter& ini,
                      const SmbiosNames& names);

}  // namespace vantor::dmi
