// SMBIOS tables saved to files: a raw structure table (as the firmware-table
// functions return it) or a `dmidecode --dump-bin` file, which starts with an
// entry point (_SM_ with _DMI_ at 16, or _SM3_) whose table address is the
// file offset of the table.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vantor::dmi::test {

struct SmbiosFile {
    std::vector<std::uint8_t> bytes;
    std::size_t tableOffset = 0;  // where the table starts in `bytes`
    std::size_t tableLength = 0;  // from the entry point (may exceed the file)

    // The bytes from the table's start to the end of the file: the window.
    std::span<const std::uint8_t> Window() const
    {
        return std::span<const std::uint8_t>(bytes).subspan(std::min(tableOffset, bytes.size()));
    }
};

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path);

// A dump when the file starts with an entry point anchor, a raw table otherwise.
SmbiosFile ParseSmbiosFile(std::vector<std::uint8_t> bytes);

}  // namespace vantor::dmi::test
