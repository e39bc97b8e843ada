// The whole PCI_GetAll over a host that stands in for Win32, with the ports
// of the classic board: the information INI file it writes, and what it does
// without ZyIO.dll, pci.ids or ZyHtmlEngine.dll.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "IniDocument.h"
#include "InfoIniForm.h"
#include "PciGetAll.h"
#include "SimulatedPorts.h"

namespace vantor::pci::testing {
namespace {

const std::string kProgram = "C:\\Vantor";
const std::string kOutput = "C:\\Vantor\\PCIInfo";

class FakeHost final : public PciHost {
public:
    bool ioMissing = false;
    bool htmlMissing = false;
    std::map<std::string, std::string> files;  // readable files by path
    std::map<std::string, std::string> written;
    std::vector<std::string> folders;
    std::vector<std::string> messages;
    std::vector<std::string> reports;
    std::vector<std::pair<int, std::string>> htmlRuns;
    std::unique_ptr<SimulatedPorts> ports;
    bool ioLoaded = false;

    std::string ProgramFolder() override { return kProgram; }
    PortIo* LoadIo(const std::string& programFolder) override
    {
        EXPECT_EQ(programFolder, kProgram);
        if (ioMissing)
            return nullptr;
        ports = std::make_unique<SimulatedPorts>();
        std::string error;
        EXPECT_TRUE(ports->Load(ReadWholeFile(BOARDSIM_BOARDS_DIR "/classic.lspci"), 0, error)) << error;
        ioLoaded = true;
        return ports.get();
    }
    void UnloadIo() override { ioLoaded = false; }
    std::optional<std::string> ReadFile(const std::string& path) override
    {
        const auto found = files.find(path);
        return found != files.end() ? std::optional(found->second) : std::nullopt;
    }
    void CreateFolder(const std::string& path) override { folders.push_back(path); }
    bool WriteFile(const std::string& path, const std::string& text) override
    {
        written[path] = text;
        return true;
    }
    bool RunHtmlEngine(int kind, const std::string& folder) override
    {
        if (htmlMissing)
            return false;
        EXPECT_TRUE(written.count(folder + "\\ZyPci.ini")) << "the pages are made from the finished file";
        htmlRuns.emplace_back(kind, folder);
        return true;
    }
    void ShowMessage(std::string_view text, std::string_view caption) override
    {
        messages.push_back(std::string(caption) + ": " + std::string(text));
    }
    void Report(std::string_view text) override { reports.emplace_back(text); }

