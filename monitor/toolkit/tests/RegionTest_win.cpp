// The region builders through GDI: the regions they make, read back with
// GetRegionData, cover exactly the pixels the scan picks natively, also as
// the shape of a real window on the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "RegionShape.h"
#include "TestImage.h"
#include "WineScreen.h"
#include "toolkit/CopyBitmapCell.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/PixelRuns.h"
#include "toolkit/WinRegion.h"

namespace vantor::toolkit {
namespace {

using test::FirstDifference;
using test::PixelMask;
using test::TestImage;

using ColourAt = std::function<ColourRef(int, int)>;

constexpr ColourRef kMagenta = MakeColour(255, 0, 255);
constexpr ColourRef kBlack = MakeColour(0, 0, 0);
constexpr ColourRef kRedOnly = 255;

// A DIB section holding the picture, in 24 or 32 bits per pixel.
HBITMAP MakeBitmap(int width, int height, int bitsPerPixel, const ColourAt& colourAt)
{
    const TestImage image(width, height, bitsPerPixel / 8, RowOrder::BottomUp, colourAt);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap)
        std::memcpy(bits, image.View().bits, static_cast<std::size_t>(image.View().stride * height));
    return bitmap;
}

std::vector<PixelRect> RegionRects(HRGN region)
{
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<std::uint8_t> data(size);
    if (size == 0 || GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) != size)
        return {};
    const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
    const auto* rects = reinterpret_cast<const RECT*>(data.data() + header->dwSize);
    std::vector<PixelRect> out;
    for (DWORD i = 0; i < header->nCount; ++i)
        out.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
    return out;
}

// Where the region and the expected pixels part, or empty.
std::string CompareRegion(HRGN region, int width, int height, const std::function<bool(int, int)>& kept)
{
    PixelMask mask(width, height);
    for (const PixelRect& r : RegionRects(region))
        if (!mask.Add(r))
            return "rectangle outside the bitmap";
    return FirstDifference(mask, kept);
}

ColourRef Comb(int x, int) { return x % 2 == 0 ? MakeColour(40, 40, 40) : kMagenta; }

ColourRef RedShades(int x, int y)
{
    switch ((x + 2 * y) % 4) {
    case 0:
        return MakeColour(static_cast<std::uint8_t>(x * 9), 0, 0);  // any red, no green or blue: cut
    case 1:
        return MakeColour(0, 1, 0);
    case 2:
        return MakeColour(0, 0, 1);
    default:
        return MakeColour(90, 90, 90);
    }
}

TEST(CreateRegionFromBitmap, CoversExactlyThePixelsOutsideTheKeyRange)
{
    struct Case {
        const char* label;
        int width;
        int height;
        ColourAt colourAt;
        ColourRef key;
        std::function<bool(ColourRef)> cut;
    };
    const Case cases[] = {
            {"panel with holes on magenta", 160, 120, [](int x, int y) { return test::ShapeColour(x, y, 160, 120); },
             kMagenta, [](ColourRef c) { return c == kMagenta; }},
            {"black key cuts every pure red", 37, 11, RedShades, kBlack,
             [](ColourRef c) { return GreenOf(c) == 0 && BlueOf(c) == 0; }},
            {"6000 runs, more than two batches", 200, 60, Comb, kMagenta, [](ColourRef c) { return c == kMagenta; }},
            {"no key pixel: the full rectangle", 13, 7, [](int, int) { return MakeColour(1, 2, 3); }, kMagenta,
             [](ColourRef) { return false; }},
            {"all key: empty", 13, 7, [](int, int) { return kMagenta; }, kMagenta, [](ColourRef) { return true; }},
    };
    for (const Case& c : cases)
        for (int bpp : {24, 32}) {
            SCOPED_TRACE(testing::Message() << c.label << ", " << bpp << " bits");
            HBITMAP bitmap = MakeBitmap(c.width, c.height, bpp, c.colourAt);
            ASSERT_NE(bitmap, nullptr);
            HRGN region = CreateRegionFromBitmap(bitmap, c.key, kRedOnly);
            ASSERT_NE(region, nullptr);
            EXPECT_EQ(CompareRegion(region, c.width, c.height, [&](int x, int y) { return !c.cut(c.colourAt(x, y)); }),
                      "");
            DeleteObject(region);
            DeleteObject(bitmap);
        }
}

