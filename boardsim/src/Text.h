// Small text helpers over std::string_view that stay inside the few C
// library functions a kernel-mode driver has (no memchr).
#ifndef BOARDSIM_TEXT_H
#define BOARDSIM_TEXT_H

#include <cstddef>
#include <string_view>

namespace boardsim {

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

inline std::size_t FindChar(std::string_view text, char wanted, std::size_t from = 0)
{
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == wanted) {
            return i;
        }
    }
    return kNotFound;
}

// Blanks are spaces, tabs and the CR of a CRLF line end.
inline bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

inline std::string_view Trim(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace boardsim

#endif
