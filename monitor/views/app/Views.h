// The program's windows and shared services as the other windows reach them.
// Each window fills in its entry when it is created and clears it when it is
// destroyed; a caller finding an entry empty (a window not created yet, or
// already gone) skips the call. Everything here runs on the user-interface
// thread. Each interface belongs to its window's folder, which may add to it.
#pragma once

#include <string>

namespace vantor::monitor {
class Preferences;
class Sounds;
}  // namespace vantor::monitor

namespace vantor::views {

class MainPanelView;
class CoverView;
class ListView;
class GadgetsView;
class OptionsView;
class UsageView;
class ReportView;
class InfoBrowserView;

struct Views {
    MainPanelView* mainPanel = nullptr;
    CoverView* cover = nullptr;
    ListView* list = nullptr;
    GadgetsView* gadgets = nullptr;
    OptionsView* options = nullptr;
    UsageView* usage = nullptr;
    ReportView* report = nullptr;
    InfoBrowserView* infoBrowser = nullptr;

    // Owned by the program's entry for the whole run.
    monitor::Preferences* preferences = nullptr;  // Vantor.ini beside the program
    monitor::Sounds* sounds = nullptr;            // bound by the cover, unbound when it goes
    std::string programFolder;                    // with its trailing backslash
    bool startedAtBoot = false;
};

// The one set of the running program.
Views& TheViews();

}  // namespace vantor::views
