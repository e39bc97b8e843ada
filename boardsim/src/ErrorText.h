// Bounded composition of a load-error message into the fixed text field of
// BsLoadError: pieces are appended until the field is full and the text is
// always NUL-terminated (there is no formatted printing in kernel mode).
#ifndef BOARDSIM_ERRORTEXT_H
#define BOARDSIM_ERRORTEXT_H

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace boardsim {

class ErrorText {
public:
    ErrorText(char* buffer, std::size_t capacity);

    ErrorText& Text(std::string_view text);
    // Board-file text quoted and cut to a readable length.
    ErrorText& Quoted(std::string_view text);
    ErrorText& Decimal(std::int64_t value);
    ErrorText& Hex(std::uint32_t value);

private:
    void Put(char c);

    char* m_buffer;
    std::size_t m_capacity;
    std::size_t m_length = 0;
};

}  // namespace boardsim

#endif
