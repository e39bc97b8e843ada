#include "gadget/LedText.h"

namespace vantor::views {
namespace {

std::string Picture(std::string_view set, std::string_view suffix)
{
    std::string name = "img";
    name += set;
    name += '_';
    name += suffix;
    return name;
}

std::string PictureOf(char c, std::string_view set)
{
    if (c >= '0' && c <= '9')
        return Picture(set, std::string(1, c));
    if (c == '.')
        return Picture(set, "10");
    if (c == '%' && set == kThresholdDigits)
        return Picture(set, "12");
    return Picture(set, "11");
}

}  // namespace

std::array<std::string, kLedSlots> LedSlotPictures(std::string_view text, std::string_view set, bool voltageThreshold)
{
    std::string shown(text);
    if (voltageThreshold && set == kThresholdDigits)
        shown += '%';
    std::array<std::string, kLedSlots> slots;
    slots.fill(Picture(set, "11"));
    for (std::size_t i = 0; i < kLedSlots && i < shown.size(); ++i)
        slots[kLedSlots - 1 - i] = PictureOf(shown[shown.size() - 1 - i], set);
    return slots;
}

}  // namespace vantor::views
