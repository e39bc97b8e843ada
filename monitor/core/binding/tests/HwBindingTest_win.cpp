// The binding against the real VantorHw.dll beside this test program (all
// Windows outputs share one folder), reading the simulated classic board
// through the ACPI driver, with the real reading thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "binding/HwBinding.h"
#include "binding/HwPlatform_win.h"

namespace vantor::monitor {
namespace {

// Records what happens around the real library: OCAPI_Close goes through a
// wrapper, every pass notes its thread's priority and whether the library
// was already closed.
std::atomic<bool> g_closed{false};
std::atomic<int> g_passesAfterClose{0};
std::atomic<int> g_threadPasses{0};
std::atomic<int> g_belowNormalPasses{0};
OCAPI_CloseFn g_realClose = nullptr;
// A pass made slow on purpose, and when each thread pass began.
std::atomic<DWORD> g_slowPassMs{0};
std::mutex g_passStartsLock;
std::vector<DWORD> g_passStarts;

OcBool __cdecl RecordingClose()
{
    g_closed = true;
    return g_realClose();
}

// The ten-second settling wait after a suspend, on the real stop event:
// counted, shortened to 200 ms unless a test keeps it whole, and noted when
// the stop signal ended it. Other waits are real.
struct SettleRecord {
    std::atomic<int> waits{0};
    std::atomic<int> endedByStop{0};
    bool keepWhole = false;
};

class RecordingStopSignal final : public StopSignal {
public:
    RecordingStopSignal(std::unique_ptr<StopSignal> real, SettleRecord& record)
        : m_real(std::move(real)), m_record(record)
    {}
    bool Wait(std::uint32_t milliseconds) override
    {
        if (milliseconds < kSuspendSettleMs)
            return m_real->Wait(milliseconds);
        ++m_record.waits;
        const bool ranOut = m_real->Wait(m_record.keepWhole ? milliseconds : 200);
        if (!ranOut)
            ++m_record.endedByStop;
        return ranOut;
    }
    void Set() override { m_real->Set(); }

private:
    std::unique_ptr<StopSignal> m_real;
    SettleRecord& m_record;
};

class RecordingPlatform final : public WinHwPlatform {
public:
    std::vector<std::string> messages;
    SettleRecord settle;

    std::unique_ptr<StopSignal> MakeStopSignal() override
    {
        std::unique_ptr<StopSignal> real = WinHwPlatform::MakeStopSignal();
        return real ? std::make_unique<RecordingStopSignal>(std::move(real), settle) : nullptr;
    }

    void ShowInformation(std::string_view text) override { messages.emplace_back(text); }

    RawProc FindExport(void* module, const char* name) override
    {
        const RawProc real = WinHwPlatform::FindExport(module, name);
        if (std::string(name) == "OCAPI_Close" && real != nullptr) {
            g_realClose = reinterpret_cast<OCAPI_CloseFn>(real);
            return reinterpret_cast<RawProc>(&RecordingClose);
        }
        return real;
    }

    std::unique_ptr<ReadingThread> StartReadingThread(const std::atomic<std::uint32_t>& interval,
                                                      std::function<void()> pass) override
    {
        return WinHwPlatform::StartReadingThread(interval, [pass = std::move(pass)] {
            if (g_closed)
                ++g_passesAfterClose;
            if (GetThreadPriority(GetCurrentThread()) == THREAD_PRIORITY_BELOW_NORMAL)
                ++g_belowNormalPasses;
            ++g_threadPasses;
            {
                std::lock_guard<std::mutex> lock(g_passStartsLock);
                g_passStarts.push_back(GetTickCount());
            }
            if (g_slowPassMs != 0)
                Sleep(g_slowPassMs);
            pass();
        });
    }
};

class HwBindingWinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_closed = false;
        g_passesAfterClose = 0;
        g_threadPasses = 0;
        g_belowNormalPasses = 0;
        g_slowPassMs = 0;
        std::lock_guard<std::mutex> lock(g_passStartsLock);
        g_passStarts.clear();
    }

    RecordingPlatform platform;
};

