// The translation library's system side: Windows is needed for
// GetModuleFileNameA, LoadLibraryA and GetProcAddress, and for calling the
// library's __stdcall functions.
#include <windows.h>

#include <array>

#include "language/LanguageLibrary_win.h"
#include "startup/ProgramFolder_win.h"

namespace vantor::monitor {

namespace {

using TranslateStrFn = const char*(WINAPI*)(const char*);
using TranslateStrFFn = const char*(WINAPI*)(const char*, const char*, const char*);
using NoArgumentTextFn = const char*(WINAPI*)();

template <typename Fn>
Fn As(void* proc)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

WinLanguageLibrary::~WinLanguageLibrary()
{
    if (m_module != nullptr)
        FreeLibrary(static_cast<HMODULE>(m_module));
}

std::string WinLanguageLibrary::ProgramFolder() { return ProgramFolderOfProcess(); }

bool WinLanguageLibrary::Load(const std::string& path)
{
    m_module = LoadLibraryA(path.c_str());
    return m_module != nullptr;
}

bool WinLanguageLibrary::Resolve(LanguageExport which)
{
    const std::string name(LanguageExportName(which));
    void* proc = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_module), name.c_str()));
    m_procs[static_cast<int>(which)] = proc;
    return proc != nullptr;
}

const char* WinLanguageLibrary::TranslateStr(const char* text)
{
    return As<TranslateStrFn>(m_procs[static_cast<int>(LanguageExport::TranslateStr)])(text);
}

const char* WinLanguageLibrary::TranslateStrF(const char* key, const char* text, const char* argument)
{
    return As<TranslateStrFFn>(m_procs[static_cast<int>(LanguageExport::TranslateStrF)])(key, text, argument);
}

const char* WinLanguageLibrary::GetLangPathName()
{
    return As<NoArgumentTextFn>(m_procs[static_cast<int>(LanguageExport::GetLangPathName)])();
}

const char* WinLanguageLibrary::GetLangName()
{
    return As<NoArgumentTextFn>(m_procs[static_cast<int>(LanguageExport::GetLangName)])();
}

LanguageBinding& ProgramLanguage()
{
    // Never destroyed: the library stays loaded for the whole run.
    static auto* library = new WinLanguageLibrary();
    static auto* binding = new LanguageBinding(*library);
    return *binding;
}

}  // namespace vantor::monitor
