// GDI drawing of the gallery's demo pictures into 32-bit DIB sections, so
// that their pixels are exactly the colours named in DemoSkin.h.
#include "DemoSkin.h"

#include "toolkit/DibCanvas.h"

namespace vantor::gallery {
namespace {

// The toolkit's canvas with the lines, frames and text the demo pictures use;
// text is drawn without a background.
class Canvas : public toolkit::DibCanvas {
public:
    Canvas(int width, int height) : DibCanvas(width, height) { SetBkMode(Dc(), TRANSPARENT); }

    void Line(int x0, int y0, int x1, int y1, COLORREF colour) const
    {
        SetDCPenColor(Dc(), colour);
        const HGDIOBJ old = SelectObject(Dc(), GetStockObject(DC_PEN));
        MoveToEx(Dc(), x0, y0, nullptr);
        LineTo(Dc(), x1, y1);
        SelectObject(Dc(), old);
    }
    void Frame(const RECT& r, COLORREF colour) const
    {
        Line(r.left, r.top, r.right - 1, r.top, colour);
        Line(r.right - 1, r.top, r.right - 1, r.bottom - 1, colour);
        Line(r.right - 1, r.bottom - 1, r.left, r.bottom - 1, colour);
        Line(r.left, r.bottom - 1, r.left, r.top, colour);
    }
    void Text(const std::string& text, RECT r, COLORREF colour, int height, UINT flags, int weight = FW_NORMAL) const
    {
        HFONT font = CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, "Tahoma");
        const HGDIOBJ old = SelectObject(Dc(), font);
        SetTextColor(Dc(), colour);
        DrawTextA(Dc(), text.c_str(), -1, &r, flags | DT_NOPREFIX);
        SelectObject(Dc(), old);
        DeleteObject(font);
    }
};

COLORREF Shade(COLORREF c, int delta)
{
    auto channel = [delta](int v) { return static_cast<BYTE>(v + delta < 0 ? 0 : v + delta > 255 ? 255 : v + delta); };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

}  // namespace

HBITMAP ButtonFace(int width, int height, FaceState state, const std::string& caption)
{
    Canvas canvas(width, height);
    COLORREF face = kFaceUp, text = RGB(220, 228, 236);
    bool sunk = false;
    switch (state) {
    case FaceState::Up:
        break;
    case FaceState::Over:
        face = kFaceOver;
        text = RGB(255, 255, 255);
        break;
    case FaceState::Down:
        face = kFaceDown;
        text = RGB(200, 240, 250);
        sunk = true;
        break;
    case FaceState::Disabled:
        face = kFaceDisabled;
        text = RGB(110, 114, 120);
        break;
    }
    const RECT all{0, 0, width, height};
    canvas.Fill(all, face);
    // Raised: light top-left, dark bottom-right; sunken: the other way round.
    const COLORREF light = Shade(face, 48), dark = Shade(face, -30);
    const COLORREF topLeft = sunk ? dark : light, bottomRight = sunk ? light : dark;
    canvas.Frame(all, RGB(12, 14, 18));
    canvas.Line(1, 1, width - 2, 1, topLeft);
    canvas.Line(1, 1, 1, height - 2, topLeft);
    canvas.Line(width - 2, 1, width - 2, height - 2, bottomRight);
    canvas.Line(1, height - 2, width - 2, height - 2, bottomRight);
    if (state == FaceState::Over)
        canvas.Line(3, height - 3, width - 3, height - 3, kAccent);
    RECT r{0, sunk ? 1 : 0, width + (sunk ? 1 : 0), height};
    canvas.Text(caption, r, text, 12, DT_CENTER | DT_VCENTER | DT_SINGLELINE, FW_BOLD);
    return canvas.Release();
}

HBITMAP Background(int width, int height, const std::string& title, const std::vector<Section>& sections)
{
    Canvas canvas(width, height);
    canvas.Fill(RECT{0, 0, width, height}, kWindowColour);
    // Title bar: a dark band with an accent rule under it.
    for (int y = 0; y < 36; ++y)
        canvas.Line(0, y, width, y, RGB(30 + y / 3, 36 + y / 3, 46 + y / 3));
    canvas.Line(0, 36, width, 36, kAccent);
    canvas.Fill(RECT{14, 11, 28, 25}, kAccent);
    canvas.Fill(RECT{17, 14, 25, 22}, RGB(30, 36, 46));
    canvas.Text(title, RECT{38, 0, width - 12, 36}, RGB(236, 240, 244), 15, DT_LEFT | DT_VCENTER | DT_SINGLELINE,
                FW_BOLD);
    for (const Section& s : sections) {
        canvas.Fill(s.area, kPanelColour);
        canvas.Frame(s.area, RGB(52, 58, 70));
        canvas.Line(s.area.left + 1, s.area.top + 1, s.area.right - 1, s.area.top + 1, RGB(44, 50, 60));
        RECT caption{s.area.left + 10, s.area.top + 6, s.area.right - 10, s.area.top + 22};
        canvas.Text(s.title, caption, RGB(140, 206, 226), 11, DT_LEFT | DT_SINGLELINE, FW_BOLD);
    }
    canvas.Frame(RECT{0, 0, width, height}, RGB(64, 72, 86));
    return canvas.Release();
}

HBITMAP KnobFace(int width, int height)
{
    Canvas canvas(width, height);
    canvas.Fill(RECT{0, 0, width, height}, RGB(200, 208, 216));
    canvas.Frame(RECT{0, 0, width, height}, RGB(12, 14, 18));
    canvas.Line(1, 1, width - 2, 1, RGB(250, 252, 255));
    canvas.Line(1, 1, 1, height - 2, RGB(250, 252, 255));
    canvas.Line(width - 2, 1, width - 2, height - 2, RGB(120, 128, 138));
    canvas.Line(1, height - 2, width - 2, height - 2, RGB(120, 128, 138));
    for (int i = 0; i < 3; ++i)
        canvas.Line(width / 2 - 3 + 3 * i, 6, width / 2 - 3 + 3 * i, height - 6, RGB(120, 128, 138));
    return canvas.Release();
}

HBITMAP TrackFace(int width, int height)
{
    Canvas canvas(width, height);
    canvas.Fill(RECT{0, 0, width, height}, kPanelColour);
    const int mid = height / 2;
    canvas.Fill(RECT{0, mid - 3, width, mid + 3}, RGB(12, 14, 18));
    canvas.Fill(RECT{1, mid - 2, width - 1, mid + 2}, RGB(24, 96, 118));
    for (int x = 0; x < width; x += (width - 1) / 4)
        canvas.Line(x, mid + 6, x, height, RGB(90, 100, 114));
    return canvas.Release();
}

HBITMAP BadgeFace(int width, int height)
{
    Canvas canvas(width, height);
    canvas.Fill(RECT{0, 0, width, height}, kKeyColour);
    const int q = width / 4;
    const POINT hexagon[] = {{q, 0},          {width - q, 0}, {width - 1, height / 2}, {width - q, height - 1},
                             {q, height - 1}, {0, height / 2}};
    SetDCBrushColor(canvas.Dc(), RGB(26, 30, 38));
    SetDCPenColor(canvas.Dc(), kAccent);
    const HGDIOBJ oldBrush = SelectObject(canvas.Dc(), GetStockObject(DC_BRUSH));
    const HGDIOBJ oldPen = SelectObject(canvas.Dc(), GetStockObject(DC_PEN));
    Polygon(canvas.Dc(), hexagon, 6);
    SelectObject(canvas.Dc(), oldBrush);
    SelectObject(canvas.Dc(), oldPen);
    return canvas.Release();
}

HICON TrayIconImage()
{
    Canvas colour(16, 16);
    colour.Fill(RECT{0, 0, 16, 16}, RGB(22, 25, 31));
    colour.Fill(RECT{2, 2, 14, 14}, kAccent);
    colour.Fill(RECT{5, 5, 11, 11}, RGB(22, 25, 31));
    Canvas mask(16, 16);
    mask.Fill(RECT{0, 0, 16, 16}, RGB(0, 0, 0));
    ICONINFO info{};
    info.fIcon = TRUE;
    info.hbmColor = colour.Release();
    info.hbmMask = mask.Release();
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return icon;
}

}  // namespace vantor::gallery
