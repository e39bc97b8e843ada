#include "usage/DrivePage.h"

#include <cstdio>

namespace vantor::views {

using monitor::FormatThousands;

std::string DriveNodeText(std::string_view name, const std::optional<monitor::DriveSample>& sample)
{
    std::string text(name);
    if (!sample)
        return text;
    char percent[16];
    std::snprintf(percent, sizeof percent, " %3u %%", sample->freePercent);
    return text + percent;
}

std::vector<std::string> DriveTreeTexts(monitor::SystemUsage& usage)
{
    std::vector<std::string> texts{std::string(kDriveTreeRoot)};
    for (const std::string& name : usage.ListFixedDrives())
        texts.push_back(DriveNodeText(name, usage.SampleDrive(name)));
    return texts;
}

std::optional<std::string> DriveOfNode(std::string_view nodeText)
{
    if (nodeText.size() < 2 || nodeText[1] != ':')
        return std::nullopt;
    const char letter = nodeText[0];
    if (letter < 'A' || letter > 'Z')
        return std::nullopt;
    return std::string(nodeText.substr(0, 2));
}

std::optional<std::string> FirstDriveToShow(const std::vector<std::string>& treeTexts)
{
    if (treeTexts.size() < 2)
        return std::nullopt;
    return DriveOfNode(treeTexts[1]);
}

DriveTexts DrivePageTexts(std::string_view name, const monitor::DriveSample& sample)
{
    return {FormatThousands(sample.usedBytes),  FormatThousands(sample.usedMB),
            FormatThousands(sample.freeBytes),  FormatThousands(sample.freeMB),
            FormatThousands(sample.totalBytes), FormatThousands(sample.totalMB),
            "[" + std::string(name) + "]",      sample.fileSystem};
}

}  // namespace vantor::views
