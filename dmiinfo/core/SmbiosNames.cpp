#include "core/SmbiosNames.h"

namespace vantor::dmi {

std::string NameKey(std::uint8_t value)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    return {kDigits[value >> 4], kDigits[value & 0x0F]};
}

std::string SmbiosName(const SmbiosNames& names, std::string_view section, std::uint8_t value)
{
    std::string text = names.Read(section, NameKey(value));
    if (text.empty()) {
        return "Unknown";
    }
    if (text.size() > kMaxNameLength) {
        text.resize(kMaxNameLength);
    }
    return text;
}

}  // namespace vantor::dmi
