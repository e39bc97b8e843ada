// The profile store of the Windows builds (ProfileStore_win.cpp).
#pragma once

#include "config/ProfileStore.h"

namespace vantor::monitor {

#if defined(_WIN32)
class WinProfileStore final : public ProfileStore {
public:
    std::string ReadString(std::string_view path, std::string_view section, std::string_view key,
                           std::string_view fallback) override;
    bool WriteString(std::string_view path, std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool HasSection(std::string_view path, std::string_view section) override;
};
#endif

}  // namespace vantor::monitor
