// The program's run: Windows is needed for the message loop and the
// application window.
#include "app/ProgramRun_win.h"

#include <windows.h>

#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/ApplicationWindow_win.h"
#include "app/BroadcastHook_win.h"
#include "app/StandardError.h"
#include "app/Views.h"
#include "binding/HwPlatform_win.h"
#include "config/ProfileStore_win.h"
#include "cover/CoverView.h"
#include "info/InfoBrowserView.h"
#include "language/LanguageLibrary_win.h"
#include "list/ListView.h"
#include "mainpanel/MainPanelView.h"
#include "option/OptionsView.h"
#include "report/ReportView.h"
#include "usage/UsageView.h"
#include "prefs/Preferences.h"
#include "sound/SoundPlatform_win.h"
#include "startup/DisplayCheck.h"
#include "startup/ProgramFolder_win.h"
#include "language/ToolkitLanguage.h"
#include "toolkit/LanguageState.h"

namespace vantor::views {
namespace {

std::string ProgramFilePath()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

// The windows in creation order; destroyed in reverse order.
class ProgramWindows {
public:
    ~ProgramWindows() { DestroyAll(); }

    void Add(std::unique_ptr<ProgramWindow> window)
    {
        if (window)
            m_windows.push_back(std::move(window));
    }
    void DestroyAll()
    {
        while (!m_windows.empty())
            m_windows.pop_back();
    }

private:
    std::vector<std::unique_ptr<ProgramWindow>> m_windows;
};

void RunMessageLoop()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

template <class Step>
void Guarded(Step step)
{
    try {
        step();
    } catch (const std::exception& e) {
        ShowStandardError(e.what());
    } catch (...) {
        ShowStandardError("unknown error");
    }
}

}  // namespace

int RunVantor(const monitor::StartupOptions& options)
{
    // The toolkit asks the program's translation library about the language
    // (translated skins, the Japanese label shift).
    monitor::ToolkitLanguage language(monitor::ProgramLanguage());
    toolkit::SetLanguageState(&language);

    monitor::WinProfileStore profiles;
    monitor::Preferences preferences(profiles, monitor::PreferencesPath(ProgramFilePath()));
    Views& views = TheViews();
    views.preferences = &preferences;
    views.sounds = &monitor::ProgramSounds();
    views.programFolder = monitor::ProgramFolderOfProcess();
    views.startedAtBoot = options.StartedAtBoot;

    ApplicationWindow application;
    application.Create(std::string(monitor::kApplicationTitle));
    BroadcastHook broadcast(application.Handle(), [] {
        if (OptionsView* optionsWindow = TheViews().options)
            optionsWindow->RefreshFanControl();
    });

    {
        ProgramWindows windows;
        Guarded([&] {
            // The hook is the main panel's to install; it comes first so the
            // broadcast is heard from the first window on.
            broadcast.Install();
            windows.Add(CreateMainPanel());
            windows.Add(CreateCover());
            windows.Add(CreateInfoBrowser());
            windows.Add(CreateOptionsWindow());
            windows.Add(CreateListWindow());
            windows.Add(CreateUsageWindow());
            windows.Add(CreateReportWindow());
            // Its waiting text is in the report file: the information
            // worker may write the report over it now.
            if (InfoBrowserView* info = TheViews().infoBrowser)
                info->ReportWindowReady();
            // The loop's first show: the main panel places itself on the
            // cover, shows it and the enabled sensors' gadgets.
            if (MainPanelView* panel = TheViews().mainPanel)
                panel->ShowPanel();
            RunMessageLoop();
        });
        Guarded([&] { windows.DestroyAll(); });
    }

    views.preferences = nullptr;
    views.sounds = nullptr;
    toolkit::SetLanguageState(nullptr);
    return 0;
}

}  // namespace vantor::views
