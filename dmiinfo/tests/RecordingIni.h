// An IniWriter that keeps what the decoders wrote: the calls in order, as
// text, and the resulting sections the way the INI file would hold them
// (value entries "1|key|value", child and Root entries "0|section").
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/IniWriter.h"

namespace vantor::dmi::test {

struct RecordedSection {
    int count = -1;  // -1: no Count written
    std::map<int, std::string> entries;
    std::string filename;
    std::string displayname;
};

class RecordingIni final : public IniWriter {
public:
    void FileInitial(std::string_view path) override { Log("FileInitial(" + std::string(path) + ")"); }
    void RootSection(int number, std::string_view section) override
    {
        Log("RootSection(" + std::to_string(number) + "," + std::string(section) + ")");
        sections["Root"].entries[number] = "0|" + std::string(section);
    }
    void Count(std::string_view section, int count) override
    {
        Log("Count(" + std::string(section) + "," + std::to_string(count) + ")");
        sections[std::string(section)].count = count;
    }
    void Item(std::string_view section, int number, std::string_view child) override
    {
        Log("Item(" + std::string(section) + "," + std::to_string(number) + "," + std::string(child) + ")");
        sections[std::string(section)].entries[number] = "0|" + std::string(child);
    }
    void Value(std::string_view section, int number, std::string_view key, std::string_view value) override
    {
        Log("Value(" + std::string(section) + "," + std::to_string(number) + "," + std::string(key) + "," +
            std::string(value) + ")");
        sections[std::string(section)].entries[number] = "1|" + std::string(key) + "|" + std::string(value);
    }
    void Filename(std::string_view section, std::string_view name) override
    {
        Log("Filename(" + std::string(section) + "," + std::string(name) + ")");
        sections[std::string(section)].filename = name;
    }
    void Displayname(std::string_view section, std::string_view name) override
    {
        Log("Displayname(" + std::string(section) + "," + std::string(name) + ")");
        sections[std::string(section)].displayname = name;
    }

    bool Has(const std::string& section) const { return sections.count(section) != 0; }
    const RecordedSection& At(const std::string& section) const { return sections.at(section); }

    // The section's key/value entries 1 to Count, in order.
    std::vector<std::pair<std::string, std::string>> Values(const std::string& section) const
    {
        std::vector<std::pair<std::string, std::string>> values;
        const RecordedSection& s = At(section);
        for (int k = 1; k <= s.count; ++k) {
            const std::string& entry = s.entries.at(k);
            const auto bar = entry.find('|', 2);
            values.emplace_back(entry.substr(2, bar - 2), entry.substr(bar + 1));
        }
        return values;
    }

    // The value of `key` in the section, or "<missing>".
    std::string ValueOf(const std::string& section, const std::string& key) const
    {
        for (const auto& [k, v] : Values(section)) {
            if (k == key) {
                return v;
            }
        }
        return "<missing>";
    }

    std::vector<std::string> calls;
    std::map<std::string, RecordedSection> sections;

private:
    void Log(std::string call) { calls.push_back(std::move(call)); }
};

}  // namespace vantor::dmi::test
