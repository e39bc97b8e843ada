// A language file's translations: the English text is the key. The file is
// text in the language's ANSI code page, one entry per line:
//     English text<TAB>translated text
// Lines that are empty or start with '#' are skipped; so is a line without
// a tab or with an empty side. "\n", "\t" and "\\" stand for a line break,
// a tab and a backslash on both sides. The first entry of a text wins.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>

namespace vantor::zymultilang {

class Dictionary {
public:
    static Dictionary Parse(std::string_view fileText);

    // Null when the text has no translation. The pointer stays valid as long
    // as the dictionary does.
    const char* Find(std::string_view english) const;
    std::size_t Size() const { return m_entries.size(); }

private:
    std::unordered_map<std::string, std::string> m_entries;
};

// Replaces each "%s" of format with argument and "%%" with "%"; any other
// '%' is kept as it stands, so a stray conversion never reads anything.
std::string ExpandFormat(std::string_view format, std::string_view argument);

}  // namespace vantor::zymultilang
