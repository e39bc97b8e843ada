// The few file operations the alert log needs, behind one seam so the log's
// rules run against an in-memory fake in tests. Bytes go through unchanged:
// the log writes its own CR LF line ends on every platform.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::monitor {

class AlertFiles {
public:
    virtual ~AlertFiles() = default;

    virtual bool Exists(const std::string& path) = 0;
    // Empty when the file is missing or cannot be read.
    virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
    // Creates the file when missing; false when it cannot be opened for
    // appending (read-only file or folder).
    virtual bool Append(const std::string& path, std::string_view bytes) = 0;
    // Creates or truncates the file.
    virtual bool Replace(const std::string& path, std::string_view bytes) = 0;
    // Clears the read-only attribute, so that Remove can succeed.
    virtual bool MakeWritable(const std::string& path) = 0;
    virtual bool Remove(const std::string& path) = 0;
};

#ifdef _WIN32
// The files themselves, through the ANSI Win32 file functions.
std::unique_ptr<AlertFiles> CreateWindowsAlertFiles();
#endif

}  // namespace vantor::monitor
