// The two region builders in full under Wine, GDI region work included, on
// 600 x 400 pictures shaped like the usage window's skin (a rounded panel on
// a magenta key, with holes; and the same with a speaker-like grille), timed
// with the performance counter (fastest of the repetitions):
//   bench_wine_region.exe [repetitions]
// Besides the two builders it times the fast builder's stages: making its
// 32-bit working copy, and the region work on pixels already in memory.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "RegionShape.h"
#include "TestImage.h"
#include "toolkit/CreateRegionFromBitmap.h"
#include "toolkit/PixelRuns.h"
#include "toolkit/WinRegion.h"

namespace {

using namespace vantor::toolkit;

constexpr int kWidth = 600, kHeight = 400;
using ColourAt = std::function<ColourRef(int, int)>;

HBITMAP MakeSkin(const test::TestImage& image)
{
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap)
        std::memcpy(bits, image.View().bits, static_cast<std::size_t>(image.View().stride * kHeight));
    return bitmap;
}

double Now()
{
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds of the fastest of `repetitions` calls of `work`: the machine
// is shared, and the minimum is the figure least disturbed by other load.
double Time(int repetitions, const std::function<void()>& work)
{
    double best = 1e30;
    for (int i = 0; i < repetitions; ++i) {
        const double start = Now();
        work();
        best = std::min(best, Now() - start);
    }
    return best * 1e3;
}

DWORD RectCount(HRGN region)
{
    std::vector<std::uint8_t> data(GetRegionData(region, 0, nullptr));
    if (data.empty() ||
        GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())) == 0)
        return 0;
    return reinterpret_cast<const RGNDATAHEADER*>(data.data())->nCount;
}

bool Measure(const char* label, const ColourAt& colourAt, int repetitions)
{
    const test::TestImage image(kWidth, kHeight, 4, RowOrder::BottomUp, colourAt);
    const test::TestImage image24(kWidth, kHeight, 3, RowOrder::BottomUp, colourAt);
    HBITMAP skin = MakeSkin(image24);
    if (!skin) {
        std::fprintf(stderr, "cannot make the skin bitmap\n");
        return false;
    }
    const double fast = Time(repetitions, [&] { DeleteObject(CreateRegionFromBitmap(skin, test::kShapeKey, 255)); });
    const double runs = Time(repetitions, [&] {
        WinRegion region;
        region.RegionFromBitmapRuns(skin, test::kShapeKey);
    });
    const double regionPart =
            Time(repetitions, [&] { DeleteObject(RegionFromPixels(image.View(), test::kShapeKey, 255)); });
    const double workingCopy = Time(repetitions, [&] {
        BITMAPINFO bi{};
        bi.bmiHeader = {sizeof bi.bmiHeader, kWidth, kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        DeleteObject(CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
        DeleteDC(dc);
    });

    // Both must describe the same outline for the comparison to mean anything.
    HRGN a = CreateRegionFromBitmap(skin, test::kShapeKey, 255);
    WinRegion b;
    b.RegionFromBitmapRuns(skin, test::kShapeKey);
    const bool same = EqualRgn(a, b.Handle()) != FALSE;
    const std::size_t keyRuns = KeyRuns(image.View(), test::kShapeKey).size();
    const std::size_t opaqueRuns = OpaqueRuns(image.View(), KeyRange(test::kShapeKey, 255)).size();

    std::printf("%s: %zu kept runs, %zu key runs, region of %lu rectangles\n", label, opaqueRuns, keyRuns,
                static_cast<unsigned long>(RectCount(a)));
    std::printf("  CreateRegionFromBitmap:            %8.3f ms\n", fast);
    std::printf("    of which creating the 32-bit DIB: %8.3f ms\n", workingCopy);
    std::printf("    region work on pixels in memory:  %8.3f ms\n", regionPart);
    std::printf("  RegionFromBitmapRuns:              %8.3f ms\n", runs);
    std::printf("  ratio run builder / fast builder:  %8.1f (region work alone: %.1f)\n", runs / fast,
                runs / regionPart);
    std::printf("  same region: %s\n", same ? "yes" : "NO");
    DeleteObject(a);
    DeleteObject(skin);
    return same;
}

}  // namespace

int main(int argc, char** argv)
{
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    std::printf("600 x 400, %d repetitions each\n", repetitions);
    const bool a = Measure(
            "usage-like skin", [](int x, int y) { return test::ShapeColour(x, y, kWidth, kHeight); }, repetitions);
    const bool b = Measure(
            "usage-like skin with a grille",
            [](int x, int y) { return test::GrilleShapeColour(x, y, kWidth, kHeight); }, repetitions);
    return a && b ? 0 : 1;
}
