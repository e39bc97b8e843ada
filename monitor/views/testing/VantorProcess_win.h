// The end-to-end driver of the window tests: the real Vantor.exe started in
// a fresh program folder, its top-level windows found by class and caption,
// the files it writes read back, and the run ended as a user or another
// program would end it. Windows (under Wine) only.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vantor::views::testing {

// Folder of the running test program, where the build puts Vantor.exe and
// the libraries, skins and sounds beside it; with its trailing backslash.
std::string BuildFolder();

// A program folder of its own for one test: Vantor.exe and what it loads
// (the libraries, Res\, Sound\, the language files), copied from the build
// folder. Removed again, with everything the run wrote, when it goes.
class ProgramFolder {
public:
    explicit ProgramFolder(const std::string& name);
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    // With its trailing backslash.
    const std::string& Path() const { return m_path; }
    // False when a needed file could not be copied (the build lacks it).
    bool Complete() const { return m_complete; }
    const std::string& Missing() const { return m_missing; }

    bool Exists(const std::string& relative) const;
    // The file's bytes; empty when it is missing.
    std::string Read(const std::string& relative) const;
    bool Write(const std::string& relative, const std::string& text) const;
    void Remove(const std::string& relative) const;

private:
    std::string m_path;
    bool m_complete = true;
    std::string m_missing;
};

struct FoundWindow {
    HWND window = nullptr;
    std::string className;
    std::string caption;
    bool visible = false;
    RECT bounds{};
};

class VantorProcess {
public:
    VantorProcess() = default;
    // A run still going is ended (End, then Terminate).
    ~VantorProcess();
    VantorProcess(const VantorProcess&) = delete;
    VantorProcess& operator=(const VantorProcess&) = delete;

    // Starts folder\Vantor.exe with the command-line text. False when it
    // could not start.
    bool Start(const ProgramFolder& folder, const std::string& arguments = "");

    DWORD Id() const { return m_id; }
    // The process handle (all access), null before Start.
    HANDLE Handle() const { return m_process; }
    bool Running() const;
    // The exit code once it has ended within timeoutMs; nothing otherwise.
    std::optional<DWORD> WaitForExit(DWORD timeoutMs);

    // The process's top-level windows, shown or not.
    std::vector<FoundWindow> Windows() const;
    // The first window of the process with this class (and caption, when
    // given), waiting up to timeoutMs for it to appear; null when none came.
    HWND WaitForWindow(const std::string& className, const std::string& caption, DWORD timeoutMs) const;
    HWND FindWindowOf(const std::string& className, const std::string& caption) const;
    // The same, waiting until the window is also visible.
    HWND WaitForVisibleWindow(const std::string& className, const std::string& caption, DWORD timeoutMs) const;

    // Ends the run the way other programs do: WM_USER to the main panel
    // ("Vantor"); without one, WM_CLOSE to the application window. True when
    // it ended by itself within timeoutMs; otherwise it is terminated.
    bool End(DWORD timeoutMs = 30000);
    void Terminate();

private:
    HANDLE m_process = nullptr;
    DWORD m_id = 0;
};

// The application window's class and the main panel's caption.
inline constexpr const char* kApplicationClass = "VantorApplication";
inline constexpr const char* kMainPanelCaption = "Vantor";
// Every skinned window of the program has this class.
inline constexpr const char* kSkinnedClass = "VantorGoodForm";

}  // namespace vantor::views::testing
