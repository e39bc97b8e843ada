#include "ReadWholeFile_win.h"

#include <windows.h>

namespace vantor::infoini {

std::optional<std::string> ReadWholeFile(const std::string& path, std::int64_t maxBytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    LARGE_INTEGER size{};
    std::optional<std::string> text;
    if (GetFileSizeEx(file, &size) && size.QuadPart <= maxBytes) {
        std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
        DWORD got = 0;
        if (bytes.empty() ||
            (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size()))
            text = std::move(bytes);
    }
    CloseHandle(file);
    return text;
}

}  // namespace vantor::infoini
