#include "SmbiosFile.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>

namespace vantor::dmi::test {
namespace {

std::uint64_t Little(const std::vector<std::uint8_t>& bytes, std::size_t offset, int width)
{
    std::uint64_t value = 0;
    for (int i = width; i-- > 0;) {
        value = value << 8 | bytes[offset + static_cast<std::size_t>(i)];
    }
    return value;
}

bool StartsWith(const std::vector<std::uint8_t>& bytes, std::size_t offset, const char* anchor)
{
    const std::size_t length = std::strlen(anchor);
    return bytes.size() >= offset + length && std::memcmp(bytes.data() + offset, anchor, length) == 0;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

SmbiosFile ParseSmbiosFile(std::vector<std::uint8_t> bytes)
{
    SmbiosFile file;
    if (StartsWith(bytes, 0, "_SM3_") && bytes.size() >= 0x18) {
        file.tableLength = static_cast<std::size_t>(Little(bytes, 0x0C, 4));  // maximum size
        file.tableOffset = static_cast<std::size_t>(Little(bytes, 0x10, 8));
    } else if (StartsWith(bytes, 0, "_SM_") && StartsWith(bytes, 0x10, "_DMI_") && bytes.size() >= 0x1C) {
        file.tableLength = static_cast<std::size_t>(Little(bytes, 0x16, 2));
        file.tableOffset = static_cast<std::size_t>(Little(bytes, 0x18, 4));
    } else if (StartsWith(bytes, 0, "_DMI_") && bytes.size() >= 0x0C) {
        file.tableLength = static_cast<std::size_t>(Little(bytes, 0x06, 2));
        file.tableOffset = static_cast<std::size_t>(Little(bytes, 0x08, 4));
    } else {
        file.tableLength = bytes.size();
    }
    file.bytes = std::move(bytes);
    return file;
}

}  // namespace vantor::dmi::test
