// The pie of the Memory and Hard Disk pages: a "Used" slice in blue and an
// "Unused" slice in magenta, the colour the pie's picture is transparent in,
// so the skin shows through the unused part.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "usage/UsageFormulas.h"

namespace vantor::views {

// COLORREF values (0x00BBGGRR).
inline constexpr std::uint32_t kPieUsedColour = 0x00FF0000;
inline constexpr std::uint32_t kPieUnusedColour = 0x00FF00FF;
inline constexpr std::uint32_t kPieBackground = 0x00FF00FF;
inline constexpr int kPieWidth = 137;
inline constexpr int kPieHeight = 73;
// The pie seen from above at 315 degrees, 60 percent deep, turned by 240
// degrees, its biggest slice pulled out by 15 pixels.
inline constexpr int kPieElevation = 315;
inline constexpr int kPieDepthPercent = 60;
inline constexpr double kPieRotation = 240.0;
inline constexpr int kPiePullOut = 15;

struct PieSlice {
    std::string name;
    unsigned percent = 0;
    // Degrees counter-clockwise from the positive x axis, as GDI's arcs take them.
    double startDegrees = 0.0;
    double sweepDegrees = 0.0;
    std::uint32_t colour = 0;
    bool pulledOut = false;
};

// "Used" then "Unused"; a percent above 100 counts as 100.
std::array<PieSlice, 2> UsagePie(unsigned usedPercent);

std::array<PieSlice, 2> MemoryPie(const monitor::MemorySample& sample);
std::array<PieSlice, 2> DrivePie(const monitor::DriveSample& sample);

struct PieOffset {
    int dx = 0;
    int dy = 0;  // screen y, downwards
};
// Where a pulled-out slice moves: along the middle of its arc.
PieOffset PullOutOffset(const PieSlice& slice);

}  // namespace vantor::views
