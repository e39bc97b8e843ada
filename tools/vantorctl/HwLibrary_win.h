// VantorHw.dll loaded from the program's own folder and bound by name, as the
// monitor binds it. Needs Windows for LoadLibraryA and GetProcAddress.
#pragma once

#include <memory>
#include <string>

#include "LoadedVantorHw_win.h"

namespace vantorctl {

using HwLibrary = vantor::hw::LoadedVantorHw;

// Loads and binds all 24 exports; null, with `reason` filled, when the library
// does not load or lacks OCAPI_Initialization. Other absent exports stay null
// and their calls are skipped by the commands.
std::unique_ptr<HwLibrary> LoadHwLibrary(std::string& reason);

// The folder of this program, with a trailing backslash.
std::string ProgramFolder();

}  // namespace vantorctl
