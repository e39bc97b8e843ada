#include "InfoSite.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <unordered_set>

#include "InfoIniForm.h"

namespace vantor::zyhtml {

namespace {

using infoini::Entry;
using infoini::IniDocument;

std::string Lower(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The entry number of a key, or 0 for keys that are not numbers 1 to
// 999999999 (Count, FileName, "1a", "-2", "01" alike are numbers as written).
std::uint32_t EntryNumber(std::string_view key)
{
    if (key.empty() || key.size() > 9)
        return 0;
    std::uint32_t number = 0;
    for (const char c : key) {
        if (c < '0' || c > '9')
            return 0;
        number = number * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return number;
}

// The section's numbered entries in number order, at most
// kMaxEntriesPerSection of them.
std::vector<const std::string*> NumberedEntries(const IniDocument::Section& section)
{
    std::vector<std::pair<std::uint32_t, const std::string*>> numbered;
    for (const auto& [key, value] : section.entries)
        if (const std::uint32_t n = EntryNumber(key); n != 0)
            numbered.emplace_back(n, &value);
    std::stable_sort(numbered.begin(), numbered.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    if (numbered.size() > kMaxEntriesPerSection)
        numbered.resize(kMaxEntriesPerSection);
    std::vector<const std::string*> texts;
    for (const auto& entry : numbered)
        texts.push_back(entry.second);
    return texts;
}

// "Memory Device-2" without "-2"; other texts as they are.
std::string WithoutNumber(const std::string& title)
{
    const auto dash = title.find_last_of('-');
    if (dash == std::string::npos || dash + 1 == title.size())
        return title;
    const bool digits = std::all_of(title.begin() + static_cast<std::ptrdiff_t>(dash) + 1, title.end(),
                                    [](char c) { return c >= '0' && c <= '9'; });
    return digits ? title.substr(0, dash) : title;
}

class SiteBuilder {
public:
    explicit SiteBuilder(const IniDocument& ini) : m_ini(ini) { m_files.insert("index"); }

    InfoSite Build()
    {
        if (const auto* root = m_ini.FindSection(infoini::kRootSection)) {
            m_expanded.insert(Lower(root->name));
            for (const std::string* text : NumberedEntries(*root)) {
                const Entry entry = infoini::ParseEntry(*text);
                if (entry.kind == Entry::Kind::Child)
                    AddTop(entry.first);
                else
                    ++m_site.brokenEntries;
            }
        } else {
            for (const auto& section : m_ini.Sections())
                if (HasValues(section))
                    AddTop(section.name);
        }
        return std::move(m_site);
    }

private:
    void AddTop(const std::string& section)
    {
        if (m_nodes < kMaxNodes)
            m_site.top.push_back(Node(section, 1));
    }

    static bool HasValues(const IniDocument::Section& section)
    {
        for (const std::string* text : NumberedEntries(section))
            if (infoini::ParseEntry(*text).kind == Entry::Kind::Value)
                return true;
        return false;
    }

    std::string Title(const IniDocument::Section& section) const
    {
        const std::string* display = m_ini.Find(section.name, infoini::kDisplayNameKey);
        return display != nullptr && !display->empty() ? *display : section.name;
    }

    std::string PageFile(const IniDocument::Section& section)
    {
        const std::string* name = m_ini.Find(section.name, infoini::kFileNameKey);
        const std::string stem = SafeFileStem(name != nullptr && !name->empty() ? *name : section.name);
        std::string unique = stem;
        for (int n = 2; !m_files.insert(Lower(unique)).second; ++n)
            unique = stem + "-" + std::to_string(n);
        return unique + ".htm";
    }

    InfoNode Node(const std::string& name, std::size_t depth)
    {
        ++m_nodes;
        InfoNode node;
        node.section = name;
        node.label = name;
        const IniDocument::Section* section = m_ini.FindSection(name);
        if (section == nullptr) {
            node.state = InfoNode::State::Missing;
            return node;
        }
        node.label = Title(*section);
        const std::string key = Lower(name);
        if (!m_expanded.insert(key).second) {
            node.state = InfoNode::State::Repeated;
            if (const auto page = m_pageOf.find(key); page != m_pageOf.end())
                node.page = page->second;
            return node;
        }

        InfoPage page;
        std::vector<std::string> children;
        for (const std::string* text : NumberedEntries(*section)) {
            Entry entry = infoini::ParseEntry(*text);
            if (entry.kind == Entry::Kind::Child)
                children.push_back(std::move(entry.first));
            else if (entry.kind == Entry::Kind::Value)
                page.rows.emplace_back(std::move(entry.first), std::move(entry.second));
            else
                ++m_site.brokenEntries;
        }
        if (!page.rows.empty() && m_site.pages.size() < kMaxPages) {
            page.section = section->name;
            page.title = node.label;
            page.file = PageFile(*section);
            node.page = static_cast<int>(m_site.pages.size());
            m_pageOf.emplace(key, node.page);
            m_site.pages.push_back(std::move(page));
        }
        for (const std::string& child : children) {
            if (depth >= kMaxDepth || m_nodes >= kMaxNodes)
                break;
            node.children.push_back(Node(child, depth + 1));
        }
        // A list of structures without a title of its own takes the title
        // its members share, less their numbers ("Memory Device" for
        // members titled "Memory Device-1", "Memory Device-2").
        const std::string* display = m_ini.Find(section->name, infoini::kDisplayNameKey);
        if ((display == nullptr || display->empty()) && node.page < 0 && !node.children.empty()) {
            const std::string base = WithoutNumber(node.children.front().label);
            const bool shared = std::all_of(node.children.begin(), node.children.end(), [&](const InfoNode& c) {
                return c.state == InfoNode::State::Shown && c.label != c.section && WithoutNumber(c.label) == base;
            });
            if (shared && !base.empty())
                node.label = base;
        }
        return node;
    }

    const IniDocument& m_ini;
    InfoSite m_site;
    std::unordered_set<std::string> m_expanded;  // lower-case section names
    std::unordered_set<std::string> m_files;     // lower-case page stems in use
    std::unordered_map<std::string, int> m_pageOf;
    std::size_t m_nodes = 0;
};

}  // namespace

std::string SafeFileStem(std::string_view name)
{
    std::string stem;
    for (const char c : name.substr(0, 64)) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
                          c == '_' || c == '.';
        stem += safe ? c : '_';
    }
    while (!stem.empty() && stem.front() == '.')
        stem.erase(stem.begin());
    if (stem.empty())
        return "section";
    // CON.htm, NUL.htm and the like name devices on Windows, not files.
    const std::string device = Lower(stem.substr(0, stem.find('.')));
    for (const char* reserved :
         {"con",  "prn",  "aux",  "nul",  "com1", "com2", "com3", "com4", "com5", "com6", "com7",
          "com8", "com9", "lpt1", "lpt2", "lpt3", "lpt4", "lpt5", "lpt6", "lpt7", "lpt8", "lpt9"})
        if (device == reserved)
            return "_" + stem;
    return stem;
}

InfoSite BuildInfoSite(const infoini::IniDocument& ini) { return SiteBuilder(ini).Build(); }

}  // namespace vantor::zyhtml
