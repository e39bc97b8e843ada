// The reading path natively: OCAPI_GetHwSensorData's core over the simulated
// board in-process, for one sensor and for a whole pass of the many board.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "core/Sensors.h"
#include "sim/BoardSimChannel.h"

namespace {

using namespace vantor::hw;

std::string BoardText(const char* name)
{
    std::ifstream file(std::string(BOARDSIM_BOARDS_DIR) + "/" + name + ".ini", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

void ReadOneSensor(benchmark::State& state)
{
    BoardSimChannel channel;
    if (!channel.Load(BoardText("classic"))) {
        state.SkipWithError("classic board did not load");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadSensorValue(channel, 0x06030000));
}
BENCHMARK(ReadOneSensor);

void ReadingPassOfManyBoard(benchmark::State& state)
{
    BoardSimChannel channel;
    if (!channel.Load(BoardText("many"))) {
        state.SkipWithError("many board did not load");
        return;
    }
    std::vector<std::uint32_t> ids;
    for (const char* list : {"VSIF", "TSIF", "FSIF"})
        for (const auto& sensor : EnumerateSensors(channel, list))
            ids.push_back(sensor.Id);
    for (auto _ : state) {
        for (std::uint32_t id : ids)
            benchmark::DoNotOptimize(ReadSensorValue(channel, id));
    }
    state.counters["sensors"] = static_cast<double>(ids.size());
}
BENCHMARK(ReadingPassOfManyBoard);

}  // namespace

BENCHMARK_MAIN();
