// vantorctl: what the board offers, on the console, through VantorHw.dll
// loaded from this program's folder exactly as the monitor loads it.
#include <cstdio>
#include <string>
#include <vector>

#include "Commands.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: vantorctl sensors [--json]   every sensor: kind, ItemId, value, limits, name\n"
                         "       vantorctl board [--json]     MBIF, board name, Cool'n'Quiet, Ruvel, power saving\n"
                         "       vantorctl fan [--json]       fan control as the options window shows it: switches,\n"
                         "                                    targets, profiles, groups and their rows\n"
                         "       vantorctl sim set METHOD ITEMID RAW | sim fail METHOD on|off | sim load BOARD\n"
                         "       vantorctl watch [--settings FILE] [--interval-ms N] [--ticks N]\n"
                         "                                    poll and log alarms as the monitor does, until Ctrl+C\n"
                         "       vantorctl report             the alert report composed from the alert log\n"
                         "       vantorctl usage [--json]     processor loads (cpuutil.dll), memory and fixed disks\n"
                         "exit codes: 0 done, 1 bad arguments, 2 library or device missing, 3 request refused\n");
    return vantorctl::kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty())
        return Usage();
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "sim")
        return vantorctl::RunSim(args);
    if (command == "watch")
        return vantorctl::RunWatch(args);
    if (command == "report")
        return vantorctl::RunReport(args);
    if (command == "usage")
        return vantorctl::RunUsage(args);

    bool json = false;
    for (const auto& arg : args) {
        if (arg != "--json")
            return Usage();
        json = true;
    }
    using Runner = int (*)(const vantorctl::HwLibrary&, bool);
    Runner run = command == "sensors" ? vantorctl::RunSensors
                 : command == "board" ? vantorctl::RunBoard
                 : command == "fan"   ? vantorctl::RunFan
                                      : nullptr;
    if (run == nullptr)
        return Usage();

    std::string reason;
    const auto library = vantorctl::LoadHwLibrary(reason);
    if (library == nullptr) {
        std::fprintf(stderr, "vantorctl: %s\n", reason.c_str());
        return vantorctl::kExitMissing;
    }
    const vantorctl::HwLibrary& hw = *library;
    if (hw.OCAPI_Initialization() == 0) {
        std::fprintf(stderr, "vantorctl: the device \\\\.\\ZYKACPI is missing; is the zykacpi service running?\n");
        if (hw.OCAPI_Close != nullptr)
            hw.OCAPI_Close();
        return vantorctl::kExitMissing;
    }
    const int code = run(hw, json);
    if (hw.OCAPI_Close != nullptr)
        hw.OCAPI_Close();
    return code;
}