TEST_F(HwBindingWinTest, BindsTheRealLibraryAndReadsTheClassicBoard)
{
    HwBinding binding(platform, nullptr);
    ASSERT_TRUE(binding.Start());
    EXPECT_TRUE(platform.messages.empty());

    const HwExports& exports = binding.Exports();
#define VANTOR_EXPECT_BOUND(name) EXPECT_NE(exports.name, nullptr) << #name;
    VANTORHW_BOUND_EXPORTS(VANTOR_EXPECT_BOUND)
#undef VANTOR_EXPECT_BOUND

    ASSERT_EQ(binding.Voltages().Count(), 8u);
    ASSERT_EQ(binding.Temperatures().Count(), 2u);
    ASSERT_EQ(binding.Fans().Count(), 3u);
    EXPECT_STREQ(binding.Voltages().Descriptors()[0].Name, "Vcore Voltage");
    EXPECT_EQ(binding.Temperatures().Descriptors()[0].Id, 0x06030000u);
    EXPECT_STREQ(binding.Fans().Descriptors()[2].Name, "Power FAN Speed");

    // The board's values wander a little around their base (1350 mV,
    // 45.5 degrees, 2410 rpm); the first pass already filled the slots.
    const float vcore = binding.Voltages().Values()[0].load();
    const float cpuTemperature = binding.Temperatures().Values()[0].load();
    const float cpuFan = binding.Fans().Values()[0].load();
    EXPECT_GT(vcore, 1.2f);
    EXPECT_LT(vcore, 1.5f);
    EXPECT_GT(cpuTemperature, 38.0f);
    EXPECT_LT(cpuTemperature, 53.0f);
    EXPECT_GT(cpuFan, 2200.0f);
    EXPECT_LT(cpuFan, 2600.0f);
    EXPECT_NEAR(binding.ReadSensor(0x06020000), vcore, 0.1f);

    binding.Stop();
    EXPECT_TRUE(g_closed);
}

TEST_F(HwBindingWinTest, TheReadingThreadRefreshesEverySlotAndEndsBeforeClose)
{
    HwBinding binding(platform, nullptr);
    ASSERT_TRUE(binding.Start());
    ASSERT_TRUE(binding.ReadingThreadRunning());
    ASSERT_GT(binding.Voltages().Count(), 0u);

    // Poison every slot; only the thread's passes can overwrite them.
    auto poison = [](SensorList& list) {
        for (auto& slot : list.Values())
            slot.store(-1.0f);
    };
    auto allRefreshed = [](const SensorList& list) {
        for (const auto& slot : list.Values())
            if (slot.load() == -1.0f)
                return false;
        return true;
    };
    poison(binding.Voltages());
    poison(binding.Temperatures());
    poison(binding.Fans());

    const DWORD start = GetTickCount();
    while (!(allRefreshed(binding.Voltages()) && allRefreshed(binding.Temperatures()) &&
             allRefreshed(binding.Fans())) &&
           GetTickCount() - start < 5000)
        Sleep(20);
    EXPECT_TRUE(allRefreshed(binding.Voltages()));
    EXPECT_TRUE(allRefreshed(binding.Temperatures()));
    EXPECT_TRUE(allRefreshed(binding.Fans()));
    EXPECT_GE(g_threadPasses.load(), 1);
    EXPECT_EQ(g_belowNormalPasses.load(), g_threadPasses.load());

    // Stop while the thread waits out its interval: it must end promptly,
    // not after the pause, and never pass after OCAPI_Close.
    const DWORD stopStart = GetTickCount();
    binding.Stop();
    EXPECT_LT(GetTickCount() - stopStart, 900u);
    EXPECT_TRUE(g_closed);
    EXPECT_FALSE(binding.ReadingThreadRunning());
    const int passesAtStop = g_threadPasses.load();
    Sleep(1500);
    EXPECT_EQ(g_threadPasses.load(), passesAtStop);
    EXPECT_EQ(g_passesAfterClose.load(), 0);
}

