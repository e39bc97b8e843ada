// Vantor.exe's footprint under Wine: the real program in a program folder of
// its own, polling every second with every gadget shown, on the simulated
// classic board and on the many-sensor board. Each run has two phases of the
// given length (default 60 s): quiet, then with the processor temperature
// pushed over its threshold and back every 2 s, so the gadget paints red and
// green, the message window and the warning light come and go, and the alert
// log grows. Printed per board at the start (once the gadgets are up), after
// the quiet phase and after the alarm phase: private memory, handles, GDI
// objects, windows, the processor time per minute of each phase.
//
// What Wine answers about another process: GetProcessMemoryInfo,
// GetProcessHandleCount, GetGuiResources and GetProcessTimes give zeros (the
// first sample shows them), so the figures are taken another way:
// - private memory: the committed private pages of its address space
//   (VirtualQueryEx), which is what Windows calls private bytes;
// - handles: its entries in the system handle list (NtQuerySystemInformation);
// - GDI objects: the live entries of its GDI handle table, read from the
//   table Wine keeps in the process and names in its PEB; checked first
//   against this process's own table (brushes made here must show up);
// - USER objects: Wine keeps no count; its windows, top-level and child, are
//   counted instead;
// - processor time: the Linux process behind it (/proc through drive Z:).
// The simulated device's service must be running (./vantor.sh run leaves it
// so, or tools/wineprefix.sh up).
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "testing/BoardControl_win.h"
#include "testing/VantorProcess_win.h"

namespace {

using vantor::views::testing::ProgramFolder;
using vantor::views::testing::VantorProcess;

constexpr std::uint32_t kProcessorTemperature = 0x06030000;

// ---- What Windows itself answers (zeros under Wine) ----

struct WindowsAnswers {
    SIZE_T privateBytes = 0;
    DWORD handles = 0;
    DWORD gdi = 0;
    DWORD user = 0;
};

WindowsAnswers AskWindows(HANDLE process)
{
    WindowsAnswers a;
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory))
        a.privateBytes = memory.PrivateUsage;
    GetProcessHandleCount(process, &a.handles);
    a.gdi = GetGuiResources(process, GR_GDIOBJECTS);
    a.user = GetGuiResources(process, GR_USEROBJECTS);
    return a;
}

// ---- Private bytes: committed private pages ----

SIZE_T CommittedPrivateBytes(HANDLE process)
{
    SIZE_T total = 0;
    MEMORY_BASIC_INFORMATION region{};
    auto* address = static_cast<char*>(nullptr);
    while (VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
        if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE)
            total += region.RegionSize;
        char* next = static_cast<char*>(region.BaseAddress) + region.RegionSize;
        if (next <= address)
            break;
        address = next;
    }
    return total;
}

// ---- Handles: the system handle list ----

struct HandleEntry {
    USHORT processId;
    USHORT backTrace;
    UCHAR objectType;
    UCHAR attributes;
    USHORT handle;
    PVOID object;
    ULONG access;
};

// An ntdll function found by name (through void*, as the function types differ).
template <typename Function>
Function NtdllFunction(const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll.dll"), name)));
}

using QuerySystem = LONG(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
constexpr ULONG kSystemHandleInformation = 16;

// The process's handles; -1 when the system gives no list.
long HandleCount(DWORD processId)
{
    static const auto query = NtdllFunction<QuerySystem>("NtQuerySystemInformation");
    if (query == nullptr)
        return -1;
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    for (int attempt = 0; attempt < 6; ++attempt) {
        const LONG status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed);
        if (status == 0)
            break;
        if (static_cast<ULONG>(status) != 0xC0000004u)  // STATUS_INFO_LENGTH_MISMATCH
            return -1;
        buffer.resize(std::max<std::size_t>(buffer.size() * 2, needed + 4096));
        if (attempt == 5)
            return -1;
    }
    ULONG count = 0;
    std::memcpy(&count, buffer.data(), sizeof count);
    const std::size_t first = sizeof(ULONG_PTR);  // the count, padded to the entries' alignment
    if (first + static_cast<std::size_t>(count) * sizeof(HandleEntry) > buffer.size())
        return -1;
    long mine = 0;
    for (ULONG i = 0; i < count; ++i) {
        HandleEntry entry{};
        std::memcpy(&entry, buffer.data() + first + i * sizeof(HandleEntry), sizeof entry);
        mine += entry.processId == static_cast<USHORT>(processId) ? 1 : 0;
    }
    return mine;
}

