// The standard Open and Save As dialogs behind a seam, for the options
// window's Load and Save As: the window asks for a profile's name; tests may
// hand in their own answer or drive the real dialogs. Windows only.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

namespace vantor::views {

class ProfileDialogs {
public:
    virtual ~ProfileDialogs() = default;
    // The chosen file, or nothing when the user cancelled. Both dialogs open
    // in `folder` with the filter "name|pattern".
    virtual std::optional<std::string> ChooseSave(HWND owner, const std::string& filter, const std::string& folder) = 0;
    virtual std::optional<std::string> ChooseOpen(HWND owner, const std::string& filter, const std::string& folder) = 0;
};

// GetSaveFileNameA (overwrite prompt, default extension "vtp") and
// GetOpenFileNameA (the file must exist).
std::unique_ptr<ProfileDialogs> MakeWindowsProfileDialogs();

}  // namespace vantor::views
