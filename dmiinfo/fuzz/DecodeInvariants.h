// What must hold for any bytes given to the decoder as a table window, shared
// by the fuzz target and the native test that replays its findings: the
// decode stays inside the window (the sanitizers watch that) and writes a
// well-formed INI file: Root entries 1..n without gaps, a final Root count of
// n, every value section's Count equal to its values, NUL-free texts. A
// broken invariant is answered by name, so the fuzzer can stop on it and a
// replay can say which input broke which rule.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <string_view>

#include "core/DmiTable.h"
#include "core/IniWriter.h"
#include "core/SmbiosNames.h"

namespace vantor::dmi::fuzz {

class CheckingIni final : public IniWriter {
public:
    void FileInitial(std::string_view) override {}
    void RootSection(int number, std::string_view section) override
    {
        Require(number == ++m_rootEntries, "Root entries are numbered 1..n without gaps");
        Text(section);
    }
    void Count(std::string_view section, int count) override
    {
        Text(section);
        if (section == "Root") {
            Require(count >= 0 && count <= m_rootEntries, "the Root count is within the Root entries");
            m_rootCount = count;
            return;
        }
        Require(count >= 0, "a section's Count is not negative");
        m_counts[std::string(section)] = count;
    }
    void Item(std::string_view section, int number, std::string_view child) override
    {
        Require(number >= 1 && number <= m_counts[std::string(section)], "a child entry is within its section's Count");
        Text(section);
        Text(child);
    }
    void Value(std::string_view section, int number, std::string_view key, std::string_view value) override
    {
        int& values = m_values[std::string(section)];
        Require(number == ++values, "values are numbered 1..n without gaps");
        Text(section);
        Text(key);
        Text(value);
    }
    void Filename(std::string_view section, std::string_view name) override
    {
        Require(section == name, "a value section is named after its file");
        m_values[std::string(section)] = 0;
    }
    void Displayname(std::string_view section, std::string_view name) override
    {
        Text(section);
        Text(name);
    }

    // After the decode: the Root count names every Root entry, and every
    // value section's Count matches the values written to it.
    // The first broken invariant, empty when all held.
    std::string Finish(int returned)
    {
        Require(m_rootCount == m_rootEntries && returned == m_rootEntries,
                "the Root count and the answer name every Root entry");
        for (const auto& [section, values] : m_values) {
            const auto count = m_counts.find(section);
            Require(count != m_counts.end() && count->second == values, "a value section's Count matches its values");
        }
        return m_broken;
    }

private:
    void Require(bool condition, const char* invariant)
    {
        if (!condition && m_broken.empty()) {
            m_broken = invariant;
        }
    }
    void Text(std::string_view text) { Require(text.find('\0') == std::string_view::npos, "texts hold no NUL"); }

    std::string m_broken;

    int m_rootEntries = 0;
    int m_rootCount = -1;
    std::map<std::string, int> m_counts;
    std::map<std::string, int> m_values;
};

// The input's first two bytes are the table length, the rest the window; the
// window is also decoded with its own size as the table length, and searched
// for an entry point. Answers the first broken invariant, empty when none.
inline std::string CheckDecode(std::span<const std::uint8_t> input, const SmbiosNames& names)
{
    FindDmiEntryPoint(input);
    if (input.size() < 2) {
        return {};
    }
    const std::size_t tableLength = input[0] | input[1] << 8;
    const auto window = input.subspan(2);
    for (const std::size_t length : {tableLength, window.size()}) {
        CheckingIni ini;
        std::string broken = ini.Finish(DecodeSmbiosTable(window, length, ini, names));
        if (!broken.empty()) {
            return broken + " (table length " + std::to_string(length) + ")";
        }
    }
    return {};
}

}  // namespace vantor::dmi::fuzz
