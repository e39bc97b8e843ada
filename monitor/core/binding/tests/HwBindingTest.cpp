#include "binding/HwBinding.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace vantor::monitor {
namespace {

// A stand-in VantorHw.dll: plain functions over one shared state, because the
// binding holds bare C function pointers.
struct FakeLibrary {
    std::vector<std::string>* events = nullptr;
    std::vector<SensorDescriptor> volts{{0x06020000, "Vcore", 800, 1600, 3}, {0x06020001, "+12V", 0, 0, 3}};
    std::vector<SensorDescriptor> temps{{0x06030000, "CPU", 0, 0, 3}};
    std::vector<SensorDescriptor> fans{{0x06040000, "CPU Fan", 0, 0, 3}, {0x06040001, "Chassis", 0, 0, 3}};
    std::map<std::uint32_t, double> readings{{0x06020000, 1.25},  {0x06020001, 12.1},
                                             {0x06030000, 41.5},  {0x06040000, 2100.0},
                                             {0x06040001, 950.0}, {ACPI_OCINFO_COOLNQUIET_FLAG, 1.0}};
    std::vector<std::uint32_t> reads;
    bool coolnQuietWorkable = true;
    std::int32_t throttleAnswer = 0;
    int throttleCalls = 0;
};

FakeLibrary* g_library = nullptr;

OcBool __cdecl FakeInitialization()
{
    g_library->events->push_back("OCAPI_Initialization");
    return 1;
}

OcBool __cdecl FakeClose()
{
    g_library->events->push_back("OCAPI_Close");
    return 1;
}

SensorDescriptor* __cdecl FakeEnumerate(const char* method, std::int32_t* count)
{
    g_library->events->push_back(std::string("enumerate ") + method);
    std::vector<SensorDescriptor>& list = std::string(method) == "VSIF"   ? g_library->volts
                                          : std::string(method) == "TSIF" ? g_library->temps
                                                                          : g_library->fans;
    *count = static_cast<std::int32_t>(list.size());
    return list.data();
}

double __cdecl FakeGetHwSensorData(std::uint32_t id)
{
    g_library->reads.push_back(id);
    const auto found = g_library->readings.find(id);
    return found == g_library->readings.end() ? 0.0 : found->second;
}

OcBool __cdecl FakeCheckWorkable(std::uint32_t id)
{
    return id == ACPI_OCINFO_COOLNQUIET_FLAG && g_library->coolnQuietWorkable;
}

std::int32_t __cdecl FakeIsThrottleAc()
{
    ++g_library->throttleCalls;
    return g_library->throttleAnswer;
}

// The binding's settle waits on a fake clock: nothing sleeps. A wait's time
// runs out at once, or, while waits are held, when the test lets it; Set
// ends every wait. Waits may come from several threads.
class FakeWaits {
public:
    const HwBinding* binding = nullptr;
    std::function<void()> duringWait;  // runs inside each wait, unlocked

    void Hold() { m_holding = true; }
    // Lets the time of wait number `ticket` (0 for the first) run out.
    void Elapse(int ticket)
    {
        std::lock_guard lock(m_lock);
        m_elapsed.insert(ticket);
        m_changed.notify_all();
    }
    void AwaitStarted(std::size_t count)
    {
        std::unique_lock lock(m_lock);
        m_changed.wait(lock, [&] { return m_waits.size() >= count; });
    }

    bool Wait(std::uint32_t milliseconds)
    {
        std::unique_lock lock(m_lock);
        const int ticket = static_cast<int>(m_waits.size());
        m_waits.push_back(milliseconds);
        m_busyAtStart.push_back(binding != nullptr && binding->HardwareBusy());
        m_changed.notify_all();
        if (duringWait) {
            lock.unlock();
            duringWait();
            lock.lock();
        }
        if (m_holding)
            m_changed.wait(lock, [&] { return m_set || m_elapsed.count(ticket) != 0; });
        m_ranOut.push_back(!m_set);
        return !m_set;
    }
    void Set()
    {
        std::lock_guard lock(m_lock);
        m_set = true;
        m_changed.notify_all();
    }

