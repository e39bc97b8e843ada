#include "Waveform.h"

#include "Divide.h"

namespace boardsim {
namespace {

constexpr std::int64_t kOne = std::int64_t{1} << 30;

// Taylor coefficients of sin(pi/2 * z) in Q30: (pi/2)^k / k!, k = 1, 3, ..., 9.
constexpr std::int64_t kC1 = 1686629713;
constexpr std::int64_t kC3 = 693598668;
constexpr std::int64_t kC5 = 85569306;
constexpr std::int64_t kC7 = 5026995;
constexpr std::int64_t kC9 = 172272;

// A value in [-amplitude, +amplitude] for interval number `index`
// (SplitMix64 finaliser).
std::int64_t Noise(std::uint32_t seed, std::uint64_t index, std::int32_t amplitude)
{
    std::uint64_t z = index * 0x9E3779B97F4A7C15ull + (static_cast<std::uint64_t>(seed) << 32) + seed;
    z ^= z >> 30;
    z *= 0xBF58476D1CE4E5B9ull;
    z ^= z >> 27;
    z *= 0x94D049BB133111EBull;
    z ^= z >> 31;
    std::uint64_t span = 2 * static_cast<std::uint64_t>(amplitude) + 1;
    return static_cast<std::int64_t>(((z >> 32) * span) >> 32) - amplitude;
}

}  // namespace

std::int32_t SineQ30(std::uint32_t turn)
{
    std::uint32_t quadrant = turn >> 30;
    std::int64_t z = turn & 0x3FFFFFFF;
    if (quadrant & 1) {
        z = kOne - z;  // sin(pi - a) = sin(a)
    }
    std::int64_t z2 = (z * z) >> 30;
    std::int64_t r = kC9;
    r = kC7 - ((r * z2) >> 30);
    r = kC5 - ((r * z2) >> 30);
    r = kC3 - ((r * z2) >> 30);
    r = kC1 - ((r * z2) >> 30);
    r = (r * z) >> 30;
    if (r > kOne) {
        r = kOne;
    } else if (r < 0) {
        r = 0;
    }
    return static_cast<std::int32_t>(quadrant & 2 ? -r : r);
}

std::int32_t SineAt(std::int32_t amplitude, std::uint32_t periodMs, std::uint64_t nowMs)
{
    if (amplitude <= 0 || periodMs == 0) {
        return 0;
    }
    std::uint64_t intoPeriod = DivideU64(nowMs, periodMs).remainder;
    auto turn = static_cast<std::uint32_t>(DivideU64(intoPeriod << 32, periodMs).quotient);
    std::int64_t sine = SineQ30(turn);
    std::int64_t magnitude = (amplitude * (sine < 0 ? -sine : sine) + (kOne >> 1)) >> 30;
    return static_cast<std::int32_t>(sine < 0 ? -magnitude : magnitude);
}

std::int32_t DriftAt(std::int32_t amplitude, std::uint32_t intervalMs, std::uint32_t seed, std::uint64_t nowMs)
{
    if (amplitude <= 0 || intervalMs == 0) {
        return 0;
    }
    Quotient position = DivideU64(nowMs, intervalMs);
    // Fraction of the interval in Q16, then smoothstep 3f^2 - 2f^3 so the
    // wander has no corners at the targets.
    std::uint64_t f = DivideU64(position.remainder << 16, intervalMs).quotient;
    std::uint64_t step = (((f * f) >> 16) * (3 * 65536 - 2 * f)) >> 16;
    std::int64_t from = Noise(seed, position.quotient, amplitude);
    std::int64_t to = Noise(seed, position.quotient + 1, amplitude);
    return static_cast<std::int32_t>(from + (((to - from) * static_cast<std::int64_t>(step)) >> 16));
}

std::int32_t WaveformAt(const Waveform& wave, std::uint64_t nowMs)
{
    std::int64_t value = wave.base;
    value += SineAt(wave.sineAmplitude, wave.sinePeriodMs, nowMs);
    value += DriftAt(wave.driftAmplitude, wave.driftIntervalMs, wave.driftSeed, nowMs);
    return static_cast<std::int32_t>(value);
}

}  // namespace boardsim
