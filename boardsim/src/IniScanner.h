// Splits board-file text into meaningful lines: `[type name]` section heads
// and `key = value` entries. Blank lines and `;` comments are skipped; CRLF
// and LF line ends, surrounding blanks and a UTF-8 byte-order mark are
// accepted. The views returned point into the text.
#ifndef BOARDSIM_INISCANNER_H
#define BOARDSIM_INISCANNER_H

#include <cstddef>
#include <string_view>

namespace boardsim {

struct IniLine {
    enum class Kind {
        Section,
        Entry
    };

    Kind kind;
    unsigned number;         // 1-based
    std::string_view type;   // Section: the first word inside the brackets
    std::string_view name;   // Section: the rest, trimmed (may be empty)
    std::string_view key;    // Entry
    std::string_view value;  // Entry, trimmed, without its comment
};

class IniScanner {
public:
    explicit IniScanner(std::string_view text);

    // The next meaningful line. False at the end of the text, or on a
    // syntax error (then Error() is non-null and ErrorLine() names the line).
    bool Next(IniLine& line);

    const char* Error() const { return m_error; }
    unsigned ErrorLine() const { return m_lineNumber; }

private:
    bool Fail(const char* message);

    std::string_view m_text;
    std::size_t m_position = 0;
    unsigned m_lineNumber = 0;
    const char* m_error = nullptr;
};

}  // namespace boardsim

#endif
