// Binding cpuutil.dll with LoadLibraryA and GetProcAddress: the real library
// beside the test program, a library that lacks the two functions, and one
// that is not there.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "usage/CpuSampling_win.h"

namespace vantor::monitor {
namespace {

TEST(CpuSamplingWin, SamplesTheLibraryBesideTheProgram)
{
    WinCpuLibraryPlatform platform;
    CpuSampling sampling(platform);
    const CpuStartEffects effects = sampling.StartCpuSampling();
    ASSERT_TRUE(effects.sampling);
    EXPECT_EQ(effects.box, CpuStartEffects::Box::None);

    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    const auto processors = std::min<unsigned>(info.dwNumberOfProcessors, kMaxProcessors);
    EXPECT_EQ(sampling.ProcessorEntries(), static_cast<std::int32_t>(processors + 1));

    Sleep(200);
    const std::optional<CpuSample> sample = sampling.SampleCpu();
    ASSERT_TRUE(sample.has_value());
    EXPECT_EQ(sample->count, processors);
    for (unsigned i = 0; i < sample->count; ++i)
        EXPECT_LE(sample->load[i], 100u);
    EXPECT_LE(sample->average, 100u);

    sampling.StopCpuSampling();
    EXPECT_EQ(GetModuleHandleA("cpuutil.dll"), nullptr) << "unloaded";
    EXPECT_FALSE(sampling.SampleCpu().has_value());
}

TEST(CpuSamplingWin, BindReportsAMissingLibraryOrMissingFunctions)
{
    WinCpuLibraryPlatform platform;
    std::unique_ptr<CpuLoadFunctions> bound;
    EXPECT_EQ(platform.Bind("C:\\no such folder\\cpuutil.dll", bound), CpuBinding::LibraryMissing);
    EXPECT_EQ(bound, nullptr);

    // A library that exists but exports neither function: PowerDll.dll,
    // also beside the test program.
    ASSERT_EQ(GetModuleHandleA("PowerDll.dll"), nullptr);
    EXPECT_EQ(platform.Bind(platform.ProgramFolder() + "PowerDll.dll", bound), CpuBinding::FunctionsMissing);
    EXPECT_EQ(bound, nullptr);
    EXPECT_EQ(GetModuleHandleA("PowerDll.dll"), nullptr) << "unloaded again";
}

}  // namespace
}  // namespace vantor::monitor
