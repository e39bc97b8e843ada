// The seam in front of the profile functions the system information report
// reads the information libraries' INI files with: the section names in file
// order (GetPrivateProfileSectionNamesA) and one value, empty when the file,
// section or key is missing (GetPrivateProfileStringA with an empty default).
#pragma once

#include <string>
#include <vector>

namespace vantor::views {

class InfoIniFiles {
public:
    virtual ~InfoIniFiles() = default;
    // Empty when the file is missing.
    virtual std::vector<std::string> SectionNames(const std::string& path) = 0;
    virtual std::string ReadString(const std::string& path, const std::string& section, const std::string& key) = 0;
};

}  // namespace vantor::views
