// GetPrivateProfileSectionNamesA and GetPrivateProfileStringA, with buffers
// that grow until the whole answer fits.
#include "info/ProfileInfoIni_win.h"

#include <windows.h>

namespace vantor::views {
namespace {

// Both functions answer size - 2 when the text was cut; the buffer doubles
// until it is not, up to a bound no information file comes near.
constexpr DWORD kFirstBuffer = 4096;
constexpr DWORD kLastBuffer = 16u << 20;

template <class Read>
std::string ReadWhole(Read read)
{
    std::string buffer;
    for (DWORD size = kFirstBuffer;; size *= 2) {
        buffer.assign(size, '\0');
        const DWORD length = read(buffer.data(), size);
        if (length + 2 < size || size >= kLastBuffer) {
            buffer.resize(length);
            return buffer;
        }
    }
}

}  // namespace

std::vector<std::string> ProfileInfoIni::SectionNames(const std::string& path)
{
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    const std::string list = ReadWhole(
            [&](char* buffer, DWORD size) { return GetPrivateProfileSectionNamesA(buffer, size, path.c_str()); });
    std::vector<std::string> names;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find('\0', start);
        const std::size_t stop = end == std::string::npos ? list.size() : end;
        if (stop > start)
            names.push_back(list.substr(start, stop - start));
        start = stop + 1;
    }
    return names;
}

std::string ProfileInfoIni::ReadString(const std::string& path, const std::string& section, const std::string& key)
{
    return ReadWhole([&](char* buffer, DWORD size) {
        return GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, size, path.c_str());
    });
}

}  // namespace vantor::views
