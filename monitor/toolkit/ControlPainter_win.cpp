// GDI drawing of pictures (plain, or leaving out a key colour with
// TransparentBlt) and labels (DrawTextA in the label's font).
#include "toolkit/ControlPainter.h"

#include <algorithm>

#include "toolkit/BitmapPicture.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::toolkit {
namespace {

void PaintImage(HDC dc, const TImage& image, POINT at)
{
    HBITMAP bitmap = BitmapOf(image.GetPicture());
    if (!bitmap)
        return;
    // Drawn at its own size from the top-left corner, cut to the control.
    const int width = std::min(image.Width(), image.GetPicture()->Width());
    const int height = std::min(image.Height(), image.GetPicture()->Height());
    if (width <= 0 || height <= 0)
        return;
    HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, bitmap);
    if (image.Transparent())
        TransparentBlt(dc, at.x, at.y, width, height, source, 0, 0, width, height, image.TransparentColour());
    else
        BitBlt(dc, at.x, at.y, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

UINT AlignmentFlags(TextAlign alignment)
{
    switch (alignment) {
    case TextAlign::Centre:
        return DT_CENTER;
    case TextAlign::Right:
        return DT_RIGHT;
    case TextAlign::Left:
        break;
    }
    return DT_LEFT;
}

void PaintLabel(HDC dc, const TLabel& label, POINT at)
{
    RECT r{at.x, at.y, at.x + label.Width(), at.y + label.Height()};
    if (!label.Transparent()) {
        HBRUSH brush = CreateSolidBrush(label.BackColour());
        FillRect(dc, &r, brush);
        DeleteObject(brush);
    }
    if (label.Caption().empty())
        return;
    const FontSpec& spec = label.Font();
    HFONT font = CreateFontA(spec.height, 0, 0, 0, spec.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             static_cast<BYTE>(spec.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH, spec.face.c_str());
    const HGDIOBJ oldFont = SelectObject(dc, font);
    SetBkMode(dc, TRANSPARENT);
    // A disabled label keeps its place and text but reads as inactive.
    SetTextColor(dc, label.Enabled() ? label.TextColour() : RGB(110, 116, 124));
    DrawTextA(dc, label.Caption().c_str(), -1, &r,
              AlignmentFlags(label.Alignment()) | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

}  // namespace

void PaintControls(HDC dc, const Control& root, POINT origin, const RECT& area)
{
    for (const auto& child : root.Children()) {
        const Control& c = *child;
        if (c.IsWindowed() || !c.Visible())
            continue;
        const POINT at{origin.x + c.Left(), origin.y + c.Top()};
        const RECT place{at.x, at.y, at.x + c.Width(), at.y + c.Height()};
        RECT common;
        if (IntersectRect(&common, &place, &area)) {
            if (const auto* image = dynamic_cast<const TImage*>(&c))
                PaintImage(dc, *image, at);
            else if (const auto* label = dynamic_cast<const TLabel*>(&c))
                PaintLabel(dc, *label, at);
        }
        // Children are not held inside their parent's rectangle.
        PaintControls(dc, c, at, area);
    }
}

}  // namespace vantor::toolkit
