// The program's binding of the real ZyMultiLang.dll: the copy built beside
// this test (English by its shipped setting) and copies in scratch program
// folders set to German and Japanese, or without the library.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "language/LayoutSnapshot.h"
#include "language/MemoryControl.h"
#include "language/LanguageLibrary_win.h"
#include "language/ToolkitLanguage.h"
#include "toolkit/LanguageState.h"

namespace vantor::monitor {
namespace {

namespace fs = std::filesystem;

fs::path BuiltFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return fs::path(path).parent_path();
}

// A scratch program folder with the library set to a language; it outlives
// the binding that loads the library from it.
class ScratchFolder {
public:
    // language null: no library in the folder at all.
    explicit ScratchFolder(const char* language)
    {
        static int count = 0;
        m_root = fs::temp_directory_path() /
                 ("vantor-lang-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count));
        fs::remove_all(m_root);
        fs::create_directories(m_root);
        if (language == nullptr)
            return;
        fs::copy_file(BuiltFolder() / "ZyMultiLang.dll", m_root / "ZyMultiLang.dll");
        std::ofstream(m_root / "ZyMultiLang.ini") << "[Language]\nName=" << language << "\n";
        fs::create_directories(m_root / "Language" / language);
        fs::copy_file(BuiltFolder() / "Language" / language / "Vantor.lng",
                      m_root / "Language" / language / "Vantor.lng");
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }
    std::string Root() const { return m_root.string(); }

private:
    fs::path m_root;
};

// The real library loader with the program file placed in a scratch folder.
class ScratchProgram final : public WinLanguageLibrary {
public:
    explicit ScratchProgram(const ScratchFolder& folder) : m_folder(folder.Root() + "\\") {}
    std::string ProgramFolder() override { return m_folder; }

private:
    std::string m_folder;
};

TEST(LanguageBindingWin, TheShippedSettingIsEnglish)
{
    LanguageBinding& language = ProgramLanguage();
    EXPECT_EQ(language.BindLanguageLibrary(), 0u);
    EXPECT_EQ(language.LanguageName(), "English");
    EXPECT_EQ(language.TranslateText("Exit"), "Exit");
    EXPECT_EQ(language.LanguageFolder(), (BuiltFolder() / "Language" / "English").string());
}

TEST(LanguageBindingWin, GermanTranslatesRuntimeTexts)
{
    const ScratchFolder folder("German");
    ScratchProgram program(folder);
    LanguageBinding language(program);
    EXPECT_EQ(language.BindLanguageLibrary(), 0u);
    EXPECT_EQ(language.TranslateText("Exit"), "Beenden");
    EXPECT_EQ(language.TranslateText("Vantor Message"), "Vantor-Meldung");
    EXPECT_EQ(language.TranslateText("Nobody translated me"), "Nobody translated me");
    EXPECT_EQ(language.TranslateTextF("", "Unable to write to %s", "Vantor.ini"),
              "Vantor.ini kann nicht geschrieben werden");
    EXPECT_EQ(language.LanguageFolder(), folder.Root() + "\\Language\\German");
    EXPECT_FALSE(language.IsJapanese());
}

TEST(LanguageBindingWin, JapaneseLaysLabelsLowerInShiftJis)
{
    const ScratchFolder folder("Japanese");
    ScratchProgram program(folder);
    LanguageBinding language(program);
    ASSERT_TRUE(language.IsJapanese());

    MemoryControl window("frmMainPanel", ControlType::Window, true);
    MemoryControl& label = window.Add("Label1", ControlType::Label);
    label.caption = "Always on Top";
    MemoryControl& image = window.Add("imgDMI", ControlType::Image);
    image.hint = "DMI information";
    const LayoutRecord rows[] = {
            {"frmMainPanel", 361, 350, 558, 486, -11},
            {"Label1", 215, 51, 75, 13, -11},
            {"imgDMI", 411, 34, 91, 43, 0},
    };
    EXPECT_EQ(ApplyLayoutSnapshot(window, rows, language), 3);
    EXPECT_EQ(label.top, 54);
    EXPECT_EQ(label.fontCharset, 128);
    EXPECT_EQ(window.fontCharset, 128);
    EXPECT_EQ(image.top, 34);
    EXPECT_NE(label.caption, "Always on Top");
    EXPECT_NE(image.hint, "DMI information");
    // Both texts arrive in code page 932.
    for (const std::string& text : {label.caption, image.hint})
        EXPECT_GT(MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.c_str(), -1, nullptr, 0), 0) << text;
}

TEST(LanguageBindingWin, TheToolkitSeesTheBindingsLanguage)
{
    struct Case {
        const char* language;  // null: no library in the program folder
        bool japanese;
        bool translatedSkins;
    };
    const Case cases[] = {{"German", false, true}, {"Japanese", true, true}, {nullptr, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language != nullptr ? c.language : "no library");
        const ScratchFolder folder(c.language);
        ScratchProgram program(folder);
        LanguageBinding binding(program);
        const ToolkitLanguage language(binding);
        toolkit::SetLanguageState(&language);

        const toolkit::LanguageState& seen = toolkit::CurrentLanguage();
        EXPECT_EQ(seen.Name(), c.language != nullptr ? c.language : "");
        EXPECT_EQ(toolkit::IsJapanese(seen), c.japanese);
        const auto skin = toolkit::LanguageSkinPath(folder.Root() + "\\Res\\main\\cover.bmp", seen);
        if (c.translatedSkins)
            EXPECT_EQ(skin, folder.Root() + "\\Language\\" + c.language + "\\main\\cover.bmp");
        else
            EXPECT_FALSE(skin.has_value());
        toolkit::SetLanguageState(nullptr);
    }
}

TEST(LanguageBindingWin, WithoutTheLibraryTheProgramStaysEnglish)
{
    const ScratchFolder folder(nullptr);
    ScratchProgram program(folder);
    LanguageBinding language(program);
    EXPECT_EQ(language.BindLanguageLibrary(), 0x11111u);
    EXPECT_EQ(language.TranslateText("Exit"), "Exit");
    EXPECT_EQ(language.LanguageName(), "");
    EXPECT_EQ(language.LanguageFolder(), "");
}

}  // namespace
}  // namespace vantor::monitor
