// The gadget windows on the screen, driven with real mouse input and read
// back through their pixels, on simulated boards in this process.
#include <gtest/gtest.h>

#include <fstream>

#include "GadgetWindowsFixture.h"
#include "alertlog/AlertLog.h"
#include "gadget/GadgetMessages.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::views::test {
namespace {

constexpr int kHexW = 127, kHexH = 111;

struct DigitColours {
    int green = 0;
    int red = 0;
};

// Lit segments in the reading screen's digit slots (client coordinates).
DigitColours CountDigitColours(HWND window, int left, int top)
{
    DigitColours count;
    HDC dc = GetDC(window);
    for (int y = top; y < top + 18; ++y) {
        for (int x = left; x < left + 55; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            const int r = GetRValue(c), g = GetGValue(c);
            if (g > 150 && r < 130)
                ++count.green;
            else if (r > 150 && g < 130)
                ++count.red;
        }
    }
    ReleaseDC(window, dc);
    return count;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

bool OverlayShown(TfrmHexagon& gadget, const char* name) { return gadget.FindControl(name)->Visible(); }

// The classic board: 8 voltages, 2 temperatures, 3 fans.
TEST_F(GadgetWindows, EverySensorGetsASkinnedGadgetOwnedByTheCoverWithGreenDigitsThenRedInAlarm)
{
    Open("classic");
    ASSERT_EQ(m_set->GadgetCount(), 13u);
    EXPECT_EQ(m_set->CreatedGadgetMask(), 0x1FFFu);
    EXPECT_EQ(m_set->ShownGadgetMask(), 0x1FFFu);
    for (std::size_t i = 0; i < 13; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Gadget(i).LayoutResult(), 77);
        EXPECT_EQ(GetWindow(Window(i), GW_OWNER), static_cast<HWND>(m_cover.WindowHandle()));
        EXPECT_TRUE(IsWindowVisible(Window(i)));
        const GadgetRect r = Gadget(i).WindowRect();
        EXPECT_EQ(r.Width(), kHexW);
        EXPECT_EQ(r.Height(), kHexH);
    }
    // Voltages, then temperatures, then fans; the name is the short name.
    EXPECT_EQ(Gadget(8).Slot().kind, monitor::SensorKind::Temperature);
    EXPECT_EQ(dynamic_cast<toolkit::TLabel*>(Gadget(8).FindControl("Label2"))->Caption(), "CPU");
    EXPECT_TRUE(Gadget(8).FindControl("imgIconTemp")->Visible());
    EXPECT_FALSE(Gadget(8).FindControl("imgIconFan")->Visible());
    // Arranged along the right edge at start, top to bottom.
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    EXPECT_EQ(Gadget(0).WindowRect().left, screenWidth - kHexW);
    EXPECT_EQ(Gadget(1).WindowRect().top, kHexH);
    EXPECT_EQ(m_panel.arrangementShown, 1);

    // A region: the hexagon's corners are not the window's.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Window(8), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 1, 1));
    EXPECT_TRUE(PtInRegion(region, 63, 55));
    DeleteObject(region);

    SetRaw("RTMP", 0x06030000, 452);  // 45.2 degrees: normal
    Tick();
    for (std::size_t i = 8; i < 10; ++i)
        Place(i, 300 + 140 * static_cast<int>(i - 8), 300);
    Pump(150);
    DigitColours normal = CountDigitColours(Window(8), 30, 36);
    EXPECT_GT(normal.green, 40);
    EXPECT_EQ(normal.red, 0);
    EXPECT_FALSE(OverlayShown(Gadget(8), "imgRedLed"));
    toolkit::test::SaveScreenshot("gadgets_normal");

    SetRaw("RTMP", 0x06030000, 981);  // 98.1 degrees: over the default threshold
    Tick();
    const DigitColours alarm = CountDigitColours(Window(8), 30, 36);
    EXPECT_GT(alarm.red, 40);
    EXPECT_EQ(alarm.green, 0);
    EXPECT_TRUE(OverlayShown(Gadget(8), "imgRedLed"));
    EXPECT_TRUE(Gadget(8).FindControl("imgDC_a")->Visible());
    EXPECT_FALSE(Gadget(8).FindControl("imgDC")->Visible());
    EXPECT_TRUE(m_panel.warningLight);
    EXPECT_EQ(m_panel.trayImage, 1);
    EXPECT_EQ(m_list.opened, std::vector<ListMode>{ListMode::Message});
    EXPECT_NE(m_list.text.find("CPU Temperature"), std::string::npos) << m_list.text;
    EXPECT_EQ(m_soundPlatform.plays, (std::vector<std::string>{"-/0", "Warning/2"}));
    const std::string log = ReadAll(monitor::AlertLogPathsFor(std::string(__argv[0])).log);
    EXPECT_NE(log.find("] CPU Temperature Abnormal, 98 degrees centigrade\r\n"), std::string::npos) << log;
    toolkit::test::SaveScreenshot("gadgets_alarm");

    SetRaw("RTMP", 0x06030000, 455);
    Tick();
    normal = CountDigitColours(Window(8), 30, 36);
    EXPECT_GT(normal.green, 40);
    EXPECT_EQ(normal.red, 0);
    EXPECT_FALSE(m_panel.warningLight);
    EXPECT_EQ(m_panel.trayImage, 0);
}

// The report window open on its alert page while an alarm starts.
class OpenAlertPage final : public testing::NullReport {
public:
    bool AlertPageShown() const override { return true; }
    void ReloadAlertPage() override { ++reloads; }
    int reloads = 0;
};

TEST_F(GadgetWindows, AnOpenAlertPageIsGivenTheReportWithTheNewLine)
{
    Open("classic");
    const monitor::AlertLogPaths paths = monitor::AlertLogPathsFor(std::string(__argv[0]));
    const std::size_t linesBefore = monitor::CountLogLines(ReadAll(paths.log));
    OpenAlertPage report;
    TheViews().report = &report;
    SetRaw("RTMP", 0x06030000, 981);
    Tick();
    TheViews().report = nullptr;
    const std::string log = ReadAll(paths.log);
    ASSERT_NE(log.find("] CPU Temperature Abnormal, 98 degrees centigrade\r\n"), std::string::npos) << log;
    // Once per logged line, and the report holds the whole log, the newest line included.
    EXPECT_EQ(static_cast<std::size_t>(report.reloads), monitor::CountLogLines(log) - linesBefore);
    const std::string text = ReadAll(paths.report);
    ASSERT_GE(text.size(), log.size());
    EXPECT_EQ(text.substr(text.size() - log.size()), log);
}

TEST_F(GadgetWindows, TwoGadgetsDraggedWithin25PixelsDockFlushAndThenMoveTogether)
{
    Open("classic");
    m_set->HideAllGadgets();
    m_set->ShowGadget(8);
    m_set->ShowGadget(9);
    Place(8, 300, 500);               // A
    Place(9, 340, 500 - kHexH - 40);  // B: above A, a 40-pixel gap, 40 right
    Pump(100);
    // Grab A by its body and move it 30 up and 30 right: the midpoints come
    // within 25 pixels and B snaps on top of A.
    Drag(Screen(8, 63, 24), 30, -30);
    const GadgetRect a = Gadget(8).WindowRect();
    EXPECT_EQ(a.left, 330);
    EXPECT_EQ(a.top, 470);
    EXPECT_EQ(Gadget(9).WindowRect(), (GadgetRect{a.left, a.top - kHexH, a.left + kHexW, a.top}));
    EXPECT_EQ(m_set->ArrangementIndex(), -1);
    EXPECT_EQ(m_panel.arrangementShown, -1);

    // A new drag of A takes B along.
    Drag(Screen(8, 63, 24), -120, 90);
    const GadgetRect moved = Gadget(8).WindowRect();
    EXPECT_EQ(moved.left, 210);
    EXPECT_EQ(moved.top, 560);
    EXPECT_EQ(Gadget(9).WindowRect(), (GadgetRect{210, 560 - kHexH, 210 + kHexW, 560}));
    toolkit::test::SaveScreenshot("gadgets_docked");

    // The end of a drag saved every gadget's place and the "User" scheme.
    EXPECT_EQ(m_preferences.ReadPreference("nSchemeIdx"), -1);
    EXPECT_EQ(m_preferences.ReadGadgetPosition(8, {}), (monitor::ScreenPoint{210, 560}));
    EXPECT_EQ(m_preferences.ReadGadgetPosition(9, {}), (monitor::ScreenPoint{210, 560 - kHexH}));
    ASSERT_TRUE(m_preferences.HasGadgetPositions());

    // The next start puts them back where they were.
    m_view.reset();
    CreateSet();
    EXPECT_EQ(Gadget(8).WindowRect().left, 210);
    EXPECT_EQ(Gadget(9).WindowRect().top, 560 - kHexH);
    EXPECT_EQ(m_panel.arrangementShown, -1);
}

TEST_F(GadgetWindows, AGadgetWithItsMagnetOffDragsAloneAndIsNeverPulled)
{
    Open("classic");
    m_set->HideAllGadgets();
    m_set->ShowGadget(8);
    m_set->ShowGadget(9);
    Place(8, 300, 500);
    Place(9, 310, 500 - kHexH - 10);
    Pump(100);
    Click(Screen(8, 61 + 5, 91 + 5));  // A's magnet switch
    ASSERT_TRUE(m_set->Roster().MagnetOff(8));

    Drag(Screen(8, 63, 24), 15, -5);
    EXPECT_EQ(Gadget(8).WindowRect().left, 315);
    EXPECT_EQ(Gadget(8).WindowRect().top, 495);
    EXPECT_EQ(Gadget(9).WindowRect().left, 310);  // not pulled

    // Dragging B towards A does not pull A either.
    Drag(Screen(9, 63, 24), 3, 3);
    EXPECT_EQ(Gadget(8).WindowRect().left, 315);
    EXPECT_EQ(Gadget(8).WindowRect().top, 495);
    EXPECT_EQ(Gadget(9).WindowRect().left, 313);

    // Switched on again, A pulls B at once.
    Click(Screen(8, 61 + 5, 91 + 5));
    EXPECT_FALSE(m_set->Roster().MagnetOff(8));
    EXPECT_EQ(Gadget(9).WindowRect(), (GadgetRect{315, 495 - kHexH, 315 + kHexW, 495}));
}

TEST_F(GadgetWindows, SmallSwitchesEveryGadgetToTheSmallSkinAndBack)
{
    Open("classic");
    m_set->HideAllGadgets();
    for (std::size_t i : {0u, 8u, 10u})
        m_set->ShowGadget(i);
    SetRaw("RVLT", 0x06020000, 1900);  // the core voltage far too high
    Tick();
    m_panel.small = true;
    m_set->RelayoutGadgets();
    Place(0, 300, 300);
    Place(8, 300, 350);
    Place(10, 415, 300);
    Tick();
    for (std::size_t i : {0u, 8u, 10u}) {
        const GadgetRect r = Gadget(i).WindowRect();
        EXPECT_EQ(r.Width(), 115);
        EXPECT_EQ(r.Height(), 50);
        EXPECT_FALSE(Gadget(i).FindControl("imgBackground")->Visible());
        EXPECT_TRUE(Gadget(i).FindControl("imgBackground2")->Visible());
        EXPECT_FALSE(Gadget(i).FindControl("imgTSUp")->Visible());
    }
    EXPECT_TRUE(OverlayShown(Gadget(0), "imgRedLedSmall"));
    EXPECT_FALSE(OverlayShown(Gadget(0), "imgRedLed"));
    EXPECT_GT(CountDigitColours(Window(0), 21, 26).red, 30);
    EXPECT_GT(CountDigitColours(Window(8), 21, 26).green, 30);
    toolkit::test::SaveScreenshot("gadgets_small");

    // Small gadgets snap side by side.
    Drag(Screen(8, 50, 8), 100, -40);
    EXPECT_EQ(Gadget(8).WindowRect().left, 400);
    m_panel.small = false;
    m_set->RelayoutGadgets();
    EXPECT_EQ(Gadget(0).WindowRect().Height(), kHexH);
}

TEST_F(GadgetWindows, ThresholdButtonsStepOncePerClickAndTheCloseBoxDisablesTheSensor)
{
    Open("classic");
    m_set->HideAllGadgets();
    m_set->ShowGadget(8);
    Place(8, 400, 400);
    Pump(100);
    monitor::SensorConfig& cpu = m_config.Temperature.Configs[0];
    const float before = cpu.Threshold;
    Click(Screen(8, 17 + 5, 60 + 5));  // imgTSUp
    EXPECT_EQ(cpu.Threshold, before + 10);
    EXPECT_EQ(m_config.Temperature.EditThreshold[0], before + 10);
    Click(Screen(8, 28 + 5, 67 + 5));  // imgTSDown
    Click(Screen(8, 28 + 5, 67 + 5));
    EXPECT_EQ(cpu.Threshold, before - 10);

    // The committed scale and a new name reach the window through its messages.
    m_config.Committed.Scale = monitor::TemperatureScale::Fahrenheit;
    monitor::CopyCut("Core", m_config.Temperature.ShortName[0]);
    SendMessageA(Window(8), kWmGadgetUnits, 0, 0);
    SendMessageA(Window(8), kWmGadgetRefresh, 0, 0);
    EXPECT_TRUE(Gadget(8).FindControl("imgDF")->Visible());
    EXPECT_FALSE(Gadget(8).FindControl("imgDC")->Visible());
    EXPECT_EQ(dynamic_cast<toolkit::TLabel*>(Gadget(8).FindControl("Label2"))->Caption(), "Core");

    Click(Screen(8, 78 + 5, 90 + 5));  // imgClose
    EXPECT_FALSE(IsWindowVisible(Window(8)));
    EXPECT_EQ(cpu.Enabled, 0);
    EXPECT_EQ(m_config.Temperature.EditEnabled[0], 0);
    EXPECT_FALSE(m_set->GadgetShown(8));
    EXPECT_TRUE(m_set->Roster().MagnetOff(8));
}

// The many board lists 36 sensors: every one gets a gadget that is shown and
// evaluated, while only the first 32 have a bit in the masks.
TEST_F(GadgetWindows, ABoardWithThirtySixSensorsShowsAndEvaluatesEveryGadget)
{
    Open("many");
    ASSERT_EQ(m_set->GadgetCount(), 36u);
    EXPECT_EQ(m_set->CreatedGadgetMask(), 0xFFFFFFFFu);
    EXPECT_EQ(m_set->ShownGadgetMask(), 0xFFFFFFFFu);
    EXPECT_TRUE(m_set->GadgetShown(35));
    EXPECT_TRUE(IsWindowVisible(Window(35)));
    const SensorDescriptor& lastFan = m_config.Fan.Descriptors.back();
    SetRaw("RFAN", lastFan.Id, 0);  // the last fan stops
    Tick();
    EXPECT_TRUE(Gadget(35).AlarmState());
    EXPECT_TRUE(OverlayShown(Gadget(35), "imgRedLed"));
    EXPECT_EQ(m_set->SharedState().alarmMask, 0u);
    EXPECT_TRUE(m_panel.warningLight);
    // Arranged "Top", the 36th gadget goes where the 36th place is.
    m_set->ArrangeGadgets(0, GadgetSelection::Shown);
    const int perRow = GetSystemMetrics(SM_CXSCREEN) / kHexW;
    EXPECT_EQ(Gadget(35).WindowRect().left, kHexW * (35 % perRow));
}

// The -12 V rail reads negative: inside its limits it is green, with the
// minus sign cut as the digits are; out of them it turns red.
TEST_F(GadgetWindows, ANegativeRailInsideItsLimitsShowsGreen)
{
    Open("rails");
    m_set->HideAllGadgets();
    for (std::size_t i : {3u, 4u, 5u})
        m_set->ShowGadget(i);
    Place(3, 300, 300);
    Place(4, 300 + kHexW - 33, 300 + 56);
    Place(5, 300, 300 + kHexH);
    SetRaw("RVLT", 0x06020004, -12048);
    SetRaw("RVLT", 0x06020005, -5016);
    Tick();
    EXPECT_EQ(Gadget(4).Slot().index, 4u);
    EXPECT_LT(m_config.NominalVoltage[4], 0.0f);
    EXPECT_FALSE(Gadget(4).AlarmState());
    EXPECT_FALSE(Gadget(5).AlarmState());
    EXPECT_FALSE(OverlayShown(Gadget(4), "imgRedLed"));
    const DigitColours green = CountDigitColours(Window(4), 30, 36);
    EXPECT_GT(green.green, 40);
    EXPECT_EQ(green.red, 0);
    toolkit::test::SaveScreenshot("gadgets_negative_rail");

    SetRaw("RVLT", 0x06020004, -9000);
    Tick();
    EXPECT_TRUE(Gadget(4).AlarmState());
    EXPECT_TRUE(OverlayShown(Gadget(4), "imgRedLed"));
    const DigitColours red = CountDigitColours(Window(4), 30, 36);
    EXPECT_GT(red.red, 40);
    EXPECT_EQ(red.green, 0);
}

}  // namespace
}  // namespace vantor::views::test
