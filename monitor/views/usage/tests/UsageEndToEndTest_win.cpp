// Vantor.exe's usage window opened with a real click on the main panel's
// Usage button: the processor graph climbs while this test keeps the
// processors busy, and the memory page shows the machine's total memory.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "testing/EndToEnd_win.h"

namespace vantor::views {
namespace {

using testing::BoundsOf;
using testing::ClickWindowAt;
using testing::kMainPanelCaption;
using testing::kSkinnedClass;
using testing::kStartTimeoutMs;
using testing::kUsageCaption;
using testing::ProgramFolder;
using testing::ScreenCopy;
using testing::VantorProcess;
using testing::WaitUntil;

// From the main panel's top-left corner: the Usage button.
constexpr POINT kUsageButton{456, 150};
// From the usage window's: the tab captions, the close button.
constexpr POINT kCpuTab{305, 55}, kMemoryTab{195, 55}, kClose{556, 30};
// The "Total" row of the memory page: bytes and megabytes, right-aligned.
constexpr RECT kTotalBytes{232, 216, 362, 240}, kTotalMB{396, 216, 486, 240};
// What the value labels are drawn in.
constexpr COLORREF kValueColour = RGB(150, 238, 255);

struct GraphArea {
    int left, top, width, height;
};

// Where the processor graphs stand for this many processors: one wide
// graph, two long ones, or four in two rows.
std::vector<GraphArea> GraphAreas(unsigned processors)
{
    if (processors <= 1)
        return {{69, 145, 444, 170}};
    if (processors == 2)
        return {{69, 145, 444, 75}, {69, 240, 444, 75}};
    return {{69, 145, 189, 75}, {324, 145, 189, 75}, {69, 240, 189, 75}, {324, 240, 189, 75}};
}

bool IsLime(COLORREF c) { return GetGValue(c) > 200 && GetRValue(c) < 90 && GetBValue(c) < 90; }

// The height of the highest lime pixel in a graph's newest columns above its
// bottom edge; -1 without a line there.
int NewestLineHeight(const ScreenCopy& screen, POINT window, const GraphArea& graph)
{
    int best = -1;
    for (int x = graph.left + graph.width - 12; x < graph.left + graph.width; ++x) {
        for (int y = graph.top; y < graph.top + graph.height; ++y) {
            if (IsLime(screen.At(window.x + x, window.y + y))) {
                best = std::max(best, graph.top + graph.height - 1 - y);
                break;
            }
        }
    }
    return best;
}

std::string Grouped(std::uint64_t value)
{
    std::string digits = std::to_string(value), text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

// The text drawn white on black in the font the program's labels use:
// 255 where the glyphs are solid, 0 where nothing is drawn.
struct TextPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> ink;
};

TextPicture DrawTextPicture(const std::string& text, const char* face)
{
    TextPicture picture;
    picture.width = 200;
    picture.height = 20;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH, face);
    HGDIOBJ oldFont = SelectObject(dc, font);
    RECT all{0, 0, picture.width, picture.height};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    TextOutA(dc, 2, 2, text.c_str(), static_cast<int>(text.size()));
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    picture.ink.resize(static_cast<std::size_t>(picture.width) * picture.height);
    for (std::size_t i = 0; i < picture.ink.size(); ++i)
        picture.ink[i] = static_cast<std::uint8_t>((pixels[i] >> 8) & 0xFF);
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return picture;
}

bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) < 50 && std::abs(GetGValue(a) - GetGValue(b)) < 50 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 50;
}

// Whether the screen shows exactly this text in the value colour somewhere
// in the area (window coordinates): every solid pixel of the glyphs is
// there, and almost nothing of that colour where the glyphs leave blank.
bool ShowsText(const ScreenCopy& screen, POINT window, const RECT& area, const std::string& text)
{
    for (const char* face : {"Tahoma", "Arial"}) {
        const TextPicture picture = DrawTextPicture(text, face);
        int inkLeft = picture.width, inkTop = picture.height, inkRight = -1, inkBottom = -1;
        for (int y = 0; y < picture.height; ++y)
            for (int x = 0; x < picture.width; ++x)
                if (picture.ink[static_cast<std::size_t>(y) * picture.width + x] > 0) {
                    inkLeft = std::min(inkLeft, x), inkRight = std::max(inkRight, x);
                    inkTop = std::min(inkTop, y), inkBottom = std::max(inkBottom, y);
                }
        if (inkRight < 0)
            continue;
        for (int oy = area.top; oy + (inkBottom - inkTop) < area.bottom; ++oy) {
            for (int ox = area.left; ox + (inkRight - inkLeft) < area.right; ++ox) {
                int solid = 0, solidSeen = 0, blank = 0, blankLit = 0;
                for (int y = inkTop; y <= inkBottom; ++y) {
                    for (int x = inkLeft; x <= inkRight; ++x) {
                        const int ink = picture.ink[static_cast<std::size_t>(y) * picture.width + x];
                        const bool lit =
                                Near(screen.At(window.x + ox + x - inkLeft, window.y + oy + y - inkTop), kValueColour);
                        if (ink > 200) {
                            ++solid;
                            solidSeen += lit ? 1 : 0;
                        } else if (ink == 0) {
                            ++blank;
                            blankLit += lit ? 1 : 0;
                        }
                    }
                }
                if (solid > 0 && solidSeen * 10 >= solid * 9 && blankLit * 20 <= blank)
                    return true;
            }
        }
    }
    return false;
}

