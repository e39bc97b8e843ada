// Helpers for the Wine tests that put windows on the (Xvfb) screen: a message
// pump that lets them settle, and a screenshot of the whole screen taken with
// ImageMagick's import into $VANTOR_SCREENS_DIR when that is set.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <string>

namespace vantor::toolkit::test {

// Dispatches messages for about `ms` milliseconds.
inline void Pump(DWORD ms = 60)
{
    const DWORD end = GetTickCount() + ms;
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// Runs the Unix program import; Wine starts ELF programs given a path on its
// Z: drive, but does not let us wait for them, so the picture is awaited as
// a file whose size has settled. Returns false when no picture came (no
// directory set, no import installed).
inline bool SaveScreenshot(const std::string& name)
{
    const char* dir = std::getenv("VANTOR_SCREENS_DIR");
    if (!dir || !*dir)
        return false;
    Pump(100);
    CreateDirectoryA(("Z:" + std::string(dir)).c_str(), nullptr);
    const std::string file = std::string(dir) + "/" + name + ".png";
    const std::string windowsFile = "Z:" + file;
    DeleteFileA(windowsFile.c_str());
    std::string command = "Z:\\usr\\bin\\import -window root " + file;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    DWORD lastSize = 0;
    for (int i = 0; i < 300; ++i) {
        Sleep(50);
        WIN32_FILE_ATTRIBUTE_DATA data{};
        if (!GetFileAttributesExA(windowsFile.c_str(), GetFileExInfoStandard, &data))
            continue;
        if (data.nFileSizeLow != 0 && data.nFileSizeLow == lastSize)
            return true;
        lastSize = data.nFileSizeLow;
    }
    return false;
}

}  // namespace vantor::toolkit::test
