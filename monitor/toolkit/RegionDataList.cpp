#include "toolkit/RegionDataList.h"

#include <algorithm>
#include <limits>

namespace vantor::toolkit {
namespace {

constexpr std::uint32_t kRdhRectangles = 1;
// An empty bound that any first rectangle replaces.
constexpr PixelRect kStartBound{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(), 0, 0};

}  // namespace

RegionDataList::RegionDataList() : m_capacity(kGrowth), m_words(kHeaderWords + std::size_t{kGrowth} * 4, 0)
{
    m_words[0] = kHeaderBytes;
    m_words[1] = kRdhRectangles;
    Clear();
}

void RegionDataList::Clear()
{
    m_words[2] = 0;
    m_words[3] = 0;
    Store(4, kStartBound);
}

void RegionDataList::Append(const PixelRect& rect)
{
    if (Count() == m_capacity) {
        m_capacity += kGrowth;
        m_words.resize(kHeaderWords + std::size_t{m_capacity} * 4, 0);
    }
    Store(kHeaderWords + std::size_t{Count()} * 4, rect);
    ++m_words[2];
    const PixelRect b = Bound();
    Store(4, PixelRect{std::min(b.left, rect.left), std::min(b.top, rect.top), std::max(b.right, rect.right),
                       std::max(b.bottom, rect.bottom)});
}

PixelRect RegionDataList::RectFrom(std::size_t word) const
{
    return PixelRect{static_cast<int>(m_words[word]), static_cast<int>(m_words[word + 1]),
                     static_cast<int>(m_words[word + 2]), static_cast<int>(m_words[word + 3])};
}

void RegionDataList::Store(std::size_t word, const PixelRect& rect)
{
    m_words[word] = static_cast<std::uint32_t>(rect.left);
    m_words[word + 1] = static_cast<std::uint32_t>(rect.top);
    m_words[word + 2] = static_cast<std::uint32_t>(rect.right);
    m_words[word + 3] = static_cast<std::uint32_t>(rect.bottom);
}

}  // namespace vantor::toolkit