TEST(UsageRun, TheUsageButtonOpensTheWindowWhoseGraphClimbsUnderLoadAndWhoseMemoryPageShowsTheTotal)
{
    ProgramFolder folder("usage-run");
    ASSERT_TRUE(folder.Complete()) << "missing from the build folder: " << folder.Missing();
    VantorProcess vantor;
    ASSERT_TRUE(vantor.Start(folder));
    HWND panel = vantor.WaitForVisibleWindow(kSkinnedClass, kMainPanelCaption, kStartTimeoutMs);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(panel); }, 5000));

    ClickWindowAt(panel, kUsageButton.x, kUsageButton.y);
    HWND usage = vantor.WaitForVisibleWindow(kSkinnedClass, kUsageCaption, 10000);
    ASSERT_NE(usage, nullptr) << "the Usage button opens the usage window";
    const POINT window{BoundsOf(usage).left, BoundsOf(usage).top};
    ClickWindowAt(usage, kCpuTab.x, kCpuTab.y);

    SYSTEM_INFO system{};
    GetSystemInfo(&system);
    const std::vector<GraphArea> graphs = GraphAreas(system.dwNumberOfProcessors);
    std::atomic<bool> busy{true};
    std::vector<std::thread> spinners;
    for (DWORD i = 0; i < system.dwNumberOfProcessors; ++i) {
        spinners.emplace_back([&busy] {
            volatile unsigned long long n = 0;
            while (busy.load(std::memory_order_relaxed))
                n = n + 1;
        });
    }
    // The window samples once a second; busy processors lift the newest
    // point of a graph well above a quarter of its height.
    int highest = -1;
    const bool climbed = WaitUntil(
            [&] {
                const ScreenCopy screen;
                highest = -1;
                for (const GraphArea& g : graphs)
                    highest = std::max(highest, NewestLineHeight(screen, window, g) * 100 / g.height);
                return highest > 25;
            },
            15000);
    testing::PointerAway();
    testing::SaveScreenshot("e2e-usage-cpu");
    busy = false;
    for (std::thread& t : spinners)
        t.join();
    EXPECT_TRUE(climbed) << "highest newest point at " << highest << "% of its graph";

    ClickWindowAt(usage, kMemoryTab.x, kMemoryTab.y);
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    ASSERT_TRUE(GlobalMemoryStatusEx(&memory));
    const std::string totalBytes = Grouped(memory.ullTotalPhys);
    const std::string totalMB = Grouped(memory.ullTotalPhys / (1024 * 1024));
    testing::PointerAway();
    EXPECT_TRUE(WaitUntil([&] { return ShowsText(ScreenCopy(), window, kTotalBytes, totalBytes); }, 5000))
            << "the total row shows " << totalBytes << " bytes";
    const ScreenCopy page;
    EXPECT_TRUE(ShowsText(page, window, kTotalMB, totalMB)) << "and " << totalMB << " MB";
    // The reading tells numbers apart: a total one gigabyte off is not there.
    EXPECT_FALSE(ShowsText(page, window, kTotalBytes, Grouped(memory.ullTotalPhys + (1ull << 30))));
    EXPECT_FALSE(ShowsText(page, window, kTotalMB, Grouped(memory.ullTotalPhys / (1024 * 1024) + 1024)));
    testing::SaveScreenshot("e2e-usage-memory");

    ClickWindowAt(usage, kClose.x, kClose.y);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(usage); }, 5000)) << "the close button closes it";
    EXPECT_TRUE(vantor.End());
}

}  // namespace
}  // namespace vantor::views
