// The processor library's system side on Windows (CpuSampling_win.cpp).
// Windows builds only.
#pragma once

#include "usage/CpuSampling.h"

namespace vantor::monitor {

class WinCpuLibraryPlatform : public CpuLibraryPlatform {
public:
    std::string ProgramFolder() override;
    CpuBinding Bind(const std::string& path, std::unique_ptr<CpuLoadFunctions>& bound) override;
    void SleepMs(std::uint32_t milliseconds) override;
};

// The program's own handling of the start effects: the boxes, and a quit
// message to the window thread when the program must end.
void PerformCpuStartEffects(const CpuStartEffects& effects);

}  // namespace vantor::monitor
