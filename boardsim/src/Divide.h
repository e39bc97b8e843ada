// 64-bit unsigned division by shift and subtract. 32-bit targets would turn
// the `/` and `%` operators on 64-bit values into calls to libgcc helpers,
// which the kernel-mode driver does not link.
#ifndef BOARDSIM_DIVIDE_H
#define BOARDSIM_DIVIDE_H

#include <cstdint>

namespace boardsim {

struct Quotient {
    std::uint64_t quotient;
    std::uint64_t remainder;
};

// numerator / divisor for divisor > 0.
inline Quotient DivideU64(std::uint64_t numerator, std::uint32_t divisor)
{
    std::uint64_t quotient = 0;
    std::uint64_t remainder = 0;
    for (int bit = 63; bit >= 0; --bit) {
        remainder = (remainder << 1) | ((numerator >> bit) & 1);
        if (remainder >= divisor) {
            remainder -= divisor;
            quotient |= std::uint64_t{1} << bit;
        }
    }
    return {quotient, remainder};
}

}  // namespace boardsim

#endif
