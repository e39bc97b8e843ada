// vantorctl watch against the simulated classic board: the processor
// temperature driven over its 60 degree threshold and back while watch runs
// must print and log one onset and one recovery line, and the settings file
// named on the command line must be written on exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

std::string Folder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path, length);
    return text.substr(0, text.find_last_of("\\/") + 1);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Starts vantorctl with stdout and stderr into outPath; null handle on failure.
HANDLE Start(const std::string& args, const std::string& outPath)
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE out = CreateFileA(outPath.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (out == INVALID_HANDLE_VALUE)
        return nullptr;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out;
    startup.hStdError = out;
    std::string command = "\"" + Folder() + "vantorctl.exe\" " + args;
    PROCESS_INFORMATION process{};
    const BOOL started =
            CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(out);
    if (!started)
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

// The exit code, or -1 when the program did not start or end in time.
int Finish(HANDLE process, DWORD timeoutMs)
{
    if (process == nullptr)
        return -1;
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0 || !GetExitCodeProcess(process, &code)) {
        TerminateProcess(process, 99);
        code = static_cast<DWORD>(-1);
    }
    CloseHandle(process);
    return static_cast<int>(code);
}

std::string TempPath(const char* name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

int RunCtl(const std::string& args) { return Finish(Start(args, TempPath("vantorctl_e2e_step.txt")), 15000); }

// Puts the classic board back whatever the test found.
struct RestoreBoard {
    ~RestoreBoard() { RunCtl("sim load classic"); }
};

TEST(VantorctlWatch, LogsOnsetAndRecoveryOfTheProcessorTemperature)
{
    RestoreBoard restore;
    const std::string logPath = Folder() + "vantorctl.vlg";
    const std::string settingsPath = TempPath("vantorctl_e2e_vantor.dat");
    const std::string outPath = TempPath("vantorctl_e2e_watch.txt");
    DeleteFileA(settingsPath.c_str());
    const std::string logBefore = ReadFile(logPath);

    ASSERT_EQ(RunCtl("sim set RTMP 0x06030000 950"), 0);
    HANDLE watch = Start("watch --settings \"" + settingsPath + "\" --interval-ms 500 --ticks 8", outPath);
    ASSERT_NE(watch, nullptr);
    Sleep(1600);
    EXPECT_EQ(RunCtl("sim set RTMP 0x06030000 450"), 0);
    ASSERT_EQ(Finish(watch, 20000), 0) << ReadFile(outPath);

    const std::string printed = ReadFile(outPath);
    const auto onset = printed.find("] CPU Temperature Abnormal, 95 degrees centigrade\r\n");
    const auto recovery = printed.find("] CPU Temperature become normal, 45 degrees centigrade\r\n");
    ASSERT_NE(onset, std::string::npos) << printed;
    ASSERT_NE(recovery, std::string::npos) << printed;
    EXPECT_LT(onset, recovery);
    EXPECT_EQ(printed.find("Abnormal"), printed.rfind("Abnormal")) << "one onset only:\n" << printed;

    // The log gained exactly the two printed lines, each starting with its date.
    const std::string log = ReadFile(logPath);
    ASSERT_GT(log.size(), logBefore.size());
    ASSERT_EQ(log.compare(0, logBefore.size(), logBefore), 0);
    std::istringstream added(log.substr(logBefore.size()));
    std::string first, second, third;
    std::getline(added, first);
    std::getline(added, second);
    EXPECT_FALSE(std::getline(added, third)) << third;
    EXPECT_EQ(first.front(), '[');
    EXPECT_NE(first.find("] CPU Temperature Abnormal, 95 degrees centigrade\r"), std::string::npos) << first;
    EXPECT_NE(second.find("] CPU Temperature become normal, 45 degrees centigrade\r"), std::string::npos) << second;
    EXPECT_NE(printed.find(first.substr(0, first.size() - 1)), std::string::npos);

    // Written back on exit, with the processor temperature's default threshold.
    EXPECT_NE(ReadFile(settingsPath).find("Temp0Threshold=600"), std::string::npos);
    DeleteFileA(settingsPath.c_str());
}

TEST(VantorctlWatch, RejectsBadArguments)
{
    for (const char* args :
         {"watch --ticks", "watch --ticks 0", "watch --interval-ms fast", "watch --verbose 1", "report extra"})
        EXPECT_EQ(RunCtl(args), 1) << args;
}

}  // namespace
