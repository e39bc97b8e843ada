// Windows: GetPrivateProfileStringA reads SmBIOS.ini.
#include "win/ProfileSmbiosNames.h"

#include <windows.h>

namespace vantor::dmi {

std::string ProfileSmbiosNames::Read(std::string_view section, std::string_view key) const
{
    // A 64-character buffer: at most 63 characters of a name.
    char value[kMaxNameLength + 1] = {};
    const DWORD length = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(), "", value,
                                                  sizeof value, m_path.c_str());
    return std::string(value, length);
}

}  // namespace vantor::dmi
