// The memory store stands in for the Windows profile functions in every
// configuration test, so it is held to their visible behaviour here.
#include "core/MemoryProfileStore.h"

#include <gtest/gtest.h>

namespace vantor::monitor {
namespace {

constexpr const char* kPath = "C:\\Vantor\\test.ini";

TEST(MemoryProfileStoreTest, ReadsLikeGetPrivateProfileString)
{
    MemoryProfileStore store;
    store.SetFileText(kPath,
                      "; a comment\r\n"
                      "[Main]\r\n"
                      "  Width =  640  \r\n"
                      "Name=\"quoted text\"\r\n"
                      "Half=\"open\r\n"
                      "Bare\r\n"
                      "Width=999\r\n"
                      "[other]\n"
                      "Width=1\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Main", "Width", "640"},   // blanks around key and value trimmed; first key wins
        {"MAIN", "width", "640"},   // names without regard to case
        {"Main", "Name", "quoted text"},
        {"Main", "Half", "\"open"}, // an unmatched quote stays
        {"Main", "Bare", "fallback"}, // a line without '=' has no value
        {"Other", "Width", "1"},    // LF-only lines read too
        {"Main", "Missing", "fallback"},
        {"Nowhere", "Width", "fallback"},
    };
    for (const Case& c : cases) {
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
    ASSERT_TRUE(store.WriteString(kPath, "A", "One", "1"));
    ASSERT_TRUE(store.WriteString(kPath, "B", "Two", "2"));
    ASSERT_TRUE(store.WriteString(kPath, "a", "Three", "3")); // into the existing section A
    ASSERT_TRUE(store.WriteString(kPath, "A", "ONE", "11"));  // in place, stored spelling kept
    EXPECT_EQ(store.FileText(kPath), "[A]\r\nOne=11\r\nThree=3\r\n[B]\r\nTwo=2\r\n");

    store.SetFileText(kPath, "[A]\r\nOne=1\r\n[B]\r\n");
    ASSERT_TRUE(store.WriteString(kPath, "A", "Two", "2"));
    EXPECT_EQ(store.FileText(kPath), "[A]\r\nOne=1\r\nTwo=2\r\n[B]\r\n");
    EXPECT_FALSE(store.HasSection(kPath, "B")); // a section without keys lists nothing
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
