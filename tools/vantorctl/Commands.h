// vantorctl's commands. Each returns the process exit code: 0 done, 1 bad
// arguments, 2 the library or the device is missing, 3 the device refused.
#pragma once

#include <string>
#include <vector>

#include "HwLibrary_win.h"

namespace vantorctl {

enum ExitCode {
    kExitOk = 0,
    kExitUsage = 1,
    kExitMissing = 2,
    kExitRefused = 3
};

int RunSensors(const HwLibrary& hw, bool json);
int RunBoard(const HwLibrary& hw, bool json);
int RunFan(const HwLibrary& hw, bool json);

// `sim set|fail|load ...`: test-control requests straight to the device.
int RunSim(const std::vector<std::string>& args);

// `watch [--settings FILE] [--interval-ms N] [--ticks N]`: the monitor's
// polling and alert log without windows; writes the settings back on exit.
int RunWatch(const std::vector<std::string>& args);

// `report`: the composed alert report of the log beside the program.
int RunReport(const std::vector<std::string>& args);

// `usage [--json]`: one processor sample (cpuutil.dll), memory and the fixed
// disks. 2 when cpuutil.dll is missing or lacks its functions, 3 when it
// gives no processor sample (the rest is printed all the same).
int RunUsage(const std::vector<std::string>& args);

}  // namespace vantorctl
