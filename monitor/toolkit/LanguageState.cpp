#include "toolkit/LanguageState.h"

namespace vantor::toolkit {
namespace {

class EnglishOnly : public LanguageState {
public:
    bool FullyAvailable() const override { return false; }
    std::string Folder() const override { return {}; }
    std::string Name() const override { return {}; }
};

const LanguageState* g_language = nullptr;

}  // namespace

void SetLanguageState(const LanguageState* state) { g_language = state; }

const LanguageState& CurrentLanguage()
{
    static const EnglishOnly english;
    return g_language ? *g_language : english;
}

bool IsJapanese(const LanguageState& language) { return language.FullyAvailable() && language.Name() == "Japanese"; }

std::optional<std::string> LanguageSkinPath(std::string_view path, const LanguageState& language)
{
    if (path.find("Res") == std::string_view::npos || !language.FullyAvailable())
        return std::nullopt;
    const std::string folder = language.Folder();
    if (folder.empty())
        return std::nullopt;
    const std::size_t fileStart = path.find_last_of('\\');
    if (fileStart == std::string_view::npos || fileStart + 1 == path.size() || fileStart == 0)
        return std::nullopt;
    const std::string_view directory = path.substr(0, fileStart);
    const std::size_t folderStart = directory.find_last_of('\\');
    const std::string_view lastFolder =
            folderStart == std::string_view::npos ? directory : directory.substr(folderStart + 1);
    if (lastFolder.empty())
        return std::nullopt;
    std::string result = folder;
    result += '\\';
    result += lastFolder;
    result += '\\';
    result += path.substr(fileStart + 1);
    return result;
}

}  // namespace vantor::toolkit
