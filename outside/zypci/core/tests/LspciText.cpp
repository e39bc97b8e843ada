#include "LspciText.h"

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace vantor::pci::testing {
namespace {

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line);
    return lines;
}

// "0002:01:00.0" or "00:1f.2" at the start of a line.
std::optional<LspciSlot> ParseSlot(const std::string& text)
{
    static const std::regex pattern(R"(^(?:([0-9a-f]{4,8}):)?([0-9a-f]{2}):([0-9a-f]{2})\.([0-7]))");
    std::smatch match;
    if (!std::regex_search(text, match, pattern))
        return std::nullopt;
    LspciSlot slot;
    slot.domain = match[1].matched ? static_cast<std::uint32_t>(std::stoul(match[1], nullptr, 16)) : 0;
    slot.bus = static_cast<unsigned>(std::stoul(match[2], nullptr, 16));
    slot.device = static_cast<unsigned>(std::stoul(match[3], nullptr, 16));
    slot.function = static_cast<unsigned>(std::stoul(match[4], nullptr, 16));
    return slot;
}

void ReadMm(const std::string& path, std::map<LspciSlot, LspciFunction>& functions)
{
    static const std::regex token(R"re("([^"]*)"|(-[rp])([0-9a-f]+)|(\S+))re");
    for (const std::string& line : Lines(path)) {
        const auto slot = ParseSlot(line);
        if (!slot)
            continue;
        LspciFunction& function = functions[*slot];
        function.slot = *slot;
        std::vector<std::string> quoted;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), token); it != std::sregex_iterator(); ++it) {
            const std::smatch& m = *it;
            if (m[1].matched)
                quoted.push_back(m[1]);
            else if (m[2] == "-r")
                function.revision = static_cast<unsigned>(std::stoul(m[3], nullptr, 16));
            else if (m[2] == "-p")
                function.programmingInterface = static_cast<unsigned>(std::stoul(m[3], nullptr, 16));
        }
        quoted.resize(5);
        function.classText = quoted[0];
        function.vendor = quoted[1];
        function.device = quoted[2];
        function.subsystemVendor = quoted[3];
        function.subsystem = quoted[4];
    }
}

// A region or ROM line without lspci's bracketed notes ([disabled],
// [size=4K], [virtual]).
std::string WithoutNotes(std::string text)
{
    static const std::regex notes(R"( \[(disabled|size=[^\]]*|virtual|enhanced)\])");
    return std::regex_replace(text, notes, "");
}

void ReadVnn(const std::string& path, std::map<LspciSlot, LspciFunction>& functions)
{
    LspciFunction* current = nullptr;
    static const std::regex irq(R"(IRQ (\d+))");
    static const std::regex capability(R"(^\tCapabilities: \[([0-9a-f]+)\] (.*)$)");
    static const std::regex rom(R"(^\tExpansion ROM at ([0-9a-f]+))");
    static const std::regex bus(R"(^\tBus: (primary=[0-9a-f]+, secondary=[0-9a-f]+, subordinate=[0-9a-f]+))");
    for (const std::string& line : Lines(path)) {
        if (line.empty())
            continue;
        if (line[0] != '\t') {
            const auto slot = ParseSlot(line);
            current = slot ? &functions[*slot] : nullptr;
            if (current)
                current->slot = *slot;
            continue;
        }
        if (current == nullptr)
            continue;
        std::smatch match;
        if (line.rfind("\tFlags:", 0) == 0) {
            if (std::regex_search(line, match, irq))
                current->irq = static_cast<unsigned>(std::stoul(match[1]));
        } else if (line.rfind("\tMemory at ", 0) == 0 || line.rfind("\tI/O ports at ", 0) == 0) {
            current->regions.push_back(WithoutNotes(line.substr(1)));
        } else if (std::regex_search(line, match, rom)) {
            current->expansionRom = match[1];
        } else if (std::regex_search(line, match, bus)) {
            current->busLine = match[1];
        } else if (line == "\tCapabilities: <access denied>") {
            current->capabilitiesDenied = true;
        } else if (std::regex_search(line, match, capability)) {
            current->capabilities.emplace_back(static_cast<unsigned>(std::stoul(match[1], nullptr, 16)), match[2]);
        }
    }
}

}  // namespace

std::map<LspciSlot, LspciFunction> ReadLspciReading(const std::string& mmPath, const std::string& vnnPath)
{
    std::map<LspciSlot, LspciFunction> functions;
    ReadMm(mmPath, functions);
    ReadVnn(vnnPath, functions);
    return functions;
}

std::string SlotText(const LspciSlot& slot)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04x:%02x:%02x.%u", slot.domain, slot.bus, slot.device, slot.function);
    return text;
}

}  // namespace vantor::pci::testing
