// INI files held in memory for the report tests: sections in file order,
// names matched without regard to case as the profile functions match them.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "info/InfoIniFiles.h"

namespace vantor::views::testing {

class MemoryInfoIni final : public InfoIniFiles {
public:
    using Section = std::pair<std::string, std::vector<std::pair<std::string, std::string>>>;

    void Add(const std::string& path, std::vector<Section> sections) { m_files[Lower(path)] = std::move(sections); }

    std::vector<std::string> SectionNames(const std::string& path) override
    {
        std::vector<std::string> names;
        if (auto file = m_files.find(Lower(path)); file != m_files.end())
            for (const Section& section : file->second)
                names.push_back(section.first);
        return names;
    }

    std::string ReadString(const std::string& path, const std::string& section, const std::string& key) override
    {
        ++reads;
        auto file = m_files.find(Lower(path));
        if (file == m_files.end())
            return {};
        for (const Section& s : file->second) {
            if (Lower(s.first) != Lower(section))
                continue;
            for (const auto& [k, v] : s.second)
                if (Lower(k) == Lower(key))
                    return v;
            return {};
        }
        return {};
    }

    long reads = 0;

private:
    static std::string Lower(std::string text)
    {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    }
    std::map<std::string, std::vector<Section>> m_files;
};

}  // namespace vantor::views::testing
