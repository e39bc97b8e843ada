#include "IniScanner.h"

#include "Text.h"

namespace boardsim {

IniScanner::IniScanner(std::string_view text) : m_text(text)
{
    if (m_text.size() >= 3 && m_text[0] == '\xEF' && m_text[1] == '\xBB' && m_text[2] == '\xBF') {
        m_position = 3;
    }
}

bool IniScanner::Fail(const char* message)
{
    m_error = message;
    m_position = m_text.size();
    return false;
}

bool IniScanner::Next(IniLine& line)
{
    while (m_position < m_text.size()) {
        std::size_t end = FindChar(m_text, '\n', m_position);
        if (end == kNotFound) {
            end = m_text.size();
        }
        std::string_view raw(m_text.data() + m_position, end - m_position);
        m_position = end < m_text.size() ? end + 1 : end;
        ++m_lineNumber;

        for (char c : raw) {
            // Tabs and the CR of a CRLF are blanks; other control bytes (a NUL
            // above all) would corrupt the strings the firmware answers.
            if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r') {
                return Fail("control character in line");
            }
        }
        std::size_t comment = FindChar(raw, ';');
        std::string_view content = Trim(comment == kNotFound ? raw : std::string_view(raw.data(), comment));
        if (content.empty()) {
            continue;
        }

        line = IniLine{};
        line.number = m_lineNumber;
        if (content.front() == '[') {
            if (content.back() != ']') {
                return Fail("section head lacks its closing ']'");
            }
            std::string_view inside = Trim(std::string_view(content.data() + 1, content.size() - 2));
            std::size_t blank = 0;
            while (blank < inside.size() && !IsBlank(inside[blank])) {
                ++blank;
            }
            line.kind = IniLine::Kind::Section;
            line.type = std::string_view(inside.data(), blank);
            line.name = Trim(std::string_view(inside.data() + blank, inside.size() - blank));
            if (line.type.empty()) {
                return Fail("empty section head");
            }
            return true;
        }
        std::size_t equals = FindChar(content, '=');
        if (equals == kNotFound) {
            return Fail("expected 'key = value' or '[section]'");
        }
        line.kind = IniLine::Kind::Entry;
        line.key = Trim(std::string_view(content.data(), equals));
        line.value = Trim(std::string_view(content.data() + equals + 1, content.size() - equals - 1));
        if (line.key.empty()) {
            return Fail("missing key before '='");
        }
        return true;
    }
    return false;
}

}  // namespace boardsim
