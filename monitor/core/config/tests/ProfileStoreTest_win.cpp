// The same profile-file cases as the memory fake's, against the Windows
// profile functions themselves (run under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "config/tests/ProfileStoreCases.h"
#include "config/ProfileStore_win.h"

namespace vantor::monitor {
namespace {

std::string TempFile(const char* name)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void WriteFile(const std::string& path, const char* text) { std::ofstream(path, std::ios::binary) << text; }

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(WinProfileStoreTest, ReadsTheSharedCases)
{
    const std::string path = TempFile("vantor-profile-read.ini");
    WriteFile(path, cases::kReadFileText);
    WinProfileStore store;
    for (const auto& c : cases::kReadCases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(store.ReadString(path, c.section, c.key, "fallback"), c.expected);
    }
    EXPECT_TRUE(store.HasSection(path, "other"));
    EXPECT_FALSE(store.HasSection(path, "absent"));
    DeleteFileA(path.c_str());
}

TEST(WinProfileStoreTest, WritesTheSharedSequence)
{
    const std::string path = TempFile("vantor-profile-write.ini");
    DeleteFileA(path.c_str());
    WinProfileStore store;
    for (const auto& step : cases::kWriteSteps)
        ASSERT_TRUE(store.WriteString(path, step.section, step.key, step.value));
    EXPECT_EQ(ReadFile(path), cases::kWrittenText);

    DeleteFileA(path.c_str());

    // A refused write reports false. (A read-only file would do on Windows,
    // but tests run as root here, whom file modes do not stop.)
    EXPECT_FALSE(store.WriteString(TempFile("no-such-folder\\vantor.ini"), "A", "One", "1"));
}

}  // namespace
}  // namespace vantor::monitor
