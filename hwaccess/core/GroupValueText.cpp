#include "core/GroupValueText.h"

#include "core/NumberText.h"

namespace vantor::hw {

std::string GroupValueText(std::uint32_t kind, std::int64_t value)
{
    switch (kind) {
    case 1:
        return FormatFixed(static_cast<double>(value) / 100, 2);
    case 2:
        return FormatFixed(static_cast<double>(value) / 1000, 3);
    case 3:
        return FormatWhole(value / 10);
    case 4:
    case 6:
        return FormatWhole(value);
    case 5:
        return FormatWhole(value) + "%";
    default:
        return {};
    }
}

}  // namespace vantor::hw
