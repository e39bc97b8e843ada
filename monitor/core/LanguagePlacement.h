// The two run-time uses of the active language outside the layout tables:
// controls placed by code (a label sits 3 pixels lower in Japanese, to make
// room for the taller Shift-JIS glyphs) and skin bitmaps replaced by copies
// in the language's folder.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/LanguageBinding.h"
#include "core/LayoutControl.h"

namespace vantor::monitor {

// Sets left and top of control (which may be absent); a label goes 3 pixels
// lower when the active language's name is "Japanese".
void PlaceControl(LayoutControl* control, int left, int top, LanguageBinding& language);
void SizeControl(LayoutControl* control, int width, int height);
// Left, top, width, height in that order.
void PlaceAndSize(LayoutControl* control, int left, int top, int width, int height, LanguageBinding& language);

// Where a language copy of the skin file path would lie: languageFolder,
// the name of the folder that holds the file, and the file name, joined by
// backslashes. Empty when path is not a skin path (no "Res" in it, letter
// case as written), has no folder, or no language folder is given.
std::optional<std::string> LanguageCopyPath(std::string_view path, std::string_view languageFolder);

}  // namespace vantor::monitor
