// DMI_GetAll from start to end: the outside libraries loaded in their order,
// the output folder made, the INI file started, the two memory windows mapped
// and released, the table decoded, and the HTML pages made, with the
// messages and results of each failure. The Win32 side (LoadLibraryA,
// message boxes, folders) is behind DmiHost so the order can be checked
// without Windows.
#pragma once

#include "InfoPaths.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/IniWriter.h"
#include "core/SmbiosNames.h"

namespace vantor::dmi {

inline constexpr std::string_view kInfoIniName = "ZyDMI.ini";
inline constexpr std::string_view kNamesIniName = "SmBIOS.ini";
// Paths are built in buffers of this many characters, the terminator included.
inline constexpr std::size_t kPathBufferSize = 256;

inline constexpr std::string_view kNoNamesFileText = "Can't Open SmBIOS.ini file !!";
inline constexpr std::string_view kNoHtmlEngineText = "Open ZyHtmlEngine.dll error !!";
inline constexpr std::string_view kMappingErrorText = "Memory Mapping Error !!";
inline constexpr std::string_view kMessageCaption = "Message";
inline constexpr std::string_view kErrorCaption = "Error";

class DmiHost {
public:
    virtual ~DmiHost() = default;

    // The folder of the host program, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;

    // ZyIO.dll loaded, its functions bound and ZYIO_Open called with the
    // program folder; false when the library cannot be loaded.
    virtual bool LoadIo(const std::string& programFolder) = 0;
    // A readable view of `length` bytes at `physical`, or null.
    virtual const std::uint8_t* MapMem(std::uint32_t physical, std::uint32_t length) = 0;
    virtual void UnmapMem(const void* address, std::uint32_t length) = 0;
    virtual void UnloadIo() = 0;

    // ZyIni.dll loaded and bound; null when it cannot be loaded. The writer
    // stays valid until UnloadIni.
    virtual IniWriter* LoadIni() = 0;
    virtual void UnloadIni() = 0;

    // CreateDirectoryA; failures are of no interest.
    virtual void CreateFolder(const std::string& path) = 0;
    // The lookup file opened for reading: null when it cannot be opened.
    virtual std::unique_ptr<SmbiosNames> OpenNames(const std::string& path) = 0;

    // ZyHtmlEngine.dll loaded, HTML_ENGINE_GO(1, folder, folder) called and
    // the library unloaded; false when it cannot be loaded.
    virtual bool RunHtmlEngine(const std::string& folder) = 0;

    // A message box without owner and with one OK button; returns when closed.
    virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
};

using infoini::FolderPrefixes;

// "%s\%s" of folder and name; empty when it would not fit kPathBufferSize.
inline std::string JoinPath(std::string_view folder, std::string_view name)
{
    return infoini::JoinPath(folder, name, kPathBufferSize);
}

// The whole call. False when a path does not fit its buffer (before anything
// is loaded or written), when SmBIOS.ini cannot be opened, or when
// ZyHtmlEngine.dll cannot be loaded; true otherwise, also when ZyIO.dll or
// ZyIni.dll cannot be loaded (then nothing is written).
bool DmiGetAll(DmiHost& host, std::string_view outputFolder);

}  // namespace vantor::dmi
