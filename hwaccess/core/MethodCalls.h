// Evaluating one firmware method through a MethodChannel, in each of the four
// call shapes. Every call clears the caller's result buffer first, so a failed
// call, or a device that writes less than the whole buffer, leaves zeros
// behind rather than stale bytes. A closed channel fails at once and sees no
// request. Nothing here allocates.
#pragma once

#include <cstdint>
#include <span>

#include "core/MethodChannel.h"
#include "core/MethodName.h"

namespace vantor::hw {

bool CallMethod(MethodChannel& channel, MethodName name, ResultBuffer& result);
bool CallMethodInt(MethodChannel& channel, MethodName name, std::uint32_t value, ResultBuffer& result);
bool CallMethodInt3(MethodChannel& channel, MethodName name, std::uint32_t a, std::uint32_t b, std::uint32_t c,
                    ResultBuffer& result);
// Fails without a request for more than kMaxBufferWords words.
bool CallMethodBuffer(MethodChannel& channel, MethodName name, std::span<const std::uint32_t> words,
                      ResultBuffer& result);

// The integer the method returns for one integer argument: element 0 of the
// result (offset 16). 0 when the call fails, when Count is 0 and when the
// first element is not an integer.
std::uint32_t ReadInteger(MethodChannel& channel, MethodName name, std::uint32_t value);

}  // namespace vantor::hw
