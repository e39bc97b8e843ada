// The pure start-up rules: colour depth, control messages, the broadcast,
// the program folder.
#include <gtest/gtest.h>

#include <optional>

#include "startup/BroadcastRule.h"
#include "startup/ControlMessages.h"
#include "startup/DisplayCheck.h"
#include "startup/ProgramFolder.h"

namespace vantor::monitor {
namespace {

TEST(ProgramFolderTest, IsThePathUpToItsLastSeparator)
{
    struct Case {
        const char* path;
        const char* folder;
    };
    const Case cases[] = {
            {"C:\\Program Files\\Vantor\\Vantor.exe", "C:\\Program Files\\Vantor\\"},
            {"C:\\Vantor.exe", "C:\\"},
            {"Z:/tmp/vantor/Vantor.exe", "Z:/tmp/vantor/"},
            {"Vantor.exe", ""},
            {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FolderOfProgramPath(c.path), c.folder) << c.path;
}

TEST(DisplayCheckTest, RefusesFewerThan256Colours)
{
    EXPECT_FALSE(ColourDepthSupported(0));
    EXPECT_FALSE(ColourDepthSupported(4));
    EXPECT_FALSE(ColourDepthSupported(7));
    EXPECT_TRUE(ColourDepthSupported(8));
    EXPECT_TRUE(ColourDepthSupported(32));
}

TEST(ControlMessagesTest, MapsWmUserToWmUserPlus7)
{
    const std::pair<std::uint32_t, std::optional<ControlAction>> cases[] = {
            {1023, std::nullopt},
            {1024, ControlAction::EndRun},
            {1025, ControlAction::Minimise},
            {1026, ControlAction::None},
            {1027, ControlAction::Restore},
            {1028, ControlAction::None},
            {1029, ControlAction::None},
            {1030, ControlAction::BringToFront},
            {1031, ControlAction::None},
            {1032, std::nullopt},
            {0, std::nullopt},
            {0xFFFFFFFFu, std::nullopt},
    };
    for (const auto& [message, action] : cases) {
        SCOPED_TRACE(message);
        EXPECT_EQ(ControlActionFor(message), action);
    }
}

TEST(BroadcastRuleTest, RefreshesOncePerPostingAndOnlyForFanSettingsChanged)
{
    const int applicationWindow = 0;
    const int mainPanel = 0;
    const int cover = 0;
    constexpr std::uint32_t broadcast = 0xC123;

    // One posting to HWND_BROADCAST lands in the queue once per top-level
    // window of the process; exactly one copy must act.
    int refreshes = 0;
    for (const void* window : {static_cast<const void*>(&mainPanel), static_cast<const void*>(&applicationWindow),
                               static_cast<const void*>(&cover)}) {
        if (ShouldRefreshFanSettings({window, broadcast, 5717}, broadcast, &applicationWindow))
            ++refreshes;
    }
    EXPECT_EQ(refreshes, 1);

    EXPECT_FALSE(ShouldRefreshFanSettings({&applicationWindow, broadcast, 5716}, broadcast, &applicationWindow));
    EXPECT_FALSE(ShouldRefreshFanSettings({&applicationWindow, broadcast + 1, 5717}, broadcast, &applicationWindow));
    // A failed registration (id 0) must not turn every message 0 into a refresh.
    EXPECT_FALSE(ShouldRefreshFanSettings({&applicationWindow, 0, 5717}, 0, &applicationWindow));
    EXPECT_FALSE(ShouldRefreshFanSettings({nullptr, broadcast, 5717}, broadcast, nullptr));
}

}  // namespace
}  // namespace vantor::monitor
