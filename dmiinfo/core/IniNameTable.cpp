#include "core/IniNameTable.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace vantor::dmi {
namespace {

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Section and key names are ASCII.
char LowerChar(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IniNameTable::CaseLess::operator()(std::string_view a, std::string_view b) const
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return LowerChar(x) < LowerChar(y); });
}

IniNameTable IniNameTable::Parse(std::string_view text)
{
    IniNameTable table;
    Section* section = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            if (close == std::string_view::npos) {
                section = nullptr;
                continue;
            }
            const std::string_view name = Trim(line.substr(1, close - 1));
            section = &table.m_sections.try_emplace(std::string(name)).first->second;
            continue;
        }
        const std::size_t equals = line.find('=');
        if (section == nullptr || equals == std::string_view::npos) {
            continue;
        }
        section->emplace(std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1))));
    }
    return table;
}

std::optional<IniNameTable> IniNameTable::Load(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return Parse(text.str());
}

std::string IniNameTable::Read(std::string_view section, std::string_view key) const
{
    const auto found = m_sections.find(section);
    if (found == m_sections.end()) {
        return {};
    }
    const auto value = found->second.find(key);
    return value == found->second.end() ? std::string() : value->second;
}

}  // namespace vantor::dmi
