// ZyMultiLang.dll as the program loads it: a copy of the built DLL in a
// scratch program folder with its INI file and language files, loaded by
// path, each export called through GetProcAddress.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

using TranslateStrFn = const char*(WINAPI*)(const char*);
using TranslateStrFFn = const char*(WINAPI*)(const char*, const char*, const char*);
using TextFn = const char*(WINAPI*)();

fs::path BuiltFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

std::wstring FromCodePage(const char* text, UINT codePage)
{
    const int length = MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 0)
        return L"<not valid in the code page>";
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text, -1, wide.data(), length);
    wide.resize(static_cast<std::size_t>(length - 1));
    return wide;
}

// A program folder holding the DLL, an optional INI setting and the
// languages copied from the build.
class LanguageFolder {
public:
    LanguageFolder(const char* iniText, std::initializer_list<const char*> languages)
    {
        m_root = fs::temp_directory_path() /
                 ("zymultilang-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++s_count));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        fs::copy_file(BuiltFolder() / "ZyMultiLang.dll", m_root / "ZyMultiLang.dll");
        if (iniText != nullptr)
            std::ofstream(m_root / "ZyMultiLang.ini") << iniText;
        for (const char* language : languages) {
            fs::create_directories(m_root / "Language" / language);
            fs::copy_file(BuiltFolder() / "Language" / language / "Vantor.lng",
                          m_root / "Language" / language / "Vantor.lng");
        }
        m_module = LoadLibraryA((m_root / "ZyMultiLang.dll").string().c_str());
    }
    ~LanguageFolder()
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    bool Loaded() const { return m_module != nullptr; }
    std::string Root() const { return m_root.string(); }
    template <typename Fn>
    Fn Get(const char* name) const
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(m_module, name)));
    }
    const char* Translate(const char* text) const { return Get<TranslateStrFn>("ZyTranslateStr")(text); }
    std::string Name() const { return Get<TextFn>("ZyGetLangName")(); }
    std::string Folder() const { return Get<TextFn>("ZyGetLangPathName")(); }

private:
    static inline int s_count = 0;
    fs::path m_root;
    HMODULE m_module = nullptr;
};

TEST(ZyMultiLang, ExportsTheFourFunctionsByTheirPlainNames)
{
    const LanguageFolder folder("[Language]\nName=German\n", {"German"});
    ASSERT_TRUE(folder.Loaded());
    for (const char* name : {"ZyTranslateStr", "ZyTranslateStrF", "ZyGetLangPathName", "ZyGetLangName"})
        EXPECT_NE(folder.Get<TextFn>(name), nullptr) << name;
}

TEST(ZyMultiLang, GermanInWindows1252)
{
    const LanguageFolder folder("[Language]\nName=German\n", {"German", "Japanese"});
    ASSERT_TRUE(folder.Loaded());
    EXPECT_EQ(folder.Name(), "German");
    EXPECT_EQ(folder.Folder(), folder.Root() + "\\Language\\German");
    EXPECT_STREQ(folder.Translate("Exit"), "Beenden");
    EXPECT_EQ(FromCodePage(folder.Translate("Close"), 1252), L"Schlie\u00DFen");
    EXPECT_STREQ(folder.Translate("Are you sure?"), "Sind Sie sicher?");
    const char* missing = "A text nobody translated";
    EXPECT_EQ(folder.Translate(missing), missing) << "a missing text comes back as it went in";
    EXPECT_STREQ(folder.Translate(nullptr), "");

    const auto translateF = folder.Get<TranslateStrFFn>("ZyTranslateStrF");
    EXPECT_STREQ(translateF("", "Unable to write to %s", "Vantor.ini"), "Vantor.ini kann nicht geschrieben werden");
    EXPECT_STREQ(translateF("Exit", "ignored", nullptr), "Beenden") << "a known key wins";
    EXPECT_STREQ(translateF(nullptr, "Untranslated %s", "x"), "Untranslated x");
    EXPECT_STREQ(translateF(nullptr, nullptr, nullptr), "");
}

TEST(ZyMultiLang, JapaneseInShiftJis)
{
    const LanguageFolder folder("[Language]\nName=Japanese\n", {"German", "Japanese"});
    ASSERT_TRUE(folder.Loaded());
    EXPECT_EQ(folder.Name(), "Japanese");
    EXPECT_EQ(folder.Folder(), folder.Root() + "\\Language\\Japanese");
    EXPECT_EQ(FromCodePage(folder.Translate("Exit"), 932), L"\u7D42\u4E86");
    EXPECT_EQ(FromCodePage(folder.Translate("Temperature"), 932), L"\u6E29\u5EA6");
    EXPECT_STREQ(folder.Translate("Not in any file"), "Not in any file");
}

TEST(ZyMultiLang, FallsBackToEnglish)
{
    struct Case {
        const char* name;
        const char* ini;  // null: no INI file
        bool shipsGerman;
    };
    const Case cases[] = {
            {"no INI file", nullptr, true},
            {"English chosen", "[Language]\nName=English\n", true},
            {"language file missing", "[Language]\nName=German\n", false},
            {"unknown language", "[Language]\nName=Klingon\n", true},
            {"name leaving the folder", "[Language]\nName=..\\German\n", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const LanguageFolder folder = c.shipsGerman ? LanguageFolder(c.ini, {"German"}) : LanguageFolder(c.ini, {});
        ASSERT_TRUE(folder.Loaded());
        EXPECT_EQ(folder.Name(), "English");
        EXPECT_EQ(folder.Folder(), folder.Root() + "\\Language\\English");
        EXPECT_STREQ(folder.Translate("Exit"), "Exit");
    }
}

}  // namespace
