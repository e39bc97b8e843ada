// The program folder, where the program finds its libraries, skins, data
// files and logs: the program file's path up to and including its last
// separator ("C:\Vantor\Vantor.exe" gives "C:\Vantor\").
#pragma once

#include <string>
#include <string_view>

namespace vantor::monitor {

// Empty when the path has no separator.
std::string FolderOfProgramPath(std::string_view programPath);

}  // namespace vantor::monitor
