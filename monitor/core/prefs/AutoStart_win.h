// The Run key of the Windows builds (AutoStart_win.cpp).
#pragma once

#include "prefs/AutoStart.h"

namespace vantor::monitor {

#if defined(_WIN32)
// HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Run, value
// "Launch Vantor".
class WinRegistryStore final : public RegistryStore {
public:
    std::optional<std::string> ReadRunValue() override;
    bool WriteRunValue(std::string_view data) override;
    bool DeleteRunValue() override;
};
#endif

}  // namespace vantor::monitor
