// Test control of the simulated device: Windows is needed for the device.
#include "testing/BoardControl_win.h"

namespace vantor::views::testing {

DWORD LoadBoard(const std::string& nameOrPath)
{
    // The Wine prefix keeps the shipped boards under ProgramData.
    if (nameOrPath.find_first_of("\\/:") != std::string::npos)
        return hw::testing::ReloadBoard(nameOrPath);
    char programData[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("ProgramData", programData, MAX_PATH);
    const std::string folder = length > 0 && length < MAX_PATH ? std::string(programData, length) : "C:\\ProgramData";
    return hw::testing::ReloadBoard(folder + "\\Vantor\\boards\\" + nameOrPath + ".ini");
}

}  // namespace vantor::views::testing
