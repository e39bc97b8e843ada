// The method channel to the real device \\.\ZYKACPI: CreateFileA once,
// then one DeviceIoControl per request. Windows only.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "core/MethodChannel.h"

namespace vantor::hw {

class DeviceChannel final : public MethodChannel {
public:
    DeviceChannel() = default;
    ~DeviceChannel() override;
    DeviceChannel(const DeviceChannel&) = delete;
    DeviceChannel& operator=(const DeviceChannel&) = delete;

    // Opens the device and sends IOCTL_HWACPI_START (its outcome does not
    // matter). `layout` is the request layout this process must use.
    bool Open(RequestLayout layout);
    // Closes the device; harmless when it is not open.
    void Close();

    bool IsOpen() const override;
    RequestLayout Layout() const override { return m_layout; }
    bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
              std::uint32_t& bytesReturned) override;

    // System error code of the request that failed last (0 when none has).
    std::uint32_t LastError() const { return m_lastError.load(std::memory_order_relaxed); }

private:
    void* m_handle = nullptr;  // HANDLE; null when not open
    RequestLayout m_layout = RequestLayout::Inline;
    std::atomic<std::uint32_t> m_lastError{0};
};

// The layout this process sends: 64-bit processes and 32-bit processes under
// WOW64 put the argument block inline (a 64-bit address does not fit the
// request's 32-bit pointer field, and WOW64 does not translate it); a 32-bit
// process on 32-bit Windows passes a pointer to its block. WOW64 is asked
// through isWow64Process, kernel32's function or null where the system lacks
// it (then the process is not under WOW64).
using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
IsWow64ProcessFn FindIsWow64Process();
RequestLayout RequestLayoutForThisProcess(IsWow64ProcessFn isWow64Process);
inline RequestLayout RequestLayoutForThisProcess() { return RequestLayoutForThisProcess(FindIsWow64Process()); }

}  // namespace vantor::hw
