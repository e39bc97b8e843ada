// Decodes every real table in the test data and checks the values against
// dmidecode's text output of the same machine. The text forms differ on
// purpose (our sizes are "KBytes"/"MBytes", names come from SmBIOS.ini), so
// each field is compared by what should agree: the same string, the same
// number, the same enumerated name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "DmidecodeText.h"
#include "RecordingIni.h"
#include "ShippedNames.h"
#include "SmbiosFile.h"
#include "core/DmiTable.h"
#include "core/Structure.h"
#include "core/StructureIndex.h"

namespace vantor::dmi {
namespace {

using test::DmidecodeRecord;
using test::RecordingIni;

std::vector<std::string> Machines()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(DMIINFO_TESTDATA_DIR)) {
        const std::string file = entry.path().filename().string();
        const std::string suffix = ".dmidecode.txt";
        if (file.size() > suffix.size() && file.ends_with(suffix)) {
            names.push_back(file.substr(0, file.size() - suffix.size()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Path(const std::string& machine, const std::string& extension)
{
    return std::string(DMIINFO_TESTDATA_DIR) + "/" + machine + extension;
}

std::string Lower(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

// Lower-case letters and digits only, without the words that one naming
// adds and the other leaves out.
std::string Normalized(std::string text)
{
    text = Lower(text);
    for (const char* word : {"intel", "amd", "processor", "family", "series", "length", "gen"}) {
        for (std::size_t at; (at = text.find(word)) != std::string::npos;) {
            text.erase(at, std::string(word).size());
        }
    }
    text.erase(std::remove_if(text.begin(), text.end(),
                              [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }),
               text.end());
    return text;
}

// A dmidecode size ("512 kB", "8 GB", "1 MB", "512 MB (Single-bank Connection)") in kilobytes.
std::optional<std::uint64_t> SizeKb(const std::string& text)
{
    std::istringstream in(text);
    std::uint64_t number = 0;
    std::string unit;
    if (!(in >> number >> unit)) {
        return std::nullopt;
    }
    if (unit == "bytes")
        return number / 1024;
    if (unit == "kB")
        return number;
    if (unit == "MB")
        return number * 1024;
    if (unit == "GB")
        return number * 1024 * 1024;
    if (unit == "TB")
        return number * 1024 * 1024 * 1024;
    return std::nullopt;
}

// Our "%d KBytes" / "%d MBytes" texts in kilobytes.
std::optional<std::uint64_t> OurSizeKb(const std::string& text)
{
    std::istringstream in(text);
    std::uint64_t number = 0;
    std::string unit;
    if (!(in >> number >> unit)) {
        return std::nullopt;
    }
    if (unit == "KBytes")
        return number;
    if (unit == "MBytes")
        return number * 1024;
    return std::nullopt;
}

class Comparison {
public:
    Comparison(const std::string& machine, const RecordingIni& ini) : m_machine(machine), m_ini(ini) {}

    void Section(const std::string& section, const DmidecodeRecord* theirs)
    {
        m_section = section;
        m_theirs = theirs;
    }

    std::string Ours(const std::string& key) const { return m_ini.ValueOf(m_section, key); }
    const std::string* Theirs(const std::string& key) const { return m_theirs->Find(key); }

    void Expect(bool agree, const std::string& key, const std::string& ours, const std::string& theirs)
    {
        ++compared;
        if (!agree) {
            ADD_FAILURE() << m_machine << " " << m_section << " " << key << ": ours \"" << ours << "\", dmidecode \""
                          << theirs << "\"";
        }
    }

    // A string field: the same text; our "None" is dmidecode's "Not Specified".
    void String(const std::string& ourKey, const std::string& theirKey)
    {
        const std::string* theirs = Theirs(theirKey);
        if (theirs == nullptr) {
            return;
        }
        // dmidecode shows a string of blanks only as an empty one; we keep
        // the string as stored.
        const std::string ours = Ours(ourKey);
        const bool blank = ours.find_first_not_of(' ') == std::string::npos;
        const bool agree = ours == *theirs || (blank && theirs->empty()) ||
                           (ours == "None" && (*theirs == "Not Specified" || *theirs == "<BAD INDEX>"));
        Expect(agree, ourKey, ours, *theirs);
    }

    // An enumerated name: the same words in any case ("Unknown" for a value
    // that dmidecode calls out of specification).
    void Name(const std::string& ourKey, const std::string& theirKey)
    {
        const std::string* theirs = Theirs(theirKey);
        if (theirs == nullptr) {
            return;
        }
        const std::string ours = Ours(ourKey);
        Expect(Lower(ours) == Lower(*theirs) || (ours == "Unknown" && *theirs == "<OUT OF SPEC>"), ourKey, ours,
               *theirs);
    }

    // The same name up to punctuation and the words that one naming adds:
    // "DB-9 pin male" and "DB-9 male", "1394" and "IEEE 1394".
    void LooseName(const std::string& ourKey, const std::string& theirKey)
    {
        const std::string* theirs = Theirs(theirKey);
        if (theirs == nullptr) {
            return;
        }
        const auto loose = [](const std::string& text) {
            std::string n = Normalized(text);
            for (const char* word : {"pin", "ieee"}) {
                for (std::size_t at; (at = n.find(word)) != std::string::npos;) {
                    n.erase(at, std::string(word).size());
                }
            }
            return n;
        };
        Expect(loose(Ours(ourKey)) == loose(*theirs), ourKey, Ours(ourKey), *theirs);
    }

    // dmidecode's name ends with ours once both are normalized ("x16 PCI
    // Express 3 x16" and "PCI Express Gen 3 x16"; our parenthesized notes,
    // such as an M.2 socket's key, left out).
    void NameSuffix(const std::string& ourKey, const std::string& theirKey)
    {
        const std::string* theirs = Theirs(theirKey);
        if (theirs == nullptr) {
            return;
        }
        const std::string name = Ours(ourKey);
        const std::string whole = Normalized(name);
        const std::string shortName = Normalized(name.substr(0, name.find(" (")));
        const std::string normalizedTheirs = Normalized(*theirs);
        Expect(!shortName.empty() && (normalizedTheirs.ends_with(whole) || normalizedTheirs.ends_with(shortName)),
               ourKey, name, *theirs);
    }

    // The same size: dmidecode's units against our KBytes/MBytes.
    void Size(const std::string& ourKey, const std::string& theirKey)
    {
        const std::string* theirs = Theirs(theirKey);
        if (theirs == nullptr) {
            return;
        }
        const std::string ours = Ours(ourKey);
        const auto ourKb = OurSizeKb(ours);
        const auto theirKb = SizeKb(*theirs);
        Expect(ourKb && theirKb && *ourKb == *theirKb, ourKey, ours, *theirs);
    }

    // "%d MHz"/"%d ns" and friends; dmidecode writes "Unknown" for 0.
    void Number(const std::string& ourKey, const std::string& theirKey, const std::string& zeroText)
    {
        const std::string* theirs = Theirs(theirKey);
        if (theirs == nullptr) {
            return;
        }
        const std::string ours = Ours(ourKey);
        Expect(ours == *theirs || (*theirs == "Unknown" && ours == zeroText), ourKey, ours, *theirs);
    }

    int compared = 0;

private:
    std::string m_machine;
    const RecordingIni& m_ini;
    std::string m_section;
    const DmidecodeRecord* m_theirs = nullptr;
};

struct Decoded {
    test::SmbiosFile file;
    std::span<const std::uint8_t> table;
    StructureIndex index;
    RecordingIni ini;

    std::optional<Structure> At(int type, int number) const
    {
        return Structure::At(table, index.Position(type, number));
    }
};

Decoded DecodeFile(const std::string& path)
{
    Decoded decoded;
    auto bytes = test::ReadFileBytes(path);
    EXPECT_TRUE(bytes) << path;
    decoded.file = test::ParseSmbiosFile(bytes.value_or(std::vector<std::uint8_t>{}));
    const auto window = decoded.file.Window();
    decoded.table = window.first(std::min(decoded.file.tableLength, window.size()));
    decoded.index = StructureIndex::Walk(decoded.table);
    DecodeSmbiosTable(window, decoded.file.tableLength, decoded.ini, test::ShippedNames());
    return decoded;
}

void CompareType(Comparison& c, const Decoded& ours, const test::DmidecodeText& text, int type,
                 const std::function<void(Comparison&, const Structure&, const DmidecodeRecord&)>& fields)
{
    const auto theirs = text.OfType(type);
    const bool firstOnly = type <= 1;
    const int expected = firstOnly ? std::min<int>(1, static_cast<int>(theirs.size()))
                                   : std::min<int>(StructureIndex::kMaxPerType, static_cast<int>(theirs.size()));
    ASSERT_EQ(firstOnly ? std::min(ours.index.Count(type), 1) : ours.index.Count(type), expected) << "type " << type;
    for (int i = 1; i <= expected; ++i) {
        const std::string section =
                "Type" + std::to_string(type) + (expected >= 2 ? "-" + std::to_string(i) : std::string());
        ASSERT_TRUE(ours.ini.Has(section)) << section;
        c.Section(section, theirs[static_cast<std::size_t>(i - 1)]);
        fields(c, *ours.At(type, i), *theirs[static_cast<std::size_t>(i - 1)]);
    }
}

void CompareWithDmidecode(const std::string& machine)
{
    const Decoded decoded = DecodeFile(Path(machine, ".dump"));
    std::ifstream textFile(Path(machine, ".dmidecode.txt"));
    std::stringstream content;
    content << textFile.rdbuf();
    const test::DmidecodeText text = test::ParseDmidecodeText(content.str());
    ASSERT_FALSE(text.records.empty()) << machine;
    Comparison comparison(machine, decoded.ini);

    CompareType(comparison, decoded, text, 0, [](Comparison& c, const Structure& s, const DmidecodeRecord& r) {
        c.String("Vendor", "Vendor");
        c.String("BIOS Version", "Version");
        c.String("BIOS Release Date", "Release Date");
        if (const std::string* address = r.Find("Address")) {
            const unsigned linear = std::stoul(*address, nullptr, 16);
            c.Expect(
                    c.Ours("Starting Address") == "0x" +
                                                          [&] {
                                                              char hex[8];
                                                              std::snprintf(hex, sizeof hex, "%.4x", linear >> 4);
                                                              return std::string(hex);
                                                          }(),
                    "Starting Address", c.Ours("Starting Address"), *address);
        }
        // 0xFF sends dmidecode to the extended ROM size field.
        if (s.Byte(0x09) != 0xFF) {
            c.Size("BIOS ROM Size", "ROM Size");
        }
    });
    CompareType(comparison, decoded, text, 1, [&](Comparison& c, const Structure& s, const DmidecodeRecord& r) {
        c.String("Manufacturer", "Manufacturer");
        c.String("Product Name", "Product Name");
        c.String("Version", "Version");
        c.String("Serial Number", "Serial Number");
        c.Name("Wake Type", "Wake-up Type");
        const std::string* uuid = r.Find("UUID");
        if (uuid != nullptr && uuid->size() == 36 && s.Byte(0x17)) {
            // dmidecode shows the first three fields little-endian from SMBIOS 2.6 on.
            std::vector<unsigned> bytes;
            for (std::size_t i = 0; i < uuid->size(); ++i) {
                if ((*uuid)[i] != '-') {
                    bytes.push_back(static_cast<unsigned>(std::stoul(uuid->substr(i, 2), nullptr, 16)));
                    ++i;
                }
            }
            if (text.majorVersion > 2 || (text.majorVersion == 2 && text.minorVersion >= 6)) {
                std::reverse(bytes.begin(), bytes.begin() + 4);
                std::reverse(bytes.begin() + 4, bytes.begin() + 6);
                std::reverse(bytes.begin() + 6, bytes.begin() + 8);
            }
            std::string expected;
            for (unsigned b : bytes) {
                char hex[4];
                std::snprintf(hex, sizeof hex, expected.empty() ? "%x" : " %x", b);
                expected += hex;
            }
            c.Expect(c.Ours("UUID") == expected, "UUID", c.Ours("UUID"), *uuid);
        }
    });
    CompareType(comparison, decoded, text, 2, [](Comparison& c, const Structure&, const DmidecodeRecord&) {
        c.String("Manufacturer", "Manufacturer");
        c.String("Product Name", "Product Name");
        c.String("Version", "Version");
        c.String("Serial Number", "Serial Number");
    });
    CompareType(comparison, decoded, text, 3, [](Comparison& c, const Structure&, const DmidecodeRecord&) {
        c.String("Manufacturer", "Manufacturer");
        c.Name("Type", "Type");
        c.String("Version", "Version");
        c.String("Serial Number", "Serial Number");
        c.String("Asset Tag", "Asset Tag");
        c.Name("Boot-up State", "Boot-up State");
        c.Name("Power Supply State", "Power Supply State");
        c.Name("Thermal State", "Thermal State");
    });
    CompareType(comparison, decoded, text, 4, [](Comparison& c, const Structure& s, const DmidecodeRecord& r) {
        c.String("Socket", "Socket Designation");
        c.Name("Type", "Type");
        // 0xFE sends dmidecode to the second family field.
        if (const std::string* family = r.Find("Family"); family != nullptr && s.Byte(0x06) != 0xFE) {
            const std::string ours = Normalized(c.Ours("Family"));
            c.Expect(ours.find(Normalized(*family)) != std::string::npos, "Family", c.Ours("Family"), *family);
        }
        c.String("Manufacturer", "Manufacturer");
        c.String("Version", "Version");
        if (const std::string* id = r.Find("ID")) {
            unsigned b[8] = {};
            std::sscanf(id->c_str(), "%x %x %x %x %x %x %x %x", &b[0], &b[1], &b[2], &b[3], &b[4], &b[5], &b[6], &b[7]);
            char expected[20];
            std::snprintf(expected, sizeof expected, "%.2x%.2x%.2x%.2x%.2x%.2x%.2x%.2x", b[7], b[6], b[5], b[4], b[3],
                          b[2], b[1], b[0]);
            c.Expect(c.Ours("Processor ID") == expected, "Processor ID", c.Ours("Processor ID"), *id);
        }
        if (const std::string* voltage = r.Find("Voltage"); voltage != nullptr && s.Byte(0x11).value_or(0) & 0x80) {
            c.Expect(Lower(c.Ours("Voltage")) == Lower(*voltage), "Voltage", c.Ours("Voltage"), *voltage);
        }
        c.Number("External Clock", "External Clock", "0 MHz");
        c.Number("Max Speed", "Max Speed", "0 MHz");
        c.Number("Current Speed", "Current Speed", "0 MHz");
        if (const std::string* status = r.Find("Status"); status != nullptr && status->rfind("Populated, ", 0) == 0) {
            static const std::map<std::string, std::string> kStatus = {{"Unknown", "Unknown"},
                                                                       {"Enabled", "CPU Enable"},
                                                                       {"Disabled By User", "CPU Disable by User"},
                                                                       {"Disabled By BIOS", "CPU Disable by BIOS"},
                                                                       {"Idle", "CPU Idle"},
                                                                       {"Other", "Others"}};
            const auto found = kStatus.find(status->substr(11));
            c.Expect(found != kStatus.end() && found->second == c.Ours("Status"), "Status", c.Ours("Status"), *status);
        }
    });
    CompareType(comparison, decoded, text, 5, [](Comparison& c, const Structure&, const DmidecodeRecord&) {
        c.Name("Error Dectecting Method", "Error Detecting Method");
        c.Name("Supported Interleave", "Supported Interleave");
        c.Name("Current Interleave", "Current Interleave");
        c.Size("Maximum Memory Size", "Maximum Memory Module Size");
        c.Number("Assciated Slots", "Associated Memory Slots", "0");
    });
    CompareType(comparison, decoded, text, 6, [](Comparison& c, const Structure&, const DmidecodeRecord& r) {
        c.String("Socket", "Socket Designation");
        c.Number("Current Speed", "Current Speed", "Unknown");
        for (const char* key : {"Installed Size", "Enabled Size"}) {
            if (const std::string* size = r.Find(key); size != nullptr && SizeKb(*size)) {
                c.Size(key, key);
            } else {
                c.Name(key, key);
            }
        }
    });
    CompareType(comparison, decoded, text, 7, [](Comparison& c, const Structure& s, const DmidecodeRecord& r) {
        c.String("Socket", "Socket Designation");
        // Configuration, rebuilt from dmidecode's three fields.
        const std::string* configuration = r.Find("Configuration");
        const std::string* location = r.Find("Location");
        const std::string* mode = r.Find("Operational Mode");
        if (configuration != nullptr && location != nullptr && mode != nullptr) {
            std::string expected;
            if (*location == "Internal" || *location == "External") {
                expected = *location + ",";
            }
            expected += "L" + configuration->substr(configuration->rfind(' ') + 1) + " cache";
            if (*mode == "Write Through" || *mode == "Write Back") {
                expected += "," + *mode;
            } else if (*mode == "Varies With Memory Address") {
                expected += ",Varies with Memoey Address";
            }
            c.Expect(c.Ours("Configuration") == expected, "Configuration", c.Ours("Configuration"), *configuration);
        }
        // From SMBIOS 3.1 dmidecode reads the 32-bit size field at 0x17.
        if (!s.Dword(0x17)) {
            if (c.Ours("Installed Size") == "No Cache Installed") {
                c.Expect(*r.Find("Installed Size") == "0 kB", "Installed Size", "No Cache Installed",
                         *r.Find("Installed Size"));
            } else {
                c.Size("Installed Size", "Installed Size");
            }
        }
        c.Number("Cache Speed", "Speed", "Unknown");
        c.Name("Error Correction Type", "Error Correction Type");
        c.Name("Cache Type", "System Type");
        c.Name("Associativity", "Associativity");
    });
    CompareType(comparison, decoded, text, 8, [](Comparison& c, const Structure&, const DmidecodeRecord&) {
        c.String("Internal Designator", "Internal Reference Designator");
        c.LooseName("Internal Connector Type", "Internal Connector Type");
        c.String("External Designator", "External Reference Designator");
        c.LooseName("External Connector Type", "External Connector Type");
        c.Name("Port Type", "Port Type");
    });
    CompareType(comparison, decoded, text, 9, [](Comparison& c, const Structure&, const DmidecodeRecord& r) {
        c.String("Slot Designation", "Designation");
        c.NameSuffix("Slot Type", "Type");
        c.Name("Current Usage", "Current Usage");
        if (const std::string* length = r.Find("Length")) {
            const std::string ours = Normalized(c.Ours("Slot Length"));
            c.Expect(ours == Normalized(*length), "Slot Length", c.Ours("Slot Length"), *length);
        }
        if (const std::string* id = r.Find("ID");
            id != nullptr && !id->empty() && std::all_of(id->begin(), id->end(), ::isdigit)) {
            c.Expect(c.Ours("Slot ID") == *id, "Slot ID", c.Ours("Slot ID"), *id);
        }
    });
    CompareType(comparison, decoded, text, 16, [](Comparison& c, const Structure& s, const DmidecodeRecord&) {
        c.Name("Device Type", "Location");
        c.Name("Function Type", "Use");
        c.Name("Error Correction", "Error Correction Type");
        // 0x80000000 sends dmidecode to the extended capacity field.
        if (s.Dword(0x07) != 0x80000000U) {
            c.Size("Maximum Capacity", "Maximum Capacity");
        }
        c.Number("Number of Device", "Number Of Devices", "0");
    });
    CompareType(comparison, decoded, text, 17, [](Comparison& c, const Structure& s, const DmidecodeRecord& r) {
        // dmidecode calls a width of 0 unknown too.
        c.Number("Total Width", "Total Width", "0 bits");
        c.Number("Data Width", "Data Width", "0 bits");
        const std::string* size = r.Find("Size");
        // 0x7FFF sends dmidecode to the extended size field.
        if (size != nullptr && s.Word(0x0C) != 0x7FFF) {
            if (SizeKb(*size)) {
                c.Size("Size", "Size");
            } else {
                const std::string ours = c.Ours("Size");
                c.Expect((*size == "No Module Installed" && ours == "No Memory Installed") || ours == *size, "Size",
                         ours, *size);
            }
        }
        c.Name("Form Factor", "Form Factor");
        c.String("Device Locator", "Locator");
        c.Name("Memory Type", "Type");
    });
    EXPECT_GT(comparison.compared, 20) << machine;
}

TEST(RealTables, AgreeWithDmidecode)
{
    const auto machines = Machines();
    ASSERT_GE(machines.size(), 19U);
    for (const std::string& machine : machines) {
        SCOPED_TRACE(machine);
        CompareWithDmidecode(machine);
    }
}

// The raw table and the dump of one machine decode to the same INI writes.
TEST(RealTables, DumpAndRawTableDecodeAlike)
{
    for (const std::string& machine : Machines()) {
        const Decoded dump = DecodeFile(Path(machine, ".dump"));
        const Decoded raw = DecodeFile(Path(machine, ".table"));
        EXPECT_GT(dump.file.tableOffset, 0U) << machine;
        EXPECT_EQ(raw.file.tableOffset, 0U) << machine;
        EXPECT_EQ(dump.ini.calls, raw.ini.calls) << machine;
    }
}

// Many structures of one type: 128 processors, 128 memory devices and 256
// caches, of which the first 127 of each type are decoded.
TEST(RealTables, LargestTableKeeps127OfAType)
{
    const Decoded ours = DecodeFile(Path("vmware-virtual-platform-v27", ".dump"));
    for (int type : {4, 7, 17}) {
        const std::string section = "Type" + std::to_string(type);
        EXPECT_EQ(ours.ini.At(section).count, 127) << section;
        EXPECT_TRUE(ours.ini.Has(section + "-127"));
        EXPECT_FALSE(ours.ini.Has(section + "-128"));
    }
    EXPECT_EQ(ours.ini.At("Type4-127").displayname, "Processor Information-127");
}

}  // namespace
}  // namespace vantor::dmi
