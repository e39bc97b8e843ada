#include "toolkit/ControlHelpers.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "toolkit/LanguageState.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::toolkit {
namespace {

class FakeLanguage : public LanguageState {
public:
    FakeLanguage(bool full, std::string folder, std::string name)
        : m_full(full), m_folder(std::move(folder)), m_name(std::move(name))
    {}
    bool FullyAvailable() const override { return m_full; }
    std::string Folder() const override { return m_folder; }
    std::string Name() const override { return m_name; }

private:
    bool m_full;
    std::string m_folder;
    std::string m_name;
};

// Installs a language for one test and restores English after it.
class ScopedLanguage {
public:
    explicit ScopedLanguage(const LanguageState& language) { SetLanguageState(&language); }
    ~ScopedLanguage() { SetLanguageState(nullptr); }
};

class Plain : public Control {
public:
    using Control::Control;
};

class Edit : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::Edit; }
};

TEST(LanguageSkinPath, TakesTheHoldingFolderAndFileUnderTheLanguageFolder)
{
    const FakeLanguage german(true, "C:\\Vantor\\Lang\\German", "German");
    const FakeLanguage partial(false, "C:\\Vantor\\Lang\\German", "German");
    const FakeLanguage noFolder(true, "", "German");
    struct Case {
        const char* path;
        const LanguageState& language;
        std::optional<std::string> expected;
    };
    const Case cases[] = {
            {"C:\\Vantor\\Res\\main\\DMI_b_n.bmp", german, "C:\\Vantor\\Lang\\German\\main\\DMI_b_n.bmp"},
            {"C:\\Vantor\\Res\\Cover.bmp", german, "C:\\Vantor\\Lang\\German\\Res\\Cover.bmp"},
            {"C:\\Vantor\\res\\main\\DMI_b_n.bmp", german, std::nullopt},  // "Res" as written only
            {"C:\\Vantor\\Res\\main\\DMI_b_n.bmp", partial, std::nullopt},
            {"C:\\Vantor\\Res\\main\\DMI_b_n.bmp", noFolder, std::nullopt},
            {"Res.bmp", german, std::nullopt},
            {"C:\\Vantor\\Res\\main\\", german, std::nullopt},
            {"", german, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LanguageSkinPath(c.path, c.language), c.expected) << c.path;
}

TEST(ControlHelpers, PlaceLowersLabelsOnlyWhenTheLanguageIsNamedJapanese)
{
    const FakeLanguage japanese(true, "J", "Japanese");
    const FakeLanguage brokenJapanese(false, "J", "Japanese");
    const FakeLanguage lower(true, "J", "japanese");
    struct Case {
        const LanguageState* language;
        int labelTop;
    };
    const Case cases[] = {{nullptr, 20}, {&japanese, 23}, {&brokenJapanese, 23}, {&lower, 20}};
    for (const Case& c : cases) {
        SetLanguageState(c.language);
        TLabel label("lb");
        TImage image("img");
        PlaceAndSize(&label, 10, 20, 30, 40);
        PlaceAndSize(&image, 10, 20, 30, 40);
        EXPECT_EQ(label.Top(), c.labelTop);
        EXPECT_EQ(image.Top(), 20);
        EXPECT_EQ(label.Left(), 10);
        EXPECT_EQ(label.Width(), 30);
        EXPECT_EQ(label.Height(), 40);
    }
    SetLanguageState(nullptr);
    PlaceAndSize(nullptr, 1, 2, 3, 4);  // absent controls are ignored
}

TEST(ControlHelpers, FontGoesToEditBoxesAndLabelsOnly)
{
    Edit edit("Edit1");
    TLabel label("lb");
    TImage image("img");
    for (Control* c : {static_cast<Control*>(&edit), static_cast<Control*>(&label), static_cast<Control*>(&image)})
        SetControlFont(c, "Verdana", -14);
    EXPECT_EQ(edit.Font().face, "Verdana");
    EXPECT_EQ(label.Font().height, -14);
    EXPECT_EQ(image.Font(), FontSpec{});
    SetControlFont(nullptr, "Verdana", -14);
}

TEST(ControlHelpers, NumberedControlsShownOrHiddenWhereTheyExist)
{
    Plain form("frm");
    for (const char* name : {"lbV0", "lbV1", "lbV2", "lbV4", "lbV10"})
        form.AddChild(std::make_unique<TLabel>(name));
    SetControlsVisible(form, "lbV", 4, 1, false);  // 1..4; 3 is absent
    std::string shown;
    for (const auto& c : form.Children())
        shown += c->Name() + (c->Visible() ? "+ " : "- ");
    EXPECT_EQ(shown, "lbV0+ lbV1- lbV2- lbV4- lbV10+ ");
    SetControlsVisible(form, "lbV", 0, 1, true);  // an empty range does nothing
    EXPECT_FALSE(form.Children()[1]->Visible());
}

TEST(ControlHelpers, ButtonTakesItsCompanionPictureOnlyWhenBothExist)
{
    Plain form("frm");
    auto& button = static_cast<TImage&>(form.AddChild(std::make_unique<TImage>("imgGo")));
    auto& up = static_cast<TImage&>(form.AddChild(std::make_unique<TImage>("imgGoUp")));
    auto& lonely = static_cast<TImage&>(form.AddChild(std::make_unique<TImage>("imgSolo")));
    auto upPicture = std::make_shared<Picture>(10, 10);
    up.SetPicture(upPicture);

    SetButtonEnabled(form, "imgGo", false);  // no "Ds" companion: nothing changes
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.GetPicture(), nullptr);

    auto& ds = static_cast<TImage&>(form.AddChild(std::make_unique<TImage>("imgGoDs")));
    auto dsPicture = std::make_shared<Picture>(10, 10);
    ds.SetPicture(dsPicture);
    SetButtonEnabled(form, "imgGo", false);
    EXPECT_FALSE(button.Enabled());
    EXPECT_EQ(button.GetPicture(), dsPicture);
    SetButtonEnabled(form, "imgGo", true);
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.GetPicture(), upPicture);

    SetButtonEnabled(form, "imgSolo", false);
    EXPECT_TRUE(lonely.Enabled());
    SetButtonEnabled(form, "imgMissing", false);
}

}  // namespace
}  // namespace vantor::toolkit
