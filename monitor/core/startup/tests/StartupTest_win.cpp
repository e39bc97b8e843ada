// The start-up checks against the real system: the named mutex, the screen's
// colour depth and the decimal separator under a comma locale.
#include <windows.h>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

#include "startup/DecimalSeparator.h"
#include "startup/DisplayCheck.h"
#include "startup/SingleInstance.h"

namespace vantor::monitor {
namespace {

TEST(SingleInstanceTest, ASecondClaimOfTheSameNameReportsAlreadyRunning)
{
    // A name of this test's own so a running monitor is neither disturbed
    // nor able to disturb the test.
    const std::string name = "Vantor_SingleInstanceTest_" + std::to_string(GetCurrentProcessId());
    EXPECT_EQ(ClaimSingleInstance(name), InstanceClaim::First);
    EXPECT_EQ(ClaimSingleInstance(name), InstanceClaim::AlreadyRunning);

    // The first claim keeps the name: another process sees it too.
    HANDLE other = OpenMutexA(SYNCHRONIZE, FALSE, name.c_str());
    EXPECT_NE(other, nullptr);
    if (other != nullptr)
        CloseHandle(other);
}

TEST(SingleInstanceTest, TheProgramsMutexNameIsAValidKernelObjectName)
{
    // '#' is allowed; a backslash would not be. Claiming it here proves the
    // name is accepted (First, or AlreadyRunning if a monitor runs).
    EXPECT_NE(ClaimSingleInstance(), InstanceClaim::Failed);
}

TEST(DisplayCheckTest, TheTestDisplayPassesTheColourCheck)
{
    const int bits = ScreenBitsPerPixel();
    EXPECT_GE(bits, 8);
    EXPECT_TRUE(ColourDepthSupported(bits));
}

TEST(DecimalSeparatorTest, NumbersUseADotUnderACommaLocale)
{
    if (std::setlocale(LC_ALL, "German_Germany.1252") == nullptr && std::setlocale(LC_ALL, "German") == nullptr)
        GTEST_SKIP() << "no German locale in this system";
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    ASSERT_STREQ(text, "1,5");  // the locale really has a comma

    FixDecimalSeparator();
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    EXPECT_STREQ(text, "1.5");
    std::setlocale(LC_ALL, "C");
}

}  // namespace
}  // namespace vantor::monitor
