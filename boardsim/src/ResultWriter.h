// Writes a method's result in the ACPI_EVAL_OUTPUT_BUFFER layout: signature
// 'BoeA', total length, element count, then the elements in the
// ACPI_METHOD_ARGUMENT layout (integers, strings and buffers), back to back. Never writes outside the buffer
// it is given; once an element does not fit, nothing more is written but the
// needed size is still counted.
#ifndef BOARDSIM_RESULTWRITER_H
#define BOARDSIM_RESULTWRITER_H

#include <boardsim/BoardSim.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace boardsim {

inline constexpr std::uint32_t kResultSignature = 0x426F6541;  // 'BoeA'
inline constexpr std::size_t kResultHeaderSize = 12;

class ResultWriter {
public:
    explicit ResultWriter(std::span<std::uint8_t> out);

    void Integer(std::uint32_t value);
    // A string element: DataLength counts the text and its NUL.
    void String(std::string_view text);
    // A buffer element of 32-bit little-endian words: DataLength 4 per word.
    void Buffer(std::span<const std::uint32_t> words);

    bool Fits() const { return m_needed <= m_out.size(); }

    // Writes the header. BS_OK with *length = bytes written, or
    // BS_RESULT_TOO_LARGE with *length = the size the result needs.
    BsStatus Finish(std::size_t* length);

private:
    // Reserves an element of `dataLength` bytes; null when it does not fit.
    std::uint8_t* Element(std::uint16_t type, std::size_t dataLength);

    std::span<std::uint8_t> m_out;
    std::size_t m_needed = kResultHeaderSize;
    std::uint32_t m_count = 0;
};

}  // namespace boardsim

#endif
