// The standard Save As dialog behind a seam: the report window asks it for a
// file name; tests hand in their own answer. Windows builds.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "report/ReportFiles.h"

namespace vantor::views {

class SaveDialog {
public:
    virtual ~SaveDialog() = default;
    // The chosen file name, or nothing when the user cancelled. The name
    // starts empty, the filter is the tab's and the dialog opens in `folder`.
    virtual std::optional<std::string> Choose(HWND owner, const SaveTarget& target, const std::string& folder) = 0;
};

// GetSaveFileNameA with an overwrite prompt, read-only box hidden, resizable.
std::unique_ptr<SaveDialog> MakeWindowsSaveDialog();

}  // namespace vantor::views
