// The memory store stands in for the Windows profile functions in every
// configuration test, so it is held to their visible behaviour here.
#include "config/MemoryProfileStore.h"

#include <gtest/gtest.h>

#include "config/tests/ProfileStoreCases.h"

namespace vantor::monitor {
namespace {

constexpr const char* kPath = "C:\\Vantor\\test.ini";

TEST(MemoryProfileStoreTest, ReadsLikeGetPrivateProfileString)
{
    MemoryProfileStore store;
    store.SetFileText(kPath, cases::kReadFileText);
    for (const auto& c : cases::kReadCases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(store.ReadString(kPath, c.section, c.key, "fallback"), c.expected);
    }
    EXPECT_EQ(store.ReadString("C:\\none.ini", "Main", "Width", "x"), "x");
    EXPECT_TRUE(store.HasSection(kPath, "other"));
    EXPECT_FALSE(store.HasSection(kPath, "absent"));
}

TEST(MemoryProfileStoreTest, WritesReplaceInPlaceAndAppendToTheirSection)
{
    MemoryProfileStore store;
    EXPECT_FALSE(store.FileExists(kPath));
    for (const auto& step : cases::kWriteSteps)
        ASSERT_TRUE(store.WriteString(kPath, step.section, step.key, step.value));
    EXPECT_EQ(store.FileText(kPath), cases::kWrittenText);

    store.SetFileText(kPath, "[A]\r\nOne=1\r\n[B]\r\n");
    ASSERT_TRUE(store.WriteString(kPath, "A", "Two", "2"));
    EXPECT_EQ(store.FileText(kPath), "[A]\r\nOne=1\r\nTwo=2\r\n[B]\r\n");
    EXPECT_FALSE(store.HasSection(kPath, "B"));  // a section without keys lists nothing
}

TEST(MemoryProfileStoreTest, ReadOnlyFileRefusesWrites)
{
    MemoryProfileStore store;
    store.SetFileText(kPath, "[A]\r\nOne=1\r\n");
    store.SetReadOnly(kPath, true);
    EXPECT_FALSE(store.WriteString(kPath, "A", "One", "2"));
    EXPECT_EQ(store.FileText(kPath), "[A]\r\nOne=1\r\n");
    store.SetReadOnly(kPath, false);
    EXPECT_TRUE(store.WriteString(kPath, "A", "One", "2"));
    EXPECT_EQ(store.ReadString(kPath, "A", "One", ""), "2");
}

}  // namespace
}  // namespace vantor::monitor
