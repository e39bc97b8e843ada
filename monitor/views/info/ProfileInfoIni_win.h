// The information INI files read with the Windows profile functions.
// Windows builds.
#pragma once

#include "info/InfoIniFiles.h"

namespace vantor::views {

class ProfileInfoIni final : public InfoIniFiles {
public:
    std::vector<std::string> SectionNames(const std::string& path) override;
    std::string ReadString(const std::string& path, const std::string& section, const std::string& key) override;
};

}  // namespace vantor::views
