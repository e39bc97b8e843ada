// The controls the cover window has, in z-order; the layout table names
// exactly these. Pure.
#pragma once

#include <string_view>

#include "mainpanel/MainPanelControls.h"

namespace vantor::views {

extern const PanelControl kCoverControls[];
extern const std::size_t kCoverControlCount;
inline constexpr std::string_view kCoverName = "frmCover";

inline void AddCoverControls(toolkit::Control& root) { AddPanelControls(root, kCoverControls, kCoverControlCount); }

}  // namespace vantor::views
