// vantorctl sim: the simulated board's test-control requests, sent straight
// to \\.\ZYKACPI (they are not part of VantorHw.dll).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Commands.h"
#include "ZykacpiIoctl.h"
#include "boardsim/BoardSim.h"

namespace vantorctl {
namespace {

bool ParseMethod(const std::string& text, std::uint32_t& word)
{
    if (text.size() != 4)
        return false;
    word = BS_METHOD_NAME(text[0], text[1], text[2], text[3]);
    return true;
}

bool ParseNumber(const std::string& text, long long low, long long high, long long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    value = std::strtoll(text.c_str(), &end, 0);
    return errno == 0 && end != nullptr && *end == '\0' && value >= low && value <= high;
}

bool FileExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A board file's path as given, or a shipped board's name: boards\NAME.ini
// beside this program, then %ProgramData%\Vantor\boards\NAME.ini.
std::string ResolveBoard(const std::string& board)
{
    const bool looksLikePath = board.find_first_of("\\/:") != std::string::npos ||
                               (board.size() > 4 && board.compare(board.size() - 4, 4, ".ini") == 0);
    if (looksLikePath) {
        char full[MAX_PATH];
        const DWORD length = GetFullPathNameA(board.c_str(), MAX_PATH, full, nullptr);
        return length > 0 && length < MAX_PATH ? std::string(full, length) : board;
    }
    const std::string beside = ProgramFolder() + "boards\\" + board + ".ini";
    if (FileExists(beside))
        return beside;
    char programData[MAX_PATH];
    const DWORD length = GetEnvironmentVariableA("ProgramData", programData, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        const std::string shipped = std::string(programData, length) + "\\Vantor\\boards\\" + board + ".ini";
        if (FileExists(shipped))
            return shipped;
    }
    return {};
}

// One test-control request; `output` receives what the device answers.
int Send(DWORD code, const void* input, DWORD length, void* output = nullptr, DWORD outputSize = 0,
         DWORD* returned = nullptr)
{
    HANDLE device = CreateFileA(ZYKACPI_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "vantorctl: the device %s is missing (system error %lu)\n", ZYKACPI_DEVICE_PATH,
                     GetLastError());
        return kExitMissing;
    }
    DWORD answered = 0;
    const BOOL ok =
            DeviceIoControl(device, code, const_cast<void*>(input), length, output, outputSize, &answered, nullptr);
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(device);
    if (returned != nullptr)
        *returned = answered;
    if (ok)
        return kExitOk;
    if (error == ERROR_ACCESS_DENIED)
        std::fprintf(stderr, "vantorctl: refused: the board served now does not enable test control\n");
    else
        std::fprintf(stderr, "vantorctl: the device refused the request (system error %lu)\n", error);
    return kExitRefused;
}

// Has the device load a board file and says why when it would not: the
// board file's line and reason as the simulator found them.
int LoadBoard(const std::string& path)
{
    ZykacpiReloadResult result{};
    DWORD returned = 0;
    const int code =
            Send(IOCTL_ZYKACPI_RELOAD, path.data(), static_cast<DWORD>(path.size()), &result, sizeof result, &returned);
    if (code != kExitOk)
        return code;
    if (returned != sizeof result) {
        std::fprintf(stderr, "vantorctl: the device did not say whether the board loaded\n");
        return kExitRefused;
    }
    if (result.status == 0)
        return kExitOk;
    result.error.file[sizeof result.error.file - 1] = '\0';
    result.error.message[sizeof result.error.message - 1] = '\0';
    std::string where;
    if (result.error.file[0] != '\0')
        where = std::string(result.error.file) + " ";
    if (result.error.line != 0)
        where += "line " + std::to_string(result.error.line) + ": ";
    std::fprintf(stderr, "vantorctl: board not loaded: %s%s (the board served before goes on)\n", where.c_str(),
                 result.error.message);
    return kExitRefused;
}

int SimUsage()
{
    std::fprintf(stderr, "usage: vantorctl sim set METHOD ITEMID RAW   (e.g. sim set RTMP 0x06030000 955)\n"
                         "       vantorctl sim fail METHOD on|off\n"
                         "       vantorctl sim load BOARD              (a board file, or a shipped board's name)\n");
    return kExitUsage;
}

}  // namespace

int RunSim(const std::vector<std::string>& args)
{
    if (args.empty())
        return SimUsage();
    const std::string& verb = args[0];
    if (verb == "set" && args.size() == 4) {
        BsSetRawRequest request{};
        long long itemId = 0, raw = 0;
        if (!ParseMethod(args[1], request.method) || !ParseNumber(args[2], 0, 0xFFFFFFFFLL, itemId) ||
            !ParseNumber(args[3], INT32_MIN, INT32_MAX, raw))
            return SimUsage();
        request.itemId = static_cast<std::uint32_t>(itemId);
        request.raw = static_cast<std::int32_t>(raw);
        return Send(IOCTL_ZYKACPI_SET_RAW, &request, sizeof request);
    }
    if (verb == "fail" && args.size() == 3 && (args[2] == "on" || args[2] == "off")) {
        BsFailMethodRequest request{};
        if (!ParseMethod(args[1], request.method))
            return SimUsage();
        request.fail = args[2] == "on" ? 1u : 0u;
        return Send(IOCTL_ZYKACPI_FAIL_METHOD, &request, sizeof request);
    }
    if (verb == "load" && args.size() == 2) {
        const std::string path = ResolveBoard(args[1]);
        if (path.empty()) {
            std::fprintf(stderr, "vantorctl: no board file or shipped board named '%s'\n", args[1].c_str());
            return kExitUsage;
        }
        return LoadBoard(path);
    }
    return SimUsage();
}

}  // namespace vantorctl