// ---- Thread stacks ----

struct StackFigures {
    long threads = 0;
    SIZE_T committed = 0;
};

using QueryThread = LONG(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

struct ThreadBasics {
    LONG exitStatus;
    PVOID teb;
    CLIENT_ID clientId;
    ULONG_PTR affinity;
    LONG priority;
    LONG basePriority;
};

// The process's threads and the committed pages of their stacks (each from
// its allocation's base to the stack's base, read from the thread's TEB).
// Windows commits a stack as it is used; Wine commits it whole, so this
// part of the private figure is Wine's more than the program's.
StackFigures ThreadStacks(HANDLE process, DWORD processId)
{
    StackFigures figures;
    static const auto query = NtdllFunction<QueryThread>("NtQueryInformationThread");
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (query == nullptr || snapshot == INVALID_HANDLE_VALUE)
        return figures;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != processId)
            continue;
        ++figures.threads;
        HANDLE thread = OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID);
        ThreadBasics basics{};
        NT_TIB tib{};
        SIZE_T got = 0;
        MEMORY_BASIC_INFORMATION top{};
        if (thread && query(thread, 0, &basics, sizeof basics, nullptr) == 0 &&
            ReadProcessMemory(process, basics.teb, &tib, sizeof tib, &got) && tib.StackBase != nullptr &&
            VirtualQueryEx(process, static_cast<char*>(tib.StackBase) - 1, &top, sizeof top) == sizeof top) {
            auto* address = static_cast<char*>(top.AllocationBase);
            MEMORY_BASIC_INFORMATION region{};
            while (address < static_cast<char*>(tib.StackBase) &&
                   VirtualQueryEx(process, address, &region, sizeof region) == sizeof region) {
                if (region.State == MEM_COMMIT)
                    figures.committed += region.RegionSize;
                address = static_cast<char*>(region.BaseAddress) + region.RegionSize;
            }
        }
        if (thread)
            CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return figures;
}

// ---- GDI objects: Wine's per-process GDI handle table ----

// One entry of the table (64-bit): the object, its owner, its uniqueness
// and type, a user pointer. A live entry has a type and an object.
struct GdiEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiEntry) == 24);
constexpr std::size_t kGdiEntries = 0x10000;
constexpr std::size_t kPebGdiTableOffset = 0xF8;  // PEB.GdiSharedHandleTable, 64-bit

using QueryProcess = LONG(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

// Live GDI objects of the process; -1 when the table cannot be read.
long GdiObjectCount(HANDLE process)
{
#if !defined(_WIN64)
    // The table's place in the PEB and its entries are those of 64-bit Wine.
    (void)process;
    return -1;
#else
    static const auto query = NtdllFunction<QueryProcess>("NtQueryInformationProcess");
    if (query == nullptr)
        return -1;
    PROCESS_BASIC_INFORMATION basic{};
    if (query(process, 0, &basic, sizeof basic, nullptr) != 0 || basic.PebBaseAddress == nullptr)
        return -1;
    std::uint64_t table = 0;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTableOffset, &table,
                           sizeof table, &got) ||
        table == 0)
        return -1;
    std::vector<GdiEntry> entries(kGdiEntries);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(static_cast<std::uintptr_t>(table)), entries.data(),
                           entries.size() * sizeof(GdiEntry), &got))
        return -1;
    long live = 0;
    for (std::size_t i = 0; i < got / sizeof(GdiEntry); ++i)
        live += entries[i].type != 0 && entries[i].object != 0 ? 1 : 0;
    return live;
#endif
}

