// ZyIni.dll: the seven INI writes on an in-memory document (InfoIniWriter).
// Needs Windows for the file itself. The file stays open from IniFileInitial
// until the next IniFileInitial or the library's unload (opening a file costs
// far more than writing it, and a DMI table makes thousands of writes); it is
// shared for reading and writing, so profile readers can open it meanwhile.
// After every call the file is whole: the write's tail is appended, or the
// file is rewritten when text before the end changed. A failed write goes to
// the debugger output.
#include <windows.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "InfoIniWriter.h"
#include "ZyIni.h"

#define ZYINI_EXPORT extern "C" __declspec(dllexport)

namespace {

using Change = vantor::infoini::IniDocument::Change;

std::mutex g_lock;
vantor::infoini::InfoIniWriter g_writer;
std::string g_path;
HANDLE g_file = INVALID_HANDLE_VALUE;  // open while a file is being written

std::string_view Text(const char* text) { return text != nullptr ? std::string_view(text) : std::string_view(); }

void CloseFile()
{
    if (g_file != INVALID_HANDLE_VALUE)
        CloseHandle(g_file);
    g_file = INVALID_HANDLE_VALUE;
}

bool WriteAll(const std::string& text)
{
    DWORD written = 0;
    return WriteFile(g_file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
}

// Brings the file up to date with the document. Called with g_lock held.
void Store(const Change& change)
{
    if (g_file == INVALID_HANDLE_VALUE || change.kind == Change::Kind::Unchanged)
        return;
    bool ok = false;
    if (change.kind == Change::Kind::Appended) {
        ok = SetFilePointer(g_file, 0, nullptr, FILE_END) != INVALID_SET_FILE_POINTER && WriteAll(change.tail);
    } else {
        ok = SetFilePointer(g_file, 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
             WriteAll(g_writer.Document().Serialize()) && SetEndOfFile(g_file);
    }
    if (!ok)
        OutputDebugStringA(("ZyIni: cannot write " + g_path + "\n").c_str());
}

// Out of memory, the write is lost and reported; nothing leaves the DLL.
template <typename Write>
void Apply(Write write)
{
    const std::lock_guard lock(g_lock);
    try {
        if (g_file != INVALID_HANDLE_VALUE)
            Store(write(g_writer));
    } catch (...) {
        OutputDebugStringA("ZyIni: out of memory, a write was lost\n");
    }
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_DETACH)
        CloseFile();
    return TRUE;
}

// Writes before the first IniFileInitial, or after one whose file could not
// be created, go nowhere.
ZYINI_EXPORT void __cdecl IniFileInitial(const char* path)
{
    const std::lock_guard lock(g_lock);
    CloseFile();
    g_writer.Start();
    if (path == nullptr || *path == '\0')
        return;
    try {
        g_path = path;
    } catch (...) {
        return;
    }
    g_file = CreateFileA(g_path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (g_file == INVALID_HANDLE_VALUE)
        OutputDebugStringA(("ZyIni: cannot create " + g_path + "\n").c_str());
}

ZYINI_EXPORT void __cdecl IniWriteRootSection(std::int32_t number, const char* section)
{
    Apply([&](auto& writer) { return writer.WriteRootSection(number, Text(section)); });
}

ZYINI_EXPORT void __cdecl IniWriteCount(const char* section, std::int32_t count)
{
    Apply([&](auto& writer) { return writer.WriteCount(Text(section), count); });
}

ZYINI_EXPORT void __cdecl IniWriteItem(const char* section, std::int32_t number, const char* child)
{
    Apply([&](auto& writer) { return writer.WriteItem(Text(section), number, Text(child)); });
}

ZYINI_EXPORT void __cdecl IniWriteValue(const char* section, std::int32_t number, const char* key, const char* value)
{
    Apply([&](auto& writer) { return writer.WriteValue(Text(section), number, Text(key), Text(value)); });
}

ZYINI_EXPORT void __cdecl IniWriteFilename(const char* section, const char* fileName)
{
    Apply([&](auto& writer) { return writer.WriteFilename(Text(section), Text(fileName)); });
}

ZYINI_EXPORT void __cdecl IniWriteDisplayname(const char* section, const char* displayName)
{
    Apply([&](auto& writer) { return writer.WriteDisplayname(Text(section), Text(displayName)); });
}
