// Applying a window's compiled-in layout table to a skinned window with the
// program's language deciding the translation and Japanese rules. Every
// window calls ApplyWindowLayout once while it is created. Windows only.
#pragma once

#include "app/ControlLayout.h"

namespace vantor::toolkit {
class TGoodForm;
}

namespace vantor::views {

// The result of ApplyLayoutSnapshot: controls applied plus one, or -1 for a
// control the table does not name.
int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table);
// The same with a given language (tests).
int ApplyWindowLayout(toolkit::TGoodForm& form, monitor::LayoutTable table, monitor::LayoutLanguage& language);

}  // namespace vantor::views
