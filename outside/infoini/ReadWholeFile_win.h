// A whole file read into memory, as the information libraries read their
// INI files and pci.ids. Windows only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vantor::infoini {

// The file's bytes; nothing when it cannot be opened or read, or is larger
// than maxBytes (a file that large is not the one asked for).
std::optional<std::string> ReadWholeFile(const std::string& path, std::int64_t maxBytes);

}  // namespace vantor::infoini
