// ZyHtmlEngine.dll loaded by name: INI files written with the profile
// functions (as the WMI library writes its own) and a realistic DMI file
// become index.htm, the section pages and the stylesheet.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ZyHtmlEngine.h"

namespace {

std::string WindowsPath(std::string path)
{
    if (!path.empty() && path.front() == '/')
        path = "Z:" + path;  // Wine's drive for the Unix root
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class ZyHtmlEngine : public ::testing::Test {
protected:
    void SetUp() override
    {
        module = LoadLibraryA(ZYHTML_LIBRARY_NAME);
        ASSERT_NE(module, nullptr);
        go = reinterpret_cast<HtmlEngineGoFn>(reinterpret_cast<void*>(GetProcAddress(module, HTML_ENGINE_GO_NAME)));
        ASSERT_NE(go, nullptr);
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "zyhtml-test-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
    }

    void TearDown() override
    {
        FreeLibrary(module);
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
            while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string In(const char* name) const { return folder + "\\" + name; }

    HMODULE module = nullptr;
    HtmlEngineGoFn go = nullptr;
    std::string folder;
};

TEST_F(ZyHtmlEngine, ProfileWrittenIniBecomesEscapedPages)
{
    const std::string ini = In("ZyWmi.ini");
    WritePrivateProfileStringA("Root", "Count", "1", ini.c_str());
    WritePrivateProfileStringA("Root", "1", "0|Win32_BIOS", ini.c_str());
    WritePrivateProfileStringA("Win32_BIOS", "Count", "2", ini.c_str());
    WritePrivateProfileStringA("Win32_BIOS", "1", "1|Manufacturer|<Acme> & \"Sons\"", ini.c_str());
    WritePrivateProfileStringA("Win32_BIOS", "2", "1|Version|ACME - 1072009", ini.c_str());

    EXPECT_EQ(go(0, folder.c_str(), folder.c_str()), 1);
    const std::string index = ReadText(In("index.htm"));
    const std::string page = ReadText(In("Win32_BIOS.htm"));
    EXPECT_TRUE(Exists(In("vantor-info.css")));
    EXPECT_NE(index.find("<a href=\"Win32_BIOS.htm\">Win32_BIOS</a>"), std::string::npos) << index;
    EXPECT_NE(page.find("<td>&lt;Acme&gt; &amp; &quot;Sons&quot;</td>"), std::string::npos) << page;
    EXPECT_NE(page.find("charset=windows-1252"), std::string::npos);
    EXPECT_EQ(page.find("<Acme>"), std::string::npos);
}

TEST_F(ZyHtmlEngine, WithoutItsIniFileTheIndexSaysSoAndTheResultIsFalse)
{
    EXPECT_EQ(go(1, folder.c_str(), folder.c_str()), 0);
    EXPECT_NE(ReadText(In("index.htm")).find("ZyDMI.ini could not be read"), std::string::npos);

    // An unknown kind or a missing folder writes nothing and fails.
    DeleteFileA(In("index.htm").c_str());
    EXPECT_EQ(go(7, folder.c_str(), folder.c_str()), 0);
    EXPECT_EQ(go(1, nullptr, folder.c_str()), 0);
    EXPECT_EQ(go(1, folder.c_str(), nullptr), 0);
    EXPECT_FALSE(Exists(In("index.htm")));
}

// The realistic DMI file, its pages kept for the screenshots.
TEST_F(ZyHtmlEngine, RealisticDmiFileMakesEveryPage)
{
    const std::string pages = WindowsPath(VANTOR_PAGES_FOLDER);
    CreateDirectoryA(pages.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(WindowsPath(VANTOR_DMI_FIXTURE).c_str(), (pages + "\\ZyDMI.ini").c_str(), FALSE));
    DeleteFileA((pages + "\\index.htm").c_str());

    EXPECT_EQ(go(1, pages.c_str(), pages.c_str()), 1);
    const std::string index = ReadText(pages + "\\index.htm");
    for (const char* file : {"Type0.htm", "Type1.htm", "Type3.htm", "Type4-1.htm", "Type4-2.htm", "Type7-3.htm",
                             "Type11.htm", "Type17-4.htm", "vantor-info.css"}) {
        EXPECT_TRUE(Exists(pages + "\\" + file)) << file;
        if (std::string(file).ends_with(".htm")) {
            EXPECT_NE(index.find(std::string("href=\"") + file + "\""), std::string::npos) << file;
        }
    }
    EXPECT_NE(index.find(">Memory Device</span>"), std::string::npos) << "the Type17 list is titled by its members";
    const std::string bios = ReadText(pages + "\\Type0.htm");
    EXPECT_NE(bios.find("P2.30 &lt;beta&gt; &amp; &quot;hotfix&quot;"), std::string::npos);
    EXPECT_NE(bios.find("<h1>BIOS Information (Type0)</h1>"), std::string::npos);
}

}  // namespace
