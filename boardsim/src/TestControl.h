// Test-control requests: fix a raw reading, make a method fail. Only boards
// whose file enables test control accept them.
#ifndef BOARDSIM_TESTCONTROL_H
#define BOARDSIM_TESTCONTROL_H

#include "Board.h"

#include <cstdint>
#include <span>

namespace boardsim {

BsStatus SetRaw(Board& board, std::span<const std::uint8_t> payload);
BsStatus FailMethod(Board& board, std::span<const std::uint8_t> payload);

}  // namespace boardsim

#endif
