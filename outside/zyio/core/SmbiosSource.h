// Where ZyIO's SMBIOS structure table comes from: the firmware-table blob
// Windows returns for 'RSMB', or a file (a raw structure table or a
// `dmidecode --dump-bin` file that starts with its entry point). Pure byte
// parsing, so every form and every malformed input is tested natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantor::zyio {

// A structure table, or the reason there is none. `error` is empty on success.
struct TableSource {
    std::vector<std::uint8_t> table;
    std::string error;

    bool Ok() const { return error.empty(); }
};

// The whole structures at the start of `table` that fit in `limit` bytes: the
// walk stops after the end-of-table structure (type 127), at the first
// structure whose formatted area or string set does not fit, or at the first
// structure shorter than its 4-byte header.
struct StructurePrefix {
    std::size_t length = 0;        // bytes of whole structures
    std::uint16_t structures = 0;  // how many
    bool endOfTable = false;       // the last one is the type 127 marker
};
StructurePrefix WholeStructures(std::span<const std::uint8_t> table, std::size_t limit);

// The table inside the RawSMBIOSData blob of GetSystemFirmwareTable('RSMB'):
// an 8-byte header (calling method, major, minor, revision, 32-bit length)
// followed by that many table bytes.
TableSource TableFromFirmwareBlob(std::span<const std::uint8_t> blob);

// The table inside a file: a `_SM3_` (64-bit address), `_SM_` or `_DMI_`
// entry point at offset 0 gives the table's offset and length in the file;
// anything else is taken as a raw structure table, accepted only when its
// whole structures run to the end marker or to the end of the file (zero
// padding allowed), so that an unrelated file is refused. A table that holds
// no whole structure is rejected.
TableSource TableFromFile(std::span<const std::uint8_t> file);

}  // namespace vantor::zyio
