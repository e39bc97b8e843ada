// The usage window's drawn pictures: a processor's scrolling load graph and
// the three-dimensional pie of the Memory and Hard Disk pages, each rendered
// into a bitmap picture. Windows builds.
#pragma once

#include <array>
#include <string>

#include "toolkit/BitmapPicture.h"
#include "usage/LoadGraph.h"
#include "usage/UsagePie.h"

namespace vantor::views {

// COLORREF values of the graph.
inline constexpr unsigned kGraphLineColour = 0x0000FF00;  // lime
inline constexpr unsigned kGraphGridColour = 0x00004000;
inline constexpr unsigned kGraphBackColour = 0x00060C04;

// The graph as its picture shows it: background, the scrolling grid, the line.
std::shared_ptr<toolkit::BitmapPicture> DrawLoadGraph(const LoadGraph& graph);

// The pie on its magenta background, kPieWidth x kPieHeight.
std::shared_ptr<toolkit::BitmapPicture> DrawUsagePie(const std::array<PieSlice, 2>& slices);

// Saves the picture as a 24-bit .bmp file; false when it cannot be written.
bool SaveBitmapFile(const toolkit::BitmapPicture& picture, const std::string& path);

}  // namespace vantor::views
