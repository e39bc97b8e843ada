// The two region builders' scans natively, on a 600 x 400 picture shaped
// like the usage window's skin (a rounded panel on a magenta key, with holes).
// Natively only the pure part runs: the fast builder's runs and batches, the
// run builder's key runs. The region work they feed is timed under Wine by
// bench_wine_region.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "RegionShape.h"
#include "TestImage.h"
#include "toolkit/PixelRuns.h"
#include "toolkit/RegionBatches.h"

namespace {

using namespace vantor::toolkit;

constexpr int kWidth = 600, kHeight = 400;

const test::TestImage& Skin(int bytesPerPixel)
{
    auto colourAt = [](int x, int y) { return test::ShapeColour(x, y, kWidth, kHeight); };
    static const test::TestImage skin32(kWidth, kHeight, 4, RowOrder::BottomUp, colourAt);
    static const test::TestImage skin24(kWidth, kHeight, 3, RowOrder::BottomUp, colourAt);
    return bytesPerPixel == 4 ? skin32 : skin24;
}

// CreateRegionFromBitmap's scan: 32-bit copy, key range with red tolerance.
void FastBuilderScan(benchmark::State& state)
{
    const PixelView view = Skin(4).View();
    const KeyRange key(test::kShapeKey, 255);
    std::size_t rects = 0;
    for (auto _ : state) {
        rects = 0;
        BuildRegionBatches(view, key, [&](const RegionDataList& list) {
            rects += list.Count();
            benchmark::DoNotOptimize(list.Data());
            return true;
        });
    }
    state.counters["rectangles"] = static_cast<double>(rects);
}
BENCHMARK(FastBuilderScan);

// RegionFromBitmapRuns' scan: 24-bit pixels, exact key runs.
void RunBuilderScan(benchmark::State& state)
{
    const PixelView view = Skin(3).View();
    std::size_t runs = 0;
    for (auto _ : state) {
        runs = 0;
        ForEachKeyRun(view, test::kShapeKey, [&](const PixelRect& r) {
            benchmark::DoNotOptimize(r);
            ++runs;
        });
    }
    state.counters["key runs"] = static_cast<double>(runs);
}
BENCHMARK(RunBuilderScan);

// Keeps each benchmark's processor time per iteration (the machine is shared, so wall time is noisy) for the closing ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            times[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto fast = reporter.times.find("FastBuilderScan"), slow = reporter.times.find("RunBuilderScan");
    if (fast != reporter.times.end() && slow != reporter.times.end() && fast->second > 0)
        std::printf("run builder scan / fast builder scan: %.2f\n", slow->second / fast->second);
    benchmark::Shutdown();
    return 0;
}
