// The SmBIOS.ini that ships beside the program, loaded once for the tests.
#pragma once

#include <stdexcept>

#include "core/IniNameTable.h"

namespace vantor::dmi::test {

inline const IniNameTable& ShippedNames()
{
    static const IniNameTable names = [] {
        auto loaded = IniNameTable::Load(DMIINFO_SMBIOS_INI);
        if (!loaded) {
            throw std::runtime_error("cannot read " DMIINFO_SMBIOS_INI);
        }
        return *loaded;
    }();
    return names;
}

}  // namespace vantor::dmi::test
