#include "usage/LoadGraph.h"

#include <algorithm>

namespace vantor::views {

LoadGraph::LoadGraph(int width, int height) : m_width(std::max(width, 1)), m_height(std::max(height, 1)) {}

void LoadGraph::Resize(int width, int height)
{
    m_width = std::max(width, 1);
    m_height = std::max(height, 1);
    m_values.clear();
}

std::size_t LoadGraph::Capacity() const { return static_cast<std::size_t>((m_width - 1) / kGraphScrollStep + 2); }

void LoadGraph::Add(int value)
{
    m_values.push_back(std::clamp(value, 0, kGraphScaleTop));
    while (m_values.size() > Capacity())
        m_values.pop_front();
    m_scrolled += kGraphScrollStep;
}

void LoadGraph::Clear()
{
    m_values.clear();
    m_scrolled += static_cast<std::uint64_t>(m_width);
}

int LoadGraph::YOf(int value) const
{
    // Rounded to the nearest pixel row; 0 is the bottom row, 100 the top.
    const int span = m_height - 1;
    return span - (value * span + kGraphScaleTop / 2) / kGraphScaleTop;
}

std::vector<GraphPoint> LoadGraph::Line() const
{
    std::vector<GraphPoint> line;
    line.reserve(m_values.size());
    const int newestX = m_width - 1;
    const int count = static_cast<int>(m_values.size());
    for (int i = 0; i < count; ++i)
        line.push_back({newestX - (count - 1 - i) * kGraphScrollStep, YOf(m_values[static_cast<std::size_t>(i)])});
    return line;
}

std::vector<int> LoadGraph::GridColumns() const
{
    // A column sits where the picture's own x, scrolled, is a multiple of
    // the cell: it moves left with every point.
    std::vector<int> columns;
    const int shift = static_cast<int>(m_scrolled % kGraphCell);
    for (int x = (kGraphCell - shift) % kGraphCell; x < m_width; x += kGraphCell)
        columns.push_back(x);
    return columns;
}

std::vector<int> LoadGraph::GridRows() const
{
    std::vector<int> rows;
    for (int y = m_height - 1; y >= 0; y -= kGraphCell)
        rows.push_back(y);
    return rows;
}

}  // namespace vantor::views
