#include "core/DmiGetAll.h"

#include <optional>
#include <span>

#include "core/DmiTable.h"

namespace vantor::dmi {

namespace {

// Steps 8 to 13 and 15: the windows, the decode and the HTML step. The table
// window stays mapped until the pages are made, as the structure positions
// point into it.
bool DecodeAndPublish(DmiHost& host, IniWriter& ini, const SmbiosNames& names, const std::string& outputFolder)
{
    std::optional<DmiEntryPoint> entry;
    if (const std::uint8_t* anchor = host.MapMem(kAnchorWindowBase, kWindowLength)) {
        entry = FindDmiEntryPoint(std::span(anchor, kWindowLength));
    } else {
        host.ShowMessage(kMappingErrorText, kErrorCaption);
    }
    ini.Count("Root", 0);
    host.UnmapMem(reinterpret_cast<const void*>(static_cast<std::uintptr_t>(kAnchorWindowBase)), kWindowLength);

    // Without an anchor no table is known: the file keeps its Root count 0
    // and the pages are made all the same, as when the table cannot be mapped.
    const std::uint8_t* table = nullptr;
    if (entry) {
        table = host.MapMem(entry->tableAddress, kWindowLength);
        if (table == nullptr)
            host.ShowMessage(kMappingErrorText, kErrorCaption);
        else
            DecodeSmbiosTable(std::span(table, kWindowLength), entry->tableLength, ini, names);
    }
    host.UnloadIni();

    const bool published = host.RunHtmlEngine(outputFolder);
    if (!published)
        host.ShowMessage(kNoHtmlEngineText, kMessageCaption);
    if (table != nullptr)
        host.UnmapMem(table, kWindowLength);
    return published;
}

}  // namespace

bool DmiGetAll(DmiHost& host, std::string_view outputFolder)
{
    const std::string programFolder = host.ProgramFolder();
    const std::string iniPath = JoinPath(outputFolder, kInfoIniName);
    const std::string namesPath = JoinPath(programFolder, kNamesIniName);
    if (iniPath.empty() || namesPath.empty())
        return false;

    if (!host.LoadIo(programFolder))
        return true;
    IniWriter* ini = host.LoadIni();
    if (ini == nullptr) {
        host.UnloadIo();
        return true;
    }

    for (const std::string& prefix : FolderPrefixes(outputFolder))
        host.CreateFolder(prefix);
    ini->FileInitial(iniPath);

    const std::unique_ptr<SmbiosNames> names = host.OpenNames(namesPath);
    if (names == nullptr) {
        host.ShowMessage(kNoNamesFileText, kMessageCaption);
        host.UnloadIni();
        host.UnloadIo();
        return false;
    }

    const bool published = DecodeAndPublish(host, *ini, *names, std::string(outputFolder));
    host.UnloadIo();
    return published;
}

}  // namespace vantor::dmi
