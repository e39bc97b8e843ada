// A full reading pass of the many board through VantorHw.dll and the real
// driver under Wine, timed with the performance counter. Serves the many
// board for the run and the configured board again afterwards.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "VantorHw.h"
#include "ZykacpiIoctl.h"

namespace {

DWORD Reload(const std::string& path)
{
    HANDLE device = CreateFileA(ZYKACPI_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(device, IOCTL_ZYKACPI_RELOAD, const_cast<char*>(path.data()),
                                    static_cast<DWORD>(path.size()), nullptr, 0, &returned, nullptr);
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(device);
    return error;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv)
{
    const int passes = argc > 1 ? std::atoi(argv[1]) : 200;
    if (Reload(std::string(VANTOR_BOARDS_WINDOWS_DIR) + "\\many.ini") != 0) {
        std::fprintf(stderr, "cannot serve the many board; is the zykacpi service running?\n");
        return 2;
    }
    HMODULE module = LoadLibraryA("VantorHw.dll");
    auto initialize = reinterpret_cast<OCAPI_InitializationFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "OCAPI_Initialization")));
    auto enumerate = reinterpret_cast<OCAPI_HW_EnumerateOptionFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "OCAPI_HW_EnumerateOption")));
    auto read = reinterpret_cast<OCAPI_GetHwSensorDataFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "OCAPI_GetHwSensorData")));
    if (module == nullptr || initialize == nullptr || enumerate == nullptr || read == nullptr || !initialize()) {
        std::fprintf(stderr, "VantorHw.dll did not load or initialise\n");
        Reload("");
        return 2;
    }
    std::vector<std::uint32_t> ids;
    for (const char* list : {"VSIF", "TSIF", "FSIF"}) {
        std::int32_t count = 0;
        const SensorDescriptor* sensors = enumerate(list, &count);
        for (std::int32_t i = 0; i < count; ++i)
            ids.push_back(sensors[i].Id);
    }
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    double sink = 0;
    for (int pass = 0; pass < passes; ++pass)
        for (std::uint32_t id : ids)
            sink += read(id);
    QueryPerformanceCounter(&end);
    const double seconds = Seconds(start, end, frequency);
    std::printf("many board: %zu sensors, %d passes in %.3f s: %.3f ms per pass, %.1f us per reading (checksum %.0f)\n",
                ids.size(), passes, seconds, seconds * 1000.0 / passes, seconds * 1e6 / (passes * ids.size()), sink);
    Reload("");
    return 0;
}
