// Small layout helpers the windows use on their controls: placing and sizing
// (absent controls are ignored), fonts, showing numbered groups of controls,
// and enabling a skinned button with its state picture.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/Control.h"

namespace vantor::toolkit {

// A label sits 3 pixels lower when the active language is named "Japanese".
void PlaceControl(Control* control, int left, int top);
void SizeControl(Control* control, int width, int height);
// Left, top, width, height, in that order.
void PlaceAndSize(Control* control, int left, int top, int width, int height);

// An edit box or a label takes the face and height; other controls are left alone.
void SetControlFont(Control* control, const std::string& face, int height);

// Shows or hides prefix + n for n = first .. first + count - 1, where such a
// control exists.
void SetControlsVisible(const Control& window, std::string_view prefix, int count, int first, bool visible);

// The button takes the picture of its "Up" (enabled) or "Ds" (disabled)
// companion and is enabled or disabled, when both exist; otherwise nothing changes.
void SetButtonEnabled(const Control& window, std::string_view button, bool enabled);

}  // namespace vantor::toolkit
