#include "report/ReportFiles.h"

#include <algorithm>
#include <cctype>

namespace vantor::views {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::string WithLineEnds(std::string_view text)
{
    std::string bytes;
    std::string_view rest = text;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        bytes.append(line);
        if (end == std::string_view::npos)
            break;
        bytes.append(kLineEnd);
        rest = rest.substr(end + 1);
    }
    return bytes;
}

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// From the last dot of the file name on; empty when the name has none.
std::string_view ExtensionOf(std::string_view path)
{
    const std::size_t nameStart = path.find_last_of("\\/:");
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (nameStart != std::string_view::npos && dot < nameStart))
        return {};
    return path.substr(dot);
}

}  // namespace

ReportPaths ReportPathsFor(std::string_view programPath)
{
    ReportPaths paths{monitor::AlertLogPathsFor(programPath), {}};
    // The alert log's name ends in ".vlg"; the report's differs only there.
    paths.systemReport = paths.alert.log.substr(0, paths.alert.log.size() - 4) + ".ifo";
    return paths;
}

bool WriteWaitingText(monitor::AlertFiles& files, const std::string& systemReportPath)
{
    return files.Replace(systemReportPath, WithLineEnds(kWaitingText));
}

SaveTarget SaveTargetFor(ReportTab tab)
{
    if (tab == ReportTab::SystemInformation)
        return {".txt", "vantor sysinfo file|*.txt"};
    return {".log", "vantor log file|*.log"};
}

std::string SavedReportPath(std::string_view chosen, ReportTab tab)
{
    const std::string_view extension = SaveTargetFor(tab).extension;
    std::string path(chosen);
    if (LowerCase(ExtensionOf(chosen)) != extension)
        path += extension;
    return path;
}

std::string ViewTextOf(std::string_view fileText) { return WithLineEnds(fileText); }

std::string SavedReportBytes(std::string_view viewText)
{
    std::string bytes = WithLineEnds(viewText);
    // Every line ends with CR LF, the last one too; a text that already
    // ended with a line end gets no empty line after it.
    if (!viewText.empty() && viewText.back() != '\n')
        bytes.append(kLineEnd);
    return bytes;
}

}  // namespace vantor::views
