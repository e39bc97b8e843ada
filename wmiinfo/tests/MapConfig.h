// A WMIConfig.ini held as a map, for tests: one entry per "Class.Property".
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "core/PropertyConfig.h"

namespace vantor::wmi::test {

class MapConfig final : public PropertyConfig {
public:
    MapConfig() = default;
    MapConfig(std::initializer_list<std::pair<const std::string, std::string>> entries) : m_entries(entries) {}

    void Set(std::string_view className, std::string_view property, std::string entry)
    {
        m_entries[Key(className, property)] = std::move(entry);
    }
    std::string Entry(std::string_view className, std::string_view property) const override
    {
        const auto found = m_entries.find(Key(className, property));
        return found == m_entries.end() ? std::string() : found->second;
    }

private:
    static std::string Key(std::string_view className, std::string_view property)
    {
        return std::string(className) + "." + std::string(property);
    }
    std::map<std::string, std::string> m_entries;
};

}  // namespace vantor::wmi::test
