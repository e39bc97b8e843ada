// LoadLibraryA, GetProcAddress and FreeLibrary around one call of an
// information library's export.
#include "info/InfoLibrary_win.h"

#include <windows.h>

namespace vantor::views {
namespace {

using GetAllFn = unsigned char(__cdecl*)(const char* outputFolder);

}  // namespace

LibraryRun RunInfoLibrary(const std::string& libraryPath, const std::string& exportName,
                          const std::string& outputFolder)
{
    if (GetFileAttributesA(libraryPath.c_str()) == INVALID_FILE_ATTRIBUTES)
        return LibraryRun::Missing;
    HMODULE library = LoadLibraryA(libraryPath.c_str());
    if (!library)
        return LibraryRun::NotLoaded;
    LibraryRun result = LibraryRun::NoExport;
    if (auto getAll =
                reinterpret_cast<GetAllFn>(reinterpret_cast<void*>(GetProcAddress(library, exportName.c_str())))) {
        // The libraries promise not to throw; one that does is not allowed to
        // end the program. (A processor fault inside one is beyond what this
        // toolchain can catch and ends the run as it would anywhere else.)
        try {
            getAll(outputFolder.c_str());
            result = LibraryRun::Ran;
        } catch (...) {
            result = LibraryRun::Threw;
        }
    }
    FreeLibrary(library);
    return result;
}

}  // namespace vantor::views
