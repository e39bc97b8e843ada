// Memory and disk figures from the (Wine) system: real memory, and drive C:
// listed as a fixed disk with a plausible size and file system.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "usage/UsageSampling.h"

namespace vantor::monitor {
namespace {

TEST(UsageSamplingWin, SamplesPhysicalMemory)
{
    const auto usage = MakeWindowsSystemUsage();
    const MemorySample m = usage->SampleMemory();
    EXPECT_GT(m.totalBytes, 0u);
    EXPECT_GT(m.totalMB, 0u);
    EXPECT_LE(m.availableBytes, m.totalBytes);
    EXPECT_EQ(m.usedBytes, m.totalBytes - m.availableBytes);
    EXPECT_EQ(m.totalMB, m.totalBytes >> 20);
    EXPECT_LE(m.usedPercent, 100u);

    // Same figure as the system's own 64-bit report (not capped at 4 GB).
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    ASSERT_NE(GlobalMemoryStatusEx(&status), 0);
    EXPECT_EQ(m.totalBytes, status.ullTotalPhys);
}

TEST(UsageSamplingWin, ListsDriveCAsFixedAndSamplesIt)
{
    const auto usage = MakeWindowsSystemUsage();
    const auto drives = usage->ListFixedDrives();
    EXPECT_NE(std::find(drives.begin(), drives.end(), "C:"), drives.end());
    EXPECT_TRUE(std::is_sorted(drives.begin(), drives.end()));

    const auto c = usage->SampleDrive("C:");
    ASSERT_TRUE(c.has_value());
    EXPECT_GT(c->totalMB, 0u);
    EXPECT_LE(c->freeBytes, c->totalBytes);
    EXPECT_EQ(c->usedBytes, c->totalBytes - c->freeBytes);
    EXPECT_LE(c->freePercent, 100u);
    EXPECT_FALSE(c->fileSystem.empty());
    EXPECT_LE(c->fileSystem.size(), 15u);
}

TEST(UsageSamplingWin, AMissingDriveGivesNoSample)
{
    const DWORD mask = GetLogicalDrives();
    std::string missing;
    for (char letter = 'Z'; letter >= 'D' && missing.empty(); --letter)
        if ((mask & (DWORD{1} << (letter - 'A'))) == 0)
            missing = std::string{letter, ':'};
    ASSERT_FALSE(missing.empty()) << "every drive letter is in use";
    EXPECT_FALSE(MakeWindowsSystemUsage()->SampleDrive(missing).has_value());
}

}  // namespace
}  // namespace vantor::monitor
