// The walk and the decoder over configuration space served by the simulated
// board: the rules of the walk on small snapshots, then every real snapshot
// of the test data against lspci's own reading of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "BusWalk.h"
#include "FunctionConfig.h"
#include "LspciText.h"
#include "PciFunction.h"
#include "PciReport.h"
#include "SimulatedPorts.h"

namespace vantor::pci::testing {
namespace {

// One function in lspci -x form: its slot line, then 64 bytes with the
// given values poked in.
struct FakeFunction {
    unsigned bus, device, function;
    std::uint8_t headerType = 0x00;
    std::vector<std::pair<unsigned, std::uint8_t>> bytes = {};
};

std::string SnapshotText(const std::vector<FakeFunction>& functions)
{
    std::string text;
    for (const FakeFunction& f : functions) {
        std::uint8_t config[64] = {0x86, 0x80, static_cast<std::uint8_t>(f.device), static_cast<std::uint8_t>(f.bus)};
        config[0x0E] = f.headerType;
        for (const auto& [offset, value] : f.bytes)
            config[offset] = value;
        char line[80];
        std::snprintf(line, sizeof line, "%02x:%02x.%u Device\n", f.bus, f.device, f.function);
        text += line;
        for (unsigned row = 0; row < 64; row += 16) {
            std::snprintf(line, sizeof line, "%02x:", row);
            text += line;
            for (unsigned i = 0; i < 16; ++i) {
                std::snprintf(line, sizeof line, " %02x", config[row + i]);
                text += line;
            }
            text += "\n";
        }
        text += "\n";
    }
    return text;
}

// A PCI-to-PCI bridge's header: layout 1, primary, secondary, subordinate.
FakeFunction Bridge(unsigned bus, unsigned device, unsigned secondary, unsigned subordinate)
{
    return {bus,
            device,
            0,
            0x01,
            {{0x18, static_cast<std::uint8_t>(bus)},
             {0x19, static_cast<std::uint8_t>(secondary)},
             {0x1A, static_cast<std::uint8_t>(subordinate)}}};
}

std::vector<std::string> Found(const std::vector<FunctionAddress>& addresses)
{
    std::vector<std::string> slots;
    for (const FunctionAddress& at : addresses)
        slots.push_back(SlotText({0, at.bus, at.device, at.function}).substr(5));
    return slots;
}

TEST(BusWalk, FollowsTheRulesFirmwareWalksBy)
{
    struct Case {
        const char* what;
        std::vector<FakeFunction> functions;
        std::vector<std::string> found;
    };
    const Case cases[] = {
            {"functions 1-7 only behind a multi-function header",
             {{0, 2, 0, 0x00}, {0, 2, 1, 0x00}, {0, 3, 0, 0x80}, {0, 3, 5, 0x00}},
             {"00:02.0", "00:03.0", "00:03.5"}},
            {"no function 0: the device is not there", {{0, 4, 1, 0x00}, {0, 5, 0, 0x00}}, {"00:05.0"}},
            {"behind a bridge and a bridge behind it",
             {Bridge(0, 0x1c, 2, 5), Bridge(2, 0, 3, 3), {3, 0, 0, 0x00}, {5, 7, 0, 0x00}},
             {"00:1c.0", "02:00.0", "03:00.0"}},
            {"a CardBus bridge's bus",
             {{0, 0x1e, 0, 0x02, {{0x18, 0}, {0x19, 0x1d}, {0x1A, 0x20}}}, {0x1d, 0, 0, 0x00}},
             {"00:1e.0", "1d:00.0"}},
            {"peer root buses at device 0; one without device 0 stays unknown",
             {{0, 0, 0, 0x00}, {0x40, 0, 0, 0x00}, Bridge(0x80, 0, 0x81, 0x81), {0x81, 0, 0, 0x00}, {0xfe, 8, 0, 0x00}},
             {"00:00.0", "40:00.0", "80:00.0", "81:00.0"}},
            {"an unconfigured bridge and bridges naming walked buses",
             {Bridge(0, 1, 0, 0), Bridge(0, 2, 0, 0x10), Bridge(0, 3, 4, 4), Bridge(4, 0, 4, 4), Bridge(4, 1, 0, 0)},
             {"00:01.0", "00:02.0", "00:03.0", "04:00.0", "04:01.0"}},
            {"nothing at all", {}, {}},
    };
    for (const Case& c : cases) {
        SimulatedPorts ports;
        std::string error;
        ASSERT_TRUE(ports.Load(SnapshotText(c.functions), 0, error)) << c.what << ": " << error;
        Mechanism1 space(ports);
        EXPECT_EQ(Found(WalkBuses(space)), c.found) << c.what;
        // Bus 0's devices and each other bus once at device 0, not 65,536
        // addresses; and only the address register is ever written.
        EXPECT_LT(ports.Reads(), 1000u) << c.what;
        for (const auto& write : ports.Writes())
            ASSERT_EQ(write.port, kConfigAddressPort) << c.what;
    }
}

// lspci's capability texts by the ID each stands for.
int CapabilityIdOf(const std::string& text)
{
    static const std::pair<const char*, int> kPrefixes[] = {
            {"Power Management", 0x01},
            {"AGP3", 0x0E},
            {"AGP", 0x02},
            {"Vital Product Data", 0x03},
            {"Slot ID", 0x04},
            {"MSI-X", 0x11},
            {"MSI:", 0x05},
            {"CompactPCI hot-swap", 0x06},
            {"PCI-X", 0x07},
            {"HyperTransport", 0x08},
            {"Vendor Specific", 0x09},
            {"Debug port", 0x0A},
            {"Subsystem", 0x0D},
            {"Express", 0x10},
            {"SATA HBA", 0x12},
            {"PCI Advanced Features", 0x13},
            {"Enhanced Allocation", 0x14},
            {"Null", 0x00},
    };
    for (const auto& [prefix, id] : kPrefixes)
        if (text.rfind(prefix, 0) == 0)
            return id;
    return -1;
}

std::vector<std::string> ValuesOf(const FunctionReport& report, const std::string& keyPrefix)
{
    std::vector<std::string> values;
    for (const ReportEntry& entry : report.entries)
        if (entry.key.rfind(keyPrefix, 0) == 0)
            values.push_back(entry.value);
    return values;
}

std::string ValueOf(const FunctionReport& report, const std::string& key)
{
    for (const ReportEntry& entry : report.entries)
        if (entry.key == key)
            return entry.value;
    return "(none)";
}

std::string Hex(unsigned value, int digits)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*x", digits, value);
    return text;
}

// lspci 3.9 reading a dump shows the upper half of a 64-bit memory register
// that holds an address above 4 GiB once more, as an unassigned region of
// its own right after it. The upper half is part of the address, no region.
std::vector<std::string> WithoutUpperHalves(const std::vector<std::string>& regions)
{
    std::vector<std::string> kept;
    for (const std::string& region : regions) {
        const bool previousAbove4G = !kept.empty() && kept.back().find("(64-bit") != std::string::npos &&
                                     kept.back().find(' ', 10) > 18;  // "Memory at " + more than 8 digits
        if (previousAbove4G && region.find("<unassigned>") != std::string::npos)
            continue;
        kept.push_back(region);
    }
    return kept;
}

void ExpectSameAsLspci(const PciFunctionInfo& info, const LspciFunction& lspci, const PciIds& ids)
{
    const FunctionReport report = DescribeFunction(info, ids);
    EXPECT_EQ(ValueOf(report, "Vendor"), lspci.vendor);
    EXPECT_EQ(ValueOf(report, "Device"), lspci.device);
    const std::string* subclass = ids.Subclass(info.classCode, info.subclass);
    const std::string* className = ids.Class(info.classCode);
    EXPECT_EQ((subclass    ? *subclass
               : className ? *className
                           : "Class") +
                      " [" + Hex(info.classCode, 2) + Hex(info.subclass, 2) + "]",
              lspci.classText);
    EXPECT_EQ(info.programmingInterface, lspci.programmingInterface);
    EXPECT_EQ(info.revision, lspci.revision);
    if (lspci.subsystemVendor.empty()) {
        EXPECT_FALSE(info.subsystem.has_value());
    } else {
        EXPECT_EQ(ValueOf(report, "Subsystem Vendor"), lspci.subsystemVendor);
        EXPECT_EQ(ValueOf(report, "Subsystem"), lspci.subsystem);
    }
    EXPECT_EQ(info.interruptLine, lspci.irq.value_or(0));

    EXPECT_EQ(ValuesOf(report, "BAR "), WithoutUpperHalves(lspci.regions));
    if (lspci.expansionRom) {
        ASSERT_TRUE(info.expansionRom.has_value());
        EXPECT_EQ(Hex(info.expansionRom->address, 8), *lspci.expansionRom);
    }
    if (lspci.busLine) {
        ASSERT_TRUE(info.buses.has_value());
        EXPECT_EQ("primary=" + Hex(info.buses->primary, 2) + ", secondary=" + Hex(info.buses->secondary, 2) +
                          ", subordinate=" + Hex(info.buses->subordinate, 2),
                  *lspci.busLine);
    } else {
        EXPECT_FALSE(info.buses.has_value());
    }

    // Mechanism 1 reaches the first 256 bytes: the extended capabilities
    // lspci lists past them are out of its reach.
    std::vector<std::pair<unsigned, int>> expected;
    for (const auto& [offset, text] : lspci.capabilities)
        if (offset < 0x100)
            expected.emplace_back(offset, CapabilityIdOf(text));
    std::vector<std::pair<unsigned, int>> decoded;
    for (const Capability& capability : info.capabilities)
        decoded.emplace_back(capability.offset, capability.id);
    EXPECT_EQ(decoded, expected);
    if (lspci.capabilitiesDenied) {
        EXPECT_TRUE(info.capabilityListBroken) << "the snapshot ends before the list";
    }
    for (const Capability& capability : info.capabilities)
        EXPECT_NE(CapabilityName(capability.id), nullptr) << Hex(capability.id, 2);
}

std::vector<std::string> Snapshots()
{
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(VANTOR_PCI_TESTDATA, error))
        if (entry.path().extension() == ".lspci")
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

const PciIds& Names()
{
    static const PciIds ids = PciIds::Parse(ReadWholeFile(VANTOR_PCI_IDS));
    return ids;
}

TEST(RealSnapshots, TestDataAndNamesAreThere)
{
    EXPECT_FALSE(Snapshots().empty()) << "no *.lspci in " VANTOR_PCI_TESTDATA " (VANTOR_PCI_TESTDATA)";
    EXPECT_NE(Names().Vendor(0x8086), nullptr) << "no pci.ids at " VANTOR_PCI_IDS " (VANTOR_PCI_IDS)";
}

class RealSnapshot : public ::testing::TestWithParam<std::string> {};

TEST_P(RealSnapshot, WalkFindsAndDecodesWhatLspciReads)
{
    const std::string base = std::string(VANTOR_PCI_TESTDATA) + "/" + GetParam();
    const auto lspci = ReadLspciReading(base + ".lspci-mm.txt", base + ".lspci-vnn.txt");
    ASSERT_FALSE(lspci.empty()) << "no lspci reading beside " << base;
    const std::string snapshot = ReadWholeFile(base + ".lspci");

    std::set<std::uint32_t> domains;
    for (const auto& [slot, function] : lspci)
        domains.insert(slot.domain);
    for (const std::uint32_t domain : domains) {
        SCOPED_TRACE("domain " + Hex(domain, 4));
        SimulatedPorts ports;
        std::string error;
        ASSERT_TRUE(ports.Load(snapshot, domain, error)) << error;
        Mechanism1 mechanism(ports);
        RegisterCache space(mechanism);

        std::vector<std::string> expected;
        for (const auto& [slot, function] : lspci)
            if (slot.domain == domain)
                expected.push_back(SlotText(slot));
        std::vector<std::string> found;
        for (const FunctionAddress& at : WalkBuses(space)) {
            const LspciSlot slot{domain, at.bus, at.device, at.function};
            found.push_back(SlotText(slot));
            SCOPED_TRACE(SlotText(slot));
            const auto reading = lspci.find(slot);
            if (reading == lspci.end())
                continue;  // the set comparison below reports it
            FunctionConfig config(space, at);
            ExpectSameAsLspci(DecodeFunction(config), reading->second, Names());
        }
        EXPECT_EQ(found, expected);
        for (const auto& write : ports.Writes())
            ASSERT_EQ(write.port, kConfigAddressPort) << "configuration space is never written";
    }
}

INSTANTIATE_TEST_SUITE_P(TestData, RealSnapshot, ::testing::ValuesIn(Snapshots()), [](const auto& parameter) {
    std::string name = parameter.param;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
});

}  // namespace
}  // namespace vantor::pci::testing
