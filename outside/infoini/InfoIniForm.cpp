#include "InfoIniForm.h"

namespace vantor::infoini {

std::string ChildEntry(std::string_view section)
{
    std::string text = "0|";
    text += section;
    return text;
}

std::string ValueEntry(std::string_view key, std::string_view value)
{
    std::string text = "1|";
    text += key;
    text += '|';
    text += value;
    return text;
}

Entry ParseEntry(std::string_view text)
{
    Entry entry;
    if (text.size() < 2 || text[1] != '|')
        return entry;
    const std::string_view rest = text.substr(2);
    if (text[0] == '0' && !rest.empty()) {
        entry.kind = Entry::Kind::Child;
        entry.first = rest;
    } else if (text[0] == '1') {
        // The key ends at the first bar; the value keeps any later ones. A
        // value entry without a second bar is a key with an empty value.
        const auto bar = rest.find('|');
        entry.kind = Entry::Kind::Value;
        entry.first = rest.substr(0, bar);
        if (bar != std::string_view::npos)
            entry.second = rest.substr(bar + 1);
    }
    return entry;
}

}  // namespace vantor::infoini
