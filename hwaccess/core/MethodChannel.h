// The one primitive all board access rests on: hand a method-call request to
// the ACPI device and get its result buffer back. The Win32 implementation
// talks to \\.\ZYKACPI through DeviceIoControl; tests use fakes or the board
// simulator in-process.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vantor::hw {

// Every request offers the driver a result buffer of this size.
inline constexpr std::size_t kResultSize = 1024;
using ResultBuffer = std::array<std::uint8_t, kResultSize>;

// How a request carries its arguments. Pointer: a 20-byte request whose last
// word is the 32-bit address of the argument block in the caller's memory
// (32-bit processes on 32-bit Windows). Inline: the argument block follows
// the 16-byte header (32-bit processes under WOW64, and every 64-bit process,
// whose addresses do not fit the 32-bit field).
enum class RequestLayout {
    Pointer,
    Inline
};

class MethodChannel {
public:
    virtual ~MethodChannel() = default;

    // False before the device is opened and after it is closed: requests then
    // fail at once without reaching the device.
    virtual bool IsOpen() const = 0;
    virtual RequestLayout Layout() const = 0;

    // One IOCTL_HWACPI_CALL. Returns false when the device refused the
    // request; the result is then unspecified. bytesReturned receives what the
    // device reported writing.
    virtual bool Send(std::span<const std::uint8_t> request, std::span<std::uint8_t, kResultSize> result,
                      std::uint32_t& bytesReturned) = 0;
};

}  // namespace vantor::hw
