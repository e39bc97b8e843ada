#include "IniDocument.h"

#include <algorithm>

#include "InfoIniForm.h"

namespace vantor::infoini {

namespace {

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// One line's worth of text: control characters become blanks, `forbidden`
// becomes "_", and at most `limit` bytes are kept.
std::string OneLine(std::string_view text, char forbidden, std::size_t limit)
{
    std::string line(text.substr(0, std::min(text.size(), limit)));
    for (char& c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = ' ';
        else if (c == forbidden)
            c = '_';
    }
    return line;
}

std::string_view Trim(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace

IniDocument::Section& IniDocument::SectionFor(const std::string& name, bool& added)
{
    auto [it, inserted] = m_index.try_emplace(Lower(name), Index{m_sections.size(), {}});
    added = inserted;
    if (added)
        m_sections.push_back(Section{name, {}});
    return m_sections[it->second.section];
}

IniDocument::Change IniDocument::Put(const std::string& section, const std::string& key, std::string value,
                                     bool replace)
{
    bool newSection = false;
    Section& target = SectionFor(section, newSection);
    Index& index = m_index.at(Lower(section));
    auto [it, added] = index.keys.try_emplace(Lower(key), target.entries.size());
    Change change;
    if (added) {
        const bool last = &target == &m_sections.back();
        change.kind = last ? Change::Kind::Appended : Change::Kind::Rewritten;
        if (last && newSection) {
            if (m_sections.size() > 1)
                change.tail = "\r\n";
            change.tail += "[" + target.name + "]\r\n";
        }
        if (last)
            change.tail += key + "=" + value + "\r\n";
        target.entries.emplace_back(key, std::move(value));
    } else if (replace && target.entries[it->second].second != value) {
        change.kind = Change::Kind::Rewritten;
        target.entries[it->second].second = std::move(value);
    }
    return change;
}

IniDocument::Change IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    return Put(SectionName(section), OneLine(key, '=', kMaxEntryLength), OneLine(value, '\0', kMaxEntryLength), true);
}

// Blanks around a name are lost on reading, so they are not written.
std::string IniDocument::SectionName(std::string_view section)
{
    return std::string(Trim(OneLine(section, ']', kMaxEntryLength)));
}

void IniDocument::Clear()
{
    m_sections.clear();
    m_index.clear();
}

const IniDocument::Section* IniDocument::FindSection(std::string_view name) const
{
    const auto it = m_index.find(Lower(name));
    return it == m_index.end() ? nullptr : &m_sections[it->second.section];
}

const std::string* IniDocument::Find(std::string_view section, std::string_view key) const
{
    const auto it = m_index.find(Lower(section));
    if (it == m_index.end())
        return nullptr;
    const auto entry = it->second.keys.find(Lower(key));
    if (entry == it->second.keys.end())
        return nullptr;
    return &m_sections[it->second.section].entries[entry->second].second;
}

std::string IniDocument::Serialize() const
{
    std::string text;
    for (const Section& section : m_sections) {
        if (!text.empty())
            text += "\r\n";
        text += '[';
        text += section.name;
        text += "]\r\n";
        for (const auto& [key, value] : section.entries) {
            text += key;
            text += '=';
            text += value;
            text += "\r\n";
        }
    }
    return text;
}

IniDocument IniDocument::Parse(std::string_view text)
{
    IniDocument document;
    std::string current;
    bool inSection = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            current = std::string(Trim(line.substr(1, close == std::string_view::npos ? line.size() - 1 : close - 1)));
            inSection = true;
            bool added = false;
            document.SectionFor(current, added);
            continue;
        }
        const auto equals = line.find('=');
        if (!inSection || equals == std::string_view::npos)
            continue;
        document.Put(current, std::string(Trim(line.substr(0, equals))), std::string(Trim(line.substr(equals + 1))),
                     false);
    }
    return document;
}

}  // namespace vantor::infoini