TEST(CreateRegionFromBitmap, NullBitmapGivesNoRegion)
{
    EXPECT_EQ(CreateRegionFromBitmap(nullptr, kMagenta, kRedOnly), nullptr);
}

TEST(WinRegion, RunBuilderCutsExactKeyAndLeavesTheBitmapAsItWas)
{
    for (int bpp : {24, 32}) {
        SCOPED_TRACE(bpp);
        auto colourAt = [](int x, int y) { return test::ShapeColour(x, y, 90, 70); };
        HBITMAP bitmap = MakeBitmap(90, 70, bpp, colourAt);
        DIBSECTION before{};
        ASSERT_NE(GetObjectW(bitmap, sizeof before, &before), 0);
        const std::vector<std::uint8_t> pixelsBefore(static_cast<const std::uint8_t*>(before.dsBm.bmBits),
                                                     static_cast<const std::uint8_t*>(before.dsBm.bmBits) +
                                                             before.dsBm.bmWidthBytes * 70);

        WinRegion region;
        ASSERT_TRUE(region.RegionFromBitmapRuns(bitmap, kMagenta));
        EXPECT_EQ(CompareRegion(region.Handle(), 90, 70, [&](int x, int y) { return colourAt(x, y) != kMagenta; }), "");

        DIBSECTION after{};
        ASSERT_NE(GetObjectW(bitmap, sizeof after, &after), 0);
        EXPECT_EQ(after.dsBm.bmBitsPixel, bpp);
        EXPECT_EQ(after.dsBmih.biBitCount, bpp);
        EXPECT_EQ(std::memcmp(pixelsBefore.data(), after.dsBm.bmBits, pixelsBefore.size()), 0);
        DeleteObject(bitmap);
    }
    WinRegion untouched;
    untouched.SetRect(1, 2, 3, 4);
    EXPECT_FALSE(untouched.RegionFromBitmapRuns(nullptr, kMagenta));
    EXPECT_EQ(RegionRects(untouched.Handle()), (std::vector<PixelRect>{{1, 2, 3, 4}}));
}

TEST(WinRegion, RectangleDifferenceAndIndependentCopies)
{
    WinRegion region, hole;
    EXPECT_TRUE(RegionRects(region.Handle()).empty());  // starts empty
    region.SetRect(0, 0, 10, 4);
    hole.SetRect(2, 0, 5, 4);
    region.Subtract(hole);
    const std::vector<PixelRect> expected{{0, 0, 2, 4}, {5, 0, 10, 4}};
    EXPECT_EQ(RegionRects(region.Handle()), expected);

    HRGN copy = region.Copy();
    ASSERT_NE(copy, region.Handle());
    region.SetRect(0, 0, 1, 1);
    EXPECT_EQ(RegionRects(copy), expected);
    DeleteObject(copy);
}

// A borderless window that paints its skin bitmap.
HBITMAP g_skin = nullptr;

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(window, &ps);
        BITMAP info{};
        GetObjectW(g_skin, sizeof info, &info);
        CopyBitmapCell(dc, POINT{0, 0}, g_skin, RECT{0, 0, info.bmWidth, info.bmHeight});
        EndPaint(window, &ps);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeSkinWindow(int x, int y, int width, int height)
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = SkinWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "VantorRegionTest";
        return RegisterClassA(&wc) != 0;
    }();
    if (!registered)
        return nullptr;
    return CreateWindowExA(WS_EX_TOOLWINDOW, "VantorRegionTest", "", WS_POPUP, x, y, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

// Pixels of the bitmap read back the way the builders read them, scanned by
// the portable code: the region a window should get.
std::vector<PixelRect> NativeRuns(HBITMAP bitmap, int width, int height)
{
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(DibStride(width, 4) * height));
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), bytes.data(), &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    const PixelView view{bytes.data(), width, height, DibStride(width, 4), 4, RowOrder::BottomUp};
    return OpaqueRuns(view, KeyRange(view.At(0, 0), kRedOnly));
}

