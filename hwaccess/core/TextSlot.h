// Texts handed to callers in fixed slots: cut to fit, always terminated.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <span>
#include <string_view>

namespace vantor::hw {

// Option texts travel in 30-byte slots: 29 characters at most and a NUL.
inline constexpr std::size_t kOptionSlotSize = 30;

// Copies text into dest (size bytes, size > 0), cut at size - 1 characters,
// NUL-terminated, and the rest of dest cleared.
inline void CopyCut(std::string_view text, char* dest, std::size_t size)
{
    if (size == 0)
        return;
    const std::size_t length = std::min(text.size(), size - 1);
    if (length > 0)
        std::memcpy(dest, text.data(), length);
    std::memset(dest + length, 0, size - length);
}

inline void CopyCut(std::string_view text, std::span<char> dest) { CopyCut(text, dest.data(), dest.size()); }

}  // namespace vantor::hw
