#include "language/LanguageBinding.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace vantor::monitor {
namespace {

// A translation library with a chosen set of functions and answers.
class FakeLanguageLibrary final : public LanguageLibrary {
public:
    bool loads = true;
    std::set<LanguageExport> present{LanguageExport::TranslateStr, LanguageExport::TranslateStrF,
                                     LanguageExport::GetLangPathName, LanguageExport::GetLangName};
    std::map<std::string, std::string> dictionary{{"Exit", "Beenden"}};
    const char* folder = "C:\\Vantor\\Language\\German";
    const char* name = "German";
    bool translateAnswersNull = false;
    std::string loadedPath;
    int loadCalls = 0;

    std::string ProgramFolder() override { return "C:\\Program Files\\Vantor\\"; }
    bool Load(const std::string& path) override
    {
        ++loadCalls;
        loadedPath = path;
        return loads;
    }
    bool Resolve(LanguageExport which) override { return present.contains(which); }
    const char* TranslateStr(const char* text) override
    {
        if (translateAnswersNull)
            return nullptr;
        const auto found = dictionary.find(text);
        return found != dictionary.end() ? found->second.c_str() : text;
    }
    const char* TranslateStrF(const char*, const char*, const char*) override { return "formatted"; }
    const char* GetLangPathName() override { return folder; }
    const char* GetLangName() override { return name; }
};

TEST(LanguageBinding, LoadsTheLibraryBesideTheProgramOnceAndKeepsTheBits)
{
    FakeLanguageLibrary library;
    LanguageBinding binding(library);
    EXPECT_EQ(binding.BindLanguageLibrary(), 0u);
    EXPECT_EQ(library.loadedPath, "C:\\Program Files\\Vantor\\ZyMultiLang.dll");
    EXPECT_TRUE(binding.IsLanguageAvailable());
    EXPECT_EQ(binding.TranslateText("Exit"), "Beenden");
    EXPECT_EQ(binding.TranslateText("No such text"), "No such text");
    EXPECT_EQ(binding.LanguageFolder(), "C:\\Vantor\\Language\\German");
    EXPECT_EQ(binding.LanguageName(), "German");
    EXPECT_EQ(library.loadCalls, 1);
}

TEST(LanguageBinding, FirstUseOfAnyOperationBinds)
{
    FakeLanguageLibrary library;
    LanguageBinding binding(library);
    EXPECT_EQ(binding.TranslateText("Exit"), "Beenden");
    EXPECT_EQ(library.loadCalls, 1);
}

TEST(LanguageBinding, EachMissingFunctionSetsItsBitAndFallsBack)
{
    struct Case {
        LanguageExport missing;
        std::uint32_t bits;
        const char* translated;   // of "Exit"
        const char* translatedF;  // of ("k", "Exit", "a")
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
            {LanguageExport::TranslateStr, 0x00010, "Exit", "formatted", "C:\\Vantor\\Language\\German", "German"},
            {LanguageExport::TranslateStrF, 0x00100, "Beenden", "Exit", "C:\\Vantor\\Language\\German", "German"},
            {LanguageExport::GetLangPathName, 0x01000, "Beenden", "formatted", "", "German"},
            {LanguageExport::GetLangName, 0x10000, "Beenden", "formatted", "C:\\Vantor\\Language\\German", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(LanguageExportName(c.missing)));
        FakeLanguageLibrary library;
        library.present.erase(c.missing);
        LanguageBinding binding(library);
        EXPECT_EQ(binding.BindLanguageLibrary(), c.bits);
        EXPECT_FALSE(binding.IsLanguageAvailable());
        EXPECT_FALSE(binding.CanTranslate()) << "layout captions and hints need the full library";
        EXPECT_EQ(binding.TranslateText("Exit"), c.translated);
        EXPECT_EQ(binding.TranslateTextF("k", "Exit", "a"), c.translatedF);
        EXPECT_EQ(binding.LanguageFolder(), c.folder);
        EXPECT_EQ(binding.LanguageName(), c.name);
    }
}

TEST(LanguageBinding, WithoutTheLibraryEverythingStaysEnglish)
{
    FakeLanguageLibrary library;
    library.loads = false;
    library.name = "Japanese";
    LanguageBinding binding(library);
    EXPECT_EQ(binding.BindLanguageLibrary(), 0x11111u);
    EXPECT_EQ(binding.TranslateText("Exit"), "Exit");
    EXPECT_EQ(binding.TranslateTextF("k", "Exit", "a"), "Exit");
    EXPECT_EQ(binding.LanguageFolder(), "");
    EXPECT_EQ(binding.LanguageName(), "");
    EXPECT_FALSE(binding.IsJapanese());
}

TEST(LanguageBinding, NullAnswersFallBackInsteadOfBeingCopied)
{
    FakeLanguageLibrary library;
    library.translateAnswersNull = true;
    library.folder = nullptr;
    library.name = nullptr;
    LanguageBinding binding(library);
    EXPECT_EQ(binding.TranslateText("Exit"), "Exit");
    EXPECT_EQ(binding.LanguageFolder(), "");
    EXPECT_EQ(binding.LanguageName(), "");
}

TEST(LanguageBinding, JapaneseNeedsTheExactNameAndTheFullLibrary)
{
    struct Case {
        const char* name;
        bool lacksTranslateStrF;
        bool japanese;      // layout rules
        bool japaneseName;  // labels placed at run time
    };
    const Case cases[] = {
            {"Japanese", false, true, true}, {"japanese", false, false, false}, {"Japanese ", false, false, false},
            {"German", false, false, false}, {"Japanese", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + (c.lacksTranslateStrF ? " without ZyTranslateStrF" : ""));
        FakeLanguageLibrary library;
        library.name = c.name;
        if (c.lacksTranslateStrF)
            library.present.erase(LanguageExport::TranslateStrF);
        LanguageBinding binding(library);
        EXPECT_EQ(binding.IsJapanese(), c.japanese);
        EXPECT_EQ(binding.IsJapaneseName(), c.japaneseName);
    }
}

}  // namespace
}  // namespace vantor::monitor
