#include "info/InfoPages.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

constexpr const char* kFolder = "C:\\Program Files\\Vantor\\";

TEST(InfoPagesTest, EachPageNamesItsLibraryExportAndFiles)
{
    const struct {
        int page;
        const char* title;
        const char* library;
        const char* exportName;
        const char* folder;
    } cases[] = {
            {1, "WMI Information", "ZyWMI.dll", "WMI_GetAll", "WMIInfo"},
            {2, "PCI Information", "ZyPCI.dll", "PCI_GetAll", "PCIInfo"},
            {3, "DMI Information", "ZyDMI.dll", "DMI_GetAll", "DMIInfo"},
    };
    for (const auto& c : cases) {
        const InfoPage* page = FindInfoPage(c.page);
        ASSERT_NE(page, nullptr) << c.page;
        EXPECT_EQ(page->title, c.title);
        EXPECT_EQ(LibraryPath(kFolder, *page), std::string(kFolder) + c.library);
        EXPECT_EQ(ExportName(*page), c.exportName);
        EXPECT_EQ(OutputFolder(kFolder, *page), std::string(kFolder) + c.folder);
        EXPECT_EQ(GeneratedPageFile(kFolder, *page), std::string(kFolder) + c.folder + "\\index.htm");
    }
    for (int notAPage : {0, 4, -1})
        EXPECT_EQ(FindInfoPage(notAPage), nullptr) << notAPage;
    EXPECT_EQ(kLibraryOrder, (std::array<int, 3>{2, 3, 1})) << "PCI, DMI, WMI";
}

TEST(InfoPagesTest, PagesWaitUntilTheirLibraryHasRun)
{
    PageFiles files(kFolder);
    const std::string wait = std::string(kFolder) + "wait.htm";
    for (int page : {1, 2, 3})
        EXPECT_EQ(files.File(page), wait) << page;

    files.Set(3, "C:\\Program Files\\Vantor\\DMIInfo\\index.htm");
    files.Set(0, "ignored");
    files.Set(4, "ignored");
    EXPECT_EQ(files.File(3), "C:\\Program Files\\Vantor\\DMIInfo\\index.htm");
    EXPECT_EQ(files.File(1), wait);
    EXPECT_EQ(files.File(2), wait);
    EXPECT_EQ(files.File(4), "");
}

TEST(InfoPagesTest, ShowingAPageRetitlesAndOpensItsFile)
{
    PageFiles files(kFolder);
    files.Set(2, "C:\\x\\PCIInfo\\index.htm");
    const PageShown pci = ShowPageFor(2, files);
    ASSERT_TRUE(pci.title.has_value());
    EXPECT_EQ(*pci.title, "PCI Information");
    EXPECT_EQ(pci.address, "C:\\x\\PCIInfo\\index.htm");
    for (int other : {0, 5, -3}) {
        const PageShown shown = ShowPageFor(other, files);
        EXPECT_FALSE(shown.title.has_value()) << other;
        EXPECT_EQ(shown.address, "") << other;
    }
}

}  // namespace
}  // namespace vantor::views
