// VantorHw.dll loaded from the program's own folder and bound by name, as the
// monitor binds it. Needs Windows for LoadLibraryA and GetProcAddress.
#pragma once

#include <windows.h>

#include <string>

#include "VantorHw.h"

namespace vantorctl {

struct HwLibrary {
    HMODULE module = nullptr;
#define VANTORHW_EXPORT(name) name##Fn name = nullptr;
#include "VantorHwExports.inc"
#undef VANTORHW_EXPORT

    HwLibrary() = default;
    HwLibrary(const HwLibrary&) = delete;
    HwLibrary& operator=(const HwLibrary&) = delete;
    ~HwLibrary();

    // Loads and binds; on failure fills `reason` and returns false. Absent
    // exports stay null and their calls are skipped by the commands.
    bool Load(std::string& reason);
};

// The folder of this program, with a trailing backslash.
std::string ProgramFolder();

}  // namespace vantorctl
