// lspci's own reading of a snapshot, as the test data keeps it beside each
// dump: NAME.lspci-mm.txt (lspci -mm -nn, one line per function) and
// NAME.lspci-vnn.txt (lspci -vnn, a block per function). The oracle the
// walk and the decoder are checked against.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vantor::pci::testing {

struct LspciSlot {
    std::uint32_t domain = 0;
    unsigned bus = 0;
    unsigned device = 0;
    unsigned function = 0;

    friend auto operator<=>(const LspciSlot&, const LspciSlot&) = default;
};

struct LspciFunction {
    LspciSlot slot;
    // -mm -nn: texts as printed, "Intel Corporation [8086]".
    std::string classText;
    std::string vendor;
    std::string device;
    unsigned revision = 0;  // -r, absent for 0
    unsigned programmingInterface = 0;
    std::string subsystemVendor;  // empty when lspci shows none
    std::string subsystem;
    // -vnn.
    std::optional<unsigned> irq;
    std::vector<std::string> regions;         // "Memory at ... (...)", "I/O ports at ...", suffixes in [] dropped
    std::optional<std::string> expansionRom;  // the address
    std::optional<std::string> busLine;       // "primary=00, secondary=04, subordinate=07"
    std::vector<std::pair<unsigned, std::string>> capabilities;  // offset, text
    bool capabilitiesDenied = false;
};

// Both files of a snapshot merged by slot; empty when they cannot be read.
std::map<LspciSlot, LspciFunction> ReadLspciReading(const std::string& mmPath, const std::string& vnnPath);

std::string SlotText(const LspciSlot& slot);

}  // namespace vantor::pci::testing