    std::vector<std::uint32_t> Waits()
    {
        std::lock_guard lock(m_lock);
        return m_waits;
    }
    std::vector<bool> BusyAtStart()
    {
        std::lock_guard lock(m_lock);
        return m_busyAtStart;
    }
    // Per ended wait, in the order they ended: true when its time ran out,
    // false when Set ended it.
    std::vector<bool> RanOut()
    {
        std::lock_guard lock(m_lock);
        return m_ranOut;
    }

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    bool m_holding = false;
    bool m_set = false;
    std::set<int> m_elapsed;
    std::vector<std::uint32_t> m_waits;
    std::vector<bool> m_busyAtStart;
    std::vector<bool> m_ranOut;
};

class FakeStopSignal final : public StopSignal {
public:
    explicit FakeStopSignal(FakeWaits& waits) : m_waits(waits) {}
    bool Wait(std::uint32_t milliseconds) override { return m_waits.Wait(milliseconds); }
    void Set() override { m_waits.Set(); }

private:
    FakeWaits& m_waits;
};

// Stands for the reading thread; a test may give it a real thread that
// reads as the reading thread would, and Stop then waits for it to end.
class FakeThread final : public ReadingThread {
public:
    FakeThread(std::vector<std::string>& events, std::thread& reader) : m_events(events), m_reader(reader) {}
    void Stop() override
    {
        if (m_reader.joinable())
            m_reader.join();
        m_events.push_back("reading thread stopped");
    }

private:
    std::vector<std::string>& m_events;
    std::thread& m_reader;
};

class FakePlatform final : public HwPlatform {
public:
    std::vector<std::string> events;
    std::vector<std::string> lookedUp;
    std::vector<std::string> messages;
    std::vector<std::uint32_t> sleeps;
    FakeWaits waits;
    std::thread reader;
    std::set<std::string> absentExports;
    std::set<std::string> openableKeys;
    bool hwLoads = true;
    bool powerLoads = true;
    OsVersion version{5, 1};
    std::function<void()> threadPass;

    std::string ProgramFolder() override { return "C:\\Vantor\\"; }

    void* OpenLibrary(const std::string& path) override
    {
        events.push_back("load " + path);
        if (path == "C:\\Vantor\\VantorHw.dll")
            return hwLoads ? &m_hwModule : nullptr;
        if (path == "C:\\Vantor\\PowerDll.dll")
            return powerLoads ? &m_powerModule : nullptr;
        return nullptr;
    }

    RawProc FindExport(void* module, const char* name) override
    {
        const std::string export_(name);
        if (module == &m_powerModule)
            return export_ == "IsThrottleAc" ? reinterpret_cast<RawProc>(&FakeIsThrottleAc) : nullptr;
        EXPECT_EQ(module, &m_hwModule);
        lookedUp.push_back(export_);
        if (absentExports.count(export_) != 0)
            return nullptr;
        if (export_ == "OCAPI_Initialization")
            return reinterpret_cast<RawProc>(&FakeInitialization);
        if (export_ == "OCAPI_Close")
            return reinterpret_cast<RawProc>(&FakeClose);
        if (export_ == "OCAPI_HW_EnumerateOption")
            return reinterpret_cast<RawProc>(&FakeEnumerate);
        if (export_ == "OCAPI_GetHwSensorData")
            return reinterpret_cast<RawProc>(&FakeGetHwSensorData);
        if (export_ == "OCAPI_CheckWorkable")
            return reinterpret_cast<RawProc>(&FakeCheckWorkable);
        // Present but never called in these tests: any distinct address.
        return reinterpret_cast<RawProc>(&FakeIsThrottleAc);
    }

    void CloseLibrary(void* module) override
    {
        events.push_back(module == &m_hwModule ? "free VantorHw.dll" : "free PowerDll.dll");
    }

