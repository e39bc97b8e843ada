// The main panel as the other windows use it: the warning light, the tray
// image, the arrangement caption and the panel's flags.
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
    virtual bool SoundEffects() const = 0;    // "bSoundEffect"
    virtual bool PanelClosed() const = 0;     // slid in behind the cover
};

// Creates the main panel (hidden; the message loop shows it) and fills in
// TheViews().mainPanel. Null when the window cannot be made.
std::unique_ptr<ProgramWindow> CreateMainPanel();

}  // namespace vantor::views
