// VantorHw's exports served in this process by a simulated board: the same
// functions, with the same C signatures, that the DLL exports, wired to the
// portable core over a BoardSimChannel. Lets the monitor's own logic run
// natively against the boards the driver serves.
//
// The exports are plain functions, so the library is one process-wide
// instance: open one board at a time, from one thread.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "VantorHw.h"
#include "boardsim/BoardSim.h"

namespace vantor::hw::sim {

// Loads the board text and runs what OCAPI_Initialization runs. False (and
// nothing open) when the board is rejected.
bool OpenSimulatedLibrary(std::string_view boardText);
void CloseSimulatedLibrary();

// The open board, for test-control calls (set a raw value, fail a method).
BsBoard* SimulatedBoard();

// An export of the simulated library by its DLL name; null for names the
// DLL does not export.
using RawExport = void (*)();
RawExport FindSimulatedExport(const char* name);

// Every call that changes the board (OCAPI_EnableKelvane,
// OCAPI_SetKelvaneTarget, OCAPI_KELVANE_SetData, OCAPI_NKELVANE_SetData), in order, as "Name(arguments)";
// tests may add their own entries to see where other events fall.
std::vector<std::string>& SimulatedCallLog();

}  // namespace vantor::hw::sim
