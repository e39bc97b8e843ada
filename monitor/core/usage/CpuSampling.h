// Processor load for the usage window, from the outside library cpuutil.dll
// (cuInit once, cuUpdate per sample). The decisions live here and are
// portable: where the library is looked for, what a failed load or bind
// means for the program, and the retry loop around cuUpdate. The system
// side (loading, sleeping, message boxes) is CpuLibraryPlatform, with its
// Windows implementation in CpuSampling_win.h.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "usage/UsageFormulas.h"

namespace vantor::monitor {

inline constexpr std::string_view kCpuLibraryName = "cpuutil.dll";
inline constexpr std::string_view kCpuLoadFailureMessage = "Load cpuutil.dll failed !";
inline constexpr std::string_view kCpuFunctionsMissingMessage = "Can't get cpuutil functions !";
inline constexpr std::string_view kCpuMessageCaption = "Vantor";
// A library that is not ready is asked again after a short sleep: four
// calls in all, so at most 300 ms of sleeping per sample.
inline constexpr int kCpuUpdateAttempts = 4;
inline constexpr std::uint32_t kCpuRetryDelayMs = 100;

// cuInit and cuUpdate of a bound library; releasing the object unloads it.
class CpuLoadFunctions {
public:
    virtual ~CpuLoadFunctions() = default;
    virtual std::int32_t Init(std::int32_t* entries) = 0;
    virtual std::int32_t Update(float* entries, std::uint32_t* count) = 0;
};

class Sleeper {
public:
    virtual ~Sleeper() = default;
    virtual void SleepMs(std::uint32_t milliseconds) = 0;
};

// One sample: the five-float array cleared before every cuUpdate call, up
// to four calls with a sleep between failed ones; nothing when every call
// failed or fewer than two entries came back.
std::optional<CpuSample> SampleCpuWithRetries(CpuLoadFunctions& functions, Sleeper& sleeper);

enum class CpuBinding {
    Bound,
    LibraryMissing,
    FunctionsMissing
};

// What the program must do after binding. Without the library the program
// cannot show its usage window and ends after an information box; with the
// library but without its functions it goes on without processor samples
// after a plain message box.
struct CpuStartEffects {
    enum class Box {
        None,
        Information,
        Message
    };
    Box box = Box::None;
    std::string_view text;
    std::string_view caption;  // for Box::Message; the information box has the program's own
    bool endProgram = false;
    bool sampling = false;
};

CpuStartEffects CpuStartEffectsFor(CpuBinding binding);

class CpuLibraryPlatform : public Sleeper {
public:
    // Folder of the program file, with its trailing separator.
    virtual std::string ProgramFolder() = 0;
    // Loads `path` and binds cuInit and cuUpdate into `bound`. When either
    // function is missing the library is unloaded again.
    virtual CpuBinding Bind(const std::string& path, std::unique_ptr<CpuLoadFunctions>& bound) = 0;
};

// The processor library's state, from the usage window's creation to its
// destruction. Window thread only.
class CpuSampling {
public:
    explicit CpuSampling(CpuLibraryPlatform& platform) : m_platform(platform) {}

    // Loads cpuutil.dll from the program folder, binds it and calls cuInit.
    // The caller performs the returned effects (boxes, ending the program).
    CpuStartEffects StartCpuSampling();
    // Unloads the library; sampling is off afterwards.
    void StopCpuSampling();
    // The entry count cuInit reported (processors + 1); 0 while off.
    std::int32_t ProcessorEntries() const { return m_entries; }
    // Nothing while sampling is off or the library gave no sample.
    std::optional<CpuSample> SampleCpu();

private:
    CpuLibraryPlatform& m_platform;
    std::unique_ptr<CpuLoadFunctions> m_functions;
    std::int32_t m_entries = 0;
};

}  // namespace vantor::monitor
