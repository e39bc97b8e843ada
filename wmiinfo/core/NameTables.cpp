#include "core/NameTables.h"

#include <algorithm>
#include <array>

namespace vantor::wmi {

std::string_view NameTable::Name(std::int64_t number) const
{
    if (number < first || number > last)
        return kUndefinedName;
    const auto found =
            std::find_if(names.begin(), names.end(), [&](const NamedValue& v) { return v.number == number; });
    return found != names.end() ? found->name : kUndefinedName;
}

namespace {

constexpr NamedValue kProcessorType[] = {
        {1, "Other"},         {2, "Unknown"},         {3, "Central Processor"}, {4, "Math Processor80286"},
        {5, "DSP Processor"}, {6, "Video Processor"},
};

constexpr NamedValue kProcessorFamily[] = {
        {0, "Undefined"},
        {1, "Other"},
        {2, "Unknown"},
        {3, "8086"},
        {4, "80286"},
        {5, "80386"},
        {6, "80486"},
        {7, "8087"},
        {8, "80287"},
        {9, "80387"},
        {10, "80487"},
        {11, "Pentium brand"},
        {12, "Pentium Pro"},
        {13, "Pentium II"},
        {14, "Pentium MMX"},
        {15, "Celeron"},
        {16, "Pentium II Xeon"},
        {17, "Pentium III"},
        {18, "M1 Family"},
        {19, "M2 Family"},
        {24, "K5 Family"},
        {25, "K6 Family"},
        {26, "K6-2"},
        {27, "K6-3"},
        {28, "AMD Athlon Processor Family"},
        {29, "AMDR Duron Processor"},
        {30, "AMD2900 Family"},
        {31, "K6-2+"},
        {32, "Power PC Family"},
        {33, "Power PC 601"},
        {34, "Power PC 603"},
        {35, "Power PC 603+"},
        {36, "Power PC 604"},
        {37, "Power PC 620"},
        {38, "Power PC X704"},
        {39, "Power PC 750"},
        {48, "Alpha Family"},
        {49, "Alpha 21064"},
        {50, "Alpha 21066"},
        {51, "Alpha 21164"},
        {52, "Alpha 21164PC"},
        {53, "Alpha 21164a"},
        {54, "Alpha 21264"},
        {55, "Alpha 21364"},
        {64, "MIPS Family"},
        {65, "MIPS R4000"},
        {66, "MIPS R4200"},
        {67, "MIPS R4400"},
        {68, "MIPS R4600"},
        {69, "MIPS R10000"},
        {80, "SPARC Family"},
        {81, "SuperSPARC"},
        {82, "microSPARC II"},
        {83, "microSPARC IIep"},
        {84, "UltraSPARC"},
        {85, "UltraSPARC II"},
        {86, "UltraSPARC IIi"},
        {87, "UltraSPARC III"},
        {88, "UltraSPARC IIIi"},
        {96, "68040"},
        {97, "68xxx Family"},
        {98, "68000"},
        {99, "68010"},
        {100, "68020"},
        {101, "68030"},
        {112, "Hobbit Family"},
        {120, "Crusoe TM5000 Family"},
        {121, "Crusoe TM3000 Family"},
        {128, "Weitek"},
        {130, "Itanium Processor"},
        {144, "PA-RISC Famil"},
        {145, "PA-RISC 8500"},
        {146, "PA-RISC 8000"},
        {147, "PA-RISC 7300LC"},
        {148, "PA-RISC 7200"},
        {149, "PA-RISC 7100LC"},
        {150, "PA-RISC 7100"},
        {160, "V30 Family"},
        {176, "Pentium III Xeon"},
        {177, "PentiumR III Processor with SpeedStep Technology"},
        {178, "Pentium 4"},
        {179, "Pentium Xeon"},
        {180, "AS400 Family"},
        {181, "Intel Xeon processor MP"},
        {182, "AMD AthlonXP Family"},
        {183, "AMD AthlonMP Family"},
        {184, "Intel Itanium 2"},
        {185, "AMD Opteron Family"},
        {190, "K7"},
        {200, "IBM390 Family"},
};

constexpr NamedValue kUpgradeMethod[] = {
        {1, "Other"},   {2, "Unknown"},    {3, "Daughter Board"}, {4, "ZIP Socket"}, {5, "Piggy Back"},
        {6, "None"},    {7, "LIF Socket"}, {8, "Slot 1"},         {9, "Slot 2"},     {10, "370 Pin Socket"},
        {11, "Slot A"}, {12, "Slot M"},
};

constexpr NamedValue kCpuStatus[] = {
        {1, "Unknown"},
        {2, "CPU Enable"},
        {3, "CCPU Disabled by User"},
        {4, "CPU Disabled by BIOS"},
        {5, "CPU is Idle"},
        {6, "Reserved"},
        {7, "Reserved"},
        {8, "Other"},
};

constexpr NamedValue kArchitecture[] = {
        {0, "x86"}, {1, "MIPS"}, {2, "Alpha"}, {3, "PowerPC"}, {4, "Undefined"}, {5, "Undefined"},
};

constexpr NamedValue kMemoryFormFactor[] = {
        {0, "Unknown"},     {1, "Other"},     {2, "SIP"},   {3, "DIP"},   {4, "ZIP"},    {5, "SOJ"},
        {6, "Proprietary"}, {7, "SIMMEDRAM"}, {8, "DIMM"},  {9, "TSOP"},  {10, "PGA"},   {11, "RIMM"},
        {12, "SODIMM"},     {13, "SRIMM"},    {14, "SMD"},  {15, "SSMP"}, {16, "QFP"},   {17, "TQFP"},
        {18, "SOIC"},       {19, "LCC"},      {20, "PLCC"}, {21, "BGA"},  {22, "FPBGA"}, {23, "LGA"},
};

constexpr NamedValue kMemoryType[] = {
        {0, "Unknown"},    {1, "Other"},   {2, "DRAM"},   {3, "Synchornous DRAM"},
        {4, "Cache DRAM"}, {5, "EDO"},     {6, "EDRAM"},  {7, "VRAM"},
        {8, "SRAM"},       {9, "RAM"},     {10, "ROM"},   {11, "Flash"},
        {12, "EEPROM"},    {13, "FEPROM"}, {14, "EPROM"}, {15, "CDRAM"},
        {16, "3DRAM"},     {17, "SDRAM"},  {18, "SGRAM"}, {19, "RDRAM"},
        {20, "DDR"},
};

constexpr NamedValue kAdapterType[] = {
        {0, "Ethernet 802.3"},
        {1, "Token Ring 802.5"},
        {2, "FDDI"},
        {3, "WAN"},
        {4, "LocalTalk"},
        {5, "Ethernet using DIX"},
        {6, "ARCNET"},
        {7, "ARCNET (878.2)"},
        {8, "ATM"},
        {9, "Wireless"},
        {10, "Infrared Wireless"},
        {11, "Bpc"},
        {12, "CoWan"},
        {13, "1394"},
};

constexpr NamedValue kNetConnectionStatus[] = {
        {0, "Disconnected"},
        {1, "Connecting"},
        {2, "Connected"},
        {3, "Disconnecting"},
        {4, "Hardware not present"},
        {5, "Hardware disabled"},
        {6, "Hardware malfunction"},
        {7, "Media disconnected"},
        {8, "Authenticating"},
        {9, "Authentication successded"},
        {10, "Authentication failed"},
};

constexpr NamedValue kSystemState[] = {
        {1, "Other"}, {2, "Unknown"}, {3, "Safes"}, {4, "Warning"}, {5, "Critical"}, {6, "Non-recoverable"},
};

constexpr NamedValue kDomainRole[] = {
        {0, "Standalone Workstation"}, {1, "Member Workstation"},       {2, "Standalone Server"},
        {3, "Member Server"},          {4, "Backup Domain Controller"}, {5, "Primary Domain Controller"},
};

constexpr NamedValue kWakeUpType[] = {
        {0, "ReservedOther"}, {1, "Other"},        {2, "Unknown"}, {3, "APM Timer"},         {4, "Modem Ring"},
        {5, "LAN Remote"},    {6, "Power Switch"}, {7, "PCI PME"}, {8, "AC Power Restored"},
};

constexpr NamedValue kPowerState[] = {
        {0, "Unknown"},
        {1, "Full Power"},
        {2, "Power Save - Low Power Mode"},
        {3, "Power Save - Standby"},
        {4, "Power Save - Unknown"},
        {5, "Power Cycle"},
        {6, "Power Off"},
        {7, "Power Save - Warning"},
};

constexpr NamedValue kProductType[] = {
        {1, "WorkStation"},
        {2, "Domain Controller"},
        {3, "Server"},
};

constexpr NamedValue kOsType[] = {
        {0, "Unknown"},
        {1, "Other"},
        {2, "MACOS"},
        {3, "ATTUNIX"},
        {4, "DGUX"},
        {5, "DECNT"},
        {6, "Digital Unix"},
        {7, "OpenVMS"},
        {8, "HPUX"},
        {9, "AIX"},
        {10, "MVS"},
        {11, "OS400"},
        {12, "OS/2"},
        {13, "JavaVM"},
        {14, "MSDOS"},
        {15, "WIN31"},
        {16, "WIN95"},
        {17, "WIN98"},
        {18, "WINNT"},
        {19, "WINCE"},
        {20, "NCR3000"},
        {21, "NetWare"},
        {22, "OSF"},
        {23, "DC/OS"},
        {24, "Reliant UNIX"},
        {25, "SCO UnixWare"},
        {26, "SCO OpenServer"},
        {27, "Sequent"},
        {28, "IRIX"},
        {29, "Solaris"},
        {30, "SunOS"},
        {31, "U6000"},
        {32, "ASERIES"},
        {33, "TandemNSK"},
        {34, "TandemNT"},
        {35, "BS2000"},
        {36, "LINUX"},
        {37, "Lynx"},
        {38, "XENIX"},
        {39, "VM/ESA"},
        {40, "Interactive UNIX"},
        {41, "BSDUNIX"},
        {42, "FreeBSD"},
        {43, "NetBSD"},
        {44, "GNU Hurd"},
        {45, "OS9"},
        {46, "MACH Kernel"},
        {47, "Inferno"},
        {48, "QNX"},
        {49, "EPOC"},
        {50, "IxWorks"},
        {51, "VxWorks"},
        {52, "MiNT"},
        {53, "BeOS"},
        {54, "HP MPE"},
        {55, "NextStep"},
        {56, "PalmPilot"},
        {57, "Rhapsody"},
};

constexpr NamedValue kScanMode[] = {
        {1, "Other"},
        {2, "Unknown"},
        {3, "Interlaced"},
        {4, "Non Interlaced"},
};

constexpr NamedValue kVideoArchitecture[] = {
        {1, "Other"}, {2, "Unknown"}, {3, "CGA"},  {4, "EGA"},    {5, "VGA"},  {6, "SVGA"},
        {7, "MDA"},   {8, "HGC"},     {9, "MCGA"}, {10, "8514A"}, {11, "XGA"}, {12, "Liner Frame Buffer"},
};

constexpr NamedValue kVideoMemoryType[] = {
        {1, "Other"},
        {2, "Unknown"},
        {3, "VRAM"},
        {4, "DRAM"},
        {5, "SRAM"},
        {6, "WRAM"},
        {7, "EDO RAM"},
        {8, "Brust Synchronous DRAM"},
        {9, "Pipelined Burst RAM"},
        {10, "CDRAM"},
        {11, "3DRAM"},
        {12, "SDRAM"},
        {13, "SGRAM"},
};

constexpr NamedValue kProtocol[] = {
        {1, "Other"},
        {2, "Unknown"},
        {3, "EISA"},
        {4, "ISA"},
        {5, "PCI"},
        {6, "ATA/ATAPI"},
        {7, "Flexible Diskette"},
        {8, "1496"},
        {9, "SCSI Parallel Interface"},
        {10, "SCSI Fibre Channel Protocol"},
        {11, "SCSI Serial Bus Protocol"},
        {12, "1394"},
        {13, "SCSI Serial Storage"},
        {14, "VESA"},
        {15, "PCMCIA"},
        {16, "USB"},
        {17, "Parallel Protocol"},
        {18, "ESCON"},
        {19, "Diagnostic"},
        {20, "I2C"},
        {21, "Power"},
        {22, "HIPPI"},
        {23, "MultiBus"},
        {24, "VME"},
        {25, "IPI"},
        {26, "IEEE-488"},
        {27, "RS232"},
        {28, "IEEE 802.3 10Base5"},
        {29, "IEEE 802.3 10Base2"},
        {30, "IEEE 802.3 1Base5"},
        {31, "IEEE 802.3 10Broad36"},
        {32, "IEEE 802.3 100BaseVG"},
        {33, "IEEE 802.5 Token-Ring"},
        {34, "ANSI X3T9.5 FDDI"},
        {35, "MCA"},
        {36, "ESDI"},
        {37, "IDE"},
        {38, "CMD"},
        {39, "ST506"},
        {40, "DSSI"},
        {41, "QIC2"},
        {42, "Enhanced ATA/IDE"},
        {43, "AGP"},
        {44, "TWIRP"},
        {45, "FIR"},
        {46, "SIR"},
        {47, "IrBus"},
};

constexpr NamedValue kLanguages[] = {
        {4, "Chinese"},         {9, "English"},   {1028, "Chinese - Taiwan"}, {1031, "German"}, {1032, "Greek"},
        {1033, "English - US"}, {1036, "French"}, {1041, "Japanese"},         {1042, "Korean"},
};

}  // namespace

const NameTable kProcessorTypeNames{1, 6, kProcessorType};
const NameTable kProcessorFamilyNames{0, 200, kProcessorFamily};
const NameTable kUpgradeMethodNames{1, 12, kUpgradeMethod};
const NameTable kCpuStatusNames{1, 8, kCpuStatus};
const NameTable kArchitectureNames{0, 5, kArchitecture};
const NameTable kMemoryFormFactorNames{0, 23, kMemoryFormFactor};
const NameTable kMemoryTypeNames{0, 20, kMemoryType};
const NameTable kAdapterTypeNames{0, 13, kAdapterType};
const NameTable kNetConnectionStatusNames{0, 10, kNetConnectionStatus};
const NameTable kSystemStateNames{1, 6, kSystemState};
const NameTable kDomainRoleNames{0, 5, kDomainRole};
const NameTable kWakeUpTypeNames{0, 8, kWakeUpType};
const NameTable kPowerStateNames{0, 7, kPowerState};
const NameTable kProductTypeNames{1, 3, kProductType};
const NameTable kOsTypeNames{0, 57, kOsType};
const NameTable kScanModeNames{1, 4, kScanMode};
const NameTable kVideoArchitectureNames{1, 12, kVideoArchitecture};
const NameTable kVideoMemoryTypeNames{1, 13, kVideoMemoryType};
const NameTable kProtocolNames{1, 47, kProtocol};

std::string_view LanguageName(std::int64_t languageId)
{
    const auto found = std::find_if(std::begin(kLanguages), std::end(kLanguages),
                                    [&](const NamedValue& v) { return v.number == languageId; });
    return found != std::end(kLanguages) ? found->name : std::string_view();
}

}  // namespace vantor::wmi
