// A rectangle list in the layout ExtCreateRegion takes (RGNDATA): a 32-byte
// header (size 32, type RDH_RECTANGLES, count, size 0, bounding rectangle)
// followed by 16-byte rectangles. Room grows 100 rectangles at a time and is
// kept when the list is emptied, so a large skin reallocates only a few times.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "toolkit/PixelRect.h"

namespace vantor::toolkit {

class RegionDataList {
public:
    static constexpr std::size_t kHeaderBytes = 32;
    static constexpr std::size_t kRectBytes = 16;
    static constexpr std::uint32_t kGrowth = 100;

    RegionDataList();

    // Appends one rectangle and widens the bounding rectangle.
    void Append(const PixelRect& rect);
    // Count 0 and the bounding rectangle back to its start; the room stays.
    void Clear();

    std::uint32_t Count() const { return m_words[2]; }
    std::uint32_t Capacity() const { return m_capacity; }
    PixelRect Bound() const { return RectFrom(4); }
    PixelRect At(std::uint32_t index) const { return RectFrom(kHeaderWords + index * 4); }

    // The whole allocation, header included, for ExtCreateRegion.
    const void* Data() const { return m_words.data(); }
    std::size_t AllocatedBytes() const { return kHeaderBytes + std::size_t{m_capacity} * kRectBytes; }

private:
    static constexpr std::size_t kHeaderWords = kHeaderBytes / 4;
    PixelRect RectFrom(std::size_t word) const;
    void Store(std::size_t word, const PixelRect& rect);

    std::uint32_t m_capacity = 0;
    std::vector<std::uint32_t> m_words;
};

}  // namespace vantor::toolkit
