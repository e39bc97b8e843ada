#include "usage/UsagePictures_win.h"

#include <windows.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <vector>

#include "toolkit/DibCanvas.h"

namespace vantor::views {
namespace {

using Canvas = toolkit::DibCanvas;

class Pen {
public:
    Pen(HDC dc, COLORREF colour, int width = 1) : m_dc(dc), m_pen(CreatePen(PS_SOLID, width, colour))
    {
        m_old = SelectObject(dc, m_pen);
    }
    ~Pen()
    {
        SelectObject(m_dc, m_old);
        DeleteObject(m_pen);
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

private:
    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_old;
};

COLORREF Darker(COLORREF colour, int percent)
{
    auto part = [percent](int value) { return value * percent / 100; };
    return RGB(part(GetRValue(colour)), part(GetGValue(colour)), part(GetBValue(colour)));
}

struct Ellipse {
    double cx = 0;
    double cy = 0;
    double rx = 0;
    double ry = 0;
    POINT At(double degrees) const
    {
        const double a = degrees * std::numbers::pi / 180.0;
        return {static_cast<LONG>(std::lround(cx + rx * std::cos(a))),
                static_cast<LONG>(std::lround(cy - ry * std::sin(a)))};
    }
};

// One slice's top face; GDI's Pie runs counter-clockwise from start to end.
void PieFace(HDC dc, const Ellipse& e, double start, double sweep)
{
    if (sweep <= 0.0)
        return;
    if (sweep >= 359.99) {
        ::Ellipse(dc, static_cast<int>(e.cx - e.rx), static_cast<int>(e.cy - e.ry), static_cast<int>(e.cx + e.rx) + 1,
                  static_cast<int>(e.cy + e.ry) + 1);
        return;
    }
    const POINT from = e.At(start);
    const POINT to = e.At(start + sweep);
    Pie(dc, static_cast<int>(e.cx - e.rx), static_cast<int>(e.cy - e.ry), static_cast<int>(e.cx + e.rx) + 1,
        static_cast<int>(e.cy + e.ry) + 1, from.x, from.y, to.x, to.y);
}

}  // namespace

std::shared_ptr<toolkit::BitmapPicture> DrawLoadGraph(const LoadGraph& graph)
{
    Canvas canvas(graph.Width(), graph.Height());
    if (!canvas.Valid())
        return nullptr;
    canvas.Fill(kGraphBackColour);
    HDC dc = canvas.Dc();
    {
        Pen grid(dc, kGraphGridColour);
        for (int x : graph.GridColumns()) {
            MoveToEx(dc, x, 0, nullptr);
            LineTo(dc, x, graph.Height());
        }
        for (int y : graph.GridRows()) {
            MoveToEx(dc, 0, y, nullptr);
            LineTo(dc, graph.Width(), y);
        }
    }
    const std::vector<GraphPoint> line = graph.Line();
    if (!line.empty()) {
        Pen pen(dc, kGraphLineColour);
        MoveToEx(dc, line.front().x, line.front().y, nullptr);
        for (const GraphPoint& p : line)
            LineTo(dc, p.x, p.y);
        SetPixel(dc, line.back().x, line.back().y, kGraphLineColour);
    }
    return canvas.TakePicture();
}

std::shared_ptr<toolkit::BitmapPicture> DrawUsagePie(const std::array<PieSlice, 2>& slices)
{
    Canvas canvas(kPieWidth, kPieHeight);
    if (!canvas.Valid())
        return nullptr;
    canvas.Fill(kPieBackground);
    HDC dc = canvas.Dc();
    // Seen from above at a slant: the disc flattened, its rim below it 60
    // per cent of the pull-out as deep; room left for the pulled-out slice.
    const double rx = (kPieWidth - 2.0 * kPiePullOut) / 2.0 - 1.0;
    const double ry = rx * 0.42;
    const int depth = kPieDepthPercent * kPiePullOut / 100 + 3;
    const Ellipse base{kPieWidth / 2.0, (kPieHeight - depth) / 2.0, rx, ry};

    auto placed = [&](const PieSlice& slice) {
        const PieOffset offset = PullOutOffset(slice);
        Ellipse e = base;
        e.cx += offset.dx;
        e.cy += offset.dy * ry / rx;
        return e;
    };
    // The unused slice stays the transparent magenta: only its edge shows.
    const COLORREF rim = RGB(120, 130, 146);
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SelectObject(dc, GetStockObject(DC_PEN));
    // Side walls first, from the bottom up, then the top faces.
    for (int d = depth; d >= 1; --d) {
        for (const PieSlice& slice : slices) {
            const bool used = slice.colour == kPieUsedColour;
            if (!used && d != depth)
                continue;  // the unused slice is glass: its bottom edge only
            Ellipse e = placed(slice);
            e.cy += d;
            const COLORREF wall = used ? Darker(slice.colour, d == depth ? 40 : 62) : kPieBackground;
            SetDCBrushColor(dc, wall);
            SetDCPenColor(dc, used ? wall : rim);
            PieFace(dc, e, slice.startDegrees, slice.sweepDegrees);
        }
    }
    for (const PieSlice& slice : slices) {
        const bool used = slice.colour == kPieUsedColour;
        SetDCBrushColor(dc, slice.colour);
        SetDCPenColor(dc, used ? RGB(110, 150, 255) : rim);
        PieFace(dc, placed(slice), slice.startDegrees, slice.sweepDegrees);
    }
    return canvas.TakePicture();
}

bool SaveBitmapFile(const toolkit::BitmapPicture& picture, const std::string& path)
{
    const int width = picture.Width();
    const int height = picture.Height();
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up, as .bmp files keep them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC dc = CreateCompatibleDC(nullptr);
    const int lines =
            GetDIBits(dc, picture.Handle(), 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines != height)
        return false;

    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    info.bmiHeader.biSizeImage = static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out.flush());
}

}  // namespace vantor::views
