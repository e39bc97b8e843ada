#include "gadget/LedText.h"

#include <gtest/gtest.h>

namespace vantor::views {
namespace {

using Slots = std::array<std::string, kLedSlots>;

TEST(LedSlotPictures, FillsFiveSlotsFromTheRight)
{
    struct Case {
        const char* text;
        std::string_view set;
        bool voltage;
        Slots expected;
    };
    const Case cases[] = {
            {"45", kGreenDigits, false, {"imgL_11", "imgL_11", "imgL_11", "imgL_4", "imgL_5"}},
            {"12.19", kRedDigits, false, {"imgAL_1", "imgAL_2", "imgAL_10", "imgAL_1", "imgAL_9"}},
            {"2250", kGreenDigits, false, {"imgL_11", "imgL_2", "imgL_2", "imgL_5", "imgL_0"}},
            {"", kGreenDigits, false, {"imgL_11", "imgL_11", "imgL_11", "imgL_11", "imgL_11"}},
            // Threshold digits: voltages get their percent sign.
            {"10", kThresholdDigits, true, {"imgS_11", "imgS_11", "imgS_1", "imgS_0", "imgS_12"}},
            {"90.5", kThresholdDigits, false, {"imgS_11", "imgS_9", "imgS_0", "imgS_10", "imgS_5"}},
            {"1234", kThresholdDigits, true, {"imgS_1", "imgS_2", "imgS_3", "imgS_4", "imgS_12"}},
            // The percent sign goes with the threshold set only.
            {"10", kGreenDigits, true, {"imgL_11", "imgL_11", "imgL_11", "imgL_1", "imgL_0"}},
            // Longer than five: the last five show.
            {"123456", kGreenDigits, false, {"imgL_2", "imgL_3", "imgL_4", "imgL_5", "imgL_6"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LedSlotPictures(c.text, c.set, c.voltage), c.expected) << c.text;
}

// A negative rail, a reading below zero: every slot shows the red set, the
// minus sign blanks its slot instead of leaving the last drawing's digit.
TEST(LedSlotPictures, AMinusSignOrALongReadingKeepsEverySlotInTheDrawnSet)
{
    EXPECT_EQ(LedSlotPictures("-12.05", kRedDigits), (Slots{"imgAL_1", "imgAL_2", "imgAL_10", "imgAL_0", "imgAL_5"}));
    EXPECT_EQ(LedSlotPictures("-5.00", kRedDigits), (Slots{"imgAL_11", "imgAL_5", "imgAL_10", "imgAL_0", "imgAL_0"}));
    EXPECT_EQ(LedSlotPictures("-3", kRedDigits), (Slots{"imgAL_11", "imgAL_11", "imgAL_11", "imgAL_11", "imgAL_3"}));
    for (const char* text : {"-12.05", "-5.00", "-3", "100000", "x"}) {
        for (const std::string& slot : LedSlotPictures(text, kRedDigits))
            EXPECT_EQ(slot.rfind("imgAL_", 0), 0u) << text << " " << slot;
    }
}

}  // namespace
}  // namespace vantor::views
