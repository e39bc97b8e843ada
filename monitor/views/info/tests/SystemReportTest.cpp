#include "info/SystemReport.h"

#include <gtest/gtest.h>

#include <string>

#include "info/tests/MemoryInfoIni.h"

namespace vantor::views {
namespace {

using testing::MemoryInfoIni;

constexpr const char* kFolder = "C:\\Vantor\\";
constexpr const char* kDmi = "C:\\Vantor\\DMIInfo\\ZyDmi.ini";
constexpr const char* kPci = "C:\\Vantor\\PCIInfo\\ZyPci.ini";
constexpr const char* kWmi = "C:\\Vantor\\WMIInfo\\ZyWmi.ini";

std::string Same(std::string_view text) { return std::string(text); }

TEST(SystemReportTest, SectionHeadersFollowTheKindOfFile)
{
    const struct {
        const char* path;
        const char* section;
        const char* header;
    } cases[] = {
            {kDmi, "Type4-1", "[ SMBIOS: Type4-1 ]\n"},
            {"ZyDmi.ini", "Type0", "[ SMBIOS: Type0 ]\n"},
            {kPci, "0-31-2", "[ PCI Bus:0 Device:31 Function:2 ]\n"},
            {kPci, "2-0", "[ PCI Bus:2 Device:0 ]\n"},
            {kPci, "1-0-0-7", "[ PCI Bus:1 Device:0 Function:0-7 ]\n"},
            {kPci, "Root", "[ PCI Bus:Root ]\n"},
            {kWmi, "Win32_BIOS", "[ Win32_BIOS ]\n"},
            // told by the exact file name, not by the folder
            {"C:\\ZyDmi.ini\\other.ini", "0-1-2", "[ 0-1-2 ]\n"},
            {"C:\\x\\zydmi.INI", "Type0", "[ Type0 ]\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReportSectionHeader(c.path, c.section), c.header) << c.path << " " << c.section;
}

TEST(SystemReportTest, EntriesPrintAsKeyEqualsValue)
{
    MemoryInfoIni ini;
    ini.Add(kWmi, {{"Win32_OperatingSystem",
                    {{"Count", "6"},
                     {"1", "1|Vendor|Award"},
                     {"2", "1|Flags|a|b"},  // a value may hold further bars
                     {"3", "1|Caption|Microsoft Windows XP"},
                     {"4", "1|Empty|"},
                     {"5", "no bar at all"},
                     {"6", ""}}}});
    std::string report;
    PrintReportSection(report, ini, kWmi, "win32_operatingsystem");
    EXPECT_EQ(report, "[ win32_operatingsystem ]\n"
                      "Vendor = Award\n"
                      "Flags = a|b\n"
                      "Caption = Microsoft Windows XP\n"
                      "Empty = \n"
                      "no bar at all\n"
                      "\n"
                      "\n");
}

TEST(SystemReportTest, CountIsReadAsTheProfileFunctionsReadAnInteger)
{
    const struct {
        const char* count;
        int lines;
    } cases[] = {{"", 0}, {"abc", 0}, {"-3", 0}, {" 2", 2}, {"2x", 2}, {"+1", 1}};
    for (const auto& c : cases) {
        MemoryInfoIni ini;
        ini.Add(kWmi, {{"S", {{"Count", c.count}, {"1", "1|a|1"}, {"2", "1|b|2"}, {"3", "1|c|3"}}}});
        std::string report;
        PrintReportSection(report, ini, kWmi, "S");
        EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), c.lines + 2) << "Count=" << c.count;
    }
}

TEST(SystemReportTest, ADamagedCountDoesNotRunAway)
{
    MemoryInfoIni ini;
    ini.Add(kWmi, {{"S", {{"Count", "99999999999999999999"}, {"1", "1|a|1"}}}});
    std::string report;
    PrintReportSection(report, ini, kWmi, "S");
    EXPECT_LT(ini.reads, 200000);
    EXPECT_EQ(report.rfind("[ S ]\na = 1\n\n", 0), 0u);
}

TEST(SystemReportTest, MissingFilesPrintOnlyWhatTheyMust)
{
    MemoryInfoIni ini;
    std::string report;
    PrintReportFile(report, ini, kDmi);
    EXPECT_EQ(report, "");
    PrintReportSection(report, ini, kWmi, "Win32_ComputerSystem");
    EXPECT_EQ(report, "[ Win32_ComputerSystem ]\n\n");
}

// The DMI file lists its types in Root and a type with several structures
// lists them in its type section; only the value sections are printed.
TEST(SystemReportTest, OnlyValueSectionsOfAFileArePrintedInFileOrder)
{
    MemoryInfoIni ini;
    ini.Add(kDmi, {
                          {"Root", {{"Count", "2"}, {"1", "0|Type0"}, {"2", "0|Type4"}}},
                          {"Type0", {{"Count", "1"}, {"1", "1|Vendor|Award"}, {"FileName", "Type0"}}},
                          {"Type4", {{"Count", "2"}, {"1", "0|Type4-1"}, {"2", "0|Type4-2"}}},
                          {"Type4-1", {{"Count", "1"}, {"1", "1|Socket|CPU 1"}}},
                          {"Type4-2", {{"Count", "1"}, {"1", "1|Socket|CPU 2"}}},
                          {"Broken", {{"Count", "1"}}},
                          {"Odd", {{"Count", "1"}, {"1", "2|x|y"}}},
                  });
    std::string report;
    PrintReportFile(report, ini, kDmi);
    EXPECT_EQ(report, "[ SMBIOS: Type0 ]\nVendor = Award\n\n"
                      "[ SMBIOS: Type4-1 ]\nSocket = CPU 1\n\n"
                      "[ SMBIOS: Type4-2 ]\nSocket = CPU 2\n\n");
}

TEST(SystemReportTest, HeadingCarriesTheDateAndTimeWithTheSystemSeparators)
{
    ReportClock clock{.year = 2026, .month = 3, .day = 7, .hour = 9, .minute = 5, .second = 0};
    const std::string rule(51, '=');
    EXPECT_EQ(ReportHeading(clock, Same), rule +
                                                  "\nZYKO Vantor\n\nSystem Information Report\n\n"
                                                  "Date: 2026/03/07       Time:  09:05:00\n" +
                                                  rule + "\n\n");
    clock.dateSeparator = ".";
    clock.timeSeparator = "-";
    clock.hour = 23;
    const auto german = [](std::string_view text) {
        if (text == "Date")
            return std::string("Datum");
        if (text == "Time")
            return std::string("Zeit");
        return "<" + std::string(text) + ">";
    };
    const std::string heading = ReportHeading(clock, german);
    EXPECT_NE(heading.find("\n<System Information Report>\n\n"), std::string::npos) << heading;
    EXPECT_NE(heading.find("\nDatum: 2026.03.07       Zeit:  23-05-00\n"), std::string::npos) << heading;
}

TEST(SystemReportTest, ReportHasTheWmiSectionsThenDmiThenPci)
{
    MemoryInfoIni ini;
    ini.Add(kWmi, {
                          {"Root", {{"Count", "1"}, {"11", "0|Win32_OperatingSystem"}}},
                          {"Win32_BIOS", {{"Count", "1"}, {"1", "1|Name|left out"}}},
                          {"Win32_ComputerSystem", {{"Count", "1"}, {"1", "1|Name|BOX"}}},
                          {"Win32_OperatingSystem", {{"Count", "1"}, {"1", "1|Caption|Microsoft Windows XP"}}},
                  });
    ini.Add(kDmi, {{"Root", {{"Count", "1"}, {"1", "0|Type0"}}}, {"Type0", {{"Count", "1"}, {"1", "1|Vendor|Award"}}}});
    ini.Add(kPci, {{"0-31-2", {{"Count", "1"}, {"1", "1|Vendor|8086"}}}});
    const ReportClock clock{.year = 2026, .month = 12, .day = 10, .hour = 8, .minute = 30, .second = 15};
    const std::string report = BuildSystemReport(ini, kFolder, clock, Same);
    EXPECT_EQ(report, ReportHeading(clock, Same) + "[ Win32_OperatingSystem ]\nCaption = Microsoft Windows XP\n\n"
                                                   "[ Win32_ComputerSystem ]\nName = BOX\n\n"
                                                   "[ SMBIOS: Type0 ]\nVendor = Award\n\n"
                                                   "[ PCI Bus:0 Device:31 Function:2 ]\nVendor = 8086\n\n");

    MemoryInfoIni withoutPci;
    withoutPci.Add(kDmi, {{"Type0", {{"Count", "1"}, {"1", "1|Vendor|Award"}}}});
    const std::string noPci = BuildSystemReport(withoutPci, kFolder, clock, Same);
    EXPECT_EQ(noPci, ReportHeading(clock, Same) + "[ Win32_OperatingSystem ]\n\n[ Win32_ComputerSystem ]\n\n"
                                                  "[ SMBIOS: Type0 ]\nVendor = Award\n\n");
}

TEST(SystemReportTest, TheFileHasWindowsLineEnds)
{
    EXPECT_EQ(TextFileLines("a\n\nb\n"), "a\r\n\r\nb\r\n");
    EXPECT_EQ(TextFileLines("no end"), "no end");
}

}  // namespace
}  // namespace vantor::views
