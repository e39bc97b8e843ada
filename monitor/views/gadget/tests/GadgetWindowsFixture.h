// The gadget windows in this process on a simulated board: the hardware
// library's exports served by boardsim in-process (so a test sets any raw
// reading), the sensor configuration with its defaults, and small fakes of
// the main panel, the cover, the list window and the sound library in the
// program's Views. Real windows on the Xvfb screen.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "testing/NullViews.h"
#include "WineMouse.h"
#include "WineScreen.h"
#include "app/Views.h"
#include "binding/BindingHardware.h"
#include "binding/HwBinding.h"
#include "config/ProfileStore_win.h"
#include "config/SensorDefaults.h"
#include "cover/CoverView.h"
#include "gadget/GadgetSet.h"
#include "list/ListView.h"
#include "mainpanel/MainPanelView.h"
#include "prefs/Preferences.h"
#include "core/HwLibrary.h"
#include "sim/BoardSimChannel.h"
#include "sim/SimulatedLibrary.h"
#include "sound/Sounds.h"

namespace vantor::views::test {

using toolkit::test::MouseButtonEvent;
using toolkit::test::MouseTo;
using toolkit::test::Pump;

inline std::string BoardText(const std::string& name)
{
    std::ifstream file("Z:" + std::string(BOARDSIM_BOARDS_DIR) + "/" + name + ".ini");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The simulated library serves the readings and the fan and board calls;
// the library's start, close and sensor lists come from a second copy of
// the board, whose descriptors are the same.
struct SensorLists {
    hw::BoardSimChannel channel;
    hw::HwLibrary library{channel, nullptr};
};
inline std::unique_ptr<SensorLists>& Lists()
{
    static std::unique_ptr<SensorLists> lists;
    return lists;
}
inline OcBool __cdecl SimulatedInitialization() { return 1; }
inline OcBool __cdecl SimulatedClose() { return 1; }
inline SensorDescriptor* __cdecl SimulatedEnumerate(const char* method, std::int32_t* count)
{
    *count = 0;
    return Lists() ? Lists()->library.EnumerateOption(method, *count) : nullptr;
}

// VantorHw.dll as the simulated library, no PowerDll.dll; no reading
// thread (a test reads the board when it has set it) and no waiting.
class SimulatedPlatform final : public monitor::WinHwPlatform {
public:
    void* OpenLibrary(const std::string& path) override
    {
        return path.ends_with("VantorHw.dll") ? static_cast<void*>(&m_token) : nullptr;
    }
    monitor::RawProc FindExport(void*, const char* name) override
    {
        const std::string_view export_(name);
        if (export_ == "OCAPI_Initialization")
            return reinterpret_cast<monitor::RawProc>(&SimulatedInitialization);
        if (export_ == "OCAPI_Close")
            return reinterpret_cast<monitor::RawProc>(&SimulatedClose);
        if (export_ == "OCAPI_HW_EnumerateOption")
            return reinterpret_cast<monitor::RawProc>(&SimulatedEnumerate);
        return reinterpret_cast<monitor::RawProc>(hw::sim::FindSimulatedExport(name));
    }
    void CloseLibrary(void*) override {}
    void ShowInformation(std::string_view) override {}
    void SleepMs(std::uint32_t) override {}
    std::unique_ptr<monitor::ReadingThread> StartReadingThread(const std::atomic<std::uint32_t>&,
                                                               std::function<void()>) override
    {
        return std::make_unique<NoThread>();
    }

private:
    struct NoThread final : monitor::ReadingThread {
        void Stop() override {}
    };
    int m_token = 0;
};

class FakeMainPanel final : public ::vantor::views::testing::NullMainPanel {
public:
    void ShowWarningLight(bool visible) override { warningLight = visible; }
    void SetTrayImage(int index) override { trayImage = index; }
    void ShowArrangementName(int index) override { arrangementShown = index; }
    bool SmallGadgets() const override { return small; }
    bool GadgetsEnabled() const override { return true; }
    bool SoundEffects() const override { return false; }
    bool PanelClosed() const override { return false; }

    bool warningLight = false;
    int trayImage = 0;
    int arrangementShown = -99;
    bool small = false;
};

// A plain hidden window stands for the cover: the gadgets' owner.
class FakeCover final : public ::vantor::views::testing::NullCover {
public:
    FakeCover()
    {
        m_window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "cover", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    }
    ~FakeCover() override { DestroyWindow(m_window); }
    void HideToTray() override {}
    void ShowAndEnable() override {}
    void* WindowHandle() const override { return m_window; }

private:
    HWND m_window;
};

// The message window as the alarm sees it: modal opens are counted, not run.
class FakeList final : public ::vantor::views::testing::NullList {
public:
    void PlaceAt(int, int) override {}
    void SetItems(std::vector<std::string>) override {}
    ListResult ShowListWindow(ListMode mode, ListContent) override
    {
        opened.push_back(mode);
        return ListResult::Ok;
    }
    int SelectedIndex() const override { return -1; }
    void SelectIndex(int) override {}
    std::string MessageText() const override { return text; }
    void SetMessageText(std::string value) override { text = std::move(value); }
    bool MessageWindowShown() const override { return false; }

    std::string text;
    std::vector<ListMode> opened;
};

class FakeSoundPlatform final : public monitor::SoundPlatform {
public:
    std::string ProgramFolder() override { return {}; }
    bool LoadSoundLibrary(const std::string&) override { return true; }
    bool ResolveSoundPlay() override { return true; }
    void UnloadSoundLibrary() override {}
    void SoundPlay(const char* name, std::int32_t mode) override
    {
        plays.push_back((name ? std::string(name) : std::string("-")) + "/" + std::to_string(mode));
    }
    void ShowMessage(std::string_view) override {}
    std::uint32_t WaveOutDeviceCount() override { return 1; }
    bool SetWaveOutVolume(std::uint32_t) override { return true; }

    std::vector<std::string> plays;
};

inline std::string TempFolder()
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return folder;
}

class GadgetWindows : public ::testing::Test {
protected:
    void Open(const std::string& board)
    {
        DeleteFileA(m_iniPath.c_str());
        const std::string text = BoardText(board);
        ASSERT_TRUE(hw::sim::OpenSimulatedLibrary(text)) << board;
        Lists() = std::make_unique<SensorLists>();
        ASSERT_TRUE(Lists()->channel.Load(text));
        m_binding = std::make_unique<monitor::HwBinding>(m_platform, nullptr);
        ASSERT_TRUE(m_binding->Start());
        m_config = monitor::MakeSensorConfiguration(m_binding->Voltages().Descriptors(),
                                                    m_binding->Temperatures().Descriptors(),
                                                    m_binding->Fans().Descriptors());
        monitor::BindingConfigHardware hardware(*m_binding, m_platform);
        for (auto kind : {monitor::SensorKind::Voltage, monitor::SensorKind::Temperature, monitor::SensorKind::Fan})
            monitor::BuildDefaults(m_config, kind, hardware);
        m_sounds.BindSoundLibrary();
        Views& views = TheViews();
        views.mainPanel = &m_panel;
        views.cover = &m_cover;
        views.list = &m_list;
        views.sounds = &m_sounds;
        views.preferences = &m_preferences;
        CreateSet();
    }

