// Windows: the alert files through the ANSI file functions, so program paths
// in the system code page work as they are, and SetFileAttributesA can lift
// the read-only attribute before a delete.
#include <windows.h>

#include "alertlog/AlertFiles.h"

namespace vantor::monitor {
namespace {

class HandleCloser {
public:
    explicit HandleCloser(HANDLE handle) : m_handle(handle) {}
    ~HandleCloser()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    HandleCloser(const HandleCloser&) = delete;
    HandleCloser& operator=(const HandleCloser&) = delete;
    HANDLE Get() const { return m_handle; }

private:
    HANDLE m_handle;
};

bool WriteWhole(HANDLE file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const DWORD chunk = bytes.size() > 0x10000000 ? 0x10000000 : static_cast<DWORD>(bytes.size());
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0)
            return false;
        bytes.remove_prefix(written);
    }
    return true;
}

class WindowsAlertFiles final : public AlertFiles {
public:
    bool Exists(const std::string& path) override
    {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }

    std::optional<std::string> ReadAll(const std::string& path) override
    {
        HandleCloser file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.Get() == INVALID_HANDLE_VALUE)
            return std::nullopt;
        std::string text;
        char buffer[4096];
        DWORD read = 0;
        while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
            text.append(buffer, read);
        return text;
    }

    bool Append(const std::string& path, std::string_view bytes) override
    {
        HandleCloser file(CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        return file.Get() != INVALID_HANDLE_VALUE && WriteWhole(file.Get(), bytes);
    }

    bool Replace(const std::string& path, std::string_view bytes) override
    {
        HandleCloser file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        return file.Get() != INVALID_HANDLE_VALUE && WriteWhole(file.Get(), bytes);
    }

    bool MakeWritable(const std::string& path) override
    {
        return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) != 0;
    }

    bool Remove(const std::string& path) override { return DeleteFileA(path.c_str()) != 0; }
};

}  // namespace

std::unique_ptr<AlertFiles> CreateWindowsAlertFiles() { return std::make_unique<WindowsAlertFiles>(); }

}  // namespace vantor::monitor
