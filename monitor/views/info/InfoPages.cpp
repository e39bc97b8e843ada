#include "info/InfoPages.h"

namespace vantor::views {

const InfoPage* FindInfoPage(int number)
{
    for (const InfoPage& page : kInfoPages)
        if (page.number == number)
            return &page;
    return nullptr;
}

std::string LibraryPath(std::string_view programFolder, const InfoPage& page)
{
    return std::string(programFolder) + "Zy" + std::string(page.shortName) + ".dll";
}

std::string ExportName(const InfoPage& page) { return std::string(page.shortName) + "_GetAll"; }

std::string OutputFolder(std::string_view programFolder, const InfoPage& page)
{
    return std::string(programFolder) + std::string(page.shortName) + "Info";
}

std::string GeneratedPageFile(std::string_view programFolder, const InfoPage& page)
{
    return OutputFolder(programFolder, page) + "\\index.htm";
}

std::string WaitPageFile(std::string_view programFolder)
{
    return std::string(programFolder) + std::string(kWaitPageName);
}

PageFiles::PageFiles(std::string_view programFolder) { m_files.fill(WaitPageFile(programFolder)); }

void PageFiles::Set(int page, std::string file)
{
    if (FindInfoPage(page))
        m_files[static_cast<std::size_t>(page - 1)] = std::move(file);
}

std::string PageFiles::File(int page) const
{
    return FindInfoPage(page) ? m_files[static_cast<std::size_t>(page - 1)] : std::string();
}

PageShown ShowPageFor(int page, const PageFiles& files)
{
    const InfoPage* info = FindInfoPage(page);
    if (!info)
        return {};
    return {info->title, files.File(page)};
}

}  // namespace vantor::views
