// An information library for the information browser's tests, copied into a
// test's program folder as ZyPci.dll or ZyWmi.dll. It writes a small INI
// file and index.htm as the real libraries do, and, when the test asks
// through the environment, first waits for a named event
// (VANTOR_FAKE_INFO_WAIT) or throws after writing (VANTOR_FAKE_INFO_THROW).
#include <windows.h>

#include <stdexcept>
#include <string>

namespace {

std::string Environment(const char* name)
{
    char value[256] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
    return length > 0 && length < sizeof value ? std::string(value, length) : std::string();
}

void WaitIfAsked()
{
    const std::string name = Environment("VANTOR_FAKE_INFO_WAIT");
    if (name.empty())
        return;
    if (HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, name.c_str())) {
        // Bounded, so a test that fails before setting it still ends.
        WaitForSingleObject(event, 60000);
        CloseHandle(event);
    }
}

void Write(const std::string& folder, const char* ini, const char* section, const char* entry)
{
    CreateDirectoryA(folder.c_str(), nullptr);
    const std::string path = folder + "\\" + ini;
    WritePrivateProfileStringA("Root", "Count", "1", path.c_str());
    WritePrivateProfileStringA("Root", "1", (std::string("0|") + section).c_str(), path.c_str());
    WritePrivateProfileStringA(section, "Count", "1", path.c_str());
    WritePrivateProfileStringA(section, "1", entry, path.c_str());
    if (HANDLE page = CreateFileA((folder + "\\index.htm").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        page != INVALID_HANDLE_VALUE) {
        const char html[] = "<html><body>fake</body></html>";
        DWORD written = 0;
        WriteFile(page, html, sizeof html - 1, &written, nullptr);
        CloseHandle(page);
    }
    if (!Environment("VANTOR_FAKE_INFO_THROW").empty())
        throw std::runtime_error("fake information library failure");
}

}  // namespace

extern "C" __declspec(dllexport) unsigned char __cdecl PCI_GetAll(const char* folder)
{
    WaitIfAsked();
    Write(folder, "ZyPci.ini", "0-31-2", "1|Vendor|Fake Vendor");
    return 1;
}

extern "C" __declspec(dllexport) unsigned char __cdecl WMI_GetAll(const char* folder)
{
    WaitIfAsked();
    Write(folder, "ZyWmi.ini", "Win32_OperatingSystem", "1|Caption|Fake Windows");
    return 1;
}
