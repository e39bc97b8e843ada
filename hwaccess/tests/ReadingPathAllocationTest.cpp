// The reading path runs on the monitor's reading thread every interval: it
// must not touch the heap. This program counts every operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <new>
#include <sstream>
#include <string>

#include "core/Sensors.h"
#include "sim/BoardSimChannel.h"

namespace {
std::atomic<long> g_allocations{0};
}  // namespace

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size))
        return block;
    throw std::bad_alloc();
}
void operator delete(void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }

namespace vantor::hw {
namespace {

TEST(ReadingPath, ReadsWithoutHeapAllocation)
{
    std::ifstream file(std::string(BOARDSIM_BOARDS_DIR) + "/classic.ini", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    BoardSimChannel channel;
    ASSERT_TRUE(channel.Load(text.str()));
    const auto sensors = EnumerateSensors(channel, "VSIF");
    ASSERT_FALSE(sensors.empty());

    const long before = g_allocations;
    double sum = 0;
    HealthData health{};
    for (int pass = 0; pass < 10; ++pass) {
        for (const auto& sensor : sensors)
            sum += ReadSensorValue(channel, sensor.Id);
        sum += ReadSensorValue(channel, 0x06030000) + ReadSensorValue(channel, 0x0106000C);
        ReadHealthData(channel, health);
    }
    EXPECT_EQ(g_allocations - before, 0);
    EXPECT_GT(sum, 0.0);
    EXPECT_GT(health.CpuFan, 0);
}

}  // namespace
}  // namespace vantor::hw
