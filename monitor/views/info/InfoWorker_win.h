// The information worker: a thread that runs the PCI, DMI and WMI libraries
// once, one after the other, switches each page from the waiting page to its
// generated page, and then writes the system information report. The user
// interface thread hears of each step through messages posted to its window
// and reads the page files through PageFile, never while the worker changes
// them. Windows builds.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "info/InfoLibrary_win.h"
#include "info/InfoPages.h"
#include "info/SystemReport.h"

namespace vantor::views {

// Posted to the notified window: a page's file changed (wParam: the page),
// the report was written.
inline constexpr UINT kWmInfoPageReady = WM_APP + 0x41;
inline constexpr UINT kWmInfoReportWritten = WM_APP + 0x42;

struct InfoWorkerSetup {
    std::string programFolder;  // with its trailing backslash
    std::string reportPath;     // the program path with ".ifo"
    // "System Information Report", "Date" and "Time", translated on the
    // user interface thread before the worker starts.
    std::string reportTitle = "System Information Report";
    std::string dateLabel = "Date";
    std::string timeLabel = "Time";
    HWND notify = nullptr;
};

class InfoWorker {
public:
    explicit InfoWorker(InfoWorkerSetup setup);
    // Not waited for: a library may be inside a long call (or a message box)
    // when the program ends. The thread is left to the process's end; from
    // here on it posts nothing and writes no report.
    ~InfoWorker();
    InfoWorker(const InfoWorker&) = delete;
    InfoWorker& operator=(const InfoWorker&) = delete;

    // Starts the thread at once. False when it could not be made.
    bool Start();
    // The report window has written its waiting text into the report file:
    // the worker may write the report over it from now on.
    void AllowReport();

    // The files the pages show now; any thread.
    PageFiles Files() const;
    // How each library's run went, for diagnostics; Missing until it ran.
    LibraryRun RunOf(int page) const;
    // True once the thread has finished.
    bool Finished() const;
    HANDLE Thread() const;

    // What the thread and the window share; the thread keeps it alive.
    struct State;

private:
    std::shared_ptr<State> m_state;
};

// Writes the report text into `path` whole (a Windows text file); false when
// it cannot be written.
bool WriteSystemReport(const std::string& path, const std::string& text);

// The local date and time with the user's separators.
ReportClock LocalReportClock();

}  // namespace vantor::views
