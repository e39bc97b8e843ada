// The auto-start value in the Wine registry: written, read back character
// for character, deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "prefs/AutoStart_win.h"

namespace vantor::monitor {
namespace {

constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr const char* kProgram = "C:\\Program Files\\Vantor\\Vantor.exe";

// Read straight from the registry, not through the store under test.
std::optional<std::string> RawRunValue()
{
    char data[512] = {};
    DWORD size = sizeof data - 1;
    DWORD type = 0;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, kRunKey, "Launch Vantor", RRF_RT_REG_SZ, &type, data, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(data);
}

TEST(AutoStartWin, WritesComparesAndDeletesTheRunValue)
{
    WinRegistryStore registry;
    const std::optional<std::string> before = registry.ReadRunValue();

    EXPECT_EQ(SetAutoStart(registry, kProgram, true), std::nullopt);
    EXPECT_EQ(RawRunValue(), std::optional<std::string>("\"C:\\Program Files\\Vantor\\Vantor.exe\" 1"));
    EXPECT_TRUE(ReadAutoStart(registry, kProgram));
    // Compared character for character: another spelling of the same path is
    // somebody else's entry.
    EXPECT_FALSE(ReadAutoStart(registry, "c:\\program files\\vantor\\vantor.exe"));

    EXPECT_EQ(SetAutoStart(registry, kProgram, false), std::nullopt);
    EXPECT_EQ(RawRunValue(), std::nullopt);
    EXPECT_FALSE(ReadAutoStart(registry, kProgram));
    EXPECT_EQ(SetAutoStart(registry, kProgram, false), std::nullopt) << "deleting a missing value is done";

    if (before)
        registry.WriteRunValue(*before);
}

}  // namespace
}  // namespace vantor::monitor
