// Types 11 to 14: OEM strings, configuration options, BIOS languages and
// group associations.
#include <algorithm>

#include "core/Decoders.h"
#include "core/ValueText.h"

namespace vantor::dmi {

DecodedValues DecodeDescriptions(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    const int count = s.Byte(0x04).value_or(0);
    for (int k = 1; k <= count; ++k) {
        out.Add("Description " + Decimal(k), s.StringNumber(static_cast<std::size_t>(k)));
    }
    return out.Take();
}

DecodedValues DecodeBiosLanguage(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    const auto count = s.Byte(0x04);
    if (!count) {
        return out.Take();
    }
    out.Add("Installable Language", Decimal(*count));
    for (int k = 1; k <= *count; ++k) {
        // Language names are "language|territory|encoding".
        std::string language = s.StringNumber(static_cast<std::size_t>(k));
        std::replace(language.begin(), language.end(), '|', ',');
        out.Add("Language " + Decimal(k), language);
    }
    return out.Take();
}

DecodedValues DecodeGroupAssociation(const Structure& s, const SmbiosNames& names)
{
    ValueList out(s, names);
    out.AddString("Group Name", 0x04);
    out.AddByte("Type", 0x05, [](std::uint8_t type) { return "0x" + Hex(type, 2); });
    return out.Take();
}

}  // namespace vantor::dmi
