// Needs Windows for CreateFileA, DeviceIoControl and IsWow64Process.
#include "win/DeviceChannel_win.h"

#include <windows.h>

#include "ZykacpiIoctl.h"

namespace vantor::hw {

DeviceChannel::~DeviceChannel() { Close(); }

bool DeviceChannel::Open(RequestLayout layout)
{
    Close();
    HANDLE handle = CreateFileA(ZYKACPI_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        m_lastError.store(GetLastError(), std::memory_order_relaxed);
        return false;
    }
    m_handle = handle;
    m_layout = layout;
    DWORD ignored = 0;
    DeviceIoControl(handle, IOCTL_HWACPI_START, nullptr, 0, nullptr, 0, &ignored, nullptr);
    return true;
}

void DeviceChannel::Close()
{
    if (m_handle != nullptr) {
        CloseHandle(m_handle);
        m_handle = nullptr;
    }
}

bool DeviceChannel::IsOpen() const { return m_handle != nullptr; }

bool DeviceChannel::Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
                         std::uint32_t& bytesReturned)
{
    bytesReturned = 0;
    if (m_handle == nullptr)
        return false;
    DWORD returned = 0;
    // The driver only reads the request, whatever the prototype says.
    void* input = const_cast<std::uint8_t*>(request.data());
    if (!DeviceIoControl(m_handle, IOCTL_HWACPI_CALL, input, static_cast<DWORD>(request.size()), result.data(),
                         static_cast<DWORD>(result.size()), &returned, nullptr)) {
        m_lastError.store(GetLastError(), std::memory_order_relaxed);
        return false;
    }
    bytesReturned = returned;
    return true;
}

IsWow64ProcessFn FindIsWow64Process()
{
    return reinterpret_cast<IsWow64ProcessFn>(
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32"), "IsWow64Process")));
}

RequestLayout RequestLayoutForThisProcess([[maybe_unused]] IsWow64ProcessFn isWow64Process)
{
#if defined(_WIN64)
    return RequestLayout::Inline;
#else
    BOOL wow64 = FALSE;
    if (isWow64Process != nullptr && !isWow64Process(GetCurrentProcess(), &wow64))
        wow64 = FALSE;
    return wow64 ? RequestLayout::Inline : RequestLayout::Pointer;
#endif
}

}  // namespace vantor::hw
