// What the usage and report windows share on Win32: their owner (the
// cover), the program folder their skins hang off, the window shape cut from
// the background skin, dragging by the background, the click sound and the
// modal loop. Windows builds.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace vantor::toolkit {
class TGoodForm;
class TImage;
}  // namespace vantor::toolkit

namespace vantor::views {

// The cover's window, or null while there is no cover.
HWND CoverWindowHandle();

// The program folder with its trailing backslash.
std::string ProgramFolder();
// The program file's full path.
std::string ProgramPath();

// Sizes the form to its background picture and cuts its outline: every
// pixel of the top-left pixel's colour is outside.
void ShapeToBackground(toolkit::TGoodForm& form, const toolkit::TImage& background);

// A left-button press on a background moves the window, as its caption would.
void DragWindowFromHere(toolkit::TGoodForm& form);

// The interface sound of tab clicks, when the user wants sounds.
void PlayClickSound(std::string_view name);

// Shows the form owned by `owner`, disables the owner and dispatches
// messages until `closed` says so (or the program is quitting, in which case
// the quit is passed on). The owner is enabled again afterwards.
void RunModal(toolkit::TGoodForm& form, HWND owner, const std::function<bool()>& closed);

}  // namespace vantor::views
