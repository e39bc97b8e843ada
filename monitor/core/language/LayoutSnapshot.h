// Applying a window's layout table when the window is created: every control
// found by name, depth first, takes its row's geometry and font height; the
// captions and hints are translated and, for Japanese, the fonts switch to
// the Shift-JIS character set and labels sit 3 pixels lower.
#pragma once

#include "language/LayoutControl.h"
#include "language/LayoutRecord.h"

namespace vantor::monitor {

// What the text rules need to know about the language, asked per control.
class LayoutLanguage {
public:
    virtual ~LayoutLanguage() = default;
    // The translation library is fully available.
    virtual bool CanTranslate() = 0;
    // Fully available and the active language is Japanese.
    virtual bool IsJapanese() = 0;
    virtual std::string Translate(std::string_view text) = 0;
};

inline constexpr int kLayoutNameMissing = -1;
inline constexpr int kJapaneseLabelShift = 3;

// Applies the font height and the language rules of the control's type.
void ApplyControlText(LayoutControl& control, int fontHeight, LayoutLanguage& language);

// Applies table to window and its controls. Returns the number of controls
// applied plus one for the window itself, or -1 when a name has no row: the
// walk stops there, and the window keeps its own geometry.
int ApplyLayoutSnapshot(LayoutControl& window, LayoutTable table, LayoutLanguage& language);

}  // namespace vantor::monitor
