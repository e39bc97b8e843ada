#include "config/MemoryProfileStore.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vantor::monitor {
namespace {

std::string_view Trim(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i];
        char y = b[i];
        if (x >= 'a' && x <= 'z')
            x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z')
            y = static_cast<char>(y - 'a' + 'A');
        if (x != y)
            return false;
    }
    return true;
}

std::vector<std::string> SplitLines(std::string_view text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// The section name of a "[name]" line, or nullopt for other lines.
std::optional<std::string_view> SectionName(std::string_view line)
{
    line = Trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    line.remove_prefix(1);
    const std::size_t close = line.find(']');
    if (close != std::string_view::npos)
        line = line.substr(0, close);
    return Trim(line);
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
    bool hasValue = true;
};

std::optional<KeyLine> ParseKeyLine(std::string_view line)
{
    const std::string_view trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';')
        return std::nullopt;
    const std::size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos)
        return KeyLine{trimmed, {}, false};
    return KeyLine{Trim(trimmed.substr(0, equals)), Trim(trimmed.substr(equals + 1)), true};
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// Line range [begin, end) of the first section with this name: begin is the
// line after the header. nullopt when absent.
struct SectionRange {
    std::size_t begin;
    std::size_t end;
};

std::optional<SectionRange> FindSection(const std::vector<std::string>& lines, std::string_view section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = SectionName(lines[i]);
        if (!name || !SameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !SectionName(lines[end]))
            ++end;
        return SectionRange{i + 1, end};
    }
    return std::nullopt;
}

}  // namespace

std::string MemoryProfileStore::ReadString(std::string_view path, std::string_view section, std::string_view key,
                                           std::string_view fallback)
{
    const auto file = m_files.find(path);
    if (file == m_files.end())
        return std::string(fallback);
    const std::vector<std::string> lines = SplitLines(file->second);
    const auto range = FindSection(lines, section);
    if (!range)
        return std::string(fallback);
    for (std::size_t i = range->begin; i < range->end; ++i) {
        const auto entry = ParseKeyLine(lines[i]);
        if (entry && entry->hasValue && SameName(entry->key, key))
            return std::string(Unquote(entry->value));
    }
    return std::string(fallback);
}

bool MemoryProfileStore::WriteString(std::string_view path, std::string_view section, std::string_view key,
                                     std::string_view value)
{
    if (m_readOnly.contains(path))
        return false;
    ++m_writeCount;
    std::string& text = m_files[std::string(path)];
    std::vector<std::string> lines = SplitLines(text);
    const std::string newLine = std::string(key) + "=" + std::string(value);
    const auto range = FindSection(lines, section);
    if (!range) {
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(newLine);
        text = JoinLines(lines);
        return true;
    }
    std::size_t insertAt = range->begin;
    for (std::size_t i = range->begin; i < range->end; ++i) {
        const auto entry = ParseKeyLine(lines[i]);
        if (entry && SameName(entry->key, key)) {
            lines[i] = std::string(entry->key) + "=" + std::string(value);
            text = JoinLines(lines);
            return true;
        }
        if (!Trim(lines[i]).empty())
            insertAt = i + 1;
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), newLine);
    text = JoinLines(lines);
    return true;
}

bool MemoryProfileStore::HasSection(std::string_view path, std::string_view section)
{
    const auto file = m_files.find(path);
    if (file == m_files.end())
        return false;
    const std::vector<std::string> lines = SplitLines(file->second);
    const auto range = FindSection(lines, section);
    if (!range)
        return false;
    for (std::size_t i = range->begin; i < range->end; ++i) {
        if (ParseKeyLine(lines[i]))
            return true;
    }
    return false;
}

void MemoryProfileStore::SetFileText(std::string_view path, std::string_view text)
{
    m_files[std::string(path)] = std::string(text);
}

std::string MemoryProfileStore::FileText(std::string_view path) const
{
    const auto file = m_files.find(path);
    return file == m_files.end() ? std::string() : file->second;
}

bool MemoryProfileStore::FileExists(std::string_view path) const { return m_files.find(path) != m_files.end(); }

void MemoryProfileStore::SetReadOnly(std::string_view path, bool readOnly)
{
    if (readOnly)
        m_readOnly.emplace(path);
    else if (const auto it = m_readOnly.find(path); it != m_readOnly.end())
        m_readOnly.erase(it);
}

}  // namespace vantor::monitor