TEST(RegionWindow, TheWindowTakesTheShapeComputedFromItsSkin)
{
    constexpr int kWidth = 300, kHeight = 200;
    g_skin = MakeBitmap(kWidth, kHeight, 24, [](int x, int y) { return test::ShapeColour(x, y, kWidth, kHeight); });
    ASSERT_NE(g_skin, nullptr);
    PixelMask expected(kWidth, kHeight);
    for (const PixelRect& r : NativeRuns(g_skin, kWidth, kHeight))
        expected.Add(r);

    HWND window = MakeSkinWindow(120, 90, kWidth, kHeight);
    ASSERT_NE(window, nullptr);
    // As every window does: the top-left pixel is the key, red tolerance 255.
    HRGN shape = CreateRegionFromBitmap(g_skin, kMagenta, kRedOnly);
    ASSERT_NE(shape, nullptr);
    ASSERT_NE(SetWindowRgn(window, shape, TRUE), 0);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);

    HRGN applied = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, applied), ERROR);
    EXPECT_EQ(CompareRegion(applied, kWidth, kHeight, [&](int x, int y) { return expected.Covered(x, y); }), "");
    EXPECT_EQ(CompareRegion(applied, kWidth, kHeight,
                            [](int x, int y) { return test::ShapeColour(x, y, kWidth, kHeight) != kMagenta; }),
              "");
    test::SaveScreenshot("toolkit-region-window");

    // The run builder's region applied through WinRegion: the same outline
    // here, since the skin has no near-key pixels in the red range.
    WinRegion runs;
    ASSERT_TRUE(runs.RegionFromBitmapRuns(g_skin, kMagenta));
    ASSERT_TRUE(runs.ApplyToWindow(window, true));
    ASSERT_NE(GetWindowRgn(window, applied), ERROR);
    EXPECT_EQ(CompareRegion(applied, kWidth, kHeight, [&](int x, int y) { return expected.Covered(x, y); }), "");
    EXPECT_FALSE(runs.ApplyToWindow(nullptr, false));  // refused: the copy is freed, nothing shaped
    // The window took a copy: the object's own handle is still whole.
    EXPECT_EQ(CompareRegion(runs.Handle(), kWidth, kHeight, [&](int x, int y) { return expected.Covered(x, y); }), "");

    DeleteObject(applied);
    DestroyWindow(window);
    DeleteObject(g_skin);
    g_skin = nullptr;
}

TEST(CopyBitmapCell, CopiesOneCellToThePoint)
{
    // Two 4 x 3 cells side by side: red, then blue.
    HBITMAP strip =
            MakeBitmap(8, 3, 24, [](int x, int) { return x < 4 ? MakeColour(255, 0, 0) : MakeColour(0, 0, 255); });
    HBITMAP target = MakeBitmap(10, 10, 32, [](int, int) { return MakeColour(0, 255, 0); });
    HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, target);
    ASSERT_TRUE(CopyBitmapCell(dc, POINT{3, 2}, strip, RECT{4, 0, 8, 3}));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            const bool inCell = x >= 3 && x < 7 && y >= 2 && y < 5;
            EXPECT_EQ(GetPixel(dc, x, y), inCell ? RGB(0, 0, 255) : RGB(0, 255, 0)) << x << "," << y;
        }
    EXPECT_FALSE(CopyBitmapCell(dc, POINT{0, 0}, nullptr, RECT{0, 0, 1, 1}));
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(target);
    DeleteObject(strip);
}

}  // namespace
}  // namespace vantor::toolkit