TEST(WinHwPlatformTest, AnswersTheRegistryAndVersionQuestionsOfTheCoolnQuietCheck)
{
    WinHwPlatform platform;
    // The simulated device's driver is an installed service in the test
    // prefix; the AMD names are not.
    EXPECT_TRUE(platform.MachineKeyOpens("SYSTEM\\CurrentControlSet\\Services\\zykacpi"));
    EXPECT_FALSE(platform.MachineKeyOpens("SYSTEM\\CurrentControlSet\\Services\\NoSuchVantorService"));
    EXPECT_GE(platform.GetOsVersion().Major, 5u);
    const std::string folder = platform.ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
}

TEST_F(HwBindingWinTest, AMissingLibraryIsReportedAndLeavesNoSensors)
{
    class MissingLibraryPlatform final : public WinHwPlatform {
    public:
        std::vector<std::string> messages;
        std::string ProgramFolder() override { return WinHwPlatform::ProgramFolder() + "no-such-folder\\"; }
        void ShowInformation(std::string_view text) override { messages.emplace_back(text); }
    } missing;

    HwBinding binding(missing, nullptr);
    EXPECT_FALSE(binding.Start());
    EXPECT_EQ(missing.messages, (std::vector<std::string>{"VantorHw.dll Loaded Failure"}));
    EXPECT_FALSE(binding.ReadingThreadRunning());
    EXPECT_EQ(binding.Voltages().Count(), 0u);
}

TEST_F(HwBindingWinTest, AfterASuspendOneReaderWaitsWhileTheHardwareIsBusy)
{
    HwBinding binding(platform, nullptr);
    ASSERT_TRUE(binding.Start());
    EXPECT_FALSE(binding.HardwareBusy());

    binding.NoteSuspend();
    EXPECT_TRUE(binding.HardwareBusy());
    // Two readers at once, the reading thread among them: only one waits.
    std::thread other([&] { binding.ReadSensor(0x06040000); });
    const float temperature = binding.ReadSensor(0x06030000);
    other.join();
    EXPECT_EQ(platform.settle.waits.load(), 1);
    // The reading thread may be the one that took the wait: the hardware is
    // free again once that wait is over.
    for (int i = 0; i < 100 && binding.HardwareBusy(); ++i)
        Sleep(20);
    EXPECT_FALSE(binding.HardwareBusy());
    EXPECT_GT(temperature, 20.0f) << "the reading after the wait is a real one";

    binding.ReadSensor(0x06030000);
    EXPECT_EQ(platform.settle.waits.load(), 1) << "the wait is taken once per suspend";
    binding.Stop();
}

TEST_F(HwBindingWinTest, StopEndsTheReadingThreadsSettleWait)
{
    platform.settle.keepWhole = true;
    HwBinding binding(platform, nullptr);
    ASSERT_TRUE(binding.Start());
    binding.NoteSuspend();
    // The reading thread's next pass takes the ten-second wait.
    for (int i = 0; i < 250 && platform.settle.waits.load() == 0; ++i)
        Sleep(20);
    ASSERT_EQ(platform.settle.waits.load(), 1);

    binding.Stop();
    EXPECT_EQ(platform.settle.endedByStop.load(), 1) << "the exit does not sit out the ten seconds";
    EXPECT_TRUE(g_closed);
    EXPECT_EQ(g_passesAfterClose.load(), 0);
}

TEST_F(HwBindingWinTest, PassesKeepTheirIntervalWhenAPassIsSlow)
{
    HwBinding binding(platform, nullptr);
    binding.SetReadingInterval(1000);
    g_slowPassMs = 400;
    ASSERT_TRUE(binding.Start());
    Sleep(3700);
    binding.Stop();

    std::lock_guard<std::mutex> lock(g_passStartsLock);
    ASSERT_GE(g_passStarts.size(), 3u);
    // The thread sleeps only the rest of the interval: passes start about a
    // second apart, not a second plus the 400 ms each pass takes.
    for (std::size_t i = 1; i < g_passStarts.size(); ++i) {
        const DWORD gap = g_passStarts[i] - g_passStarts[i - 1];
        EXPECT_GE(gap, 850u) << "pass " << i;
        EXPECT_LE(gap, 1300u) << "pass " << i;
    }
}

}  // namespace
}  // namespace vantor::monitor
