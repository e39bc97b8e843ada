#include "app/ControlLayout.h"

#include <gtest/gtest.h>

#include <string>

#include "cover/CoverControls.h"
#include "language/layouts/LayoutTables.h"
#include "mainpanel/MainPanelControls.h"
#include "toolkit/ControlTree.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::views {
namespace {

class Language final : public monitor::LayoutLanguage {
public:
    explicit Language(bool japanese) : m_japanese(japanese) {}
    bool CanTranslate() override { return true; }
    bool IsJapanese() override { return m_japanese; }
    std::string Translate(std::string_view text) override { return "<" + std::string(text) + ">"; }

private:
    bool m_japanese;
};

toolkit::Control& At(const toolkit::Control& root, std::string_view name)
{
    toolkit::Control* control = toolkit::FindControl(root, name);
    EXPECT_NE(control, nullptr) << name;
    return *control;
}

// The tables name exactly the controls the windows have: every control
// finds its row and no row is left over.
TEST(ControlLayout, TheTablesNameEveryControlOfTheirWindow)
{
    struct Window {
        std::string_view name;
        void (*add)(toolkit::Control&);
        monitor::LayoutTable table;
        int rows;
    };
    const Window windows[] = {
            {kMainPanelName, &AddMainPanelControls, monitor::kMainPanelLayout, 62},
            {kCoverName, &AddCoverControls, monitor::kCoverLayout, 19},
    };
    for (const Window& w : windows) {
        SCOPED_TRACE(std::string(w.name));
        toolkit::Control root{std::string(w.name)};
        w.add(root);
        Language english(false);
        EXPECT_EQ(static_cast<int>(w.table.size()), w.rows);
        EXPECT_EQ(ApplyWindowLayout(root, w.table, english), w.rows);
    }
}

TEST(ControlLayout, GeometryFontsAndTextsComeFromTheTable)
{
    toolkit::Control root{"frmMainPanel"};
    AddMainPanelControls(root);
    static_cast<toolkit::TLabel&>(At(root, "Label1")).SetCaption("Always on Top");
    At(root, "imgDMI").SetHint("DMI information");
    Language japanese(true);
    ASSERT_EQ(ApplyWindowLayout(root, monitor::kMainPanelLayout, japanese), 62);

    EXPECT_EQ(root.Left(), 361);
    EXPECT_EQ(root.Width(), 558);
    EXPECT_EQ(root.Height(), 486);
    EXPECT_EQ(root.Font().charset, monitor::kShiftJisCharset);

    const toolkit::Control& label = At(root, "Label1");
    EXPECT_EQ(label.Left(), 215);
    EXPECT_EQ(label.Top(), 51 + 3) << "Japanese labels sit lower";
    EXPECT_EQ(label.Font().height, -11);
    EXPECT_EQ(static_cast<const toolkit::TLabel&>(label).Caption(), "<Always on Top>");
    EXPECT_EQ(At(root, "lbScheme").Font().height, -9);

    const toolkit::Control& dmi = At(root, "imgDMI");
    EXPECT_EQ(dmi.Hint(), "<DMI information>");
    EXPECT_EQ(dmi.Top(), 34) << "images do not move for Japanese";
    EXPECT_EQ(dmi.Font().charset, toolkit::FontSpec{}.charset);
}

TEST(ControlLayout, TheSlideButtonAndTheWarningLightLieOnThePanelArt)
{
    toolkit::Control root{"frmMainPanel"};
    AddMainPanelControls(root);
    Language english(false);
    ASSERT_EQ(ApplyWindowLayout(root, monitor::kMainPanelLayout, english), 62);
    const toolkit::Control& art = At(root, "imgBackground");
    EXPECT_EQ(art.Left() + art.Width(), root.Width()) << "the art ends at the window's right edge";
    for (const char* name : {"imgSlideForm", "imgWarning", "imgDMI", "imgPCI", "imgWMI", "imgUSI", "imgScheme"}) {
        SCOPED_TRACE(name);
        const toolkit::Control& c = At(root, name);
        EXPECT_TRUE(c.Visible() || std::string(name) == "imgWarning");
        EXPECT_GE(c.Left(), art.Left());
        EXPECT_LE(c.Left() + c.Width(), art.Left() + art.Width());
        EXPECT_LE(c.Top() + c.Height(), art.Top() + art.Height());
    }
    // Picture holders lie below the shaped area and are never shown.
    for (const auto& child : root.Children()) {
        const bool holder = child->Top() >= art.Top() + art.Height();
        if (holder) {
            EXPECT_FALSE(child->Visible()) << child->Name();
        }
    }
}

TEST(ControlLayout, TheCoverArtIsTheShapeCutOutOfThePanel)
{
    toolkit::Control panel{"frmMainPanel"};
    AddMainPanelControls(panel);
    toolkit::Control cover{"frmCover"};
    AddCoverControls(cover);
    Language english(false);
    ASSERT_EQ(ApplyWindowLayout(panel, monitor::kMainPanelLayout, english), 62);
    ASSERT_EQ(ApplyWindowLayout(cover, monitor::kCoverLayout, english), 19);
    const toolkit::Control& cut = At(panel, "imgCover");
    const toolkit::Control& art = At(cover, "imgBackground");
    EXPECT_EQ(cut.Left(), art.Left());
    EXPECT_EQ(cut.Top(), art.Top());
    EXPECT_EQ(cut.Width(), art.Width());
    EXPECT_EQ(cut.Height(), art.Height());
    EXPECT_FALSE(cut.Visible());
    EXPECT_EQ(cover.Width(), 240);
    EXPECT_EQ(cover.Height(), 325);
}

}  // namespace
}  // namespace vantor::views
