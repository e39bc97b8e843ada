#include "PciGetAll.h"

#include "BusWalk.h"
#include "FunctionConfig.h"
#include "PciFunction.h"

namespace vantor::pci {

std::vector<PciFunctionInfo> DecodePciFunctions(ConfigSpace& space)
{
    RegisterCache cache(space);
    std::vector<PciFunctionInfo> functions;
    for (const FunctionAddress& at : WalkBuses(cache)) {
        FunctionConfig config(cache, at);
        functions.push_back(DecodeFunction(config));
    }
    return functions;
}

PciIdsWanted NamesWanted(const std::vector<PciFunctionInfo>& functions)
{
    PciIdsWanted wanted;
    for (const PciFunctionInfo& info : functions) {
        wanted.AddDevice(info.vendorId, info.deviceId);
        if (info.subsystem)
            wanted.vendors.insert(info.subsystem->vendor);
    }
    return wanted;
}

std::vector<FunctionReport> DescribeFunctions(const std::vector<PciFunctionInfo>& functions, const PciIds& ids)
{
    std::vector<FunctionReport> reports;
    reports.reserve(functions.size());
    for (const PciFunctionInfo& info : functions)
        reports.push_back(DescribeFunction(info, ids));
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

    std::vector<PciFunctionInfo> found;
    if (PortIo* ports = host.LoadIo(programFolder)) {
        Mechanism1 space(*ports);
        found = DecodePciFunctions(space);
        host.UnloadIo();
    } else {
        host.Report("ZyIO.dll with its port functions cannot be loaded: no PCI function is listed");
    }
    // Only the names of what was found are taken from the database.
    const PciIds ids = idsText ? PciIds::Parse(*idsText, NamesWanted(found)) : PciIds();
    const std::vector<FunctionReport> functions = DescribeFunctions(found, ids);

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
