// ZyIO.dll: processor registers, I/O ports and physical memory for user-mode
// callers. Needs Windows for the device requests to \\.\ZYKACPI (model-
// specific registers and I/O ports of the simulated board) and the
// performance counter.
//
// CPUID runs on whichever processor the calling thread is on. Physical memory
// is the SMBIOS table Windows gives (GetSystemFirmwareTable 'RSMB'), or the
// file named by ZYIO_SMBIOS_DUMP, shown as the BIOS area and table windows of
// PhysicalWindows.h; failures go to the debugger output.
#include <windows.h>

#include <cpuid.h>
#include <x86intrin.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "PhysicalWindows.h"
#include "SmbiosSource.h"
#include "ZyIO.h"
#include "ZykacpiIoctl.h"

#define ZYIO_EXPORT extern "C" __declspec(dllexport)

namespace {

// The simulated board's device, opened on first use and kept open until the
// library is closed or unloaded: a walk of PCI configuration space makes
// thousands of port accesses, and opening the device costs as much as a
// request. A request that fails on the kept handle is tried once more on a
// fresh one, so a restarted device is found again.
class BoardDevice {
public:
    ~BoardDevice() { Close(); }

    bool Request(DWORD code, const void* input, DWORD inputSize, void* output, DWORD outputSize, DWORD& returned)
    {
        const std::lock_guard lock(m_lock);
        for (int attempt = 0; attempt < 2; ++attempt) {
            const bool fresh = m_handle == INVALID_HANDLE_VALUE;
            if (fresh)
                m_handle = CreateFileA(ZYKACPI_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
            if (m_handle == INVALID_HANDLE_VALUE)
                return false;
            returned = 0;
            if (DeviceIoControl(m_handle, code, const_cast<void*>(input), inputSize, output, outputSize, &returned,
                                nullptr))
                return true;
            CloseLocked();
            if (fresh)
                return false;
        }
        return false;
    }

    void Close()
    {
        const std::lock_guard lock(m_lock);
        CloseLocked();
    }

private:
    void CloseLocked()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

    std::mutex m_lock;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

BoardDevice g_device;

// The board's model-specific register through the device, or false when the
// device or the register is not there.
bool ReadBoardMsr(std::uint32_t msr, std::uint64_t& value)
{
    DWORD returned = 0;
    std::uint64_t answer = 0;
    if (!g_device.Request(IOCTL_ZYKACPI_READ_MSR, &msr, sizeof msr, &answer, sizeof answer, returned) ||
        returned != sizeof answer)
        return false;
    value = answer;
    return true;
}

// `width` bytes from a port of the board; all ones when the device is not
// there, as a port with nothing behind it reads.
std::uint32_t ReadBoardPort(std::uint16_t port, std::uint32_t width)
{
    const ZykacpiPortAccess access{port, width, 0};
    std::uint32_t value = 0;
    DWORD returned = 0;
    if (!g_device.Request(IOCTL_ZYKACPI_PORT_READ, &access, sizeof access, &value, sizeof value, returned) ||
        returned != sizeof value)
        return width == 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
    return value;
}

void WriteBoardPort(std::uint16_t port, std::uint32_t width, std::uint32_t value)
{
    const ZykacpiPortAccess access{port, width, value};
    DWORD returned = 0;
    g_device.Request(IOCTL_ZYKACPI_PORT_WRITE, &access, sizeof access, nullptr, 0, returned);
}

// Time-stamp counter ticks over a short busy interval of the performance
// counter: the processor clock as the processor itself counts it.
int MeasureCpuMhz()
{
    LARGE_INTEGER frequency, start, now;
    if (!QueryPerformanceFrequency(&frequency) || frequency.QuadPart <= 0)
        return 0;
    const LONGLONG interval = frequency.QuadPart / 50;  // 20 ms
    QueryPerformanceCounter(&start);
    const unsigned long long tscStart = __rdtsc();
    do {
        QueryPerformanceCounter(&now);
    } while (now.QuadPart - start.QuadPart < interval);
    const unsigned long long tscEnd = __rdtsc();
    const double seconds = static_cast<double>(now.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    return static_cast<int>(static_cast<double>(tscEnd - tscStart) / seconds / 1e6 + 0.5);
}

// A dump file larger than this is not an SMBIOS dump.
constexpr DWORD kMaxDumpFile = 16 * 1024 * 1024;

void Report(const std::string& reason) { OutputDebugStringA(("ZyIO: " + reason + "\n").c_str()); }

vantor::zyio::TableSource ReadDumpFile(const char* path)
{
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return {{}, std::string("cannot open ") + path};
    LARGE_INTEGER size{};
    std::vector<std::uint8_t> bytes;
    bool read = GetFileSizeEx(file, &size) && size.QuadPart <= kMaxDumpFile;
    if (read) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        DWORD got = 0;
        read = bytes.empty() ||
               (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr) && got == bytes.size());
    }
    CloseHandle(file);
    if (!read)
        return {{}, std::string("cannot read ") + path + " (or larger than 16 MiB)"};
    auto source = vantor::zyio::TableFromFile(bytes);
    if (!source.Ok())
        source.error = std::string(path) + ": " + source.error;
    return source;
}

vantor::zyio::TableSource ReadFirmwareTable()
{
    constexpr DWORD kRsmb = 'R' << 24 | 'S' << 16 | 'M' << 8 | 'B';
    const UINT size = GetSystemFirmwareTable(kRsmb, 0, nullptr, 0);
    if (size == 0)
        return {{}, "GetSystemFirmwareTable('RSMB') failed, error " + std::to_string(GetLastError())};
    std::vector<std::uint8_t> blob(size);
    if (GetSystemFirmwareTable(kRsmb, 0, blob.data(), size) != size)
        return {{}, "GetSystemFirmwareTable('RSMB') changed size between calls"};
    return vantor::zyio::TableFromFirmwareBlob(blob);
}

// The dump file wins when ZYIO_SMBIOS_DUMP names one.
vantor::zyio::TableSource ReadTable()
{
    char path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", path, sizeof path);
    if (n > 0 && n < sizeof path)
        return ReadDumpFile(path);
    if (n >= sizeof path)
        return {{}, "ZYIO_SMBIOS_DUMP is longer than a path"};
    return ReadFirmwareTable();
}

std::mutex g_memoryLock;
vantor::zyio::PhysicalWindows g_memory;

}  // namespace

ZYIO_EXPORT int __cdecl ZYIO_Open(const char*) { return 1; }

ZYIO_EXPORT void __cdecl ZYIO_Close() { g_device.Close(); }

ZYIO_EXPORT int __cdecl ZYIO_GetCpuID(std::uint32_t leaf, std::uint32_t* words)
{
    if (words == nullptr)
        return 0;
    unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
    __cpuid_count(leaf, 0, eax, ebx, ecx, edx);
    words[0] = ebx;
    words[1] = edx;
    words[2] = ecx;
    words[3] = eax;
    return 1;
}

ZYIO_EXPORT int __cdecl ZYIO_ReadMSR(std::uint32_t msr, std::uint32_t* words)
{
    if (words == nullptr)
        return 0;
    std::uint64_t value = 0;
    const bool known = ReadBoardMsr(msr, value);
    words[0] = static_cast<std::uint32_t>(value);
    words[1] = static_cast<std::uint32_t>(value >> 32);
    return known ? 1 : 0;
}

// Writing model-specific registers is refused: nothing in the system writes
// them, and a simulated board has no use for it.
ZYIO_EXPORT int __cdecl ZYIO_WrtieMSR(std::uint32_t, const std::uint32_t*) { return 0; }

ZYIO_EXPORT int __cdecl OC_GetCurrentCpuFrequency() { return MeasureCpuMhz(); }

// Mapping the BIOS area starts a reader's walk: the table is read afresh then,
// so every walk sees the current source. A table window mapped without an
// anchor window first reads the table too.
ZYIO_EXPORT void* __cdecl ZYIO_MapMem(std::uint32_t physical, std::uint32_t length)
try {
    const std::lock_guard lock(g_memoryLock);
    const bool biosArea = physical >= vantor::zyio::kBiosAreaBase &&
                          physical < vantor::zyio::kBiosAreaBase + vantor::zyio::kBiosAreaSize;
    if (biosArea || !g_memory.HasTable()) {
        const auto source = ReadTable();
        if (!source.Ok()) {
            Report(source.error);
            return nullptr;
        }
        g_memory.SetTable(source.table);
    }
    void* view = g_memory.Map(physical, length);
    if (view == nullptr)
        Report("nothing to map at physical " + std::to_string(physical) + ", length " + std::to_string(length));
    return view;
} catch (...) {  // out of memory: not mapped
    return nullptr;
}

// The length is not needed: each window is known by its pointer or base.
ZYIO_EXPORT void __cdecl ZYIO_UnmapMem(const void* address, std::uint32_t)
{
    const std::lock_guard lock(g_memoryLock);
    g_memory.Unmap(address);
}

// I/O ports are out of reach of user mode: the board's ports are answered by
// the device (PCI configuration mechanism 1 at 0xCF8/0xCFC; every other port
// reads all ones and takes writes nowhere).
ZYIO_EXPORT std::uint8_t __cdecl ZYIO_InPortB(std::uint16_t port)
{
    return static_cast<std::uint8_t>(ReadBoardPort(port, 1));
}
ZYIO_EXPORT void __cdecl ZYIO_OutPortB(std::uint16_t port, std::uint8_t value) { WriteBoardPort(port, 1, value); }
ZYIO_EXPORT std::uint32_t __cdecl ZYIO_InPortD(std::uint16_t port) { return ReadBoardPort(port, 4); }
ZYIO_EXPORT void __cdecl ZYIO_OutPortD(std::uint16_t port, std::uint32_t value) { WriteBoardPort(port, 4, value); }
