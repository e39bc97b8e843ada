// sensorprobe: prints the board's sensors as read through \\.\ZYKACPI, using
// the hardware access library's core over the real device channel. A console
// check that the driver, the simulated firmware and the channel work together.
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "core/MethodCalls.h"
#include "core/ObjectList.h"
#include "win/DeviceChannel_win.h"

namespace {

using vantor::hw::DeviceChannel;
using vantor::hw::MethodName;

struct SensorKindInfo {
    MethodName list;
    MethodName reading;
    const char* word;
    const char* unit;
    double scale;
    int decimals;
};

constexpr SensorKindInfo kKinds[] = {
        {"VSIF", "RVLT", "volt", "V", 0.001, 3},
        {"TSIF", "RTMP", "temp", "C", 0.1, 1},
        {"FSIF", "RFAN", "fan", "rpm", 1.0, 0},
};

// Descriptor words: low limit, high limit, flags; bits 0-1 of the flags equal
// to 1 mark a sensor that is present.
constexpr std::size_t kLow = 0, kHigh = 1, kFlags = 2;

int PrintKind(DeviceChannel& channel, const SensorKindInfo& kind)
{
    int shown = 0;
    for (const auto& sensor : vantor::hw::ReadObjectList<3>(channel, kind.list)) {
        if ((sensor.words[kFlags] & 3u) != 1u)
            continue;
        const auto raw = static_cast<std::int32_t>(vantor::hw::ReadInteger(channel, kind.reading, sensor.itemId));
        const auto low = static_cast<std::int32_t>(sensor.words[kLow]);
        const auto high = static_cast<std::int32_t>(sensor.words[kHigh]);
        std::printf("%-4s 0x%08X %10.*f %-3s  low %9.*f  high %9.*f  %s\n", kind.word,
                    static_cast<unsigned>(sensor.itemId), kind.decimals, raw * kind.scale, kind.unit, kind.decimals,
                    low * kind.scale, kind.decimals, high * kind.scale, sensor.name.data());
        ++shown;
    }
    return shown;
}

}  // namespace

int main()
{
    DeviceChannel channel;
    if (!channel.Open(vantor::hw::RequestLayoutForThisProcess())) {
        std::fprintf(stderr, "sensorprobe: cannot open %s (system error %u); is the zykacpi service running?\n",
                     "\\\\.\\ZYKACPI", static_cast<unsigned>(channel.LastError()));
        return 2;
    }
    int total = 0;
    for (const auto& kind : kKinds)
        total += PrintKind(channel, kind);
    if (total == 0) {
        std::fprintf(stderr, "sensorprobe: the board lists no sensors (last error %u)\n",
                     static_cast<unsigned>(channel.LastError()));
        return 1;
    }
    return 0;
}
