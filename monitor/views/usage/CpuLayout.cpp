#include "usage/CpuLayout.h"

#include <algorithm>

namespace vantor::views {
namespace {

constexpr int kGraphWidth = 189;
constexpr int kGraphHeight = 75;
constexpr int kWideWidth = 444;
constexpr int kTallHeight = 170;

// pgCpu1 upper left, pgCpu2 lower left, pgCpu3 upper right, pgCpu4 lower right.
constexpr std::array<GraphPlace, 4> kSquare = {{
        {69, 145, kGraphWidth, kGraphHeight, true},
        {69, 240, kGraphWidth, kGraphHeight, true},
        {324, 145, kGraphWidth, kGraphHeight, true},
        {324, 240, kGraphWidth, kGraphHeight, true},
}};

}  // namespace

CpuLayout CpuLayoutFor(unsigned entries)
{
    CpuLayout layout;
    layout.graph = kSquare;
    layout.processors = entries < 2 ? 0 : std::min(entries - 1, monitor::kMaxProcessors);
    switch (layout.processors) {
    case 1:
        // One graph over the area of all four; its label at the lower right.
        layout.graph[0] = {69, 145, kWideWidth, kTallHeight, true};
        layout.graph[1].visible = layout.graph[2].visible = layout.graph[3].visible = false;
        layout.valueLabel[0] = 4;
        layout.hiddenLabels = {"lbCpu1",    "lbCpu2",    "lbCpu3",     "lbTabCpu5",  "lbTabCpu6",  "lbTabCpu7",
                               "lbTabCpu8", "lbTabCpu9", "lbTabCpu10", "lbTabCpu12", "lbTabCpu13", "lbTabCpu14"};
        break;
    case 2:
        // Two graphs across the page, their labels at the right.
        layout.graph[0] = {69, 145, kWideWidth, kGraphHeight, true};
        layout.graph[1] = {69, 240, kWideWidth, kGraphHeight, true};
        layout.graph[2].visible = layout.graph[3].visible = false;
        layout.valueLabel[0] = 2;
        layout.valueLabel[1] = 4;
        layout.hiddenLabels = {"lbCpu1",    "lbCpu3",     "lbTabCpu6",  "lbTabCpu7",
                               "lbTabCpu8", "lbTabCpu12", "lbTabCpu13", "lbTabCpu14"};
        break;
    default:
        // Each label beside its graph: lbCpu1 upper left, lbCpu2 upper right,
        // lbCpu3 lower left, lbCpu4 lower right.
        layout.valueLabel = {1, 3, 2, 4};
        if (layout.processors == 3) {
            // No fourth processor: its graph, label and marks would show a
            // processor that is not there.
            layout.graph[3].visible = false;
            layout.valueLabel[3].reset();
            layout.hiddenLabels = {"lbCpu4", "lbTabCpu13", "lbTabCpu14", "lbTabCpu15"};
        }
        break;
    }
    return layout;
}

std::vector<LabelText> CpuSampleTexts(const CpuLayout& layout, const monitor::CpuSample& sample)
{
    std::vector<LabelText> texts;
    const unsigned processors = std::min(sample.count, layout.processors);
    for (unsigned i = 0; i < processors; ++i) {
        if (layout.valueLabel[i])
            texts.push_back({"lbCpu" + std::to_string(*layout.valueLabel[i]), std::to_string(sample.load[i])});
    }
    texts.push_back({"lbCpu5", std::to_string(sample.average)});
    return texts;
}

int GraphPointFor(unsigned load) { return static_cast<int>(std::min(load, 100u)) + 1; }

}  // namespace vantor::views
