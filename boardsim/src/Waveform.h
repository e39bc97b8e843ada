// Time-varying raw readings: a base value plus an optional sine and an
// optional drift, both pure functions of the host clock so tests can predict
// them. Integer arithmetic only: kernel code must not touch the floating-point
// unit unguarded, and integers give the same values on every host.
#ifndef BOARDSIM_WAVEFORM_H
#define BOARDSIM_WAVEFORM_H

#include <cstdint>

namespace boardsim {

struct Waveform {
    std::int32_t base;
    std::int32_t sineAmplitude;     // >= 0, raw units
    std::uint32_t sinePeriodMs;     // > 0 when sineAmplitude > 0
    std::int32_t driftAmplitude;    // >= 0, raw units
    std::uint32_t driftIntervalMs;  // > 0 when driftAmplitude > 0
    std::uint32_t driftSeed;
};

// base + sine + drift at `nowMs`. The loader keeps base +/- both amplitudes
// inside 32 bits.
std::int32_t WaveformAt(const Waveform& wave, std::uint64_t nowMs);

// amplitude * sin(2 pi nowMs / periodMs), rounded: 0 at nowMs 0, +amplitude a
// quarter period later.
std::int32_t SineAt(std::int32_t amplitude, std::uint32_t periodMs, std::uint64_t nowMs);

// A smooth wander within [-amplitude, +amplitude]: every intervalMs a new
// pseudo-random target, derived from `seed` and the interval number, and a
// smoothstep from each target to the next.
std::int32_t DriftAt(std::int32_t amplitude, std::uint32_t intervalMs, std::uint32_t seed, std::uint64_t nowMs);

// sin(2 pi turn / 2^32) in Q30 (2^30 stands for 1.0); error below 4e-6.
std::int32_t SineQ30(std::uint32_t turn);

}  // namespace boardsim

#endif
