// The main panel as the other windows use it: the warning light, the tray
// image, the arrangement caption and the panel's flags, and what the cover
// and the program's entry need to show, hide and place it.
#pragma once

#include <memory>

#include "app/ProgramWindow.h"

namespace vantor::views {

class MainPanelView {
public:
    virtual ~MainPanelView() = default;

    // The warning light over the panel (shown while a sensor is abnormal).
    virtual void ShowWarningLight(bool visible) = 0;
    // The tray icon's image: 0 quiet, 1 warning.
    virtual void SetTrayImage(int index) = 0;
    // The arrangement field: the translated name of arrangement 0..3, or
    // "User" when the index is negative.
    virtual void ShowArrangementName(int arrangementIndex) = 0;

    virtual bool SmallGadgets() const = 0;    // "bSmall"
    virtual bool GadgetsEnabled() const = 0;  // "bEnableAirCraft"
    virtual bool SoundEffects() const = 0;    // "bEnableSoundEffect"
    virtual bool PanelClosed() const = 0;     // slid in behind the cover

    // Shows the panel and the cover. The first show (the message loop's)
    // puts the panel on the cover, slides it in when it was closed at the
    // last exit, and brings up the gadgets once.
    virtual void ShowPanel() = 0;
    virtual void HidePanel() = 0;
    // False while the windows are hidden to the tray (Restore brings them back).
    virtual bool WindowsShown() const = 0;
    virtual void SetWindowsShown(bool shown) = 0;

    // The panel's window (HWND): owner of the cover.
    virtual void* WindowHandle() const = 0;
    // The cover's left minus the panel's left: 0 open, 270 closed.
    virtual int CoverOffset() const = 0;
    // Applies the panel's layout table (the cover's creation does); the
    // number of rows applied, -1 when a control has none.
    virtual int ApplyLayoutTable() = 0;
};

// Creates the main panel (hidden; the message loop shows it) and fills in
// TheViews().mainPanel. Null when the window cannot be made.
std::unique_ptr<ProgramWindow> CreateMainPanel();

}  // namespace vantor::views
