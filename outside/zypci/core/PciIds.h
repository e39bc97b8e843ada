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

namespace vantor::pci {

inline constexpr std::size_t kMaxNameLength = 200;

class PciIds {
public:
    // No names at all: every lookup misses.
    PciIds() = default;
    static PciIds Parse(std::string_view text);

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

    std::unordered_map<std::uint16_t, VendorEntry> m_vendors;
    std::unordered_map<std::uint8_t, ClassEntry> m_classes;
    std::size_t m_skipped = 0;

    friend class PciIdsParser;
};

// UTF-8 text in Windows-1252; what the code page lacks, and bytes that are
// no UTF-8, become "?"; control characters become blanks.
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace vantor::pci