// Whether the table reading counts what it should: brushes made here and
// deleted again show up and go.
bool GdiReadingWorks()
{
    const long before = GdiObjectCount(GetCurrentProcess());
    if (before < 0)
        return false;
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 50; ++i)
        brushes.push_back(CreateSolidBrush(RGB(i, 2 * i, 3 * i)));
    const long during = GdiObjectCount(GetCurrentProcess());
    for (HBRUSH b : brushes)
        DeleteObject(b);
    const long after = GdiObjectCount(GetCurrentProcess());
    return during == before + 50 && after == before;
}

// ---- USER objects: the process's windows ----

struct WindowCount {
    DWORD process = 0;
    long windows = 0;
};

BOOL CALLBACK CountChild(HWND, LPARAM context)
{
    ++reinterpret_cast<WindowCount*>(context)->windows;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM context)
{
    auto* count = reinterpret_cast<WindowCount*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == count->process) {
        ++count->windows;
        EnumChildWindows(window, &CountChild, context);
    }
    return TRUE;
}

long WindowsOf(DWORD process)
{
    WindowCount count{process, 0};
    EnumWindows(&CountTopLevel, reinterpret_cast<LPARAM>(&count));
    return count.windows;
}

// ---- The Linux process behind it ----

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
    // Fields 14 and 15 of stat (user and system time in 1/100 s), after the
    // command in parentheses.
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

// ---- One board ----

struct Sample {
    SIZE_T privateBytes = 0;
    long handles = -1;
    long gdi = -1;
    long windows = 0;
    StackFigures stacks;
    UnixSample unix;
};

Sample Measure(const VantorProcess& vantor, const std::string& unixPid, bool gdiWorks)
{
    Sample s;
    s.privateBytes = CommittedPrivateBytes(vantor.Handle());
    s.handles = HandleCount(vantor.Id());
    s.gdi = gdiWorks ? GdiObjectCount(vantor.Handle()) : -1;
    s.windows = WindowsOf(vantor.Id());
    s.stacks = ThreadStacks(vantor.Handle(), vantor.Id());
    s.unix = MeasureUnix(unixPid);
    return s;
}

std::string Figure(long value) { return value < 0 ? std::string("n/a") : std::to_string(value); }

void Print(const char* board, const char* when, const Sample& s)
{
    std::printf("%-8s %-13s private %8.1f KiB  handles %5s  GDI %5s  windows %4ld  (Linux anonymous resident %ld "
                "KiB)\n",
                board, when, s.privateBytes / 1024.0, Figure(s.handles).c_str(), Figure(s.gdi).c_str(), s.windows,
                s.unix.anonKiB);
    std::printf("%-8s %-13s of the private memory: the stacks of its %ld threads, %.1f KiB\n", board, "", s.stacks.threads,
                s.stacks.committed / 1024.0);
}

// The processor time of a phase is taken apart from the other figures:
// under Wine, reading another process's memory map runs in that process, so
// a measurement inside the phase would be counted as the program's own work.
struct CpuMark {
    double seconds = 0;
    DWORD at = 0;
};

CpuMark MarkCpu(const std::string& unixPid) { return {MeasureUnix(unixPid).cpuSeconds, GetTickCount()}; }

void PrintCpu(const char* board, const char* phase, const CpuMark& from, const CpuMark& to)
{
    const double minutes = (to.at - from.at) / 60000.0;
    std::printf("%-8s %-13s cpu %.3f s per minute over %.1f s\n", board, phase,
                minutes > 0 ? (to.seconds - from.seconds) / minutes : 0.0, minutes * 60.0);
}

std::size_t VisibleGadgets(const VantorProcess& vantor)
{
    std::size_t shown = 0;
    for (const auto& w : vantor.Windows())
        shown += w.caption == "Vantor sensor" && w.visible ? 1 : 0;
    return shown;
}

