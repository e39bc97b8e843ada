#include "Dictionary.h"

namespace vantor::zymultilang {

namespace {

std::string Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char next = text[i + 1];
        if (next == 'n')
            out += '\n';
        else if (next == 't')
            out += '\t';
        else if (next == '\\')
            out += '\\';
        else {
            out += '\\';
            continue;
        }
        ++i;
    }
    return out;
}

}  // namespace

Dictionary Dictionary::Parse(std::string_view fileText)
{
    Dictionary dictionary;
    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string_view::npos)
            end = fileText.size();
        std::string_view line = fileText.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0 || tab + 1 == line.size())
            continue;
        dictionary.m_entries.emplace(Unescape(line.substr(0, tab)), Unescape(line.substr(tab + 1)));
    }
    return dictionary;
}

const char* Dictionary::Find(std::string_view english) const
{
    const auto found = m_entries.find(std::string(english));
    return found != m_entries.end() ? found->second.c_str() : nullptr;
}

std::string ExpandFormat(std::string_view format, std::string_view argument)
{
    std::string out;
    out.reserve(format.size() + argument.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()) {
            if (format[i + 1] == 's') {
                out += argument;
                ++i;
                continue;
            }
            if (format[i + 1] == '%') {
                out += '%';
                ++i;
                continue;
            }
        }
        out += format[i];
    }
    return out;
}

}  // namespace vantor::zymultilang
