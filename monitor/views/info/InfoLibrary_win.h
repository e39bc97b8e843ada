// Running one information library: load it by its full path, find its
// export, call it once with the output folder and unload it again. Windows
// builds.
#pragma once

#include <string>

namespace vantor::views {

enum class LibraryRun {
    Missing,    // no such file
    NotLoaded,  // LoadLibraryA refused it
    NoExport,   // the export is not there
    Ran,
    Threw,  // the export raised an exception; caught, the library unloaded
};

// The export is called with the C calling convention and the output folder
// as an ANSI path; its result is not used.
LibraryRun RunInfoLibrary(const std::string& libraryPath, const std::string& exportName,
                          const std::string& outputFolder);

}  // namespace vantor::views
