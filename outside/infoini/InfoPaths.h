// Paths of the information libraries' output folders, as backslash-separated
// Windows paths built without touching the file system.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::infoini {

// Every folder from the drive down to `path` itself, so each can be created
// in turn: "C:\a\b" gives "C:", "C:\a", "C:\a\b"; a trailing backslash adds
// nothing.
std::vector<std::string> FolderPrefixes(std::string_view path);

// folder + "\" + name, or empty when the result would not fit a buffer of
// `limit` bytes with its terminating NUL.
std::string JoinPath(std::string_view folder, std::string_view name, std::size_t limit);

}  // namespace vantor::infoini
