// The system figures behind the usage display: physical memory and the local
// hard disks. The usage window talks to this seam; the Windows implementation
// asks the operating system, tests can hand in their own figures.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "usage/UsageFormulas.h"

namespace vantor::monitor {

class SystemUsage {
public:
    virtual ~SystemUsage() = default;

    // Physical memory now; all zero when the system cannot report it.
    virtual MemorySample SampleMemory() = 0;
    // Names "A:" to "Z:" of the fixed disks, in letter order.
    virtual std::vector<std::string> ListFixedDrives() = 0;
    // Size, free space and file system of drive `name` ("C:"); nothing when it
    // cannot be queried or reports a size below one MB.
    virtual std::optional<DriveSample> SampleDrive(const std::string& name) = 0;
};

// The operating system's figures (64-bit memory status, disk free space and
// volume information). Windows only.
std::unique_ptr<SystemUsage> MakeWindowsSystemUsage();

}  // namespace vantor::monitor
