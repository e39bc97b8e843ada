// Win32 helpers the main panel and the cover share: where the skins lie,
// moving windows by an amount, a picture's outline as a region, a bitmap as
// a tray icon, labels that take their caption's width, and the program's
// translation of run-time texts.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "toolkit/Picture.h"

namespace vantor::toolkit {
class TLabel;
}  // namespace vantor::toolkit

namespace vantor::views {

// TheViews().programFolder, or the folder of the running program when that
// is not set; with its trailing backslash.
std::string ProgramFolderPath();
// "<program folder>Res\<family>\", e.g. SkinFolder("main").
std::string SkinFolder(std::string_view family);

RECT WindowRectOf(HWND window);
// Keeps the size; nothing for a null window.
void MoveWindowBy(HWND window, int dx, int dy);
void MoveWindowTo(HWND window, int left, int top);

// The colour of a picture's pixel; CLR_INVALID without a bitmap or outside it.
COLORREF PictureColourAt(const toolkit::PicturePtr& picture, int x, int y);
// The picture's outline at (0, 0): every pixel but those of its top-left
// pixel's colour range (tolerance 255, red only). Null without a bitmap.
HRGN OutlineOf(const toolkit::PicturePtr& picture);

// A 16 x 16 icon from a bitmap file whose magenta pixels are see-through;
// null when the file cannot be read. The caller destroys it.
HICON IconFromBitmapFile(const std::string& path);

// Widens or narrows the label to its caption in its font, as an auto-sized
// label does.
void FitLabelWidth(toolkit::TLabel& label);

// The text in the active language (unchanged without the translation library).
std::string Translate(std::string_view text);

}  // namespace vantor::views
