// The date text of alert log lines: "mm/dd/yyyy at hh:mm am" where "/" and
// ":" are the user's date and time separators.
#pragma once

#include <string>
#include <string_view>

namespace vantor::monitor {

struct LocalDateTime {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
};

// Two-digit month, day, hour and minute, four-digit year, the 12-hour clock
// (12 for noon and midnight) and a lower-case "am" or "pm".
std::string FormatAlertDate(const LocalDateTime& time, std::string_view dateSeparator, std::string_view timeSeparator);

}  // namespace vantor::monitor
