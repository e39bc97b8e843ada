#include "WinPciHost_win.h"

#include <string>

#include "ReadWholeFile_win.h"
#include "ZyHtmlEngine.h"

namespace vantor::pci {
namespace {

template <typename Fn>
Fn Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// pci.ids is about 1.4 MB; a file far larger is not one.
constexpr LONGLONG kMaxReadFile = 32 * 1024 * 1024;

}  // namespace

WinPciHost::~WinPciHost() { UnloadIo(); }

std::string WinPciHost::ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string full(path, length < MAX_PATH ? length : 0);
    const std::size_t slash = full.find_last_of('\\');
    return slash == std::string::npos ? std::string() : full.substr(0, slash);
}

PortIo* WinPciHost::LoadIo(const std::string& programFolder)
{
    m_io = LoadLibraryA(ZYIO_LIBRARY_NAME);
    if (m_io == nullptr)
        return nullptr;
    const auto in = Bind<ZyioInPortDFn>(m_io, ZYIO_IN_PORT_D_NAME);
    const auto out = Bind<ZyioOutPortDFn>(m_io, ZYIO_OUT_PORT_D_NAME);
    if (in == nullptr || out == nullptr) {
        UnloadIo();
        return nullptr;
    }
    if (const auto open = Bind<ZyioOpenFn>(m_io, ZYIO_OPEN_NAME))
        open(programFolder.c_str());
    m_ports = std::make_unique<ZyioPorts>(in, out);
    return m_ports.get();
}

void WinPciHost::UnloadIo()
{
    m_ports.reset();
    if (m_io != nullptr)
        FreeLibrary(m_io);
    m_io = nullptr;
}

std::optional<std::string> WinPciHost::ReadFile(const std::string& path)
{
    return infoini::ReadWholeFile(path, kMaxReadFile);
}

void WinPciHost::CreateFolder(const std::string& path) { CreateDirectoryA(path.c_str(), nullptr); }

bool WinPciHost::WriteFile(const std::string& path, const std::string& text)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool ok = ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                    written == text.size();
    CloseHandle(file);
    return ok;
}

bool WinPciHost::RunHtmlEngine(int kind, const std::string& folder)
{
    const HMODULE engine = LoadLibraryA(ZYHTML_LIBRARY_NAME);
    if (engine == nullptr)
        return false;
    if (const auto go = Bind<HtmlEngineGoFn>(engine, HTML_ENGINE_GO_NAME))
        go(kind, folder.c_str(), folder.c_str());
    FreeLibrary(engine);
    return true;
}

void WinPciHost::ShowMessage(std::string_view text, std::string_view caption)
{
    MessageBoxA(nullptr, std::string(text).c_str(), std::string(caption).c_str(), MB_OK);
}

void WinPciHost::Report(std::string_view text) { OutputDebugStringA(("ZyPci: " + std::string(text) + "\n").c_str()); }

}  // namespace vantor::pci
