#include "startup/StartupOptions.h"

#include <gtest/gtest.h>

namespace vantor::monitor {
namespace {

TEST(StartupOptionsTest, ReadsBootStartAndDebugSwitch)
{
    struct Case {
        const char* commandLine;
        bool startedAtBoot;
        bool debugMode;
    };
    const Case cases[] = {
            {"", false, false},           {"1", true, false},   // as the auto-start value writes it
            {"1 debug", true, true},      {"12", true, false},  // only the first character counts
            {" 1", false, false},                               // a leading blank hides it
            {"DEBUG 1", false, true},                           // so does anything before it
            {"debug", false, true},       {"DeBuG", false, true},
            {"/nodebugger", false, true},  // also inside a longer word
            {"DEBU G", false, false},     {"DEBU", false, false},
            {"0", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.commandLine);
        const StartupOptions options = ParseStartupOptions(c.commandLine);
        EXPECT_EQ(options.StartedAtBoot, c.startedAtBoot);
        EXPECT_EQ(options.DebugMode, c.debugMode);
    }
}

}  // namespace
}  // namespace vantor::monitor
