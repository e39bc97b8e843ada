// The CPU page by the processor-load library's entry count n (processors
// plus one): one wide graph for one processor, two long ones for two, a
// 2 x 2 square for three or four; which graph and value label each
// processor feeds, and the labels that have nothing to show.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "usage/UsageFormulas.h"

namespace vantor::views {

struct GraphPlace {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool visible = false;
};

struct CpuLayout {
    unsigned processors = 0;          // graphs fed, 0 to 4
    std::array<GraphPlace, 4> graph;  // pgCpu1 to pgCpu4; processor i feeds graph i
    // For processor i, the number k of its value label lbCpu<k>; none when
    // the layout gives it no label.
    std::array<std::optional<int>, 4> valueLabel;
    // Labels hidden again after the page's controls are shown.
    std::vector<std::string> hiddenLabels;
};

CpuLayout CpuLayoutFor(unsigned entries);

struct LabelText {
    std::string label;  // "lbCpu4"
    std::string text;
};

// What one processor sample writes: each processor's value label, and the
// average into lbCpu5.
std::vector<LabelText> CpuSampleTexts(const CpuLayout& layout, const monitor::CpuSample& sample);

// The point a processor's graph gets for its load: one above it, so that an
// idle processor still shows a line above the bottom edge.
int GraphPointFor(unsigned load);

}  // namespace vantor::views