    infoini::IniDocument Ini() const
    {
        const auto found = written.find(kOutput + "\\ZyPci.ini");
        return infoini::IniDocument::Parse(found != written.end() ? found->second : "");
    }
};

std::string Entry(const infoini::IniDocument& ini, const std::string& section, const std::string& key)
{
    const infoini::IniDocument::Section* values = ini.FindSection(section);
    if (values == nullptr)
        return "(no section)";
    for (const auto& [number, text] : values->entries) {
        const infoini::Entry entry = infoini::ParseEntry(text);
        if (entry.kind == infoini::Entry::Kind::Value && entry.first == key)
            return entry.second;
    }
    return "(no entry)";
}

TEST(PciGetAll, WritesOneSectionPerFunctionOfTheClassicBoard)
{
    FakeHost host;
    host.files[kProgram + "\\pci.ids"] = ReadWholeFile(VANTOR_PCI_IDS);
    ASSERT_TRUE(PciGetAll(host, kOutput));
    EXPECT_FALSE(host.ioLoaded) << "ZyIO.dll is let go before the files are written";
    EXPECT_EQ(host.folders, (std::vector<std::string>{"C:", "C:\\Vantor", "C:\\Vantor\\PCIInfo"}));
    EXPECT_EQ(host.htmlRuns, (std::vector<std::pair<int, std::string>>{{2, kOutput}}));
    EXPECT_TRUE(host.messages.empty());
    for (const auto& write : host.ports->Writes())
        ASSERT_EQ(write.port, kConfigAddressPort) << "configuration space is never written";

    const infoini::IniDocument ini = host.Ini();
    // Root lists the 22 functions of the 965/ICH8 chipset in bus order.
    ASSERT_NE(ini.Find("Root", "Count"), nullptr);
    EXPECT_EQ(*ini.Find("Root", "Count"), "22");
    EXPECT_EQ(*ini.Find("Root", "1"), "0|0-0-0");
    EXPECT_EQ(*ini.Find("Root", "15"), "0|0-31-2");
    EXPECT_EQ(*ini.Find("Root", "22"), "0|29-0-0");

    // Every value section: Count entries "1|key|value", its page's name and title.
    for (const auto& section : ini.Sections()) {
        if (section.name == "Root")
            continue;
        SCOPED_TRACE(section.name);
        const std::string* count = ini.Find(section.name, "Count");
        ASSERT_NE(count, nullptr);
        for (int k = 1; k <= std::stoi(*count); ++k) {
            const std::string* text = ini.Find(section.name, std::to_string(k));
            ASSERT_NE(text, nullptr) << k;
            EXPECT_EQ(text->rfind("1|", 0), 0u) << *text;
        }
        EXPECT_EQ(ini.Find(section.name, std::to_string(std::stoi(*count) + 1)), nullptr);
        EXPECT_EQ(*ini.Find(section.name, "FileName"), section.name);
    }

    struct Expected {
        const char* section;
        const char* key;
        const char* value;
    };
    const Expected expected[] = {
            {"0-31-2", "Location", "Bus 0, Device 31, Function 2"},
            {"0-31-2", "Vendor", "Intel Corporation [8086]"},
            {"0-31-2", "Device", "82801HM/HEM (ICH8M/ICH8M-E) SATA Controller [AHCI mode] [2829]"},
            {"0-31-2", "Subsystem Vendor", "Fujitsu Limited. [10cf]"},
            {"0-31-2", "Subsystem", "Device [1411]"},
            {"0-31-2", "Class", "Mass storage controller [01]"},
            {"0-31-2", "Subclass", "SATA controller [06]"},
            {"0-31-2", "Programming Interface", "AHCI 1.0 [01]"},
            {"0-31-2", "Revision", "03"},
            {"0-31-2", "Header Type", "00 (general device)"},
            {"0-31-2", "BAR 0", "I/O ports at 1818"},
            {"0-31-2", "BAR 5", "Memory at fc704000 (32-bit, non-prefetchable)"},
            {"0-31-2", "Interrupt Line", "11"},
            {"0-31-2", "Capability [80]", "MSI [05]"},
            {"0-31-2", "Capability [a8]", "SATA Data/Index Configuration [12]"},
            {"0-2-0", "Header Type", "00 (general device), multi-function"},
            {"0-2-0", "BAR 0", "Memory at fc000000 (64-bit, non-prefetchable)"},
            {"0-2-0", "BAR 2", "Memory at e0000000 (64-bit, prefetchable)"},
            {"0-28-4", "Header Type", "01 (PCI-to-PCI bridge), multi-function"},
            {"0-28-4", "Secondary Bus", "20"},
            {"0-28-4", "Subordinate Bus", "27"},
            {"0-28-4", "Subsystem", "Device [1416]"},
            {"0-28-4", "Capability [40]", "PCI Express [10]"},
            {"28-3-0", "Header Type", "02 (CardBus bridge), multi-function"},
            {"28-3-0", "Secondary Bus", "29"},
            {"0-30-0", "Interrupt Line", "255 (not connected)"},
            {"0-0-0", "Capabilities", "(no entry)"},
            {"0-0-0", "Capability [e0]", "Vendor Specific [09]"},
            {"0-26-0", "Capabilities", "none"},
    };
    for (const Expected& e : expected)
        EXPECT_EQ(Entry(ini, e.section, e.key), e.value) << e.section << " " << e.key;
    EXPECT_EQ(*ini.Find("0-31-2", "DisplayName"), "00:1f.2 SATA controller");
}

TEST(PciGetAll, GoesOnWithoutNamesOrPorts)
{
    FakeHost withoutNames;
    ASSERT_TRUE(PciGetAll(withoutNames, kOutput));
    const infoini::IniDocument ini = withoutNames.Ini();
    EXPECT_EQ(Entry(ini, "0-31-2", "Vendor"), "Vendor [8086]");
    EXPECT_EQ(Entry(ini, "0-31-2", "Class"), "Class [01]");
    EXPECT_EQ(*ini.Find("0-31-2", "DisplayName"), "00:1f.2 Class 0106");
    EXPECT_EQ(withoutNames.reports.size(), 1u) << "the missing pci.ids is reported for a developer";

    FakeHost withoutPorts;
    withoutPorts.ioMissing = true;
    ASSERT_TRUE(PciGetAll(withoutPorts, kOutput));
    EXPECT_EQ(*withoutPorts.Ini().Find("Root", "Count"), "0");
    EXPECT_EQ(withoutPorts.htmlRuns.size(), 1u) << "the pages say there is nothing";
}

TEST(PciGetAll, ReportsAMissingHtmlEngineAndPathsThatDoNotFit)
{
    FakeHost withoutEngine;
    withoutEngine.htmlMissing = true;
    EXPECT_FALSE(PciGetAll(withoutEngine, kOutput));
    EXPECT_EQ(withoutEngine.messages, std::vector<std::string>{"Message: Open ZyHtmlEngine.dll error !!"});
    EXPECT_EQ(*withoutEngine.Ini().Find("Root", "Count"), "22") << "the file is complete all the same";

    for (const std::string& folder : {std::string(), "C:\\" + std::string(250, 'x')}) {
        FakeHost host;
        EXPECT_FALSE(PciGetAll(host, folder)) << folder.size();
        EXPECT_FALSE(host.ports) << "nothing is loaded";
        EXPECT_TRUE(host.written.empty());
        EXPECT_TRUE(host.htmlRuns.empty());
    }
}

}  // namespace
}  // namespace vantor::pci::testing
