#include "PciGetAll.h"

#include "BusWalk.h"
#include "FunctionConfig.h"
#include "PciFunction.h"

namespace vantor::pci {

std::vector<FunctionReport> ReadPciFunctions(ConfigSpace& space, const PciIds& ids)
{
    RegisterCache cache(space);
    std::vector<FunctionReport> reports;
    for (const FunctionAddress& at : WalkBuses(cache)) {
        FunctionConfig config(cache, at);
        reports.push_back(DescribeFunction(DecodeFunction(config), ids));
    }
    return reports;
}

bool PciGetAll(PciHost& host, std::string_view outputFolder)
{
    const std::string programFolder = host.ProgramFolder();
    const std::string iniPath = JoinPath(outputFolder, kPciIniName);
    const std::string idsPath = JoinPath(programFolder, kPciIdsName);
    if (iniPath.empty() || idsPath.empty() || outputFolder.empty())
        return false;

    const std::optional<std::string> idsText = host.ReadFile(idsPath);
    if (!idsText)
        host.Report("no " + idsPath + ": devices are shown by number only");
    const PciIds ids = idsText ? PciIds::Parse(*idsText) : PciIds();

    std::vector<FunctionReport> functions;
    if (PortIo* ports = host.LoadIo(programFolder)) {
        Mechanism1 space(*ports);
        functions = ReadPciFunctions(space, ids);
        host.UnloadIo();
    } else {
        host.Report("ZyIO.dll with its port functions cannot be loaded: no PCI function is listed");
    }

    for (const std::string& prefix : FolderPrefixes(outputFolder))
        host.CreateFolder(prefix);
    const bool written = host.WriteFile(iniPath, PciIniText(functions));
    if (!written)
        host.Report("cannot write " + iniPath);

    if (!host.RunHtmlEngine(kHtmlKindPci, std::string(outputFolder))) {
        host.ShowMessage(kNoHtmlEngineText, kMessageCaption);
        return false;
    }
    return written;
}

}  // namespace vantor::pci
