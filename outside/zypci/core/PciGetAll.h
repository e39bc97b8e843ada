// PCI_GetAll from start to end: configuration space read through ZyIO.dll's
// ports, the functions walked and decoded, named from pci.ids beside the
// program, written as ZyPci.ini into the output folder, and the pages made
// by ZyHtmlEngine.dll. The Win32 side is behind PciHost so the whole call
// runs natively against a simulated board.
#pragma once

#include "InfoPaths.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ConfigSpace.h"
#include "PciReport.h"

namespace vantor::pci {

inline constexpr std::string_view kPciIdsName = "pci.ids";
// Paths are built in buffers of this many characters, the terminator included.
inline constexpr std::size_t kPathBufferSize = 256;
inline constexpr std::string_view kNoHtmlEngineText = "Open ZyHtmlEngine.dll error !!";
inline constexpr std::string_view kMessageCaption = "Message";
// The HTML generator's kind for the PCI file.
inline constexpr int kHtmlKindPci = 2;

class PciHost {
public:
    virtual ~PciHost() = default;

    // The folder of the host program, without a trailing backslash.
    virtual std::string ProgramFolder() = 0;
    // ZyIO.dll loaded, ZYIO_Open called with the program folder and its
    // port functions bound; null when it cannot be loaded or lacks them.
    // Valid until UnloadIo.
    virtual PortIo* LoadIo(const std::string& programFolder) = 0;
    virtual void UnloadIo() = 0;
    // A whole file, or nothing when it cannot be read.
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;
    virtual void CreateFolder(const std::string& path) = 0;
    virtual bool WriteFile(const std::string& path, const std::string& text) = 0;
    // ZyHtmlEngine.dll loaded, HTML_ENGINE_GO(kind, folder, folder) called
    // and the library unloaded; false when it cannot be loaded.
    virtual bool RunHtmlEngine(int kind, const std::string& folder) = 0;
    // A message box without owner and with one OK button.
    virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;
    // A line for the debugger's output: what went wrong, for a developer.
    virtual void Report(std::string_view text) = 0;
};

using infoini::FolderPrefixes;
// "%s\%s" of folder and name; empty when it would not fit kPathBufferSize.
inline std::string JoinPath(std::string_view folder, std::string_view name)
{
    return infoini::JoinPath(folder, name, kPathBufferSize);
}

// The functions of the segment behind `space`, walked and decoded.
std::vector<PciFunctionInfo> DecodePciFunctions(ConfigSpace& space);
// The database entries those functions are named from.
PciIdsWanted NamesWanted(const std::vector<PciFunctionInfo>& functions);
std::vector<FunctionReport> DescribeFunctions(const std::vector<PciFunctionInfo>& functions, const PciIds& ids);

// The whole call. Without ZyIO.dll the file lists no function; without
// pci.ids the functions carry numbers only. False when a path does not fit,
// ZyPci.ini cannot be written or ZyHtmlEngine.dll cannot be loaded.
bool PciGetAll(PciHost& host, std::string_view outputFolder);

}  // namespace vantor::pci
