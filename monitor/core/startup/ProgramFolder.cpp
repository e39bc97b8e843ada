#include "startup/ProgramFolder.h"

namespace vantor::monitor {

std::string FolderOfProgramPath(std::string_view programPath)
{
    const std::size_t slash = programPath.find_last_of("\\/");
    return slash == std::string_view::npos ? std::string() : std::string(programPath.substr(0, slash + 1));
}

}  // namespace vantor::monitor
