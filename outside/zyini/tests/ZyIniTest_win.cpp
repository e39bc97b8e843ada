// ZyIni.dll loaded by name, its files read back with GetPrivateProfileStringA
// as the information browser reads them.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ZyIni.h"

namespace {

template <typename Fn>
Fn Bind(HMODULE module, const char* name)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

std::string Read(const std::string& path, const char* section, const char* key)
{
    std::vector<char> buffer(4096);
    GetPrivateProfileStringA(section, key, "<absent>", buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    return buffer.data();
}

std::vector<std::string> SectionNames(const std::string& path)
{
    std::vector<char> buffer(1 << 16);
    const DWORD n = GetPrivateProfileSectionNamesA(buffer.data(), static_cast<DWORD>(buffer.size()), path.c_str());
    std::vector<std::string> names;
    for (DWORD at = 0; at < n && buffer[at] != '\0'; at += static_cast<DWORD>(names.back().size()) + 1)
        names.emplace_back(&buffer[at]);
    return names;
}

class ZyIni : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Loaded afresh for each test, so no state carries over.
        module = LoadLibraryA(ZYINI_LIBRARY_NAME);
        ASSERT_NE(module, nullptr);
        initial = Bind<IniFileInitialFn>(module, INI_FILE_INITIAL_NAME);
        root = Bind<IniWriteRootSectionFn>(module, INI_WRITE_ROOT_SECTION_NAME);
        count = Bind<IniWriteCountFn>(module, INI_WRITE_COUNT_NAME);
        item = Bind<IniWriteItemFn>(module, INI_WRITE_ITEM_NAME);
        value = Bind<IniWriteValueFn>(module, INI_WRITE_VALUE_NAME);
        filename = Bind<IniWriteFilenameFn>(module, INI_WRITE_FILENAME_NAME);
        displayname = Bind<IniWriteDisplaynameFn>(module, INI_WRITE_DISPLAYNAME_NAME);
        ASSERT_TRUE(initial && root && count && item && value && filename && displayname);

        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "zyini-test-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
        path = folder + "\\ZyDMI.ini";
    }

    void TearDown() override
    {
        FreeLibrary(module);
        DeleteFileA(path.c_str());
        RemoveDirectoryA(folder.c_str());
    }

    // One value section the way the DMI library writes it.
    void WriteValueSection(const std::string& section, const char* title,
                           const std::vector<std::pair<std::string, std::string>>& values)
    {
        count(section.c_str(), 1);
        filename(section.c_str(), section.c_str());
        displayname(section.c_str(), title);
        int k = 0;
        for (const auto& [key, text] : values)
            value(section.c_str(), ++k, key.c_str(), text.c_str());
        count(section.c_str(), k);
    }

    HMODULE module = nullptr;
    IniFileInitialFn initial = nullptr;
    IniWriteRootSectionFn root = nullptr;
    IniWriteCountFn count = nullptr;
    IniWriteItemFn item = nullptr;
    IniWriteValueFn value = nullptr;
    IniWriteFilenameFn filename = nullptr;
    IniWriteDisplaynameFn displayname = nullptr;
    std::string folder, path;
};

TEST_F(ZyIni, TheProfileFunctionsReadBackWhatWasWritten)
{
    WritePrivateProfileStringA("Old", "Stale", "1", path.c_str());  // replaced by IniFileInitial
    ASSERT_EQ(Read(path, "Old", "Stale"), "1");

    initial(path.c_str());
    count("Root", 0);
    root(1, "Type0");
    WriteValueSection("Type0", "BIOS Information",
                      {{"Vendor", "<Acme & Sons> \"BIOS\""}, {"Version", "1.0\r\n[Root]\r\nCount=7"}});
    root(2, "Type17");
    for (int i = 1; i <= 2; ++i) {
        const std::string child = "Type17-" + std::to_string(i);
        count("Type17", 2);
        item("Type17", i, child.c_str());
        WriteValueSection(child, "Memory Device", {{"Size", std::to_string(4096 * i) + " MB"}});
    }
    count("Root", 2);

    EXPECT_EQ(Read(path, "Old", "Stale"), "<absent>");
    EXPECT_EQ(SectionNames(path), (std::vector<std::string>{"Root", "Type0", "Type17", "Type17-1", "Type17-2"}));
    const struct {
        const char* section;
        const char* key;
        const char* expected;
    } entries[] = {
            {"Root", "Count", "2"},
            {"Root", "1", "0|Type0"},
            {"Root", "2", "0|Type17"},
            {"Type0", "Count", "2"},
            {"Type0", "FileName", "Type0"},
            {"Type0", "DisplayName", "BIOS Information"},
            {"Type0", "1", "1|Vendor|<Acme & Sons> \"BIOS\""},
            {"Type0", "2", "1|Version|1.0  [Root]  Count=7"},  // stays on its line
            {"Type17", "Count", "2"},
            {"Type17", "2", "0|Type17-2"},
            {"Type17-2", "Count", "1"},
            {"Type17-2", "DisplayName", "Memory Device"},
            {"Type17-2", "1", "1|Size|8192 MB"},
    };
    for (const auto& e : entries)
        EXPECT_EQ(Read(path, e.section, e.key), e.expected) << e.section << "/" << e.key;
}

TEST_F(ZyIni, WritesBeforeAFileIsStartedGoNowhere)
{
    count("Root", 5);
    value("Type0", 1, "Vendor", "x");
    initial(nullptr);
    count("Root", 5);
    EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
    initial(path.c_str());
    count(nullptr, 1);  // a null section is the empty name, not a crash
    value("Type0", 1, nullptr, nullptr);
    EXPECT_EQ(Read(path, "Root", "Count"), "<absent>");
    EXPECT_EQ(Read(path, "Type0", "1"), "1||");
}

TEST_F(ZyIni, ManySectionsAndLongTextsStayWhole)
{
    const std::string longText(3000, 'x');
    const auto started = std::chrono::steady_clock::now();
    initial(path.c_str());
    constexpr int kSections = 300;
    for (int s = 1; s <= kSections; ++s) {
        const std::string section = "Type" + std::to_string(s);
        root(s, section.c_str());
        std::vector<std::pair<std::string, std::string>> values;
        for (int k = 1; k <= 10; ++k)
            values.emplace_back("Key" + std::to_string(k), k == 10 ? longText : "Value " + std::to_string(k));
        WriteValueSection(section, "Section", values);
    }
    count("Root", kSections);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("%d sections, %d writes in %.2f s\n", kSections, kSections * 14 + 2, seconds);

    EXPECT_EQ(SectionNames(path).size(), kSections + 1u);
    EXPECT_EQ(Read(path, "Root", "300"), "0|Type300");
    EXPECT_EQ(Read(path, "Type300", "9"), "1|Key9|Value 9");
    const std::string cut = Read(path, "Type150", "10");
    EXPECT_EQ(cut.size(), 1023u) << "an entry is cut at 1023 characters";
    EXPECT_EQ(cut.substr(0, 8), "1|Key10|");
}

}  // namespace
