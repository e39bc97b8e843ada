#include "alertlog/AlertLog.h"

#include <array>
#include <cstdio>
#include <utility>

namespace vantor::monitor {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kRule = "===================================================";

std::string ReplaceExtension(std::string_view path, std::string_view extension)
{
    const std::size_t nameStart = path.find_last_of("\\/:");
    const std::size_t dot = path.find_last_of('.');
    const bool hasExtension = dot != std::string_view::npos && (nameStart == std::string_view::npos || dot > nameStart);
    std::string result(hasExtension ? path.substr(0, dot) : path);
    result += extension;
    return result;
}

}  // namespace

AlertLogPaths AlertLogPathsFor(std::string_view programPath)
{
    return {ReplaceExtension(programPath, ".vlg"), ReplaceExtension(programPath, ".tmp")};
}

std::size_t CountLogLines(std::string_view log)
{
    std::size_t lines = 0;
    for (char c : log)
        lines += c == '\n' ? 1 : 0;
    if (!log.empty() && log.back() != '\n')
        ++lines;
    return lines;
}

std::string ComposeReportText(const std::optional<std::string>& log, const ReportTexts& texts)
{
    const std::size_t count = log ? CountLogLines(*log) : 0;
    std::string report;
    report.append(kRule).append(kLineEnd);
    report.append("ZYKO Vantor").append(kLineEnd).append(kLineEnd);
    report.append(texts.title).append(kLineEnd).append(kLineEnd);
    std::array<char, 32> number{};
    std::snprintf(number.data(), number.size(), " = %zu", count);
    report.append(texts.number).append(number.data()).append(kLineEnd);
    report.append(kRule).append(kLineEnd).append(kLineEnd);
    if (!log)
        return report;

    // Each line once, with CR LF whatever ended it in the file (a text-mode
    // copy reads CR LF and bare LF alike).
    std::string_view rest = *log;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        report.append(line).append(kLineEnd);
    }
    return report;
}

AlertLog::AlertLog(AlertFiles& files, AlertLogPaths paths) : m_files(files), m_paths(std::move(paths)) {}

AppendOutcome AlertLog::AppendAlertLine(std::string_view line, AlertPage page, const ReportTexts& texts)
{
    AppendOutcome outcome;
    std::string bytes(line);
    bytes += kLineEnd;
    outcome.lineWritten = m_files.Append(m_paths.log, bytes);
    // Composed after the line is in the log, so an open alert page shows the
    // event that has just happened under a count that includes it.
    if (page == AlertPage::Shown) {
        ComposeAlertReport(texts);
        outcome.reportComposed = true;
    }
    return outcome;
}

bool AlertLog::ComposeAlertReport(const ReportTexts& texts)
{
    return m_files.Replace(m_paths.report, ComposeReportText(m_files.ReadAll(m_paths.log), texts));
}

bool AlertLog::ClearAlertLog(const ReportTexts& texts)
{
    if (m_files.Exists(m_paths.log)) {
        m_files.MakeWritable(m_paths.log);
        m_files.Remove(m_paths.log);
    }
    ComposeAlertReport(texts);
    return !m_files.Exists(m_paths.log);
}

}  // namespace vantor::monitor
