// The debug log: one numbered line per call in "DebugMsg.log" beside the
// program while debug mode is on. The file is opened and closed for every
// line so that each line is on disk before the caller goes on, even if the
// program dies right after.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::monitor {

inline constexpr std::string_view kDebugLogFileName = "DebugMsg.log";
inline constexpr std::string_view kFirstDebugLine = "============ Enter Debug Mode ============";

// The one file operation the log needs: open for appending (created when
// missing), write the text, close. False when the file cannot be opened or
// written.
class LineAppender {
public:
    virtual ~LineAppender() = default;
    virtual bool Append(const std::string& path, std::string_view text) = 0;
};

// C stdio (mode "a+"): the same on Linux and Windows.
class StdioLineAppender final : public LineAppender {
public:
    bool Append(const std::string& path, std::string_view text) override;
};

class DebugLogger {
public:
    DebugLogger(LineAppender& file, std::string path) : m_file(file), m_path(std::move(path)) {}

    void SetEnabled(bool enabled) { m_enabled = enabled; }
    bool Enabled() const { return m_enabled; }

    // Writes "%d: %s\n" with the line number and text. The number grows only
    // when a line was written; a line that cannot be written is dropped
    // silently.
    void Write(std::string_view text);

    std::int32_t NextNumber() const { return m_counter; }

private:
    LineAppender& m_file;
    std::string m_path;
    bool m_enabled = false;
    std::int32_t m_counter = 1;
};

// The process-wide log of the user-interface thread. OpenDebugLog sets where
// it writes and whether it is on; DebugLog writes one line (nothing while
// debug mode is off or before OpenDebugLog).
void OpenDebugLog(const std::string& programFolder, bool debugMode);
void DebugLog(std::string_view text);

// Folder (with its trailing separator, as taken from the program path) plus
// the log's file name.
std::string DebugLogPath(const std::string& programFolder);

}  // namespace vantor::monitor
