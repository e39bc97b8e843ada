// `vantorctl usage [--json]`: one processor sample through cpuutil.dll
// beside this program, the physical memory and every fixed disk, with the
// usage window's formulas. The load-failure boxes become console errors.
#include <windows.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "Commands.h"
#include "Json.h"
#include "usage/CpuSampling.h"
#include "usage/UsageFormulas.h"
#include "usage/UsageSampling.h"
#include "usage/CpuSampling_win.h"

namespace vantorctl {
namespace {

namespace core = vantor::monitor;

// The first cuUpdate after cuInit measures the moment between the two calls
// (often no counter tick at all), so one update primes and the printed one
// comes this long after it.
constexpr DWORD kSampleIntervalMs = 250;

struct DriveReport {
    std::string name;
    std::optional<core::DriveSample> sample;
};

void PrintBytesLine(const char* label, std::uint64_t bytes, std::uint64_t mb)
{
    std::printf("  %-10s %18s bytes %10llu MB\n", label, core::FormatThousands(bytes).c_str(),
                static_cast<unsigned long long>(mb));
}

void PrintText(const std::optional<core::CpuSample>& cpu, const core::MemorySample& memory,
               const std::vector<DriveReport>& drives)
{
    if (cpu) {
        std::printf("cpu: %u processor%s\n", cpu->count, cpu->count == 1 ? "" : "s");
        for (unsigned i = 0; i < cpu->count; ++i)
            std::printf("  processor %u %5u %%\n", i, cpu->load[i]);
        std::printf("  average     %5u %%\n", cpu->average);
    } else {
        std::printf("cpu: no sample\n");
    }
    std::printf("memory: used %u %%\n", memory.usedPercent);
    PrintBytesLine("total", memory.totalBytes, memory.totalMB);
    PrintBytesLine("available", memory.availableBytes, memory.availableMB);
    PrintBytesLine("used", memory.usedBytes, memory.usedMB);
    for (const auto& drive : drives) {
        if (!drive.sample) {
            std::printf("drive %s: cannot be queried\n", drive.name.c_str());
            continue;
        }
        const core::DriveSample& d = *drive.sample;
        std::printf("drive %s %s free %u %%\n", drive.name.c_str(), d.fileSystem.empty() ? "?" : d.fileSystem.c_str(),
                    d.freePercent);
        PrintBytesLine("total", d.totalBytes, d.totalMB);
        PrintBytesLine("free", d.freeBytes, d.freeMB);
        PrintBytesLine("used", d.usedBytes, d.usedMB);
    }
}

long long Number(std::uint64_t value) { return static_cast<long long>(value); }

void PrintJson(const std::optional<core::CpuSample>& cpu, const core::MemorySample& memory,
               const std::vector<DriveReport>& drives)
{
    JsonObject root;
    if (cpu) {
        std::vector<std::string> loads;
        for (unsigned i = 0; i < cpu->count; ++i)
            loads.push_back(std::to_string(cpu->load[i]));
        root.Raw("cpu", JsonObject()
                                .Number("processors", cpu->count)
                                .Raw("loads", JsonArray(loads))
                                .Number("average", cpu->average)
                                .Text());
    } else {
        root.Raw("cpu", "null");
    }
    root.Raw("memory", JsonObject()
                               .Number("total_bytes", Number(memory.totalBytes))
                               .Number("total_mb", Number(memory.totalMB))
                               .Number("available_bytes", Number(memory.availableBytes))
                               .Number("available_mb", Number(memory.availableMB))
                               .Number("used_bytes", Number(memory.usedBytes))
                               .Number("used_mb", Number(memory.usedMB))
                               .Number("used_percent", memory.usedPercent)
                               .Text());
    std::vector<std::string> members;
    for (const auto& drive : drives) {
        JsonObject member;
        member.String("name", drive.name).Bool("sampled", drive.sample.has_value());
        if (drive.sample) {
            const core::DriveSample& d = *drive.sample;
            member.String("file_system", d.fileSystem)
                    .Number("total_bytes", Number(d.totalBytes))
                    .Number("total_mb", Number(d.totalMB))
                    .Number("free_bytes", Number(d.freeBytes))
                    .Number("free_mb", Number(d.freeMB))
                    .Number("used_bytes", Number(d.usedBytes))
                    .Number("used_mb", Number(d.usedMB))
                    .Number("free_percent", d.freePercent);
        }
        members.push_back(member.Text());
    }
    root.Raw("drives", JsonArray(members));
    std::printf("%s\n", root.Text().c_str());
}

}  // namespace

int RunUsage(const std::vector<std::string>& args)
{
    bool json = false;
    for (const auto& arg : args) {
        if (arg != "--json") {
            std::fprintf(stderr, "usage: vantorctl usage [--json]\n");
            return kExitUsage;
        }
        json = true;
    }

    core::WinCpuLibraryPlatform platform;
    core::CpuSampling sampling(platform);
    const core::CpuStartEffects effects = sampling.StartCpuSampling();
    if (!effects.sampling) {
        const std::string path = platform.ProgramFolder() + std::string(core::kCpuLibraryName);
        std::fprintf(stderr, "vantorctl: %.*s (%s %s)\n", static_cast<int>(effects.text.size()), effects.text.data(),
                     path.c_str(),
                     effects.box == core::CpuStartEffects::Box::Information ? "does not load"
                                                                            : "lacks cuInit or cuUpdate");
        return kExitMissing;
    }
    sampling.SampleCpu();
    Sleep(kSampleIntervalMs);
    const std::optional<core::CpuSample> cpu = sampling.SampleCpu();
    sampling.StopCpuSampling();

    const auto system = core::MakeWindowsSystemUsage();
    const core::MemorySample memory = system->SampleMemory();
    std::vector<DriveReport> drives;
    for (const auto& name : system->ListFixedDrives())
        drives.push_back({name, system->SampleDrive(name)});

    if (json)
        PrintJson(cpu, memory, drives);
    else
        PrintText(cpu, memory, drives);
    if (!cpu) {
        std::fprintf(stderr, "vantorctl: cpuutil.dll gave no processor sample\n");
        return kExitRefused;
    }
    return kExitOk;
}

}  // namespace vantorctl
