#include "PciReport.h"

#include <cstdio>

#include "InfoIniWriter.h"

namespace vantor::pci {
namespace {

std::string Hex(std::uint64_t value, int digits)
{
    char text[20];
    std::snprintf(text, sizeof text, "%0*llx", digits, static_cast<unsigned long long>(value));
    return text;
}

// "Intel Corporation [8086]", or "Vendor [8086]" when pci.ids has no name,
// as lspci -nn writes them.
std::string Named(const std::string* name, std::string_view unknown, std::uint32_t id, int digits)
{
    return (name != nullptr ? *name : std::string(unknown)) + " [" + Hex(id, digits) + "]";
}

std::string HeaderTypeText(const PciFunctionInfo& info)
{
    static const char* const kLayouts[] = {"general device", "PCI-to-PCI bridge", "CardBus bridge"};
    const unsigned type = info.headerType & 0x7Fu;
    std::string text = Hex(type, 2) + " (" + (type <= 2 ? kLayouts[type] : "unknown layout") + ")";
    if (info.headerType & 0x80)
        text += ", multi-function";
    return text;
}

std::string BaseAddressText(const BaseAddress& bar)
{
    if (bar.space == BaseAddress::Space::Io)
        return "I/O ports at " + (bar.address != 0 ? Hex(bar.address, 4) : std::string("<unassigned>"));
    static const char* const kTypes[] = {"", "32-bit", "low-1M", "64-bit", "type 3"};
    std::string text = "Memory at " + (bar.address != 0 ? Hex(bar.address, 8) : std::string("<unassigned>"));
    text += " (";
    text += kTypes[static_cast<int>(bar.space)];
    text += bar.prefetchable ? ", prefetchable)" : ", non-prefetchable)";
    return text;
}

std::string InterruptLineText(std::uint8_t line)
{
    // 255 is what firmware leaves in a line it did not route.
    return line == 0xFF ? "255 (not connected)" : std::to_string(line);
}

std::string InterruptPinText(std::uint8_t pin)
{
    if (pin == 0)
        return "none";
    if (pin <= 4)
        return std::string("INT") + static_cast<char>('A' + pin - 1) + "#";
    return "invalid (" + std::to_string(pin) + ")";
}

std::string Slot(FunctionAddress at)
{
    return Hex(at.bus, 2) + ":" + Hex(at.device, 2) + "." + std::to_string(at.function);
}

}  // namespace

std::string SectionName(FunctionAddress at)
{
    return std::to_string(at.bus) + "-" + std::to_string(at.device) + "-" + std::to_string(at.function);
}

const char* CapabilityName(std::uint8_t id)
{
    static const char* const kNames[] = {
            "Null",                                 // 00
            "Power Management",                     // 01
            "AGP",                                  // 02
            "Vital Product Data",                   // 03
            "Slot Identification",                  // 04
            "MSI",                                  // 05
            "CompactPCI Hot Swap",                  // 06
            "PCI-X",                                // 07
            "HyperTransport",                       // 08
            "Vendor Specific",                      // 09
            "Debug Port",                           // 0A
            "CompactPCI Central Resource Control",  // 0B
            "PCI Hot-Plug",                         // 0C
            "Bridge Subsystem Vendor ID",           // 0D
            "AGP 8x",                               // 0E
            "Secure Device",                        // 0F
            "PCI Express",                          // 10
            "MSI-X",                                // 11
            "SATA Data/Index Configuration",        // 12
            "Advanced Features",                    // 13
            "Enhanced Allocation",                  // 14
            "Flattening Portal Bridge",             // 15
    };
    return id < sizeof kNames / sizeof kNames[0] ? kNames[id] : nullptr;
}

const std::string* SubsystemName(const PciIds& ids, const PciFunctionInfo& info)
{
    if (!info.subsystem)
        return nullptr;
    const SubsystemId sub = *info.subsystem;
    if (const std::string* name = ids.Subsystem(info.vendorId, info.deviceId, sub.vendor, sub.device))
        return name;
    if (sub.vendor == info.vendorId && sub.device == info.deviceId)
        return ids.Device(info.vendorId, info.deviceId);
    return nullptr;
}

FunctionReport DescribeFunction(const PciFunctionInfo& info, const PciIds& ids)
{
    FunctionReport report;
    report.section = SectionName(info.at);
    auto add = [&report](std::string key, std::string value) {
        report.entries.push_back({std::move(key), std::move(value)});
    };

    const std::string* className = ids.Class(info.classCode);
    const std::string* subclassName = ids.Subclass(info.classCode, info.subclass);
    report.title = Slot(info.at) + " " +
                   (subclassName != nullptr ? *subclassName
                    : className != nullptr  ? *className
                                            : "Class " + Hex(info.classCode, 2) + Hex(info.subclass, 2));

    add("Location", "Bus " + std::to_string(info.at.bus) + ", Device " + std::to_string(info.at.device) +
                            ", Function " + std::to_string(info.at.function));
    add("Vendor", Named(ids.Vendor(info.vendorId), "Vendor", info.vendorId, 4));
    add("Device", Named(ids.Device(info.vendorId, info.deviceId), "Device", info.deviceId, 4));
    if (info.subsystem) {
        add("Subsystem Vendor", Named(ids.Vendor(info.subsystem->vendor), "Vendor", info.subsystem->vendor, 4));
        add("Subsystem", Named(SubsystemName(ids, info), "Device", info.subsystem->device, 4));
    }
    add("Class", Named(className, "Class", info.classCode, 2));
    add("Subclass", Named(subclassName, "Subclass", info.subclass, 2));
    add("Programming Interface",
        Named(ids.ProgrammingInterface(info.classCode, info.subclass, info.programmingInterface), "Interface",
              info.programmingInterface, 2));
    add("Revision", Hex(info.revision, 2));
    add("Header Type", HeaderTypeText(info));
    if (info.layout == HeaderLayout::Unknown)
        return report;

    for (const BaseAddress& bar : info.baseAddresses)
        add("BAR " + std::to_string(bar.index), BaseAddressText(bar));
    if (info.expansionRom)
        add("Expansion ROM", Hex(info.expansionRom->address, 8) + (info.expansionRom->enabled ? "" : " (disabled)"));
    add("Interrupt Line", InterruptLineText(info.interruptLine));
    add("Interrupt Pin", InterruptPinText(info.interruptPin));
    if (info.buses) {
        add("Primary Bus", std::to_string(info.buses->primary));
        add("Secondary Bus", std::to_string(info.buses->secondary));
        add("Subordinate Bus", std::to_string(info.buses->subordinate));
    }
    for (const Capability& capability : info.capabilities) {
        const char* name = CapabilityName(capability.id);
        add("Capability [" + Hex(capability.offset, 2) + "]",
            std::string(name != nullptr ? name : "Unknown") + " [" + Hex(capability.id, 2) + "]");
    }
    if (info.capabilities.empty() && !info.capabilityListBroken)
        add("Capabilities", "none");
    if (info.capabilityListBroken)
        add("Capabilities", info.capabilities.empty() ? "list unreadable" : "list broken after the entries above");
    return report;
}

std::string PciIniText(const std::vector<FunctionReport>& functions)
{
    infoini::InfoIniWriter writer;
    writer.WriteCount("Root", static_cast<std::int32_t>(functions.size()));
    std::int32_t number = 1;
    for (const FunctionReport& function : functions)
        writer.WriteRootSection(number++, function.section);
    for (const FunctionReport& function : functions) {
        writer.WriteCount(function.section, static_cast<std::int32_t>(function.entries.size()));
        std::int32_t entry = 1;
        for (const ReportEntry& value : function.entries)
            writer.WriteValue(function.section, entry++, value.key, value.value);
        writer.WriteFilename(function.section, function.section);
        writer.WriteDisplayname(function.section, function.title);
    }
    return writer.Document().Serialize();
}

}  // namespace vantor::pci
