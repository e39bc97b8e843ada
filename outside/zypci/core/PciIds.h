// The names of PCI vendors, devices, subsystems and classes from the
// pci.ids database (the text file the PCI ID Repository publishes and
// distributions ship). The file comes from outside and is never trusted: a
// line that is not one of the forms below is skipped and counted, and so is
// everything indented under it; names are cut at kMaxNameLength.
//
//   vvvv  vendor                    C cc  class
//   <tab>dddd  device               <tab>ss  subclass
//   <tab><tab>ssss dddd  subsystem  <tab><tab>pp  programming interface
//
// Names are kept in Windows-1252, the code page of the pages and the report
// they go into: UTF-8 characters outside it become "?".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vantor::pci {

inline constexpr std::size_t kMaxNameLength = 200;

// The entries a caller will look up: the vendors (of functions and of
// subsystems) and the vendor-device pairs found on the buses. Classes are
// few and always kept.
struct PciIdsWanted {
    std::unordered_set<std::uint16_t> vendors;
    std::unordered_set<std::uint32_t> devices;  // vendor << 16 | device

    void AddDevice(std::uint16_t vendor, std::uint16_t device)
    {
        vendors.insert(vendor);
        devices.insert(static_cast<std::uint32_t>(vendor) << 16 | device);
    }
};

class PciIds {
public:
    // No names at all: every lookup misses.
    PciIds() = default;
    static PciIds Parse(std::string_view text);
    // Only the wanted vendors and devices (with their subsystems) are kept:
    // the whole database would hold megabytes for the few dozen names a
    // machine needs. Lines of entries left out are not counted as skipped.
    static PciIds Parse(std::string_view text, const PciIdsWanted& wanted);

    // Null when the database has no such entry.
    const std::string* Vendor(std::uint16_t vendor) const;
    const std::string* Device(std::uint16_t vendor, std::uint16_t device) const;
    // The subsystem's entry under its device.
    const std::string* Subsystem(std::uint16_t vendor, std::uint16_t device, std::uint16_t subVendor,
                                 std::uint16_t subDevice) const;
    const std::string* Class(std::uint8_t classCode) const;
    const std::string* Subclass(std::uint8_t classCode, std::uint8_t subclass) const;
    const std::string* ProgrammingInterface(std::uint8_t classCode, std::uint8_t subclass,
                                            std::uint8_t interface) const;

    std::size_t VendorCount() const { return m_vendors.size(); }
    std::size_t SkippedLines() const { return m_skipped; }

private:
    struct DeviceEntry {
        std::string name;
        std::unordered_map<std::uint32_t, std::string> subsystems;
    };
    struct VendorEntry {
        std::string name;
        std::unordered_map<std::uint16_t, DeviceEntry> devices;
    };
    struct SubclassEntry {
        std::string name;
        std::unordered_map<std::uint8_t, std::string> interfaces;
    };
    struct ClassEntry {
        std::string name;
        std::unordered_map<std::uint8_t, SubclassEntry> subclasses;
    };

    static PciIds ParseLines(std::string_view text, const PciIdsWanted* wanted);

    std::unordered_map<std::uint16_t, VendorEntry> m_vendors;
    std::unordered_map<std::uint8_t, ClassEntry> m_classes;
    std::size_t m_skipped = 0;

    friend class PciIdsParser;
};

// UTF-8 text in Windows-1252; what the code page lacks, and bytes that are
// no UTF-8, become "?"; control characters become blanks.
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace vantor::pci
