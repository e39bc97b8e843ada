#include "InfoPaths.h"

namespace vantor::infoini {

std::vector<std::string> FolderPrefixes(std::string_view path)
{
    std::vector<std::string> prefixes;
    for (std::size_t at = path.find('\\'); at != std::string_view::npos; at = path.find('\\', at + 1)) {
        if (at > 0)
            prefixes.emplace_back(path.substr(0, at));
    }
    if (!path.empty() && path.back() != '\\')
        prefixes.emplace_back(path);
    return prefixes;
}

std::string JoinPath(std::string_view folder, std::string_view name, std::size_t limit)
{
    if (folder.size() + 1 + name.size() >= limit)
        return {};
    std::string path(folder);
    path += '\\';
    path += name;
    return path;
}

}  // namespace vantor::infoini
