// Reads a board file (INI text, described in boardsim/README.md) into a
// Board. All memory comes from one arena on `allocator`; on failure nothing
// stays allocated.
#ifndef BOARDSIM_BOARDFILE_H
#define BOARDSIM_BOARDFILE_H

#include "Board.h"

#include <boardsim/BoardSim.h>

#include <string_view>

namespace boardsim {

// BS_OK with `board` set; BS_BAD_BOARD or BS_NO_MEMORY with `error` (when
// non-null) naming the line and the fault. `files` reads the PCI snapshot
// the board names; without it the board has no configuration space.
BsStatus LoadBoard(const BsAllocator& allocator, const BsFileReader* files, std::string_view text, Board*& board,
                   BsLoadError* error);

void FreeBoard(Board* board);

}  // namespace boardsim

#endif
