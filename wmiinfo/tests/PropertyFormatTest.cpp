// The text written for a property: WMIConfig.ini's choice, every class rule,
// the enumeration tables and the shipped WMIConfig.ini.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "IniDocument.h"
#include "MapConfig.h"
#include "core/ClassList.h"
#include "core/NameTables.h"
#include "core/PropertyFormat.h"

namespace vantor::wmi {
namespace {

struct RuleCase {
    const char* className;
    const char* property;
    const char* value;
    const char* expected;
};

class ClassRuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(ClassRuleTest, FormatsAPropertyMarkedTrue)
{
    const RuleCase& c = GetParam();
    const test::MapConfig config{{std::string(c.className) + "." + c.property, "TRUE"}};
    EXPECT_EQ(ApplyPropertyFormat(c.className, c.property, c.value, config), c.expected)
            << c.className << "." << c.property << " = " << c.value;
}

INSTANTIATE_TEST_SUITE_P(
        Rules, ClassRuleTest,
        testing::Values(
                // Texts.
                RuleCase{"Win32_BIOS", "CurrentLanguage", "en|US|iso8859-1", "en,US,iso8859-1"},
                RuleCase{"Win32_BIOS", "ReleaseDate", "20230415000000.000000+000", "20230415"},
                RuleCase{"Win32_BIOS", "ReleaseDate", "2023", "2023"},
                RuleCase{"Win32_OperatingSystem", "LastBootUpTime", "20240102030405.500000+060", "20240102"},
                RuleCase{"Win32_VideoController", "DriverDate", "20191231000000.000000-000", "20191231"},
                // Units.
                RuleCase{"Win32_DiskDrive", "Size", "500105249280", "500105249280 Bytes"},
                RuleCase{"Win32_Processor", "DataWidth", "64", "64 bits"},
                RuleCase{"Win32_Processor", "MaxClockSpeed", "3600", "3600 MHz"},
                RuleCase{"Win32_Processor", "CurrentClockSpeed", "800", "800 MHz"},
                RuleCase{"Win32_Processor", "ExtClock", "100", "100 MHz"},
                RuleCase{"Win32_PhysicalMemory", "Capacity", "8589934592", "8589934592 Bytes"},
                RuleCase{"Win32_PhysicalMemory", "DataWidth", "64", "64 bits"},
                RuleCase{"Win32_PhysicalMemory", "TotalWidth", "72", "72 bits"},
                RuleCase{"Win32_DisplayConfiguration", "DisplayFrequency", "60", "60 Hz"},
                RuleCase{"Win32_ComputerSystem", "TotalPhysicalMemory", "17179869184", "17179869184 Bytes"},
                RuleCase{"Win32_ComputerSystem", "SystemStartupDelay", "30", "30 seconds"},
                RuleCase{"Win32_OperatingSystem", "FreePhysicalMemory", "123456", "123456 KBytes"},
                RuleCase{"Win32_OperatingSystem", "FreeVirtualMemory", "1", "1 KBytes"},
                RuleCase{"Win32_OperatingSystem", "TotalVirtualMemorySize", "2", "2 KBytes"},
                RuleCase{"Win32_OperatingSystem", "TotalVisibleMemorySize", "3", "3 KBytes"},
                RuleCase{"Win32_OperatingSystem", "MaxProcessMemorySize", "4", "4 KBytes"},
                RuleCase{"Win32_VideoController", "AdapterRAM", "1073741824", "1073741824 Bytes"},
                RuleCase{"Win32_VideoController", "MaxRefreshRate", "144", "144 Hz"},
                RuleCase{"Win32_VideoController", "MinRefreshRate", "50", "50 Hz"},
                RuleCase{"Win32_VideoController", "CurrentRefreshRate", "60", "60 Hz"},
                // Voltage in tenths.
                RuleCase{"Win32_Processor", "CurrentVoltage", "33", "3.3 V"},
                RuleCase{"Win32_Processor", "CurrentVoltage", "12", "1.2 V"},
                RuleCase{"Win32_Processor", "CurrentVoltage", "0", "0.0 V"},
                // Enumerations: both ends, the first number past each end,
                // an unnamed number inside the range, a negative number.
                RuleCase{"Win32_Processor", "ProcessorType", "1", "Other (1)"},
                RuleCase{"Win32_Processor", "ProcessorType", "3", "Central Processor (3)"},
                RuleCase{"Win32_Processor", "ProcessorType", "6", "Video Processor (6)"},
                RuleCase{"Win32_Processor", "ProcessorType", "0", "Undefined (0)"},
                RuleCase{"Win32_Processor", "ProcessorType", "7", "Undefined (7)"},
                RuleCase{"Win32_Processor", "Family", "0", "Undefined (0)"},
                RuleCase{"Win32_Processor", "Family", "2", "Unknown (2)"},
                RuleCase{"Win32_Processor", "Family", "20", "Undefined (20)"},
                RuleCase{"Win32_Processor", "Family", "144", "PA-RISC Famil (144)"},
                RuleCase{"Win32_Processor", "Family", "177", "PentiumR III Processor with SpeedStep Technology (177)"},
                RuleCase{"Win32_Processor", "Family", "198", "Undefined (198)"},
                RuleCase{"Win32_Processor", "Family", "200", "IBM390 Family (200)"},
                RuleCase{"Win32_Processor", "Family", "201", "Undefined (201)"},
                RuleCase{"Win32_Processor", "UpgradeMethod", "12", "Slot M (12)"},
                RuleCase{"Win32_Processor", "UpgradeMethod", "13", "Undefined (13)"},
                RuleCase{"Win32_Processor", "CpuStatus", "3", "CCPU Disabled by User (3)"},
                RuleCase{"Win32_Processor", "CpuStatus", "8", "Other (8)"},
                RuleCase{"Win32_Processor", "CpuStatus", "0", "Undefined (0)"},
                RuleCase{"Win32_Processor", "Architecture", "0", "x86 (0)"},
                RuleCase{"Win32_Processor", "Architecture", "5", "Undefined (5)"},
                RuleCase{"Win32_Processor", "Architecture", "9", "Undefined (9)"},
                RuleCase{"Win32_PhysicalMemory", "FormFactor", "8", "DIMM (8)"},
                RuleCase{"Win32_PhysicalMemory", "FormFactor", "23", "LGA (23)"},
                RuleCase{"Win32_PhysicalMemory", "FormFactor", "24", "Undefined (24)"},
                RuleCase{"Win32_PhysicalMemory", "MemoryType", "3", "Synchornous DRAM (3)"},
                RuleCase{"Win32_PhysicalMemory", "MemoryType", "20", "DDR (20)"},
                RuleCase{"Win32_PhysicalMemory", "MemoryType", "26", "Undefined (26)"},
                RuleCase{"Win32_NetworkAdapter", "AdapterTypeID", "0", "Ethernet 802.3 (0)"},
                RuleCase{"Win32_NetworkAdapter", "AdapterTypeID", "13", "1394 (13)"},
                RuleCase{"Win32_NetworkAdapter", "AdapterTypeID", "14", "Undefined (14)"},
                RuleCase{"Win32_NetworkAdapter", "NetConnectionStatus", "9", "Authentication successded (9)"},
                RuleCase{"Win32_NetworkAdapter", "NetConnectionStatus", "11", "Undefined (11)"},
                RuleCase{"Win32_ComputerSystem", "ChassisBootupState", "3", "Safes (3)"},
                RuleCase{"Win32_ComputerSystem", "ThermalState", "6", "Non-recoverable (6)"},
                RuleCase{"Win32_ComputerSystem", "ThermalState", "0", "Undefined (0)"},
                RuleCase{"Win32_ComputerSystem", "DomainRole", "1", "Member Workstation (1)"},
                RuleCase{"Win32_ComputerSystem", "DomainRole", "5", "Primary Domain Controller (5)"},
                RuleCase{"Win32_ComputerSystem", "DomainRole", "6", "Undefined (6)"},
                RuleCase{"Win32_ComputerSystem", "WakeUpType", "0", "ReservedOther (0)"},
                RuleCase{"Win32_ComputerSystem", "WakeUpType", "9", "Undefined (9)"},
                RuleCase{"Win32_ComputerSystem", "PowerState", "2", "Power Save - Low Power Mode (2)"},
                RuleCase{"Win32_ComputerSystem", "PowerState", "8", "Undefined (8)"},
                RuleCase{"Win32_OperatingSystem", "ProductType", "1", "WorkStation (1)"},
                RuleCase{"Win32_OperatingSystem", "ProductType", "2", "Domain Controller (2)"},
                RuleCase{"Win32_OperatingSystem", "ProductType", "3", "Server (3)"},
                RuleCase{"Win32_OperatingSystem", "ProductType", "4", "Undefined (4)"},
                RuleCase{"Win32_OperatingSystem", "ProductType", "0", "Undefined (0)"},
                RuleCase{"Win32_OperatingSystem", "OSType", "18", "WINNT (18)"},
                RuleCase{"Win32_OperatingSystem", "OSType", "57", "Rhapsody (57)"},
                RuleCase{"Win32_OperatingSystem", "OSType", "58", "Undefined (58)"},
                RuleCase{"Win32_OperatingSystem", "OSType", "-1", "Undefined (-1)"},
                RuleCase{"Win32_VideoController", "CurrentScanMode", "4", "Non Interlaced (4)"},
                RuleCase{"Win32_VideoController", "CurrentScanMode", "5", "Undefined (5)"},
                RuleCase{"Win32_VideoController", "VideoArchitecture", "12", "Liner Frame Buffer (12)"},
                RuleCase{"Win32_VideoController", "VideoArchitecture", "0", "Undefined (0)"},
                RuleCase{"Win32_VideoController", "VideoMemoryType", "8", "Brust Synchronous DRAM (8)"},
                RuleCase{"Win32_VideoController", "VideoMemoryType", "14", "Undefined (14)"},
                RuleCase{"Win32_VideoController", "ProtocolSupported", "30", "IEEE 802.3 1Base5 (30)"},
                RuleCase{"Win32_VideoController", "ProtocolSupported", "47", "IrBus (47)"},
                RuleCase{"Win32_VideoController", "ProtocolSupported", "48", "Undefined (48)"},
                // Languages: the identifier in four hexadecimal digits.
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1033", "English - US (0409)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "4", "Chinese (0004)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "9", "English (0009)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1028", "Chinese - Taiwan (0404)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1031", "German (0407)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1032", "Greek (0408)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1036", "French (040c)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1041", "Japanese (0411)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1042", "Korean (0412)"},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "1049", "1049"},
                // WMI names classes and properties without regard to case.
                RuleCase{"Win32_ComputerSystem", "domainrole", "0", "Standalone Workstation (0)"},
                // A missing value is not the value 0, nor a text a number.
                RuleCase{"Win32_ComputerSystem", "DomainRole", "NULL", "NULL"},
                RuleCase{"Win32_ComputerSystem", "WakeUpType", "<conversion error>", "<conversion error>"},
                RuleCase{"Win32_DiskDrive", "Size", "NULL", "NULL"},
                RuleCase{"Win32_Processor", "CurrentVoltage", "NULL", "NULL"},
                RuleCase{"Win32_OperatingSystem", "OSType", "18x", "18x"},
                RuleCase{"Win32_OperatingSystem", "OSType", "", ""},
                RuleCase{"Win32_OperatingSystem", "OSLanguage", "0409", "0409"},
                RuleCase{"Win32_Processor", "Family", "99999999999999999999", "99999999999999999999"},
                // A rule belongs to its class and property alone.
                RuleCase{"Win32_DiskDrive", "Capacity", "1024", "1024"},
                RuleCase{"Win32_BaseBoard", "Size", "1024", "1024"},
                RuleCase{"Win32_SoundDevice", "StatusInfo", "3", "3"},
                RuleCase{"Win32_CDROMDrive", "Size", "1024", "1024"}));

struct ModeCase {
    const char* entry;  // nullptr: no entry
    const char* expected;
};

class ConfigModeTest : public testing::TestWithParam<ModeCase> {};

TEST_P(ConfigModeTest, ChoosesHiddenPlainOrFormatted)
{
    test::MapConfig config;
    if (GetParam().entry != nullptr)
        config.Set("Win32_ComputerSystem", "DomainRole", GetParam().entry);
    EXPECT_EQ(ApplyPropertyFormat("Win32_ComputerSystem", "DomainRole", "1", config), GetParam().expected)
            << (GetParam().entry ? GetParam().entry : "(no entry)");
}

INSTANTIATE_TEST_SUITE_P(Entries, ConfigModeTest,
                         testing::Values(ModeCase{nullptr, "NULL"}, ModeCase{"", "NULL"},
                                         ModeCase{"TRUE", "Member Workstation (1)"}, ModeCase{"true", "1"},
                                         ModeCase{"True", "1"}, ModeCase{"YES", "1"}, ModeCase{"FALSE", "1"},
                                         ModeCase{"TRUE1", "1"}));

TEST(ConfigMode, TrueOnAPropertyWithoutRuleShowsTheValue)
{
    const test::MapConfig config{{"Win32_BaseBoard.Product", "TRUE"}};
    EXPECT_EQ(ApplyPropertyFormat("Win32_BaseBoard", "Product", "B450 <Pro>", config), "B450 <Pro>");
}

// Each table's names lie in its range, once each, in ascending order, so a
// mistyped number shows.
TEST(NameTables, NamesLieInTheirRangeInOrder)
{
    const std::pair<const char*, const NameTable*> tables[] = {
            {"P1", &kProcessorTypeNames}, {"P2", &kProcessorFamilyNames},      {"P3", &kUpgradeMethodNames},
            {"P4", &kCpuStatusNames},     {"P5", &kArchitectureNames},         {"M1", &kMemoryFormFactorNames},
            {"M2", &kMemoryTypeNames},    {"N1", &kAdapterTypeNames},          {"N2", &kNetConnectionStatusNames},
            {"C1", &kSystemStateNames},   {"C2", &kDomainRoleNames},           {"C3", &kWakeUpTypeNames},
            {"C4", &kPowerStateNames},    {"ProductType", &kProductTypeNames}, {"O1", &kOsTypeNames},
            {"V1", &kScanModeNames},      {"V2", &kVideoArchitectureNames},    {"V3", &kVideoMemoryTypeNames},
            {"V4", &kProtocolNames},
    };
    for (const auto& [name, table] : tables) {
        int previous = table->first - 1;
        for (const NamedValue& v : table->names) {
            EXPECT_GT(v.number, previous) << name;
            EXPECT_LE(v.number, table->last) << name;
            EXPECT_FALSE(v.name.empty()) << name << " " << v.number;
            previous = v.number;
        }
    }
    // The dense tables name every number of their range.
    EXPECT_EQ(kOsTypeNames.names.size(), 58u);
    EXPECT_EQ(kProtocolNames.names.size(), 47u);
    EXPECT_EQ(kMemoryFormFactorNames.names.size(), 24u);
    EXPECT_EQ(kMemoryTypeNames.names.size(), 21u);
    EXPECT_EQ(kProcessorFamilyNames.names.size(), 90u);
}

std::string ReadText(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The shipped WMIConfig.ini has a section for every class and formats every
// property that has a rule.
TEST(ShippedConfig, FormatsEveryPropertyThatHasARule)
{
    const std::string text = ReadText(WMIINFO_CONFIG_INI);
    ASSERT_FALSE(text.empty()) << WMIINFO_CONFIG_INI;
    const infoini::IniDocument config = infoini::IniDocument::Parse(text);
    for (const std::string_view className : kClassList)
        EXPECT_NE(config.FindSection(className), nullptr) << className;
    for (const ClassProperty& p : PropertiesWithRules()) {
        const std::string* entry = config.Find(p.className, p.property);
        ASSERT_NE(entry, nullptr) << p.className << "." << p.property;
        EXPECT_EQ(*entry, "TRUE") << p.className << "." << p.property;
    }
    // No section of another name, which WMI_GetAll would never read.
    for (const auto& section : config.Sections())
        EXPECT_NE(std::find(kClassList.begin(), kClassList.end(), section.name), kClassList.end()) << section.name;
}

}  // namespace
}  // namespace vantor::wmi
