// The controls the main panel window has, in z-order (the last on top), and
// the ones that only hold pictures. The layout table names exactly these.
// Pure: builds the tree the window and the tests share.
#pragma once

#include <string_view>

#include "toolkit/Control.h"

namespace vantor::views {

enum class PanelControlKind {
    Image,
    Label,
};

struct PanelControl {
    std::string_view name;
    PanelControlKind kind;
    bool hidden;  // picture holders (below the shaped area) and the unused apply button
};

// The window's controls; the window's own name is "frmMainPanel".
extern const PanelControl kMainPanelControls[];
extern const std::size_t kMainPanelControlCount;
inline constexpr std::string_view kMainPanelName = "frmMainPanel";

// Adds them under `root`, the hidden ones hidden.
void AddPanelControls(toolkit::Control& root, const PanelControl* controls, std::size_t count);
inline void AddMainPanelControls(toolkit::Control& root)
{
    AddPanelControls(root, kMainPanelControls, kMainPanelControlCount);
}

}  // namespace vantor::views
