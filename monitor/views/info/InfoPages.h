// The information browser's three pages: their titles, the information
// library behind each, its export and output folder, and the file each page
// shows (the waiting page until its library has run). Paths are Windows
// paths built from the program folder, which ends in a backslash.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vantor::views {

struct InfoPage {
    int number;                  // 1 WMI, 2 PCI, 3 DMI
    std::string_view title;      // translated when shown
    std::string_view shortName;  // "WMI", "PCI", "DMI"
};

inline constexpr std::array<InfoPage, 3> kInfoPages{{
        {1, "WMI Information", "WMI"},
        {2, "PCI Information", "PCI"},
        {3, "DMI Information", "DMI"},
}};

// The libraries run one after the other in this order: PCI, DMI, WMI.
inline constexpr std::array<int, 3> kLibraryOrder{2, 3, 1};

inline constexpr std::string_view kWaitPageName = "wait.htm";

// Null for a number that is not a page.
const InfoPage* FindInfoPage(int number);

// "<folder>Zy<short>.dll", "<short>_GetAll", "<folder><short>Info" and that
// folder's "\index.htm".
std::string LibraryPath(std::string_view programFolder, const InfoPage& page);
std::string ExportName(const InfoPage& page);
std::string OutputFolder(std::string_view programFolder, const InfoPage& page);
std::string GeneratedPageFile(std::string_view programFolder, const InfoPage& page);
std::string WaitPageFile(std::string_view programFolder);

// The file shown for each page: all three the waiting page at first; each
// replaced once its library has run (whether or not it ran well).
class PageFiles {
public:
    explicit PageFiles(std::string_view programFolder);
    // Unknown page numbers are ignored.
    void Set(int page, std::string file);
    // Empty for a number that is not a page.
    std::string File(int page) const;

private:
    std::array<std::string, kInfoPages.size()> m_files;
};

// What showing a page does: a page number retitles the window and opens the
// page's file; any other number keeps the title and opens an empty address.
struct PageShown {
    std::optional<std::string_view> title;
    std::string address;
};
PageShown ShowPageFor(int page, const PageFiles& files);

}  // namespace vantor::views
