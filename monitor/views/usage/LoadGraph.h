// A processor's load history as its scrolling graph shows it: on a scale of
// 0 to 100, every new point moves the picture 5 pixels to the left and the
// line reaches the new value at the right edge, over a grid of 12-pixel
// cells that scrolls with it.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

namespace vantor::views {

inline constexpr int kGraphScrollStep = 5;
inline constexpr int kGraphCell = 12;
inline constexpr int kGraphScaleTop = 100;

struct GraphPoint {
    int x = 0;
    int y = 0;
};

class LoadGraph {
public:
    LoadGraph(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // A new size (the page's layout) starts an empty graph.
    void Resize(int width, int height);

    // Values beyond the scale are drawn at its ends.
    void Add(int value);
    // Scrolls the whole width away: no line, the grid moved on.
    void Clear();

    // The line, oldest point first, the newest at the right edge; points
    // already scrolled out of the picture are forgotten, but the one just
    // beyond the left edge is kept so that the line runs to the edge.
    std::vector<GraphPoint> Line() const;
    // x of the grid's vertical lines and y of its horizontal ones.
    std::vector<int> GridColumns() const;
    std::vector<int> GridRows() const;

private:
    std::size_t Capacity() const;
    int YOf(int value) const;

    int m_width;
    int m_height;
    std::deque<int> m_values;
    std::uint64_t m_scrolled = 0;  // pixels the picture has moved left
};

}  // namespace vantor::views