bool RunBoard(const char* board, int seconds, bool gdiWorks)
{
    if (DWORD error = vantor::views::testing::LoadBoard(board); error != 0) {
        std::fprintf(stderr, "the device did not load board '%s' (system error %lu)\n", board, error);
        return false;
    }
    vantor::views::testing::SetBoardReading("RTMP", kProcessorTemperature, 450);
    ProgramFolder folder(std::string("footprint-") + board);
    if (!folder.Complete()) {
        std::fprintf(stderr, "missing beside this program: %s\n", folder.Missing().c_str());
        return false;
    }
    folder.Write("vantor.dat", "[OPTION_SETTING]\r\ntmrGetSensorAll=1000\r\n");
    VantorProcess vantor;
    if (!vantor.Start(folder) ||
        vantor.WaitForVisibleWindow(vantor::views::testing::kSkinnedClass, "Vantor", 30000) == nullptr) {
        std::fprintf(stderr, "Vantor.exe did not start on '%s'\n", board);
        return false;
    }
    // Every gadget up, and the first polling ticks.
    std::size_t gadgets = 0;
    for (int i = 0; i < 100 && (gadgets = VisibleGadgets(vantor)) == 0; ++i)
        Sleep(100);
    Sleep(3000);
    gadgets = VisibleGadgets(vantor);
    const std::string unixPid = UnixProcessOf(std::string("footprint-") + board);

    const WindowsAnswers windows = AskWindows(vantor.Handle());
    std::printf("%-8s %zu gadgets shown; Windows' own answers under Wine: private %zu, handles %lu, GDI %lu, USER "
                "%lu\n",
                board, gadgets, static_cast<std::size_t>(windows.privateBytes), windows.handles, windows.gdi,
                windows.user);
    const Sample start = Measure(vantor, unixPid, gdiWorks);
    Print(board, "start", start);
    const CpuMark quietBegins = MarkCpu(unixPid);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const CpuMark quietEnds = MarkCpu(unixPid);
    const Sample quiet = Measure(vantor, unixPid, gdiWorks);
    Print(board, "after quiet", quiet);
    PrintCpu(board, "quiet", quietBegins, quietEnds);

    // An alarm every 2 s: over the threshold, back under it.
    const CpuMark alarmsBegin = MarkCpu(unixPid);
    const DWORD began = GetTickCount();
    for (int k = 0; GetTickCount() - began < static_cast<DWORD>(seconds) * 1000; ++k) {
        vantor::views::testing::SetBoardReading("RTMP", kProcessorTemperature, k % 2 == 0 ? 950 : 450);
        Sleep(2000);
    }
    vantor::views::testing::SetBoardReading("RTMP", kProcessorTemperature, 450);
    const CpuMark alarmsEnd = MarkCpu(unixPid);
    const Sample alarms = Measure(vantor, unixPid, gdiWorks);
    Print(board, "after alarms", alarms);
    PrintCpu(board, "alarms", alarmsBegin, alarmsEnd);
    const std::string log = folder.Read("Vantor.vlg");
    long lines = 0;
    for (char c : log)
        lines += c == '\n' ? 1 : 0;
    std::printf("%-8s %ld alert log lines written; growth over the alarm phase: private %+.1f KiB, handles %+ld, GDI "
                "%+ld, windows %+ld\n",
                board, lines,
                (static_cast<double>(alarms.privateBytes) - static_cast<double>(quiet.privateBytes)) / 1024.0,
                alarms.handles - quiet.handles, alarms.gdi - quiet.gdi, alarms.windows - quiet.windows);
    vantor.End();
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
    const bool gdiWorks = GdiReadingWorks();
    std::printf("GDI table reading %s\n",
                gdiWorks ? "checked on this process: counts what it should" : "does not work here: no GDI figures");
    std::printf("handle list reading %s\n", HandleCount(GetCurrentProcessId()) > 0 ? "works" : "gives nothing here");
    // A yardstick: this program is a Wine process too, with user32 and gdi32
    // loaded and no window of its own; what Wine itself costs shows here.
    std::printf("this benchmark's own process: private %.1f KiB, handles %s, GDI %s\n",
                CommittedPrivateBytes(GetCurrentProcess()) / 1024.0, Figure(HandleCount(GetCurrentProcessId())).c_str(),
                Figure(gdiWorks ? GdiObjectCount(GetCurrentProcess()) : -1).c_str());
    bool ok = RunBoard("classic", seconds, gdiWorks);
    ok = RunBoard("many", seconds, gdiWorks) && ok;
    vantor::views::testing::RestoreServiceBoard();
    return ok ? 0 : 1;
}
