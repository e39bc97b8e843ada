#include "win/WinDmiHost_win.h"

#include <string>

#include "ZyHtmlEngine.h"
#include "win/ProfileSmbiosNames.h"

namespace vantor::dmi {
namespace {

template <typename Fn>
Fn Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string Text(std::string_view text) { return std::string(text); }

}  // namespace

WinDmiHost::~WinDmiHost()
{
    UnloadIni();
    UnloadIo();
}

std::string WinDmiHost::ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length < MAX_PATH ? length : 0);
    const std::size_t slash = full.find_last_of('\\');
    return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

bool WinDmiHost::LoadIo(const std::string& programFolder)
{
    m_io = LoadLibraryA(ZYIO_LIBRARY_NAME);
    if (m_io == nullptr)
        return false;
    m_mapMem = Bind<ZyioMapMemFn>(m_io, ZYIO_MAP_MEM_NAME);
    m_unmapMem = Bind<ZyioUnmapMemFn>(m_io, ZYIO_UNMAP_MEM_NAME);
    if (const auto open = Bind<ZyioOpenFn>(m_io, ZYIO_OPEN_NAME))
        open(programFolder.c_str());
    return true;
}

const std::uint8_t* WinDmiHost::MapMem(std::uint32_t physical, std::uint32_t length)
{
    return m_mapMem != nullptr ? static_cast<const std::uint8_t*>(m_mapMem(physical, length)) : nullptr;
}

void WinDmiHost::UnmapMem(const void* address, std::uint32_t length)
{
    if (m_unmapMem != nullptr)
        m_unmapMem(address, length);
}

void WinDmiHost::UnloadIo()
{
    if (m_io != nullptr)
        FreeLibrary(m_io);
    m_io = nullptr;
    m_mapMem = nullptr;
    m_unmapMem = nullptr;
}

IniWriter* WinDmiHost::LoadIni()
{
    m_ini = LoadLibraryA(ZYINI_LIBRARY_NAME);
    if (m_ini == nullptr)
        return nullptr;
    m_writer.Bind(m_ini);
    return &m_writer;
}

void WinDmiHost::UnloadIni()
{
    if (m_ini != nullptr)
        FreeLibrary(m_ini);
    m_ini = nullptr;
    m_writer = ZyIniWriter();
}

void WinDmiHost::CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

std::unique_ptr<SmbiosNames> WinDmiHost::OpenNames(const std::string& path)
{
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    CloseHandle(file);
    return std::make_unique<ProfileSmbiosNames>(path);
}

bool WinDmiHost::RunHtmlEngine(const std::string& folder)
{
    const HMODULE engine = LoadLibraryA(ZYHTML_LIBRARY_NAME);
    if (engine == nullptr)
        return false;
    if (const auto go = Bind<HtmlEngineGoFn>(engine, HTML_ENGINE_GO_NAME))
        go(1, folder.c_str(), folder.c_str());
    FreeLibrary(engine);
    return true;
}

void WinDmiHost::ShowMessage(std::string_view text, std::string_view caption)
{
    MessageBoxA(nullptr, Text(text).c_str(), Text(caption).c_str(), MB_OK);
}

bool WinDmiHost::ZyIniWriter::Bind(HMODULE module)
{
    m_fileInitial = dmi::Bind<IniFileInitialFn>(module, INI_FILE_INITIAL_NAME);
    m_rootSection = dmi::Bind<IniWriteRootSectionFn>(module, INI_WRITE_ROOT_SECTION_NAME);
    m_count = dmi::Bind<IniWriteCountFn>(module, INI_WRITE_COUNT_NAME);
    m_item = dmi::Bind<IniWriteItemFn>(module, INI_WRITE_ITEM_NAME);
    m_value = dmi::Bind<IniWriteValueFn>(module, INI_WRITE_VALUE_NAME);
    m_filename = dmi::Bind<IniWriteFilenameFn>(module, INI_WRITE_FILENAME_NAME);
    m_displayname = dmi::Bind<IniWriteDisplaynameFn>(module, INI_WRITE_DISPLAYNAME_NAME);
    return true;
}

// A function the library lacks is skipped.
void WinDmiHost::ZyIniWriter::FileInitial(std::string_view path)
{
    if (m_fileInitial != nullptr)
        m_fileInitial(Text(path).c_str());
}

void WinDmiHost::ZyIniWriter::RootSection(int number, std::string_view section)
{
    if (m_rootSection != nullptr)
        m_rootSection(number, Text(section).c_str());
}

void WinDmiHost::ZyIniWriter::Count(std::string_view section, int count)
{
    if (m_count != nullptr)
        m_count(Text(section).c_str(), count);
}

void WinDmiHost::ZyIniWriter::Item(std::string_view section, int number, std::string_view child)
{
    if (m_item != nullptr)
        m_item(Text(section).c_str(), number, Text(child).c_str());
}

void WinDmiHost::ZyIniWriter::Value(std::string_view section, int number, std::string_view key, std::string_view value)
{
    if (m_value != nullptr)
        m_value(Text(section).c_str(), number, Text(key).c_str(), Text(value).c_str());
}

void WinDmiHost::ZyIniWriter::Filename(std::string_view section, std::string_view name)
{
    if (m_filename != nullptr)
        m_filename(Text(section).c_str(), Text(name).c_str());
}

void WinDmiHost::ZyIniWriter::Displayname(std::string_view section, std::string_view name)
{
    if (m_displayname != nullptr)
        m_displayname(Text(section).c_str(), Text(name).c_str());
}

}  // namespace vantor::dmi