    void ShowInformation(std::string_view text) override { messages.emplace_back(text); }

    void SleepMs(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }

    std::unique_ptr<StopSignal> MakeStopSignal() override { return std::make_unique<FakeStopSignal>(waits); }

    bool MachineKeyOpens(const std::string& subKey) override { return openableKeys.count(subKey) != 0; }

    OsVersion GetOsVersion() override { return version; }

    std::unique_ptr<ReadingThread> StartReadingThread(const std::atomic<std::uint32_t>&,
                                                      std::function<void()> pass) override
    {
        events.push_back("reading thread started");
        threadPass = std::move(pass);
        return std::make_unique<FakeThread>(events, reader);
    }

private:
    int m_hwModule = 0;
    int m_powerModule = 0;
};

class HwBindingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        library.events = &platform.events;
        g_library = &library;
        platform.waits.binding = &binding;
    }
    void TearDown() override
    {
        binding.Stop();
        g_library = nullptr;
    }

    FakeLibrary library;
    FakePlatform platform;
    std::vector<std::string> debugLines;
    HwBinding binding{platform, [this](std::string_view line) { debugLines.emplace_back(line); }};
};

TEST(HwExportsTest, LooksUpExactlyTheBoundExportsByNameAndLeavesAbsentOnesNull)
{
    std::vector<std::string> names;
    const HwExports exports = BindExports([&](const char* name) -> RawProc {
        names.emplace_back(name);
        return std::string(name) == "OCAPI_CheckRuvel" ? nullptr : reinterpret_cast<RawProc>(&FakeClose);
    });

    EXPECT_EQ(names.size(), static_cast<std::size_t>(kBoundExportCount));
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const char* unbound : {"OCAPI_ACPI_OC__MB_GetBoardName", "OCAPI_GetCurrentCpuFrequency"})
        EXPECT_EQ(std::count(names.begin(), names.end(), unbound), 0) << unbound;
    // Every bound name is one the library really exports.
    std::set<std::string> exported;
#define VANTORHW_EXPORTED_NAME(name) exported.insert(#name);
    VANTORHW_EXPORTS(VANTORHW_EXPORTED_NAME)
#undef VANTORHW_EXPORTED_NAME
    for (const std::string& name : names)
        EXPECT_EQ(exported.count(name), 1u) << name;

    EXPECT_EQ(exports.OCAPI_CheckRuvel, nullptr);
    EXPECT_NE(exports.OCAPI_GetMBIF, nullptr);
    EXPECT_NE(exports.OCAPI_Initialization, nullptr);
}

TEST_F(HwBindingTest, StartLoadsInitialisesEnumeratesReadsAndStartsTheThreadInOrder)
{
    ASSERT_TRUE(binding.Start());

    EXPECT_EQ(platform.events, (std::vector<std::string>{"load C:\\Vantor\\VantorHw.dll", "OCAPI_Initialization",
                                                         "enumerate VSIF", "enumerate TSIF", "enumerate FSIF",
                                                         "load C:\\Vantor\\PowerDll.dll", "reading thread started"}));
    EXPECT_EQ(debugLines, (std::vector<std::string>{"before pOCAPI_Initialization", "after pOCAPI_Initialization",
                                                    "Emunerate_hw OK..", "InitialACPI OK.."}));
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_TRUE(binding.HasIsThrottleAc());
    EXPECT_TRUE(binding.ReadingThreadRunning());

    // One pass before the thread: voltages, temperatures, fans, in list order.
    EXPECT_EQ(library.reads, (std::vector<std::uint32_t>{0x06020000, 0x06020001, 0x06030000, 0x06040000, 0x06040001}));
    ASSERT_EQ(binding.Voltages().Count(), 2u);
    EXPECT_FLOAT_EQ(binding.Voltages().Values()[1].load(), 12.1f);
    EXPECT_EQ(binding.Voltages().Descriptors()[1].Id, 0x06020001u);
    EXPECT_FLOAT_EQ(binding.Temperatures().Values()[0].load(), 41.5f);
    EXPECT_FLOAT_EQ(binding.Fans().Values()[1].load(), 950.0f);

    // The thread's pass overwrites the same slots in place.
    const std::atomic<float>* cpuSlot = &binding.Temperatures().Values()[0];
    library.readings[0x06030000] = 55.0;
    ASSERT_TRUE(platform.threadPass);
    platform.threadPass();
    EXPECT_FLOAT_EQ(cpuSlot->load(), 55.0f);
}

