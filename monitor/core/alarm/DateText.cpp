#include "alarm/DateText.h"

#include <cstdio>

namespace vantor::monitor {
namespace {

std::string Padded(int value, int width)
{
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", width, value);
    return text;
}

}  // namespace

std::string FormatAlertDate(const LocalDateTime& time, std::string_view dateSeparator, std::string_view timeSeparator)
{
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    std::string text;
    text += Padded(time.month, 2);
    text += dateSeparator;
    text += Padded(time.day, 2);
    text += dateSeparator;
    text += Padded(time.year, 4);
    text += " at ";
    text += Padded(hour12, 2);
    text += timeSeparator;
    text += Padded(time.minute, 2);
    text += time.hour < 12 ? " am" : " pm";
    return text;
}

}  // namespace vantor::monitor
