#include "alarm/DateText.h"

#include <gtest/gtest.h>

namespace vantor::monitor {
namespace {

TEST(AlertDate, TwelveHourClockWithTheUsersSeparators)
{
    struct Case {
        LocalDateTime time;
        const char* dateSeparator;
        const char* timeSeparator;
        const char* expected;
    };
    const Case cases[] = {
            {{2006, 3, 15, 22, 24}, "/", ":", "03/15/2006 at 10:24 pm"},
            {{2006, 3, 15, 0, 5}, "/", ":", "03/15/2006 at 12:05 am"},
            {{2006, 3, 15, 12, 0}, "/", ":", "03/15/2006 at 12:00 pm"},
            {{2006, 3, 15, 11, 59}, "/", ":", "03/15/2006 at 11:59 am"},
            {{2006, 3, 15, 13, 1}, "/", ":", "03/15/2006 at 01:01 pm"},
            {{2006, 12, 31, 23, 59}, ".", ".", "12.31.2006 at 11.59 pm"},
            {{999, 1, 2, 9, 7}, "-", "h", "01-02-0999 at 09h07 am"},
            {{2024, 7, 4, 6, 30}, " / ", "", "07 / 04 / 2024 at 0630 am"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatAlertDate(c.time, c.dateSeparator, c.timeSeparator), c.expected);
}

}  // namespace
}  // namespace vantor::monitor