TEST_F(HwBindingTest, StopEndsTheThreadBeforeClosingAndUnloading)
{
    ASSERT_TRUE(binding.Start());
    platform.events.clear();
    binding.Stop();

    EXPECT_EQ(platform.events, (std::vector<std::string>{"reading thread stopped", "OCAPI_Close", "free VantorHw.dll",
                                                         "free PowerDll.dll"}));
    EXPECT_FALSE(binding.ReadingThreadRunning());
    EXPECT_EQ(binding.Voltages().Count(), 0u);
    EXPECT_EQ(binding.Fans().Count(), 0u);
    EXPECT_EQ(binding.Exports().OCAPI_GetHwSensorData, nullptr);
    EXPECT_FLOAT_EQ(binding.ReadSensor(0x06020000), 0.0f);

    platform.events.clear();
    binding.Stop();  // a second Stop (the destructor's) does nothing
    EXPECT_TRUE(platform.events.empty());
}

TEST_F(HwBindingTest, AMissingLibraryShowsTheMessageAndLeavesEverythingAbsent)
{
    platform.hwLoads = false;
    EXPECT_FALSE(binding.Start());

    EXPECT_EQ(platform.messages, (std::vector<std::string>{"VantorHw.dll Loaded Failure"}));
    EXPECT_TRUE(platform.lookedUp.empty());
    EXPECT_FALSE(binding.ReadingThreadRunning());
    EXPECT_EQ(binding.Voltages().Count() + binding.Temperatures().Count() + binding.Fans().Count(), 0u);
    EXPECT_EQ(binding.Exports().OCAPI_Initialization, nullptr);
    EXPECT_FLOAT_EQ(binding.ReadSensor(0x06020000), 0.0f);
    EXPECT_FALSE(binding.CoolnQuietActive());
}

TEST_F(HwBindingTest, ALibraryWithoutInitializationGivesNoSensorsAndNoMessage)
{
    platform.absentExports = {"OCAPI_Initialization"};
    EXPECT_FALSE(binding.Start());

    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(debugLines, (std::vector<std::string>{"before pOCAPI_Initialization"}));
    EXPECT_FALSE(binding.ReadingThreadRunning());
    EXPECT_EQ(binding.Voltages().Count(), 0u);

    platform.events.clear();
    binding.Stop();
    EXPECT_EQ(platform.events, (std::vector<std::string>{"OCAPI_Close", "free VantorHw.dll"}));
}

TEST_F(HwBindingTest, AbsentReadAndCloseExportsAreSkipped)
{
    platform.absentExports = {"OCAPI_GetHwSensorData", "OCAPI_Close", "OCAPI_CheckWorkable"};
    ASSERT_TRUE(binding.Start());
    EXPECT_EQ(binding.Voltages().Count(), 2u);
    EXPECT_FLOAT_EQ(binding.Voltages().Values()[0].load(), 0.0f);
    EXPECT_TRUE(library.reads.empty());
    EXPECT_FALSE(binding.CoolnQuietActive());
    binding.Stop();
    EXPECT_EQ(std::count(platform.events.begin(), platform.events.end(), "OCAPI_Close"), 0);
}

