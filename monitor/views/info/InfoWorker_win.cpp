// The worker thread (CreateThread), its hand-over of page files under a
// mutex, the posted messages and the report written through a temporary file
// and MoveFileExA, so the report window never reads half a report.
#include "info/InfoWorker_win.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <mutex>

#include "info/InfoPages.h"
#include "info/ProfileInfoIni_win.h"

namespace vantor::views {

struct InfoWorker::State {
    explicit State(InfoWorkerSetup s) : setup(std::move(s)), files(setup.programFolder) {}
    ~State()
    {
        if (reportAllowed)
            CloseHandle(reportAllowed);
        if (thread)
            CloseHandle(thread);
    }
    State(const State&) = delete;
    State& operator=(const State&) = delete;

    void Post(UINT message, WPARAM wParam)
    {
        if (HWND window = notify.load())
            PostMessageA(window, message, wParam, 0);
    }

    const InfoWorkerSetup setup;
    std::atomic<HWND> notify{nullptr};
    std::atomic<bool> abandoned{false};
    std::atomic<bool> finished{false};
    HANDLE reportAllowed = nullptr;  // manual-reset event
    HANDLE thread = nullptr;

    mutable std::mutex lock;
    PageFiles files;                                                                                // under lock
    std::array<LibraryRun, 3> runs{LibraryRun::Missing, LibraryRun::Missing, LibraryRun::Missing};  // under lock
};

namespace {

void RunWorker(const std::shared_ptr<InfoWorker::State>& stateRef);

DWORD WINAPI WorkerMain(LPVOID argument)
{
    // The thread holds its own reference, so the state outlives the window.
    std::unique_ptr<std::shared_ptr<InfoWorker::State>> state(
            static_cast<std::shared_ptr<InfoWorker::State>*>(argument));
    RunWorker(*state);
    (*state)->finished = true;
    return 0;
}

void RunWorker(const std::shared_ptr<InfoWorker::State>& state)
{
    const std::string& folder = state->setup.programFolder;
    for (int number : kLibraryOrder) {
        if (state->abandoned)
            return;
        const InfoPage& page = *FindInfoPage(number);
        const LibraryRun run = RunInfoLibrary(LibraryPath(folder, page), ExportName(page), OutputFolder(folder, page));
        {
            std::lock_guard<std::mutex> guard(state->lock);
            // Set whether or not the library ran: a missing library's page
            // shows its (absent) page rather than waiting for ever.
            state->files.Set(number, GeneratedPageFile(folder, page));
            state->runs[static_cast<std::size_t>(number - 1)] = run;
        }
        state->Post(kWmInfoPageReady, static_cast<WPARAM>(number));
    }
    // The report window writes its waiting text into the report file when it
    // is created, after this thread has started; the report goes over it.
    WaitForSingleObject(state->reportAllowed, INFINITE);
    if (state->abandoned)
        return;
    ProfileInfoIni ini;
    const InfoWorkerSetup& setup = state->setup;
    const TranslateFn texts = [&setup](std::string_view text) {
        if (text == "Date")
            return setup.dateLabel;
        if (text == "Time")
            return setup.timeLabel;
        if (text == "System Information Report")
            return setup.reportTitle;
        return std::string(text);
    };
    const std::string report = BuildSystemReport(ini, folder, LocalReportClock(), texts);
    if (state->abandoned)
        return;
    WriteSystemReport(setup.reportPath, report);
    state->Post(kWmInfoReportWritten, 0);
}

std::string LocaleText(LCTYPE type, const char* fallback)
{
    char text[16] = {};
    return GetLocaleInfoA(LOCALE_USER_DEFAULT, type, text, sizeof text) > 1 ? std::string(text) : fallback;
}

}  // namespace

InfoWorker::InfoWorker(InfoWorkerSetup setup) : m_state(std::make_shared<State>(std::move(setup)))
{
    m_state->notify = m_state->setup.notify;
    m_state->reportAllowed = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

InfoWorker::~InfoWorker()
{
    m_state->notify = nullptr;
    m_state->abandoned = true;
    // A worker waiting for the report window is let go; it writes nothing.
    if (m_state->reportAllowed)
        SetEvent(m_state->reportAllowed);
    // The event and thread handles stay with the state the thread still holds.
}

bool InfoWorker::Start()
{
    if (m_state->thread || !m_state->reportAllowed)
        return false;
    auto* argument = new std::shared_ptr<State>(m_state);
    m_state->thread = CreateThread(nullptr, 0, WorkerMain, argument, 0, nullptr);
    if (!m_state->thread) {
        delete argument;
        return false;
    }
    return true;
}

void InfoWorker::AllowReport()
{
    if (m_state->reportAllowed)
        SetEvent(m_state->reportAllowed);
}

PageFiles InfoWorker::Files() const
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return m_state->files;
}

LibraryRun InfoWorker::RunOf(int page) const
{
    std::lock_guard<std::mutex> guard(m_state->lock);
    return FindInfoPage(page) ? m_state->runs[static_cast<std::size_t>(page - 1)] : LibraryRun::Missing;
}

bool InfoWorker::Finished() const { return m_state->finished; }

HANDLE InfoWorker::Thread() const { return m_state->thread; }

bool WriteSystemReport(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".new";
    FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return false;
    const std::string lines = TextFileLines(text);
    const bool written = std::fwrite(lines.data(), 1, lines.size(), file) == lines.size();
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || !MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(temporary.c_str());
        return false;
    }
    return true;
}

ReportClock LocalReportClock()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    ReportClock clock;
    clock.year = now.wYear;
    clock.month = now.wMonth;
    clock.day = now.wDay;
    clock.hour = now.wHour;
    clock.minute = now.wMinute;
    clock.second = now.wSecond;
    clock.dateSeparator = LocaleText(LOCALE_SDATE, "/");
    clock.timeSeparator = LocaleText(LOCALE_STIME, ":");
    return clock;
}

}  // namespace vantor::views
