// Binding cpuutil.dll: Windows is needed for LoadLibraryA, GetProcAddress,
// FreeLibrary, Sleep and the message boxes.
#include <windows.h>

#include <cstdint>
#include <string>

#include "startup/DisplayCheck.h"
#include "usage/CpuSampling_win.h"
#include "startup/ProgramFolder_win.h"

namespace vantor::monitor {
namespace {

using CuInitProc = std::int32_t(__cdecl*)(std::int32_t*);
using CuUpdateProc = std::int32_t(__cdecl*)(float*, std::uint32_t*);

template <typename Proc>
Proc Find(HMODULE module, const char* name)
{
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class WinCpuLoadFunctions final : public CpuLoadFunctions {
public:
    WinCpuLoadFunctions(HMODULE module, CuInitProc init, CuUpdateProc update)
        : m_module(module), m_init(init), m_update(update)
    {}
    ~WinCpuLoadFunctions() override { FreeLibrary(m_module); }
    WinCpuLoadFunctions(const WinCpuLoadFunctions&) = delete;
    WinCpuLoadFunctions& operator=(const WinCpuLoadFunctions&) = delete;

    std::int32_t Init(std::int32_t* entries) override { return m_init(entries); }
    std::int32_t Update(float* entries, std::uint32_t* count) override { return m_update(entries, count); }

private:
    HMODULE m_module;
    CuInitProc m_init;
    CuUpdateProc m_update;
};

}  // namespace

std::string WinCpuLibraryPlatform::ProgramFolder() { return ProgramFolderOfProcess(); }

CpuBinding WinCpuLibraryPlatform::Bind(const std::string& path, std::unique_ptr<CpuLoadFunctions>& bound)
{
    const HMODULE module = LoadLibraryA(path.c_str());
    if (module == nullptr)
        return CpuBinding::LibraryMissing;
    const auto init = Find<CuInitProc>(module, "cuInit");
    const auto update = Find<CuUpdateProc>(module, "cuUpdate");
    if (init == nullptr || update == nullptr) {
        FreeLibrary(module);
        return CpuBinding::FunctionsMissing;
    }
    bound = std::make_unique<WinCpuLoadFunctions>(module, init, update);
    return CpuBinding::Bound;
}

void WinCpuLibraryPlatform::SleepMs(std::uint32_t milliseconds) { Sleep(milliseconds); }

void PerformCpuStartEffects(const CpuStartEffects& effects)
{
    const std::string text(effects.text);
    switch (effects.box) {
    case CpuStartEffects::Box::None:
        break;
    case CpuStartEffects::Box::Information: {
        const std::string title(kApplicationTitle);
        MessageBoxA(nullptr, text.c_str(), title.c_str(), MB_OK | MB_ICONINFORMATION);
        break;
    }
    case CpuStartEffects::Box::Message: {
        const std::string caption(effects.caption);
        MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK);
        break;
    }
    }
    if (effects.endProgram)
        PostQuitMessage(0);
}

}  // namespace vantor::monitor
