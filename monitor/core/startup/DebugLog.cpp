#include "startup/DebugLog.h"

#include <cstdio>
#include <memory>

namespace vantor::monitor {

bool StdioLineAppender::Append(const std::string& path, std::string_view text)
{
    std::FILE* file = std::fopen(path.c_str(), "a+");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

void DebugLogger::Write(std::string_view text)
{
    if (!m_enabled)
        return;
    std::string line = std::to_string(m_counter);
    line += ": ";
    line += text;
    line += '\n';
    // The number counts lines that reached the file, so a later line never
    // claims a number that is missing from it.
    if (m_file.Append(m_path, line))
        ++m_counter;
}

std::string DebugLogPath(const std::string& programFolder) { return programFolder + std::string(kDebugLogFileName); }

namespace {

StdioLineAppender g_stdioFile;
std::unique_ptr<DebugLogger> g_log;

}  // namespace

void OpenDebugLog(const std::string& programFolder, bool debugMode)
{
    g_log = std::make_unique<DebugLogger>(g_stdioFile, DebugLogPath(programFolder));
    g_log->SetEnabled(debugMode);
}

void DebugLog(std::string_view text)
{
    if (g_log)
        g_log->Write(text);
}

}  // namespace vantor::monitor
