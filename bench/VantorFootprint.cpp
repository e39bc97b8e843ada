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
#include <cstring>
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

Sample Measure(HANDLE process)
{
    Sample sample;
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
    return sample;
}

// Wine answers the memory, handle and time questions about another process
// with zeros; the Linux process behind it is read through drive Z: instead:
// its anonymous resident memory, its open file descriptors and its
// processor time (clock ticks of 1/100 s).
std::string ReadText(const std::string& path)
{
    std::string text;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return text;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        text.append(buffer, got);
    CloseHandle(file);
    return text;
}

std::string UnixProcessOf(const std::string& marker)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &found);
    std::string match;
    if (search == INVALID_HANDLE_VALUE)
        return match;
    do {
        const std::string name = found.cFileName;
        if (name.find_first_not_of("0123456789") != std::string::npos)
            continue;
        const std::string cmdline = ReadText("Z:\\proc\\" + name + "\\cmdline");
        if (cmdline.find(marker) != std::string::npos && cmdline.find("Vantor.exe") != std::string::npos)
            match = name;
    } while (match.empty() && FindNextFileA(search, &found));
    FindClose(search);
    return match;
}

struct UnixSample {
    long anonKiB = 0;
    int fds = 0;
    double cpuSeconds = 0;
};

UnixSample MeasureUnix(const std::string& pid)
{
    UnixSample sample;
    if (pid.empty())
        return sample;
    const std::string base = "Z:\\proc\\" + pid + "\\";
    const std::string status = ReadText(base + "status");
    if (const auto at = status.find("RssAnon:"); at != std::string::npos)
        sample.anonKiB = std::atol(status.c_str() + at + 8);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((base + "fd\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            sample.fds += found.cFileName[0] != '.';
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    // Fields 14 and 15 of stat, after the command in parentheses.
    const std::string stat = ReadText(base + "stat");
    if (const auto close = stat.rfind(')'); close != std::string::npos) {
        const char* p = stat.c_str() + close + 2;
        for (int field = 3; field < 14 && *p; ++field)
            p = std::strchr(p, ' ') ? std::strchr(p, ' ') + 1 : "";
        char* end = nullptr;
        const double user = std::strtod(p, &end);
        const double system = std::strtod(end, nullptr);
        sample.cpuSeconds = (user + system) / 100.0;
    }
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
    const std::string unixPid = UnixProcessOf(std::string("footprint-") + board);
    const Sample start = Measure(vantor.Handle());
    const UnixSample unixStart = MeasureUnix(unixPid);
    const DWORD began = GetTickCount();
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const Sample end = Measure(vantor.Handle());
    const UnixSample unixEnd = MeasureUnix(unixPid);
    const double minutes = (GetTickCount() - began) / 60000.0;
    vantor.End();

    std::printf("%-8s start: private %7.1f KiB  handles %4lu  GDI %4lu  USER %4lu\n", board,
                start.privateBytes / 1024.0, start.handles, start.gdiObjects, start.userObjects);
    std::printf("%-8s end:   private %7.1f KiB  handles %4lu  GDI %4lu  USER %4lu\n", board, end.privateBytes / 1024.0,
                end.handles, end.gdiObjects, end.userObjects);
    std::printf("%-8s cpu:   %.3f s per minute over %.1f s (1 s polling)\n", board,
                (end.cpuSeconds - start.cpuSeconds) / minutes, minutes * 60.0);
    if (unixPid.empty()) {
        std::printf("%-8s (no Linux process found for it)\n", board);
    } else {
        std::printf("%-8s Linux process %s: anonymous resident %ld -> %ld KiB, descriptors %d -> %d, cpu %.3f s per "
                    "minute\n",
                    board, unixPid.c_str(), unixStart.anonKiB, unixEnd.anonKiB, unixStart.fds, unixEnd.fds,
                    (unixEnd.cpuSeconds - unixStart.cpuSeconds) / minutes);
    }
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
