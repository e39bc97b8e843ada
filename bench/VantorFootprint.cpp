// Vantor.exe's footprint under Wine: the real program in a program folder of
// its own, polling every second, on the simulated classic board and on the
// many-sensor board, for a given number of seconds (default 60). Printed per
// board: private memory, handles and GDI/USER objects at the start (once the
// options window exists) and at the end, and the processor time it used per
// minute of the run. The simulated device's service must be running
// (./vantor.sh run leaves it so, or tools/wineprefix.sh up).
#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "testing/BoardControl_win.h"
#include "testing/VantorProcess_win.h"

namespace {

using vantor::views::testing::ProgramFolder;
using vantor::views::testing::VantorProcess;

struct Sample {
    SIZE_T privateBytes = 0;
    DWORD handles = 0;
    DWORD gdiObjects = 0;
    DWORD userObjects = 0;
    double cpuSeconds = 0;
};

double Seconds(const FILETIME& time)
{
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<double>(value.QuadPart) / 1e7;
}

Sample Measure(DWORD processId)
{
    Sample sample;
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
    if (process == nullptr)
        return sample;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        sample.privateBytes = memory.PrivateUsage;
    GetProcessHandleCount(process, &sample.handles);
    sample.gdiObjects = GetGuiResources(process, GR_GDIOBJECTS);
    sample.userObjects = GetGuiResources(process, GR_USEROBJECTS);
    FILETIME created, exited, kernel, user;
    if (GetProcessTimes(process, &created, &exited, &kernel, &user))
        sample.cpuSeconds = Seconds(kernel) + Seconds(user);
    CloseHandle(process);
    return sample;
}

bool RunBoard(const char* board, int seconds)
{
    if (DWORD error = vantor::views::testing::LoadBoard(board); error != 0) {
        std::fprintf(stderr, "the device did not load board '%s' (system error %lu)\n", board, error);
        return false;
    }
    ProgramFolder folder(std::string("footprint-") + board);
    if (!folder.Complete()) {
        std::fprintf(stderr, "missing beside this program: %s\n", folder.Missing().c_str());
        return false;
    }
    folder.Write("vantor.dat", "[OPTION_SETTING]\r\ntmrGetSensorAll=1000\r\n");
    VantorProcess vantor;
    if (!vantor.Start(folder) ||
        vantor.WaitForWindow(vantor::views::testing::kSkinnedClass, "Config", 30000) == nullptr) {
        std::fprintf(stderr, "Vantor.exe did not start on '%s'\n", board);
        return false;
    }
    Sleep(2000);  // the first polling ticks
    const Sample start = Measure(vantor.Id());
    const DWORD began = GetTickCount();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const Sample end = Measure(vantor.Id());
    const double minutes = (GetTickCount() - began) / 60000.0;
    vantor.End();

    std::printf("%-8s start: private %7.1f KiB  handles %4lu  GDI %4lu  USER %4lu\n", board,
                start.privateBytes / 1024.0, start.handles, start.gdiObjects, start.userObjects);
    std::printf("%-8s end:   private %7.1f KiB  handles %4lu  GDI %4lu  USER %4lu\n", board, end.privateBytes / 1024.0,
                end.handles, end.gdiObjects, end.userObjects);
    std::printf("%-8s cpu:   %.3f s per minute over %.1f s (1 s polling)\n", board,
                (end.cpuSeconds - start.cpuSeconds) / minutes, minutes * 60.0);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (seconds <= 0) {
        std::fprintf(stderr, "usage: bench_wine_vantor_footprint [SECONDS]\n");
        return 1;
    }
    bool ok = RunBoard("classic", seconds);
    ok = RunBoard("many", seconds) && ok;
    vantor::views::testing::RestoreServiceBoard();
    return ok ? 0 : 1;
}
