#include "core/LanguagePlacement.h"

namespace vantor::monitor {

void PlaceControl(LayoutControl* control, int left, int top, LanguageBinding& language)
{
    if (control == nullptr)
        return;
    control->SetLeft(left);
    const bool lower = control->Type() == ControlType::Label && language.IsJapaneseName();
    control->SetTop(lower ? top + kJapaneseLabelShift : top);
}

void SizeControl(LayoutControl* control, int width, int height)
{
    if (control == nullptr)
        return;
    control->SetWidth(width);
    control->SetHeight(height);
}

void PlaceAndSize(LayoutControl* control, int left, int top, int width, int height, LanguageBinding& language)
{
    PlaceControl(control, left, top, language);
    SizeControl(control, width, height);
}

std::optional<std::string> LanguageCopyPath(std::string_view path, std::string_view languageFolder)
{
    if (languageFolder.empty() || path.find("Res") == std::string_view::npos)
        return std::nullopt;
    const std::size_t fileStart = path.rfind('\\');
    if (fileStart == std::string_view::npos || fileStart == 0)
        return std::nullopt;
    const std::size_t folderStart = path.rfind('\\', fileStart - 1);
    const std::size_t nameStart = folderStart == std::string_view::npos ? 0 : folderStart + 1;
    const std::string_view folder = path.substr(nameStart, fileStart - nameStart);
    const std::string_view file = path.substr(fileStart + 1);
    if (folder.empty() || file.empty())
        return std::nullopt;
    return std::string(languageFolder) + "\\" + std::string(folder) + "\\" + std::string(file);
}

}  // namespace vantor::monitor
