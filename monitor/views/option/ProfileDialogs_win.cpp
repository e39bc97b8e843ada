// The profile dialogs on Windows: GetSaveFileNameA and GetOpenFileNameA.
#include "option/ProfileDialogs_win.h"

#include <commdlg.h>

namespace vantor::views {
namespace {

// "name|pattern" becomes "name\0pattern\0\0", as the dialogs take it.
std::string DialogFilter(const std::string& filter)
{
    std::string text = filter;
    for (char& c : text) {
        if (c == '|')
            c = '\0';
    }
    text.push_back('\0');
    text.push_back('\0');
    return text;
}

class WindowsProfileDialogs final : public ProfileDialogs {
public:
    std::optional<std::string> ChooseSave(HWND owner, const std::string& filter, const std::string& folder) override
    {
        return Run(owner, filter, folder, true);
    }
    std::optional<std::string> ChooseOpen(HWND owner, const std::string& filter, const std::string& folder) override
    {
        return Run(owner, filter, folder, false);
    }

private:
    static std::optional<std::string> Run(HWND owner, const std::string& filter, const std::string& folder, bool save)
    {
        const std::string filterText = DialogFilter(filter);
        char file[MAX_PATH] = {};
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = filterText.c_str();
        dialog.lpstrFile = file;
        dialog.nMaxFile = sizeof file;
        dialog.lpstrInitialDir = folder.c_str();
        dialog.lpstrDefExt = "vtp";
        dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
        dialog.Flags |= save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST;
        const BOOL chosen = save ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
        if (!chosen)
            return std::nullopt;
        return std::string(file);
    }
};

}  // namespace

std::unique_ptr<ProfileDialogs> MakeWindowsProfileDialogs() { return std::make_unique<WindowsProfileDialogs>(); }

}  // namespace vantor::views
