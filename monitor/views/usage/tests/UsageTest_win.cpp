// The usage window on the screen, driven with real mouse input and read
// back through its pixels: the processor-load library is the real
// cpuutil.dll beside this program, the memory and disk figures the system's.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "testing/NullViews.h"
#include "WineMouse.h"
#include "WineScreen.h"
#include "app/Views.h"
#include "toolkit/TImage.h"
#include "toolkit/TTreeView.h"
#include "usage/CpuSampling_win.h"
#include "usage/MemoryPage.h"
#include "usage/TfrmUsage.h"

namespace vantor::views::test {
namespace {

using toolkit::test::MouseButtonEvent;
using toolkit::test::MouseTo;
using toolkit::test::Pump;

constexpr int kLeft = 300, kTop = 200;

// Memory figures a test sets; the drives are the system's.
class FixedMemory final : public monitor::SystemUsage {
public:
    monitor::MemorySample SampleMemory() override { return memory; }
    std::vector<std::string> ListFixedDrives() override { return m_system->ListFixedDrives(); }
    std::optional<monitor::DriveSample> SampleDrive(const std::string& name) override
    {
        return m_system->SampleDrive(name);
    }
    monitor::MemorySample memory = monitor::MemoryFigures(536281088, 201326592);

private:
    std::unique_ptr<monitor::SystemUsage> m_system = monitor::MakeWindowsSystemUsage();
};

class MissingLibrary final : public monitor::CpuLibraryPlatform {
public:
    std::string ProgramFolder() override { return "C:\\nowhere\\"; }
    monitor::CpuBinding Bind(const std::string&, std::unique_ptr<monitor::CpuLoadFunctions>&) override
    {
        return monitor::CpuBinding::LibraryMissing;
    }
    void SleepMs(std::uint32_t) override {}
};

class UsageWindow : public ::testing::Test {
protected:
    void Make(std::unique_ptr<monitor::SystemUsage> system)
    {
        m_window = std::make_unique<TfrmUsage>(m_platform, std::move(system),
                                               [this](const monitor::CpuStartEffects& e) { m_effects.push_back(e); });
        ASSERT_TRUE(m_window->CreateUsage(nullptr));
        SetWindowPos(m_window->Handle(), nullptr, kLeft, kTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    void TearDown() override
    {
        m_window.reset();
        Pump(50);
    }
    POINT At(int x, int y) { return toolkit::test::ScreenPoint(m_window->Handle(), x, y); }
    void Click(POINT at)
    {
        MouseTo(at);
        MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        MouseButtonEvent(MOUSEEVENTF_LEFTUP);
        Pump(150);
    }

    monitor::WinCpuLibraryPlatform m_platform;
    std::vector<monitor::CpuStartEffects> m_effects;
    std::unique_ptr<TfrmUsage> m_window;
};

bool IsLime(COLORREF c) { return GetGValue(c) > 200 && GetRValue(c) < 90 && GetBValue(c) < 90; }

// The highest lime pixel of a graph's newest columns, as a height above its
// bottom edge; -1 when there is no line there.
int LineHeight(HWND window, const GraphPlace& graph)
{
    HDC dc = GetDC(window);
    int best = -1;
    for (int x = graph.left + graph.width - 12; x < graph.left + graph.width; ++x) {
        for (int y = graph.top; y < graph.top + graph.height; ++y) {
            if (IsLime(GetPixel(dc, x, y))) {
                best = std::max(best, graph.top + graph.height - 1 - y);
                break;
            }
        }
    }
    ReleaseDC(window, dc);
    return best;
}

int RegionKind(HWND window)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const int kind = GetWindowRgn(window, region);
    DeleteObject(region);
    return kind;
}

// Made at start-up and seldom opened, the window holds no pictures and has
// no shape until it is first shown.
TEST_F(UsageWindow, PicturesAndShapeComeWithTheFirstShow)
{
    Make(monitor::MakeWindowsSystemUsage());
    EXPECT_EQ(m_window->FindImage("imgBackground")->GetPicture(), nullptr);
    EXPECT_EQ(m_window->FindImage("imgCpuBack")->GetPicture(), nullptr);
    EXPECT_EQ(RegionKind(m_window->Handle()), ERROR);
    m_window->Open();
    Pump(100);
    EXPECT_NE(m_window->FindImage("imgBackground")->GetPicture(), nullptr);
    EXPECT_NE(m_window->FindImage("imgTab")->GetPicture(), nullptr) << "the page shown has its picture";
    EXPECT_EQ(RegionKind(m_window->Handle()), COMPLEXREGION);
}

TEST_F(UsageWindow, CpuPageDrawsARisingLineWhileAProcessorIsKeptBusy)
{
    Make(monitor::MakeWindowsSystemUsage());
    EXPECT_TRUE(m_effects.size() == 1 && m_effects[0].box == monitor::CpuStartEffects::Box::None);
    EXPECT_EQ(m_window->LayoutResult(), 80);
    m_window->Open();
    Pump(150);
    EXPECT_EQ(m_window->ActivePage(), UsagePage::HardDisk);
    Click(At(305, 55));  // the "CPU" tab caption
    ASSERT_EQ(m_window->ActivePage(), UsagePage::Cpu);
    EXPECT_FALSE(m_window->FindControl("imgCpuTab")->Visible());
    EXPECT_TRUE(m_window->FindControl("imgHddTab")->Visible());
    const CpuLayout& layout = m_window->Layout();
    ASSERT_GE(layout.processors, 1u);

    std::atomic<bool> busy{true};
    std::vector<std::thread> spinners;
    for (int i = 0; i < 2; ++i) {
        spinners.emplace_back([&busy] {
            volatile unsigned long long n = 0;
            while (busy.load(std::memory_order_relaxed))
                n = n + 1;
        });
    }
    // The window's own timer ticks once a second.
    for (int i = 0; i < 8; ++i)
        Pump(1000);
    int highest = -1;
    std::size_t busiest = 0;
    for (std::size_t i = 0; i < layout.processors; ++i) {
        const int height = LineHeight(m_window->Handle(), layout.graph[i]);
        if (height > highest) {
            highest = height;
            busiest = i;
        }
    }
    toolkit::test::SaveScreenshot("usage-cpu");
    busy = false;
    for (std::thread& t : spinners)
        t.join();
    // A spinning thread loads a processor well above a quarter.
    EXPECT_GT(highest, layout.graph[busiest].height / 4) << "processor " << busiest;
    EXPECT_GT(std::stoi(m_window->Caption("lbCpu5")), 20);
    // The graph holds what the ticks fed it: the newest point is the last load + 1.
    const std::vector<GraphPoint> line = m_window->Graph(busiest).Line();
    ASSERT_GE(line.size(), 5u);
    EXPECT_EQ(line.back().x, layout.graph[busiest].width - 1);
    EXPECT_EQ(line[line.size() - 2].x, line.back().x - kGraphScrollStep);

    m_window->Close();
    EXPECT_FALSE(m_window->FindTimer("tmrCpuUsage")->Enabled());
}

TEST_F(UsageWindow, MemoryPageShowsTheSystemsFiguresAndRedrawsThePieOnlyWhenThePercentMoves)
{
    Make(monitor::MakeWindowsSystemUsage());
    m_window->Open();
    Click(At(195, 55));  // "Memory"
    ASSERT_EQ(m_window->ActivePage(), UsagePage::Memory);
    EXPECT_TRUE(m_window->FindTimer("tmrRamUsage")->Enabled());
    const monitor::MemorySample system = monitor::MakeWindowsSystemUsage()->SampleMemory();
    const MemoryTexts expected = MemoryPageTexts(system, ",");
    EXPECT_EQ(m_window->Caption("lbRam6"), expected.totalBytes);
    EXPECT_EQ(m_window->Caption("lbRam7"), expected.totalMB);
    EXPECT_NEAR(std::stoi(m_window->Caption("lbRam1")), static_cast<int>(system.usedPercent), 2);
    EXPECT_TRUE(m_window->FindControl("imgChart")->Visible());
    EXPECT_GE(m_window->PieDraws(), 1);
    // The used slice is blue on the page where the pie stands.
    HDC dc = GetDC(m_window->Handle());
    int blue = 0;
    for (int y = 248; y < 248 + 73; ++y)
        for (int x = 296; x < 296 + 137; ++x)
            if (const COLORREF c = GetPixel(dc, x, y); GetBValue(c) > 120 && GetRValue(c) < 60 && GetGValue(c) < 60)
                ++blue;
    ReleaseDC(m_window->Handle(), dc);
    // The slice grows with the memory in use: a quarter of its share of the
    // pie's ellipse (137 x 73) is a floor the drawing always clears.
    const double ellipse = 3.14159 / 4 * 137 * 73;
    EXPECT_GT(blue, static_cast<int>(system.usedPercent / 100.0 * ellipse / 4));
    EXPECT_GT(blue, 0);
    toolkit::test::SaveScreenshot("usage-memory");
    m_window->Close();

    // Figures of a test: the six numbers follow every tick, the pie only a new percent.
    m_window.reset();
    auto fixed = std::make_unique<FixedMemory>();
    FixedMemory* memory = fixed.get();
    Make(std::move(fixed));
    m_window->Open();
    m_window->SelectPage(UsagePage::Memory);
    EXPECT_EQ(m_window->Caption("lbRam1"), "62");
    EXPECT_EQ(m_window->Caption("lbRam2"), "334,954,496");
    EXPECT_EQ(m_window->Caption("lbRam3"), "319");
    EXPECT_EQ(m_window->Caption("lbRam5"), "192");
    EXPECT_EQ(m_window->Caption("lbRam7"), "511");
    const int draws = m_window->PieDraws();
    memory->memory = monitor::MemoryFigures(536281088, 201326592 - 4096);
    m_window->UpdateMemory(false);
    EXPECT_EQ(m_window->Caption("lbRam4"), "201,322,496");
    EXPECT_EQ(m_window->PieDraws(), draws);
    memory->memory = monitor::MemoryFigures(536281088, 100000000);
    m_window->UpdateMemory(false);
    EXPECT_EQ(m_window->Caption("lbRam1"), "81");
    EXPECT_EQ(m_window->PieDraws(), draws + 1);
    // The pie went through chart.bmp, which is gone again.
    EXPECT_EQ(GetFileAttributesA((monitor::WinCpuLibraryPlatform().ProgramFolder() + "chart.bmp").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

RECT NodeRect(HWND tree, HTREEITEM node)
{
    // The item goes in where the rectangle comes out.
    union {
        RECT rect;
        HTREEITEM item;
    } in{};
    in.item = node;
    SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&in.rect));
    return in.rect;
}

TEST_F(UsageWindow, HardDiskPageListsTheFixedDrivesAndFollowsTheTreeShownModally)
{
    Make(monitor::MakeWindowsSystemUsage());
    auto system = monitor::MakeWindowsSystemUsage();
    const std::vector<std::string> drives = system->ListFixedDrives();
    ASSERT_FALSE(drives.empty());
    toolkit::TTreeView& tree = m_window->DriveTree();
    EXPECT_EQ(tree.Count(), static_cast<int>(drives.size()) + 1);

    // Shown modally; a second thread plays the user, as the modal loop owns this one.
    std::atomic<int> step{0};
    std::string firstName;
    std::string afterRoot;
    std::thread user([&] {
        while (!IsWindowVisible(m_window->Handle()))
            Sleep(20);
        Sleep(400);
        step = 1;
        HWND treeWindow = tree.Handle();
        HTREEITEM root = TreeView_GetRoot(treeWindow);
        HTREEITEM last = TreeView_GetChild(treeWindow, root);
        while (HTREEITEM next = TreeView_GetNextSibling(treeWindow, last))
            last = next;
        for (HTREEITEM node : {last, root}) {
            const RECT r = NodeRect(treeWindow, node);
            POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
            ClientToScreen(treeWindow, &p);
            MouseTo(p);
            MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
            MouseButtonEvent(MOUSEEVENTF_LEFTUP);
            Sleep(400);
            if (node == last)
                firstName = m_window->Caption("lbTabHdd10");
            else
                afterRoot = m_window->Caption("lbTabHdd10");
        }
        toolkit::test::SaveScreenshot("usage-disk");
        POINT close{547 + 9, 21 + 9};
        ClientToScreen(m_window->Handle(), &close);
        MouseTo(close);
        MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        MouseButtonEvent(MOUSEEVENTF_LEFTUP);
    });
    m_window->ShowModal();
    user.join();
    EXPECT_EQ(step.load(), 1);
    EXPECT_FALSE(IsWindowVisible(m_window->Handle()));
    // The last drive's node was chosen; choosing the root then changed nothing.
    EXPECT_EQ(firstName, "[" + drives.back() + "]");
    EXPECT_EQ(afterRoot, firstName);
    const auto sample = system->SampleDrive(drives.back());
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(m_window->Caption("lbHdd5"), monitor::FormatThousands(sample->totalBytes));
    EXPECT_EQ(m_window->Caption("lbTabHdd11"), sample->fileSystem);
}

TEST(UsageWindowStart, WithoutTheProcessorLibraryTheProgramEndsAfterItsMessage)
{
    MissingLibrary platform;
    std::vector<monitor::CpuStartEffects> effects;
    TfrmUsage window(platform, monitor::MakeWindowsSystemUsage(),
                     [&effects](const monitor::CpuStartEffects& e) { effects.push_back(e); });
    EXPECT_FALSE(window.CreateUsage(nullptr));
    ASSERT_EQ(effects.size(), 1u);
    EXPECT_EQ(effects[0].box, monitor::CpuStartEffects::Box::Information);
    EXPECT_EQ(effects[0].text, "Load cpuutil.dll failed !");
    EXPECT_TRUE(effects[0].endProgram);
}

}  // namespace
}  // namespace vantor::views::test
