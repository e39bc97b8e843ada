// Test helpers for the simulated device under Wine: raw requests, the
// test-control requests and the kernel service. Windows only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ZykacpiIoctl.h"
#include "boardsim/BoardSim.h"

namespace vantor::hw::testing {

// One device request; the system error code, or 0 on success.
inline DWORD DeviceRequest(DWORD code, const void* input, DWORD length)
{
    HANDLE device = CreateFileA(ZYKACPI_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(device, code, const_cast<void*>(input), length, nullptr, 0, &returned, nullptr);
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(device);
    return error;
}

// Makes the driver serve the board file at a Windows path, or the board of
// its service key when the path is empty.
inline DWORD ReloadBoard(const std::string& path)
{
    return DeviceRequest(IOCTL_ZYKACPI_RELOAD, path.empty() ? nullptr : path.data(), static_cast<DWORD>(path.size()));
}

inline DWORD SetRaw(const char* method, std::uint32_t itemId, std::int32_t raw)
{
    const BsSetRawRequest request{BS_METHOD_NAME(method[0], method[1], method[2], method[3]), itemId, raw};
    return DeviceRequest(IOCTL_ZYKACPI_SET_RAW, &request, sizeof request);
}

// Starts or stops the kernel service and waits until it got there.
inline bool SetServiceRunning(bool running)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (manager == nullptr)
        return false;
    SC_HANDLE service = OpenServiceA(manager, "zykacpi", SERVICE_START | SERVICE_STOP | SERVICE_QUERY_STATUS);
    bool reached = false;
    if (service != nullptr) {
        SERVICE_STATUS status{};
        if (running)
            StartServiceA(service, 0, nullptr);
        else
            ControlService(service, SERVICE_CONTROL_STOP, &status);
        const DWORD wanted = running ? SERVICE_RUNNING : SERVICE_STOPPED;
        for (int i = 0; i < 100 && !reached; ++i) {
            reached = QueryServiceStatus(service, &status) && status.dwCurrentState == wanted;
            if (!reached)
                Sleep(50);
        }
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return reached;
}

}  // namespace vantor::hw::testing