    void CreateSet()
    {
        m_view = CreateGadgets(*m_binding, m_config);
        m_set = dynamic_cast<GadgetSet*>(m_view.get());
        ASSERT_NE(m_set, nullptr);
        m_set->ShowEnabledGadgets();
        Pump(150);
    }

    void TearDown() override
    {
        m_view.reset();
        if (m_binding)
            m_binding->Stop();
        m_binding.reset();
        hw::sim::CloseSimulatedLibrary();
        Lists().reset();
        TheViews() = Views{};
        Pump(50);
    }

    // The board reads `raw` for the sensor from now on; the binding reads
    // every sensor once, and the polling tick evaluates every gadget.
    void SetRaw(const char* method, std::uint32_t id, std::int32_t raw)
    {
        const BsSetRawRequest request{BS_METHOD_NAME(method[0], method[1], method[2], method[3]), id, raw};
        ASSERT_EQ(BsSetRaw(hw::sim::SimulatedBoard(), &request, sizeof request), BS_OK);
    }
    void Tick()
    {
        m_binding->ReadAll();
        m_set->EvaluateAll();
        Pump(100);
    }

    TfrmHexagon& Gadget(std::size_t i) { return m_set->Gadget(i); }
    HWND Window(std::size_t i) { return m_set->Gadget(i).Handle(); }
    void Place(std::size_t i, int left, int top)
    {
        SetWindowPos(Window(i), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    POINT Screen(std::size_t i, int x, int y) { return toolkit::test::ScreenPoint(Window(i), x, y); }

    // A left-button drag with real input, in small steps as a hand makes it.
    void Drag(POINT from, int dx, int dy, int steps = 8)
    {
        MouseTo(from);
        MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        for (int k = 1; k <= steps; ++k)
            MouseTo(POINT{from.x + dx * k / steps, from.y + dy * k / steps});
        MouseButtonEvent(MOUSEEVENTF_LEFTUP);
        Pump(100);
    }
    void Click(POINT at)
    {
        MouseTo(at);
        MouseButtonEvent(MOUSEEVENTF_LEFTDOWN);
        MouseButtonEvent(MOUSEEVENTF_LEFTUP);
        Pump(100);
    }

    std::string m_iniPath = TempFolder() + "vantor-gadget-test.ini";
    SimulatedPlatform m_platform;
    std::unique_ptr<monitor::HwBinding> m_binding;
    monitor::SensorConfiguration m_config;
    FakeMainPanel m_panel;
    FakeCover m_cover;
    FakeList m_list;
    FakeSoundPlatform m_soundPlatform;
    monitor::Sounds m_sounds{m_soundPlatform};
    monitor::WinProfileStore m_store;
    monitor::Preferences m_preferences{m_store, m_iniPath};
    std::unique_ptr<GadgetsView> m_view;
    GadgetSet* m_set = nullptr;
};

}  // namespace vantor::views::test
