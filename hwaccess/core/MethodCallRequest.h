// The bytes of one IOCTL_HWACPI_CALL request.
//
// Header, 16 bytes: ArgumentForm, method name, argument count, argument block
// size. The pointer layout adds the block's 32-bit address (20 bytes in all);
// the inline layout carries the block itself after the header. A call without
// arguments is always the 20-byte pointer form with address 0, whatever the
// channel's layout, because the driver expects exactly that for form 1.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "core/ArgumentBlock.h"
#include "core/MethodChannel.h"
#include "core/MethodName.h"

namespace vantor::hw {

inline constexpr std::size_t kRequestHeaderSize = 16;
inline constexpr std::size_t kPointerRequestSize = kRequestHeaderSize + 4;
inline constexpr std::size_t kMaxRequestSize = kRequestHeaderSize + kMaxArgumentBlockSize;

class MethodCallRequest {
public:
    // blockAddress is where block's bytes lie in the caller's memory for the
    // duration of the call; only the pointer layout uses it. Passing it in
    // keeps the encoding a pure function of its inputs.
    MethodCallRequest(MethodName name, const ArgumentBlock& block, RequestLayout layout, std::uint32_t blockAddress);

    std::span<const std::uint8_t> Bytes() const { return std::span(m_bytes).first(m_size); }

private:
    std::size_t m_size = 0;
    std::array<std::uint8_t, kMaxRequestSize> m_bytes{};
};

}  // namespace vantor::hw
