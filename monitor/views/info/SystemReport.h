// The system information report: a heading with the date and time, the
// operating system and computer sections of the WMI file, then every value
// section of the DMI and PCI files. Lines end in "\n" here; the file on disk
// has the CR LF ends of a Windows text file (TextFileLines).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "info/InfoIniFiles.h"

namespace vantor::views {

// An INI file's sections are headed by the kind of file, told by its name
// alone: "[ SMBIOS: Type4 ]" for ZyDmi.ini, "[ PCI Bus:0 Device:31
// Function:2 ]" for ZyPci.ini (section 0-31-2), "[ Win32_BIOS ]" otherwise.
std::string ReportSectionHeader(std::string_view iniPath, std::string_view section);

// Appends the section: its header, one line per entry 1 to Count (the text
// after the entry's first "|", its next "|" shown as " = ") and a blank line.
void PrintReportSection(std::string& report, InfoIniFiles& ini, const std::string& iniPath, const std::string& section);

// Appends every value section of the file (entry 1 starting with "1"), in
// file order; child lists such as Root are left out. Nothing for a missing file.
void PrintReportFile(std::string& report, InfoIniFiles& ini, const std::string& iniPath);

// The local date and time the report is stamped with, and the system's
// separators that stand in for "/" in the date and ":" in the time.
struct ReportClock {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    std::string dateSeparator = "/";
    std::string timeSeparator = ":";
};

using TranslateFn = std::function<std::string(std::string_view)>;

// The heading through the second row of equals signs.
std::string ReportHeading(const ReportClock& clock, const TranslateFn& translate);

// The whole report from the INI files under the program folder (ending in a
// backslash): WMIInfo\ZyWmi.ini, DMIInfo\ZyDmi.ini, PCIInfo\ZyPci.ini.
std::string BuildSystemReport(InfoIniFiles& ini, std::string_view programFolder, const ReportClock& clock,
                              const TranslateFn& translate);

// "\n" line ends as CR LF.
std::string TextFileLines(std::string_view text);

}  // namespace vantor::views
