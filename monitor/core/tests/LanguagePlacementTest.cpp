#include "core/LanguagePlacement.h"

#include <gtest/gtest.h>

#include "core/MemoryControl.h"

namespace vantor::monitor {
namespace {

// Only the name matters here; the library may lack other functions.
class NamedLanguage final : public LanguageLibrary {
public:
    explicit NamedLanguage(const char* name) : m_name(name) {}
    std::string ProgramFilePath() override { return "C:\\Vantor\\Vantor.exe"; }
    bool Load(const std::string&) override { return true; }
    bool Resolve(LanguageExport which) override { return which == LanguageExport::GetLangName; }
    const char* TranslateStr(const char* text) override { return text; }
    const char* TranslateStrF(const char*, const char* text, const char*) override { return text; }
    const char* GetLangPathName() override { return nullptr; }
    const char* GetLangName() override { return m_name; }

private:
    const char* m_name;
};

TEST(LanguagePlacement, OnlyLabelsGoLowerAndOnlyInJapanese)
{
    struct Case {
        const char* language;
        ControlType type;
        int top;
    };
    const Case cases[] = {
        {"Japanese", ControlType::Label, 13},
        {"Japanese", ControlType::Edit, 10},
        {"Japanese", ControlType::Image, 10},
        {"German", ControlType::Label, 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        NamedLanguage library(c.language);
        LanguageBinding language(library);
        MemoryControl control("c", c.type);
        PlaceAndSize(&control, 5, 10, 30, 40, language);
        EXPECT_EQ(control.left, 5);
        EXPECT_EQ(control.top, c.top);
        EXPECT_EQ(control.width, 30);
        EXPECT_EQ(control.height, 40);
    }
    NamedLanguage library("Japanese");
    LanguageBinding language(library);
    PlaceAndSize(nullptr, 1, 2, 3, 4, language);  // an absent control is skipped
}

TEST(LanguagePlacement, LanguageCopyOfASkinFile)
{
    struct Case {
        const char* path;
        const char* folder;
        const char* copy;  // null: no language copy is looked for
    };
    const Case cases[] = {
        {"C:\\Vantor\\Res\\main\\DMI_b_n.bmp", "C:\\Vantor\\Language\\German",
         "C:\\Vantor\\Language\\German\\main\\DMI_b_n.bmp"},
        {"C:\\Vantor\\Res\\small\\6\\6_UI.bmp", "L", "L\\6\\6_UI.bmp"},
        {"C:\\Vantor\\res\\main\\DMI_b_n.bmp", "L", nullptr},
        {"C:\\Vantor\\Res\\main\\DMI_b_n.bmp", "", nullptr},
        {"Res.bmp", "L", nullptr},
        {"C:\\Vantor\\Res\\main\\", "L", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const std::optional<std::string> copy = LanguageCopyPath(c.path, c.folder);
        if (c.copy == nullptr) {
            EXPECT_FALSE(copy.has_value());
        } else {
            EXPECT_EQ(copy, c.copy);
        }
    }
}

}  // namespace
}  // namespace vantor::monitor
