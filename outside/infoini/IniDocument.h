// An INI file held in memory: sections and keys in the order they were first
// written, looked up without regard to case as the Windows profile functions
// do. Serialize gives the file text; Parse reads one back the way
// GetPrivateProfileStringA sees it (first section and first key of a name
// win, blanks around keys and values trimmed, ';' comment lines skipped).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace vantor::infoini {

class IniDocument {
public:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };

    // What a Set did to the serialized text: nothing, added `tail` at its
    // end (a new key of the last section, or a new section), or changed it
    // elsewhere. A file writer appends the tail or rewrites the file.
    struct Change {
        enum class Kind {
            Unchanged,
            Appended,
            Rewritten
        };
        Kind kind = Kind::Unchanged;
        std::string tail;
    };

    // Sets (or replaces) one key. Line breaks and other control characters
    // in any part become blanks, "]" in a section name and "=" in a key
    // become "_", so no text can start a line of its own; blanks around a
    // section name are dropped; the value is cut to kMaxEntryLength bytes.
    Change Set(std::string_view section, std::string_view key, std::string_view value);
    // The name a section gets in the file, by the rules of Set.
    static std::string SectionName(std::string_view section);
    void Clear();

    const Section* FindSection(std::string_view name) const;
    const std::string* Find(std::string_view section, std::string_view key) const;
    const std::vector<Section>& Sections() const { return m_sections; }

    // "[name]" lines and "key=value" lines, CR LF line ends, a blank line
    // between sections.
    std::string Serialize() const;
    static IniDocument Parse(std::string_view text);

private:
    struct Index {
        std::size_t section;
        std::unordered_map<std::string, std::size_t> keys;
    };

    Section& SectionFor(const std::string& name, bool& added);
    // Adds the key unless it is there; `replace` says whether a present key
    // takes the new value.
    Change Put(const std::string& section, const std::string& key, std::string value, bool replace);

    std::vector<Section> m_sections;
    std::unordered_map<std::string, Index> m_index;  // by lower-case section name
};

}  // namespace vantor::infoini
