#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "usage/CpuLayout.h"
#include "usage/LoadGraph.h"

namespace vantor::views {
namespace {

std::vector<int> LabelsOf(const CpuLayout& layout)
{
    std::vector<int> labels;
    for (const std::optional<int>& label : layout.valueLabel)
        labels.push_back(label.value_or(0));
    return labels;
}

std::vector<bool> VisibleGraphs(const CpuLayout& layout)
{
    std::vector<bool> visible;
    for (const GraphPlace& place : layout.graph)
        visible.push_back(place.visible);
    return visible;
}

TEST(CpuPageTest, OneProcessorGetsOneWideGraphLabelledAtTheLowerRight)
{
    const CpuLayout layout = CpuLayoutFor(2);
    EXPECT_EQ(layout.processors, 1u);
    const GraphPlace& wide = layout.graph[0];
    EXPECT_EQ((std::vector{wide.left, wide.top, wide.width, wide.height}), (std::vector{69, 145, 444, 170}));
    EXPECT_EQ(VisibleGraphs(layout), (std::vector{true, false, false, false}));
    EXPECT_EQ(LabelsOf(layout), (std::vector{4, 0, 0, 0}));
    EXPECT_EQ(layout.hiddenLabels, (std::vector<std::string>{"lbCpu1", "lbCpu2", "lbCpu3", "lbTabCpu5", "lbTabCpu6",
                                                             "lbTabCpu7", "lbTabCpu8", "lbTabCpu9", "lbTabCpu10",
                                                             "lbTabCpu12", "lbTabCpu13", "lbTabCpu14"}));
}

TEST(CpuPageTest, TwoProcessorsGetTwoLongGraphs)
{
    const CpuLayout layout = CpuLayoutFor(3);
    EXPECT_EQ(layout.processors, 2u);
    EXPECT_EQ((std::vector{layout.graph[0].top, layout.graph[0].width, layout.graph[0].height}),
              (std::vector{145, 444, 75}));
    EXPECT_EQ((std::vector{layout.graph[1].top, layout.graph[1].width, layout.graph[1].height}),
              (std::vector{240, 444, 75}));
    EXPECT_EQ(VisibleGraphs(layout), (std::vector{true, true, false, false}));
    EXPECT_EQ(LabelsOf(layout), (std::vector{2, 4, 0, 0}));
    EXPECT_EQ(layout.hiddenLabels, (std::vector<std::string>{"lbCpu1", "lbCpu3", "lbTabCpu6", "lbTabCpu7", "lbTabCpu8",
                                                             "lbTabCpu12", "lbTabCpu13", "lbTabCpu14"}));
}

TEST(CpuPageTest, ThreeOrMoreProcessorsKeepTheSquare)
{
    struct Case {
        unsigned entries;
        unsigned processors;
        std::vector<bool> visible;
        std::vector<int> labels;
        std::size_t hidden;
    };
    const Case cases[] = {
            {5, 4, {true, true, true, true}, {1, 3, 2, 4}, 0},
            {9, 4, {true, true, true, true}, {1, 3, 2, 4}, 0},  // more than four: the first four
            {4, 3, {true, true, true, false}, {1, 3, 2, 0}, 4},
            {1, 0, {true, true, true, true}, {1, 3, 2, 4}, 0},  // the library reported no processor
            {0, 0, {true, true, true, true}, {1, 3, 2, 4}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entries);
        const CpuLayout layout = CpuLayoutFor(c.entries);
        EXPECT_EQ(layout.processors, c.processors);
        EXPECT_EQ(VisibleGraphs(layout), c.visible);
        EXPECT_EQ(LabelsOf(layout), c.labels);
        EXPECT_EQ(layout.hiddenLabels.size(), c.hidden);
        EXPECT_EQ(layout.graph[2].left, 324);
        EXPECT_EQ(layout.graph[1].top, 240);
    }
}

TEST(CpuPageTest, SampleTextsGoToEachProcessorsLabelAndTheAverage)
{
    auto texts = [](unsigned entries, monitor::CpuSample sample) {
        std::vector<std::string> flat;
        for (const LabelText& text : CpuSampleTexts(CpuLayoutFor(entries), sample))
            flat.push_back(text.label + "=" + text.text);
        return flat;
    };
    EXPECT_EQ(texts(2, {.count = 1, .load = {37}, .average = 37}),
              (std::vector<std::string>{"lbCpu4=37", "lbCpu5=37"}));
    EXPECT_EQ(texts(3, {.count = 2, .load = {37, 0}, .average = 18}),
              (std::vector<std::string>{"lbCpu2=37", "lbCpu4=0", "lbCpu5=18"}));
    EXPECT_EQ(texts(5, {.count = 4, .load = {10, 20, 30, 40}, .average = 25}),
              (std::vector<std::string>{"lbCpu1=10", "lbCpu3=20", "lbCpu2=30", "lbCpu4=40", "lbCpu5=25"}));
    // A sample with more processors than the page was laid out for feeds only those.
    EXPECT_EQ(texts(3, {.count = 4, .load = {10, 20, 30, 40}, .average = 25}),
              (std::vector<std::string>{"lbCpu2=10", "lbCpu4=20", "lbCpu5=25"}));
}

TEST(CpuPageTest, GraphLineScrollsFivePixelsPerPointScaledToTheHeight)
{
    LoadGraph graph(189, 75);
    EXPECT_TRUE(graph.Line().empty());
    for (int value : {GraphPointFor(0), 50, GraphPointFor(100), -5})
        graph.Add(value);
    const std::vector<GraphPoint> line = graph.Line();
    ASSERT_EQ(line.size(), 4u);
    const int xs[] = {173, 178, 183, 188};
    const int ys[] = {73, 37, 0, 74};  // 1 a row above the bottom; 101 and -5 at the ends of the scale
    for (std::size_t i = 0; i < line.size(); ++i) {
        EXPECT_EQ(line[i].x, xs[i]) << i;
        EXPECT_EQ(line[i].y, ys[i]) << i;
    }
}

TEST(CpuPageTest, GraphKeepsOnlyWhatReachesTheLeftEdge)
{
    for (const auto& [width, height] : {std::pair{189, 75}, std::pair{444, 170}, std::pair{444, 75}}) {
        SCOPED_TRACE(width);
        LoadGraph graph(width, height);
        for (int i = 0; i < 1000; ++i)
            graph.Add(i % 101);
        const std::vector<GraphPoint> line = graph.Line();
        ASSERT_GE(line.size(), 2u);
        EXPECT_LT(line.front().x, 0);
        EXPECT_GE(line[1].x, 0);
        EXPECT_EQ(line.back().x, width - 1);
        EXPECT_EQ(line.back().y, height - 1 - (999 % 101 * (height - 1) + 50) / 100);
    }
}

TEST(CpuPageTest, GridScrollsWithThePicture)
{
    LoadGraph graph(189, 75);
    EXPECT_EQ(graph.GridColumns().front(), 0);
    EXPECT_EQ(graph.GridColumns().size(), 16u);  // 0, 12, ..., 180
    graph.Add(10);
    EXPECT_EQ(graph.GridColumns().front(), 7);
    graph.Add(10);
    EXPECT_EQ(graph.GridColumns().front(), 2);
    for (int i = 0; i < 10; ++i)
        graph.Add(10);  // 60 pixels in all: a whole number of cells
    EXPECT_EQ(graph.GridColumns().front(), 0);

    // Clearing scrolls the whole width away.
    graph.Clear();
    EXPECT_TRUE(graph.Line().empty());
    EXPECT_EQ(graph.GridColumns().front(), 3);  // 189 = 15 cells and 9 pixels
    EXPECT_EQ(graph.GridRows(), (std::vector{74, 62, 50, 38, 26, 14, 2}));

    graph.Add(10);
    graph.Resize(444, 170);
    EXPECT_TRUE(graph.Line().empty());
    EXPECT_EQ(graph.Width(), 444);
}

}  // namespace
}  // namespace vantor::views
