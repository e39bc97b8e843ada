#include "report/SaveDialog_win.h"

#include <commdlg.h>

#include <memory>

namespace vantor::views {
namespace {

class WindowsSaveDialog final : public SaveDialog {
public:
    std::optional<std::string> Choose(HWND owner, const SaveTarget& target, const std::string& folder) override
    {
        // "name|pattern" becomes "name\0pattern\0\0".
        std::string filter(target.filter);
        filter.push_back('\0');
        for (char& c : filter) {
            if (c == '|')
                c = '\0';
        }
        filter.push_back('\0');
        char file[MAX_PATH] = {};
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filter.c_str();
        dialog.lpstrFile = file;
        dialog.nMaxFile = sizeof file;
        dialog.lpstrInitialDir = folder.c_str();
        dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST;
        if (!GetSaveFileNameA(&dialog))
            return std::nullopt;
        return std::string(file);
    }
};

}  // namespace

std::unique_ptr<SaveDialog> MakeWindowsSaveDialog() { return std::make_unique<WindowsSaveDialog>(); }

}  // namespace vantor::views
