// The running program's folder (ProgramFolder_win.cpp). Windows builds only.
#pragma once

#include <string>

#include "startup/ProgramFolder.h"

namespace vantor::monitor {

// Folder of the running program file with its trailing backslash; empty when
// the path cannot be had.
std::string ProgramFolderOfProcess();

}  // namespace vantor::monitor
