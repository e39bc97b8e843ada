#include "Divide.h"
#include "Waveform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <set>

namespace boardsim {
namespace {

TEST(Waveform, DivideMatchesTheHardware)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        std::uint64_t numerator = random() >> (random() % 64);
        auto divisor = static_cast<std::uint32_t>(random() >> (32 + random() % 32));
        if (divisor == 0) {
            divisor = 1;
        }
        Quotient q = DivideU64(numerator, divisor);
        ASSERT_EQ(q.quotient, numerator / divisor) << numerator << " / " << divisor;
        ASSERT_EQ(q.remainder, numerator % divisor) << numerator << " % " << divisor;
    }
    EXPECT_EQ(DivideU64(~0ull, 0xFFFFFFFFu).quotient, ~0ull / 0xFFFFFFFFu);
}

TEST(Waveform, SineFollowsTheRealSine)
{
    const double one = 1 << 30;
    EXPECT_EQ(SineQ30(0), 0);
    EXPECT_EQ(SineQ30(1u << 30), 1 << 30);
    EXPECT_EQ(SineQ30(2u << 30), 0);
    EXPECT_EQ(SineQ30(3u << 30), -(1 << 30));
    for (std::uint64_t turn = 0; turn < (1ull << 32); turn += 999983) {
        double expected = std::sin(2 * M_PI * static_cast<double>(turn) / 4294967296.0);
        ASSERT_NEAR(SineQ30(static_cast<std::uint32_t>(turn)) / one, expected, 4e-6) << "turn " << turn;
    }
}

TEST(Waveform, SineAtFollowsItsPeriodForAnyClock)
{
    // Amplitude 100 over 60 s: 0, +100, 0, -100 at the quarters.
    EXPECT_EQ(SineAt(100, 60000, 0), 0);
    EXPECT_EQ(SineAt(100, 60000, 15000), 100);
    EXPECT_EQ(SineAt(100, 60000, 30000), 0);
    EXPECT_EQ(SineAt(100, 60000, 45000), -100);
    EXPECT_EQ(SineAt(100, 60000, 5000), 50);  // sin(30 degrees)
    // A clock far beyond 32 bits lands on the same phase.
    std::uint64_t late = 60000ull * 123456789012ull;
    for (std::uint64_t t : {0, 7, 15000, 44999}) {
        EXPECT_EQ(SineAt(100, 60000, late + t), SineAt(100, 60000, t));
    }
    EXPECT_EQ(SineAt(0, 60000, 15000), 0);
}

TEST(Waveform, DriftWandersSmoothlyWithinItsAmplitude)
{
    constexpr std::int32_t kAmplitude = 40;
    constexpr std::uint32_t kInterval = 5000;
    std::set<std::int32_t> seen;
    std::int32_t previous = DriftAt(kAmplitude, kInterval, 0x06040000, 0);
    for (std::uint64_t t = 0; t < 600000; t += 50) {
        std::int32_t value = DriftAt(kAmplitude, kInterval, 0x06040000, t);
        ASSERT_LE(std::abs(value), kAmplitude) << "t " << t;
        // The steepest smoothstep from -40 to +40 over 5 s climbs 1.2 per 50 ms.
        ASSERT_LE(std::abs(value - previous), 2) << "t " << t;
        ASSERT_EQ(value, DriftAt(kAmplitude, kInterval, 0x06040000, t)) << "not a function of the clock";
        seen.insert(value);
        previous = value;
    }
    EXPECT_GT(seen.size(), 40u) << "the drift hardly moves";
    EXPECT_GT(*seen.rbegin() - *seen.begin(), kAmplitude);

    // Another seed wanders elsewhere; a clock past 32 bits stays bounded.
    int differ = 0;
    for (std::uint64_t t = 0; t < 100000; t += 1000) {
        differ += DriftAt(kAmplitude, kInterval, 1, t) != DriftAt(kAmplitude, kInterval, 2, t);
        std::uint64_t late = (1ull << 45) + t * 7919;
        ASSERT_LE(std::abs(DriftAt(kAmplitude, kInterval, 1, late)), kAmplitude);
    }
    EXPECT_GT(differ, 50);
}

TEST(Waveform, ReadingAddsBaseSineAndDrift)
{
    Waveform wave{};
    wave.base = 1350;
    EXPECT_EQ(WaveformAt(wave, 123456), 1350);
    wave.sineAmplitude = 12;
    wave.sinePeriodMs = 40000;
    EXPECT_EQ(WaveformAt(wave, 10000), 1362);
    wave.driftAmplitude = 8;
    wave.driftIntervalMs = 7000;
    wave.driftSeed = 0x06020000;
    for (std::uint64_t t = 0; t < 200000; t += 333) {
        EXPECT_EQ(WaveformAt(wave, t), 1350 + SineAt(12, 40000, t) + DriftAt(8, 7000, 0x06020000, t));
    }
}

}  // namespace
}  // namespace boardsim
