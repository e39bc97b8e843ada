// The end-to-end driver: Windows is needed for processes, files and windows.
#include "testing/VantorProcess_win.h"

#include <fstream>
#include <iterator>

namespace vantor::views::testing {
namespace {

// What Vantor.exe loads from its folder. Libraries the build did not make
// (the information libraries of other parts of the tree) are skipped.
constexpr const char* kRequiredFiles[] = {"Vantor.exe", "VantorHw.dll", "ZyIO.dll", "soundplay.dll", "ZyMultiLang.dll"};
constexpr const char* kOptionalFiles[] = {"PowerDll.dll", "cpuutil.dll",   "ZyMultiLang.ini", "ZyDmi.dll",
                                          "ZyWmi.dll",    "ZyPci.dll",     "ZyIni.dll",       "ZyHtmlEngine.dll",
                                          "SmBIOS.ini",   "WMIConfig.ini", "wait.htm",        "pci.ids"};
constexpr const char* kFolders[] = {"Res", "Sound", "Language"};

bool IsDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool ok = true;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        const std::string source = from + "\\" + name, target = to + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            ok = CopyTree(source, target) && ok;
        else
            ok = CopyFileA(source.c_str(), target.c_str(), FALSE) && ok;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return ok;
}

void RemoveTree(const std::string& folder)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string path = folder + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

struct WindowSearch {
    DWORD process = 0;
    std::vector<FoundWindow> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context)
{
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process)
        return TRUE;
    FoundWindow entry;
    entry.window = window;
    char text[256] = {};
    GetClassNameA(window, text, sizeof text);
    entry.className = text;
    text[0] = '\0';
    GetWindowTextA(window, text, sizeof text);
    entry.caption = text;
    entry.visible = IsWindowVisible(window) != FALSE;
    GetWindowRect(window, &entry.bounds);
    search->found.push_back(entry);
    return TRUE;
}

}  // namespace

std::string BuildFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path, length);
    return text.substr(0, text.find_last_of("\\/") + 1);
}

ProgramFolder::ProgramFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "vantor-e2e-" + name + "-" + std::to_string(GetCurrentProcessId()) + "\\";
    RemoveTree(m_path.substr(0, m_path.size() - 1));
    CreateDirectoryA(m_path.c_str(), nullptr);
    const std::string build = BuildFolder();
    for (const char* file : kRequiredFiles) {
        if (!CopyFileA((build + file).c_str(), (m_path + file).c_str(), FALSE)) {
            m_complete = false;
            m_missing += std::string(file) + " ";
        }
    }
    for (const char* file : kOptionalFiles)
        CopyFileA((build + file).c_str(), (m_path + file).c_str(), FALSE);
    for (const char* folder : kFolders) {
        if (IsDirectory(build + folder))
            CopyTree(build + folder, m_path + folder);
        else if (std::string(folder) != "Language") {
            m_complete = false;
            m_missing += std::string(folder) + "\\ ";
        }
    }
}

ProgramFolder::~ProgramFolder() { RemoveTree(m_path.substr(0, m_path.size() - 1)); }

bool ProgramFolder::Exists(const std::string& relative) const
{
    return GetFileAttributesA((m_path + relative).c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProgramFolder::Read(const std::string& relative) const
{
    std::ifstream in(m_path + relative, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ProgramFolder::Write(const std::string& relative, const std::string& text) const
{
    std::ofstream out(m_path + relative, std::ios::binary | std::ios::trunc);
    out << text;
    return static_cast<bool>(out);
}

void ProgramFolder::Remove(const std::string& relative) const { DeleteFileA((m_path + relative).c_str()); }

VantorProcess::~VantorProcess()
{
    if (m_process == nullptr)
        return;
    if (Running() && !End())
        Terminate();
    CloseHandle(m_process);
}

bool VantorProcess::Start(const ProgramFolder& folder, const std::string& arguments)
{
    if (m_process != nullptr)
        return false;
    std::string command = "\"" + folder.Path() + "Vantor.exe\"";
    if (!arguments.empty())
        command += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.Path().c_str(), &startup,
                        &process))
        return false;
    CloseHandle(process.hThread);
    m_process = process.hProcess;
    m_id = process.dwProcessId;
    // Its windows exist once it waits for input for the first time.
    WaitForInputIdle(m_process, 20000);
    return true;
}

bool VantorProcess::Running() const
{
    return m_process != nullptr && WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> VantorProcess::WaitForExit(DWORD timeoutMs)
{
    if (m_process == nullptr || WaitForSingleObject(m_process, timeoutMs) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    if (!GetExitCodeProcess(m_process, &code))
        return std::nullopt;
    return code;
}

std::vector<FoundWindow> VantorProcess::Windows() const
{
    WindowSearch search;
    search.process = m_id;
    if (m_id != 0)
        EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VantorProcess::FindWindowOf(const std::string& className, const std::string& caption) const
{
    for (const FoundWindow& found : Windows()) {
        if (found.className == className && (caption.empty() || found.caption == caption))
            return found.window;
    }
    return nullptr;
}

HWND VantorProcess::WaitForWindow(const std::string& className, const std::string& caption, DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND window = FindWindowOf(className, caption))
            return window;
        if (GetTickCount() - start >= timeoutMs || !Running())
            return nullptr;
        Sleep(50);
    }
}

HWND VantorProcess::WaitForVisibleWindow(const std::string& className, const std::string& caption,
                                         DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = FindWindowOf(className, caption);
        if (window != nullptr && IsWindowVisible(window))
            return window;
        if (GetTickCount() - start >= timeoutMs || !Running())
            return nullptr;
        Sleep(50);
    }
}

bool VantorProcess::End(DWORD timeoutMs)
{
    if (!Running())
        return true;
    HWND mainPanel = nullptr;
    HWND application = nullptr;
    for (const FoundWindow& found : Windows()) {
        if (found.className == kApplicationClass)
            application = found.window;
        else if (found.caption == kMainPanelCaption)
            mainPanel = found.window;
    }
    if (mainPanel != nullptr)
        PostMessageA(mainPanel, WM_USER, 0, 0);
    else if (application != nullptr)
        PostMessageA(application, WM_CLOSE, 0, 0);
    if (WaitForExit(timeoutMs))
        return true;
    Terminate();
    return false;
}

void VantorProcess::Terminate()
{
    if (m_process != nullptr && Running()) {
        TerminateProcess(m_process, 99);
        WaitForSingleObject(m_process, 10000);
    }
}

}  // namespace vantor::views::testing
