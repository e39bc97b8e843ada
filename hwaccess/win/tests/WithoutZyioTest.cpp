// VantorHw.dll in a folder without ZyIO.dll: it says so once in a message
// box, which this test reads and closes, and then works without it. The
// library is loaded by a child program (LoadProbe) so that the box appears
// while that program's loader is busy, not ours.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DeviceTestSupport.h"

namespace vantor::hw::testing {
namespace {

struct BoxWatch {
    DWORD process = 0;
    int boxes = 0;
    std::vector<std::string> texts;
};

BOOL CALLBACK CollectText(HWND child, LPARAM param)
{
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0) {
        char text[256] = {};
        GetWindowTextA(child, text, sizeof text);
        if (text[0] != '\0')
            reinterpret_cast<BoxWatch*>(param)->texts.emplace_back(text);
    }
    return TRUE;
}

// Reads and answers (OK) a message box of the watched process.
BOOL CALLBACK AnswerBox(HWND window, LPARAM param)
{
    auto* watch = reinterpret_cast<BoxWatch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (process != watch->process || lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window))
        return TRUE;
    EnumChildWindows(window, CollectText, param);
    ++watch->boxes;
    SendMessageA(window, WM_COMMAND, IDOK, 0);
    return FALSE;
}

TEST(WithoutZyio, LibraryLoadsAfterSayingSoOnce)
{
    const std::string folder = ProgramFolder() + "without-zyio\\";
    ASSERT_EQ(GetFileAttributesA((folder + "ZyIO.dll").c_str()), INVALID_FILE_ATTRIBUTES);
    // The probe's message box needs the desktop; without it (a prefix started
    // with no display) no box could appear and the test would prove nothing.
    HWND warmUp = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(GetDesktopWindow(), nullptr);
    ASSERT_NE(warmUp, nullptr) << "no desktop: was the Wine prefix started without a display?";
    DestroyWindow(warmUp);

    std::string command = "\"" + folder + "vantorhw_load_probe.exe\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                               &child));
    BoxWatch watch;
    watch.process = child.dwProcessId;
    DWORD waited = 0;
    while (WaitForSingleObject(child.hProcess, 20) == WAIT_TIMEOUT && waited < 30000) {
        waited += 20;
        EnumWindows(AnswerBox, reinterpret_cast<LPARAM>(&watch));
    }
    DWORD exitCode = 1000;
    if (WaitForSingleObject(child.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(child.hProcess, 1000);
    GetExitCodeProcess(child.hProcess, &exitCode);
    CloseHandle(child.hThread);
    CloseHandle(child.hProcess);

    EXPECT_EQ(watch.boxes, 1);
    EXPECT_EQ(watch.texts, std::vector<std::string>{"ZyIO.dll Load Failure"});
    EXPECT_EQ(exitCode, 0u) << "failed checks in the probe (its output is above)";
}

}  // namespace
}  // namespace vantor::hw::testing
