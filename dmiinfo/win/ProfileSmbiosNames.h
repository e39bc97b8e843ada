// SmBIOS.ini read through the Windows profile functions: the shell's lookup
// of enumerated SMBIOS names.
#pragma once

#include <string>
#include <string_view>

#include "core/SmbiosNames.h"

namespace vantor::dmi {

class ProfileSmbiosNames final : public SmbiosNames {
public:
    explicit ProfileSmbiosNames(std::string path) : m_path(std::move(path)) {}
    std::string Read(std::string_view section, std::string_view key) const override;

private:
    std::string m_path;
};

}  // namespace vantor::dmi
