#include "prefs/AutoStart.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace vantor::monitor {
namespace {

constexpr const char* kProgram = "C:\\Program Files\\Vantor\\Vantor.exe";

class FakeRegistry final : public RegistryStore {
public:
    std::optional<std::string> value;
    bool refuse = false;
    int writes = 0;
    int deletes = 0;

    std::optional<std::string> ReadRunValue() override { return value; }
    bool WriteRunValue(std::string_view data) override
    {
        ++writes;
        if (refuse)
            return false;
        value = std::string(data);
        return true;
    }
    bool DeleteRunValue() override
    {
        ++deletes;
        if (refuse)
            return false;
        value.reset();
        return true;
    }
};

TEST(AutoStartTest, OnOnlyForOurExactText)
{
    EXPECT_EQ(AutoStartData(kProgram), "\"C:\\Program Files\\Vantor\\Vantor.exe\" 1");
    struct Case {
        std::optional<std::string> stored;
        bool expected;
    };
    const Case cases[] = {
            {"\"C:\\Program Files\\Vantor\\Vantor.exe\" 1", true},
            {"\"C:\\PROGRAM FILES\\Vantor\\Vantor.exe\" 1", false},  // letter case counts
            {"\"C:\\Old\\Vantor.exe\" 1", false},
            {"C:\\Program Files\\Vantor\\Vantor.exe 1", false},
            {"\"C:\\Program Files\\Vantor\\Vantor.exe\"", false},
            {"", false},
            {std::nullopt, false},  // key or value missing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.value_or("<missing>"));
        FakeRegistry registry;
        registry.value = c.stored;
        EXPECT_EQ(ReadAutoStart(registry, kProgram), c.expected);
        EXPECT_EQ(registry.value, c.stored);  // reading neither corrects nor removes
        EXPECT_EQ(registry.writes + registry.deletes, 0);
    }
}

TEST(AutoStartTest, ToggleWritesOrDeletes)
{
    FakeRegistry registry;
    registry.value = "\"C:\\Old\\Vantor.exe\" 1";
    EXPECT_EQ(SetAutoStart(registry, kProgram, true), std::nullopt);
    EXPECT_EQ(registry.value, AutoStartData(kProgram));  // a stale value is overwritten
    EXPECT_TRUE(ReadAutoStart(registry, kProgram));
    EXPECT_EQ(SetAutoStart(registry, kProgram, false), std::nullopt);
    EXPECT_EQ(registry.value, std::nullopt);
    EXPECT_EQ(registry.writes, 1);
    EXPECT_EQ(registry.deletes, 1);

    registry.refuse = true;
    const std::optional<std::string> error = SetAutoStart(registry, kProgram, true);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "Unable to write to HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");
}

}  // namespace
}  // namespace vantor::monitor
