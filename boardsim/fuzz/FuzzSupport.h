// Shared pieces of the board fuzzers: a malloc allocator, board texts, and a
// strict check of every result the engine reports as written.
#ifndef BOARDSIM_FUZZ_FUZZSUPPORT_H
#define BOARDSIM_FUZZ_FUZZSUPPORT_H

#include <boardsim/BoardSim.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace boardsim::fuzz {

inline BsAllocator MallocAllocator()
{
    BsAllocator allocator{};
    allocator.Allocate = [](void*, size_t size) { return std::malloc(size); };
    allocator.Release = [](void*, void* block) { std::free(block); };
    return allocator;
}

inline std::string ReadBoard(const char* path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    if (text.str().empty()) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::abort();
    }
    return text.str();
}

inline std::uint32_t U32At(const std::uint8_t* bytes)
{
    return bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

// Aborts unless `result` is a well-formed ACPI_EVAL_OUTPUT_BUFFER of exactly
// `length` bytes.
inline void CheckResult(const std::uint8_t* result, std::size_t length)
{
    if (length < 12 || U32At(result) != 0x426F6541 || U32At(result + 4) != length) {
        std::abort();
    }
    std::uint32_t count = U32At(result + 8);
    std::size_t offset = 12;
    for (std::uint32_t i = 0; i < count; ++i) {
        if (length - offset < 8) {
            std::abort();
        }
        std::uint16_t type = static_cast<std::uint16_t>(result[offset] | (result[offset + 1] << 8));
        std::uint16_t dataLength = static_cast<std::uint16_t>(result[offset + 2] | (result[offset + 3] << 8));
        std::size_t padded = dataLength < 4 ? 4 : dataLength;
        // Integers are one word, strings end in their NUL, buffers (GITM,
        // SITM) hold whole words.
        if (length - offset - 4 < padded || type > 2 || (type == 0 && dataLength != 4) ||
            (type == 1 && (dataLength == 0 || result[offset + 4 + dataLength - 1] != 0)) ||
            (type == 2 && dataLength % 4 != 0)) {
            std::abort();
        }
        offset += 4 + padded;
    }
    if (offset != length) {
        std::abort();
    }
}

}  // namespace boardsim::fuzz

#endif
