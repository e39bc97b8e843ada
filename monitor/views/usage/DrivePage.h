// The Hard Disk page: the texts of the drive tree, which drive a node
// stands for, and the page's numbers for one drive.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "usage/UsageFormulas.h"
#include "usage/UsageSampling.h"

namespace vantor::views {

inline constexpr std::string_view kDriveTreeRoot = "Local Drive(s)";

// "C:  29 %": the name, a blank, the free percent right-aligned in three
// characters, a blank and "%". A drive that cannot be queried shows its
// name alone.
std::string DriveNodeText(std::string_view name, const std::optional<monitor::DriveSample>& sample);

// The root's text, then one node per fixed disk in letter order.
std::vector<std::string> DriveTreeTexts(monitor::SystemUsage& usage);

// The drive a node stands for: its first two characters when they name a
// drive ("C:"); nothing for the root.
std::optional<std::string> DriveOfNode(std::string_view nodeText);

// The drive shown when the page opens: the first drive node's, if any.
std::optional<std::string> FirstDriveToShow(const std::vector<std::string>& treeTexts);

struct DriveTexts {
    std::string usedBytes;   // lbHdd1
    std::string usedMB;      // lbHdd2
    std::string freeBytes;   // lbHdd3
    std::string freeMB;      // lbHdd4
    std::string totalBytes;  // lbHdd5
    std::string totalMB;     // lbHdd6
    std::string name;        // lbTabHdd10, "[C:]"
    std::string fileSystem;  // lbTabHdd11
};

DriveTexts DrivePageTexts(std::string_view name, const monitor::DriveSample& sample);

}  // namespace vantor::views