TEST_F(HwBindingTest, AnEmptyFanListGivesNoFanSlotsAndThePassReadsNoFans)
{
    library.fans.clear();
    platform.powerLoads = false;
    ASSERT_TRUE(binding.Start());
    EXPECT_EQ(binding.Fans().Count(), 0u);
    EXPECT_TRUE(binding.Fans().Values().empty());
    EXPECT_FALSE(binding.HasIsThrottleAc());

    library.reads.clear();
    binding.ReadAll();
    EXPECT_EQ(library.reads, (std::vector<std::uint32_t>{0x06020000, 0x06020001, 0x06030000}));
}

TEST_F(HwBindingTest, TheFirstReadAfterASuspendWaitsTenSecondsWhileBusy)
{
    ASSERT_TRUE(binding.Start());
    EXPECT_FALSE(binding.HardwareBusy());

    binding.NoteSuspend();
    EXPECT_TRUE(binding.HardwareBusy());  // from the announcement on

    EXPECT_FLOAT_EQ(binding.ReadSensor(0x06040000), 2100.0f);
    EXPECT_EQ(platform.waits.Waits(), (std::vector<std::uint32_t>{10000}));
    EXPECT_EQ(platform.waits.BusyAtStart(), (std::vector<bool>{true}));
    EXPECT_FALSE(binding.HardwareBusy());

    binding.ReadSensor(0x06040000);  // the next read does not wait again
    EXPECT_EQ(platform.waits.Waits().size(), 1u);
    EXPECT_TRUE(platform.sleeps.empty());
}

TEST_F(HwBindingTest, ASuspendDuringTheSettleWaitKeepsTheHardwareBusyThroughTheWaitItBrings)
{
    ASSERT_TRUE(binding.Start());
    bool suspendedAgain = false;
    platform.waits.duringWait = [&] {
        if (!std::exchange(suspendedAgain, true))
            binding.NoteSuspend();
    };
    binding.NoteSuspend();
    binding.ReadSensor(0x06040000);
    EXPECT_TRUE(binding.HardwareBusy()) << "the second announcement still waits for its read";

    binding.ReadSensor(0x06040000);
    EXPECT_EQ(platform.waits.Waits(), (std::vector<std::uint32_t>{10000, 10000}));
    EXPECT_FALSE(binding.HardwareBusy());
}

TEST_F(HwBindingTest, TheHardwareStaysBusyUntilTheLastOfTwoReadersHasSettled)
{
    ASSERT_TRUE(binding.Start());
    platform.waits.Hold();
    binding.NoteSuspend();
    std::thread first([&] { binding.ReadSensor(0x06040000); });
    platform.waits.AwaitStarted(1);
    binding.NoteSuspend();  // while the first reader waits
    std::thread second([&] { binding.ReadSensor(0x06030000); });
    platform.waits.AwaitStarted(2);

    platform.waits.Elapse(0);
    first.join();
    EXPECT_TRUE(binding.HardwareBusy()) << "the second reader is still waiting";

    platform.waits.Elapse(1);
    second.join();
    EXPECT_FALSE(binding.HardwareBusy());
    EXPECT_EQ(platform.waits.RanOut(), (std::vector<bool>{true, true}));
}

TEST_F(HwBindingTest, StopEndsASettleWaitUnderWayAndNothingIsReadAfterIt)
{
    ASSERT_TRUE(binding.Start());
    platform.waits.Hold();  // a wait that only Stop can end
    library.reads.clear();
    platform.events.clear();
    binding.NoteSuspend();
    float reading = -1.0f;
    // Reading as the reading thread does; Stop waits for it to end.
    platform.reader = std::thread([&] { reading = binding.ReadSensor(0x06040000); });
    platform.waits.AwaitStarted(1);

    binding.Stop();
    EXPECT_EQ(platform.waits.RanOut(), (std::vector<bool>{false}));
    EXPECT_FLOAT_EQ(reading, 0.0f);
    EXPECT_TRUE(library.reads.empty());
    EXPECT_EQ(platform.events, (std::vector<std::string>{"reading thread stopped", "OCAPI_Close", "free VantorHw.dll",
                                                         "free PowerDll.dll"}));
}

