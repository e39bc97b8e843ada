// The firmware's control methods: evaluates one decoded call on the board and
// writes its result.
#ifndef BOARDSIM_FIRMWARE_H
#define BOARDSIM_FIRMWARE_H

#include "Board.h"
#include "RequestDecoder.h"

#include <boardsim/BoardSim.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace boardsim {

// PROC answers one of these statuses; the library treats only kProcWritten
// as success.
inline constexpr std::uint32_t kProcNoSuchItem = 0;
inline constexpr std::uint32_t kProcUnavailable = 1;
inline constexpr std::uint32_t kProcRejected = 2;
inline constexpr std::uint32_t kProcWritten = 3;

// GITM and SITM answer a buffer of two words: a status and the item's
// current value (after the call). Statuses 0 to 3 mean what they mean for
// PROC; GITM answers kProcWritten ("read") for an available item. A SITM
// trial (mode 0) writes nothing and answers kSitmNeedsRestart when applying
// the value would need a restart, kSitmNoRestart when it would not; the
// library takes only "bits 0-1 both set" as yes.
inline constexpr std::uint32_t kSitmNeedsRestart = 3;
inline constexpr std::uint32_t kSitmNoRestart = 4;
inline constexpr std::uint32_t kSitmTrialMode = 0;

// BS_OK with *resultLength bytes of `result` written; BS_RESULT_TOO_LARGE
// with *resultLength the size needed (and the board unchanged);
// BS_NO_SUCH_METHOD, BS_METHOD_FAILED, or BS_BAD_REQUEST when the arguments
// do not fit the method.
BsStatus EvaluateMethod(Board& board, const MethodCall& call, std::span<std::uint8_t> result, std::size_t* resultLength,
                        std::uint64_t nowMs);

}  // namespace boardsim

#endif
