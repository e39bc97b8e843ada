// Memory and disk figures from Windows. Memory uses the 64-bit status call so
// machines with 4 GB or more report their real size.
#include <windows.h>

#include "usage/UsageSampling.h"

namespace vantor::monitor {
namespace {

class WindowsSystemUsage final : public SystemUsage {
public:
    MemorySample SampleMemory() override
    {
        MEMORYSTATUSEX status{};
        status.dwLength = sizeof status;
        if (GlobalMemoryStatusEx(&status) == 0)
            return MemorySample{};
        return MemoryFigures(status.ullTotalPhys, status.ullAvailPhys);
    }

    std::vector<std::string> ListFixedDrives() override
    {
        return FixedDriveNames(static_cast<std::uint32_t>(GetLogicalDrives()),
                               [](const std::string& name) { return GetDriveTypeA(name.c_str()) == DRIVE_FIXED; });
    }

    std::optional<DriveSample> SampleDrive(const std::string& name) override
    {
        ULARGE_INTEGER callerFree{};
        ULARGE_INTEGER total{};
        ULARGE_INTEGER totalFree{};
        if (GetDiskFreeSpaceExA(name.c_str(), &callerFree, &total, &totalFree) == 0)
            return std::nullopt;
        std::optional<DriveSample> sample = DriveFigures(total.QuadPart, totalFree.QuadPart);
        if (!sample)
            return std::nullopt;
        char fileSystem[16] = {};
        const std::string root = name + "\\";
        if (GetVolumeInformationA(root.c_str(), nullptr, 0, nullptr, nullptr, nullptr, fileSystem, sizeof fileSystem) !=
            0) {
            fileSystem[sizeof fileSystem - 1] = '\0';
            sample->fileSystem = fileSystem;
        }
        return sample;
    }
};

}  // namespace

std::unique_ptr<SystemUsage> MakeWindowsSystemUsage() { return std::make_unique<WindowsSystemUsage>(); }

}  // namespace vantor::monitor