TEST_F(HwBindingTest, ReadingIntervalStartsAtOneSecondAndIsClamped)
{
    EXPECT_EQ(binding.ReadingInterval(), 1000u);
    binding.SetReadingInterval(5000);
    EXPECT_EQ(binding.ReadingInterval(), 5000u);
    binding.SetReadingInterval(0);
    EXPECT_EQ(binding.ReadingInterval(), 1000u);
}

TEST_F(HwBindingTest, CoolnQuietCheckDecidesStepByStep)
{
    struct Case {
        const char* name;
        bool workable;
        double flag;
        const char* key;  // the one openable driver key, or null
        OsVersion version;
        bool throttleBound;
        std::int32_t throttle;
        bool expected;
        int throttleCalls;
    };
    const Case cases[] = {
            {"not workable", false, 1.0, "AMDMSRIO", {5, 1}, true, 1, false, 0},
            {"flag 0", true, 0.0, "AMDMSRIO", {5, 1}, true, 1, false, 0},
            {"flag truncates to 0", true, 0.9, "AMDMSRIO", {5, 1}, true, 1, false, 0},
            {"no driver", true, 1.0, nullptr, {5, 1}, true, 1, false, 0},
            {"XP, not throttling", true, 1.0, "AMDMSRIO", {5, 1}, true, 0, false, 1},
            {"XP, throttling", true, 1.0, "AmdK8", {5, 1}, true, 7, true, 1},
            {"Windows 2000", true, 1.0, "AMDMSRIO", {5, 0}, true, 0, true, 0},
            {"no power library", true, 1.0, "gemwdm", {6, 1}, false, 0, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeLibrary caseLibrary;
        FakePlatform casePlatform;
        caseLibrary.events = &casePlatform.events;
        caseLibrary.coolnQuietWorkable = c.workable;
        caseLibrary.readings[ACPI_OCINFO_COOLNQUIET_FLAG] = c.flag;
        caseLibrary.throttleAnswer = c.throttle;
        g_library = &caseLibrary;
        if (c.key != nullptr)
            casePlatform.openableKeys = {std::string("SYSTEM\\CurrentControlSet\\Services\\") + c.key};
        casePlatform.version = c.version;
        casePlatform.powerLoads = c.throttleBound;

        HwBinding caseBinding(casePlatform, nullptr);
        ASSERT_TRUE(caseBinding.Start());
        EXPECT_EQ(caseBinding.CoolnQuietActive(), c.expected);
        EXPECT_EQ(caseLibrary.throttleCalls, c.throttleCalls);
        caseBinding.Stop();
    }
    g_library = &library;
}

TEST_F(HwBindingTest, CoolnQuietCheckWritesItsStepsToTheDebugLog)
{
    platform.openableKeys = {"SYSTEM\\CurrentControlSet\\Services\\gemwdm"};
    platform.version = {5, 0};
    ASSERT_TRUE(binding.Start());
    debugLines.clear();

    EXPECT_TRUE(binding.CoolnQuietActive());
    EXPECT_EQ(debugLines, (std::vector<std::string>{"Check Cool and Quiet.", "ACPI_OCINFO_COOLNQUIET_FLAG OK.",
                                                    "nQoolNQuietFlag: 1.", "bADMDriverInstalled: 1.",
                                                    "nQoolNQuietFlag && bADMDriverInstalled OK.", "Major: 5, Minor: 0.",
                                                    "Windows 2000."}));

    debugLines.clear();
    platform.openableKeys.clear();
    EXPECT_FALSE(binding.CoolnQuietActive());
    EXPECT_EQ(debugLines, (std::vector<std::string>{"Check Cool and Quiet.", "ACPI_OCINFO_COOLNQUIET_FLAG OK.",
                                                    "nQoolNQuietFlag: 1.", "bADMDriverInstalled: 0."}));
}

}  // namespace
}  // namespace vantor::monitor
