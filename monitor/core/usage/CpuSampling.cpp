#include "usage/CpuSampling.h"

#include <array>

namespace vantor::monitor {

std::optional<CpuSample> SampleCpuWithRetries(CpuLoadFunctions& functions, Sleeper& sleeper)
{
    std::array<float, kCpuEntryCapacity> entries{};
    std::uint32_t count = 0;
    for (int attempt = 0; attempt < kCpuUpdateAttempts; ++attempt) {
        if (attempt > 0)
            sleeper.SleepMs(kCpuRetryDelayMs);
        entries.fill(0.0F);
        count = 0;
        if (functions.Update(entries.data(), &count) != 0)
            return CpuSampleFromEntries(entries, count);
    }
    return std::nullopt;
}

CpuStartEffects CpuStartEffectsFor(CpuBinding binding)
{
    CpuStartEffects effects;
    switch (binding) {
    case CpuBinding::Bound:
        effects.sampling = true;
        break;
    case CpuBinding::LibraryMissing:
        effects.box = CpuStartEffects::Box::Information;
        effects.text = kCpuLoadFailureMessage;
        effects.endProgram = true;
        break;
    case CpuBinding::FunctionsMissing:
        effects.box = CpuStartEffects::Box::Message;
        effects.text = kCpuFunctionsMissingMessage;
        effects.caption = kCpuMessageCaption;
        break;
    }
    return effects;
}

CpuStartEffects CpuSampling::StartCpuSampling()
{
    StopCpuSampling();
    const std::string path = m_platform.ProgramFolder() + std::string(kCpuLibraryName);
    std::unique_ptr<CpuLoadFunctions> bound;
    CpuBinding binding = m_platform.Bind(path, bound);
    if (binding == CpuBinding::Bound && bound == nullptr)
        binding = CpuBinding::FunctionsMissing;
    const CpuStartEffects effects = CpuStartEffectsFor(binding);
    if (effects.sampling) {
        m_functions = std::move(bound);
        std::int32_t entries = 0;
        m_functions->Init(&entries);
        m_entries = entries < 0 ? 0 : entries;
    }
    return effects;
}

void CpuSampling::StopCpuSampling()
{
    m_functions.reset();
    m_entries = 0;
}

std::optional<CpuSample> CpuSampling::SampleCpu()
{
    if (m_functions == nullptr)
        return std::nullopt;
    return SampleCpuWithRetries(*m_functions, m_platform);
}

}  // namespace vantor::monitor
