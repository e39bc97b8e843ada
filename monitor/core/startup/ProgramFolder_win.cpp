// The running program's folder: Windows is needed for GetModuleFileNameA.
#include <windows.h>

#include <array>

#include "startup/ProgramFolder_win.h"

namespace vantor::monitor {

std::string ProgramFolderOfProcess()
{
    std::array<char, MAX_PATH + 1> path{};
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return FolderOfProgramPath(std::string_view(path.data(), length));
}

}  // namespace vantor::monitor
