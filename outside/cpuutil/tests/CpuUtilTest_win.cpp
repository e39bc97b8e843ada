// cpuutil.dll loaded from the program folder as the monitor loads it, on the
// (Wine) system's real processor time counters.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "cpuutil.h"

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    return folder.substr(0, folder.find_last_of("\\/") + 1);
}

class CpuUtil : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_module = LoadLibraryA((ProgramFolder() + "cpuutil.dll").c_str());
        ASSERT_NE(m_module, nullptr) << "cpuutil.dll beside the test program";
        m_init = reinterpret_cast<CuInitFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "cuInit")));
        m_update = reinterpret_cast<CuUpdateFn>(reinterpret_cast<void*>(GetProcAddress(m_module, "cuUpdate")));
        ASSERT_NE(m_init, nullptr);
        ASSERT_NE(m_update, nullptr);
    }
    void TearDown() override
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
    }

    HMODULE m_module = nullptr;
    CuInitFn m_init = nullptr;
    CuUpdateFn m_update = nullptr;
};

std::int32_t ExpectedEntries()
{
    SYSTEM_INFO info{};
    GetSystemInfo(&info);
    return static_cast<std::int32_t>(std::min<DWORD>(info.dwNumberOfProcessors, 4)) + 1;
}

TEST_F(CpuUtil, ReportsRealLoadWhileAThreadSpins)
{
    std::int32_t n = -1;
    ASSERT_NE(m_init(&n), 0);
    EXPECT_EQ(n, ExpectedEntries());

    std::atomic<bool> stop{false};
    std::thread spinner([&stop] {
        volatile std::uint64_t work = 0;
        while (!stop.load(std::memory_order_relaxed))
            work = work + 1;
    });
    std::this_thread::sleep_for(std::chrono::seconds(1));

    // Six floats: the sixth must never be written.
    std::array<float, 6> entries{};
    entries.fill(-1.0F);
    std::uint32_t count = 0;
    const std::int32_t filled = m_update(entries.data(), &count);
    stop = true;
    spinner.join();

    ASSERT_NE(filled, 0);
    ASSERT_EQ(count, static_cast<std::uint32_t>(n));
    float highest = 0.0F;
    for (std::uint32_t i = 0; i < count; ++i) {
        EXPECT_GE(entries[i], 0.0F) << "entry " << i;
        EXPECT_LE(entries[i], 100.0F) << "entry " << i;
        if (i + 1 < count)
            highest = std::max(highest, entries[i]);
    }
    EXPECT_GT(highest, 0.0F) << "a spinning thread shows on some processor";
    EXPECT_EQ(entries[5], -1.0F);
    std::printf("loads after 1 s with one thread spinning:");
    for (std::uint32_t i = 0; i < count; ++i)
        std::printf(" %.1f", static_cast<double>(entries[i]));
    std::printf("\n");
}

TEST_F(CpuUtil, NullPointersAreRefused)
{
    EXPECT_EQ(m_init(nullptr), 0);
    std::int32_t n = 0;
    ASSERT_NE(m_init(&n), 0);
    Sleep(50);
    std::array<float, 5> entries{};
    std::uint32_t count = 0;
    EXPECT_EQ(m_update(nullptr, &count), 0);
    EXPECT_EQ(m_update(entries.data(), nullptr), 0);
    EXPECT_EQ(count, 0u);
}

}  // namespace
