#include "info/SystemReport.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace vantor::views {
namespace {

constexpr std::string_view kRule = "===================================================\n";

// The INI writers never number more entries than this in a section; a Count
// beyond it is damage and is not followed into millions of empty lines.
constexpr long kMaxEntries = 100000;

std::string_view FileNameOf(std::string_view path)
{
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// Replaces the first `from` at or after `start`; the position after the
// replacement, or npos when there was none.
std::size_t ReplaceNext(std::string& text, std::size_t start, std::string_view from, std::string_view to)
{
    const std::size_t at = text.find(from, start);
    if (at == std::string::npos)
        return std::string::npos;
    text.replace(at, from.size(), to);
    return at + to.size();
}

// A Count as the profile functions read an integer: leading blanks, an
// optional sign and the digits that follow; anything else reads as 0.
long ProfileInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > kMaxEntries)
            value = kMaxEntries + 1;
    }
    return negative ? -value : value;
}

std::string EntryLine(const std::string& entry)
{
    const std::size_t bar = entry.find('|');
    std::string line = bar == std::string::npos ? entry : entry.substr(bar + 1);
    ReplaceNext(line, 0, "|", " = ");
    return line;
}

std::string TwoDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string FourDigits(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d", value);
    return text;
}

}  // namespace

std::string ReportSectionHeader(std::string_view iniPath, std::string_view section)
{
    const std::string_view file = FileNameOf(iniPath);
    if (file == "ZyDmi.ini")
        return "[ SMBIOS: " + std::string(section) + " ]\n";
    if (file == "ZyPci.ini") {
        std::string name(section);
        const std::size_t next = ReplaceNext(name, 0, "-", " Device:");
        if (next != std::string::npos)
            ReplaceNext(name, next, "-", " Function:");
        return "[ PCI Bus:" + name + " ]\n";
    }
    return "[ " + std::string(section) + " ]\n";
}

void PrintReportSection(std::string& report, InfoIniFiles& ini, const std::string& iniPath, const std::string& section)
{
    report += ReportSectionHeader(iniPath, section);
    const long count = std::min(ProfileInteger(ini.ReadString(iniPath, section, "Count")), kMaxEntries);
    for (long i = 1; i <= count; ++i)
        report += EntryLine(ini.ReadString(iniPath, section, std::to_string(i))) + "\n";
    report += "\n";
}

void PrintReportFile(std::string& report, InfoIniFiles& ini, const std::string& iniPath)
{
    for (const std::string& section : ini.SectionNames(iniPath)) {
        const std::string first = ini.ReadString(iniPath, section, "1");
        if (!first.empty() && first.front() == '1')
            PrintReportSection(report, ini, iniPath, section);
    }
}

std::string ReportHeading(const ReportClock& clock, const TranslateFn& translate)
{
    const std::string date = FourDigits(clock.year) + clock.dateSeparator + TwoDigits(clock.month) +
                             clock.dateSeparator + TwoDigits(clock.day);
    const std::string time = TwoDigits(clock.hour) + clock.timeSeparator + TwoDigits(clock.minute) +
                             clock.timeSeparator + TwoDigits(clock.second);
    std::string heading(kRule);
    heading += "ZYKO Vantor\n\n";
    heading += translate("System Information Report") + "\n\n";
    heading += translate("Date") + ": " + date + "       " + translate("Time") + ":  " + time + "\n";
    heading += kRule;
    heading += "\n";
    return heading;
}

std::string BuildSystemReport(InfoIniFiles& ini, std::string_view programFolder, const ReportClock& clock,
                              const TranslateFn& translate)
{
    const std::string folder(programFolder);
    const std::string wmi = folder + "WMIInfo\\ZyWmi.ini";
    std::string report = ReportHeading(clock, translate);
    PrintReportSection(report, ini, wmi, "Win32_OperatingSystem");
    PrintReportSection(report, ini, wmi, "Win32_ComputerSystem");
    PrintReportFile(report, ini, folder + "DMIInfo\\ZyDmi.ini");
    PrintReportFile(report, ini, folder + "PCIInfo\\ZyPci.ini");
    return report;
}

std::string TextFileLines(std::string_view text)
{
    std::string lines;
    lines.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            lines += '\r';
        lines += c;
    }
    return lines;
}

}  // namespace vantor::views
