#include "HtmlEngine.h"

#include "HtmlPages.h"
#include "InfoSite.h"

namespace vantor::zyhtml {

std::optional<InfoKind> KindOf(std::int32_t kind)
{
    switch (kind) {
    case 0:
        return InfoKind{"ZyWmi.ini", "WMI Information", "WMI classes"};
    case 1:
        return InfoKind{"ZyDMI.ini", "DMI Information", "SMBIOS structures"};
    case 2:
        return InfoKind{"ZyPci.ini", "PCI Information", "PCI devices"};
    default:
        return std::nullopt;
    }
}

std::vector<HtmlFile> GenerateSite(const InfoKind& kind, const infoini::IniDocument* ini)
{
    std::vector<HtmlFile> files;
    files.push_back({std::string(kStylesheetFile), Stylesheet()});
    if (ini == nullptr) {
        files.push_back({std::string(kIndexFile),
                         RenderEmptyIndex(kind.heading, "No information was collected: " + std::string(kind.iniFile) +
                                                                " could not be read.")});
        return files;
    }
    const InfoSite site = BuildInfoSite(*ini);
    std::string summary = std::string(kind.subject) + " of this computer";
    summary += " \xB7 " + std::to_string(site.pages.size()) + (site.pages.size() == 1 ? " page" : " pages");
    files.push_back({std::string(kIndexFile), RenderIndex(site, kind.heading, summary)});
    for (const InfoPage& page : site.pages)
        files.push_back({page.file, RenderSectionPage(page, kind.heading)});
    return files;
}

}  // namespace vantor::zyhtml
