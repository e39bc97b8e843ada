#include "language/LayoutSnapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/MemoryControl.h"

namespace vantor::monitor {
namespace {

class FakeLayoutLanguage final : public LayoutLanguage {
public:
    bool available = true;
    bool japanese = false;
    bool CanTranslate() override { return available; }
    bool IsJapanese() override { return available && japanese; }
    std::string Translate(std::string_view text) override { return "<" + std::string(text) + ">"; }
};

constexpr LayoutRecord kWindowRows[] = {
        {"frmTest", 100, 200, 300, 400, -11}, {"pnlOuter", 10, 10, 50, 60, -12}, {"lbInner", 1, 2, 3, 4, -9},
        {"imgInner", 5, 6, 7, 8, -1},         {"lbAfter", 20, 30, 40, 13, -11},  {"edValue", 21, 31, 41, 14, -10},
};

// frmTest
//   pnlOuter (windowed)
//     lbInner
//     imgInner
//   lbAfter
//   edValue (windowed, no children)
struct TestWindow {
    std::vector<std::string> calls;
    MemoryControl window{"frmTest", ControlType::Window, true};
    MemoryControl* outer;
    MemoryControl* inner;
    MemoryControl* image;
    MemoryControl* after;
    MemoryControl* edit;

    TestWindow()
    {
        window.calls = &calls;
        outer = &window.Add("pnlOuter", ControlType::Panel, true);
        inner = &outer->Add("lbInner", ControlType::Label);
        image = &outer->Add("imgInner", ControlType::Image);
        after = &window.Add("lbAfter", ControlType::Label);
        edit = &window.Add("edValue", ControlType::Edit, true);
        for (MemoryControl* c : {&window, outer, inner, image, after, edit}) {
            c->left = c->top = c->width = c->height = 999;
            c->caption = std::string(c->Name()) + " caption";
            c->hint = std::string(c->Name()) + " hint";
        }
    }
};

std::vector<std::string> Geometry(const MemoryControl& c)
{
    return {std::to_string(c.left), std::to_string(c.top), std::to_string(c.width), std::to_string(c.height)};
}

TEST(LayoutSnapshot, WalksDepthFirstAndAppliesTheWindowLast)
{
    TestWindow w;
    FakeLayoutLanguage language;
    language.available = false;
    EXPECT_EQ(ApplyLayoutSnapshot(w.window, kWindowRows, language), 6);

    std::vector<std::string> order;
    for (const std::string& call : w.calls)
        if (call.ends_with(".Name"))
            order.push_back(call);
    EXPECT_EQ(order, (std::vector<std::string>{"pnlOuter.Name", "lbInner.Name", "imgInner.Name", "lbAfter.Name",
                                               "edValue.Name", "frmTest.Name"}));
    // Within one control: name, left, top, width, height, then the font.
    const std::vector<std::string> firstControl(w.calls.begin(), w.calls.begin() + 6);
    EXPECT_EQ(firstControl, (std::vector<std::string>{"pnlOuter.Name", "pnlOuter.Left", "pnlOuter.Top",
                                                      "pnlOuter.Width", "pnlOuter.Height", "pnlOuter.FontHeight"}));
    EXPECT_EQ(Geometry(w.window), (std::vector<std::string>{"100", "200", "300", "400"}));
    EXPECT_EQ(Geometry(*w.inner), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(w.window.fontHeight, -11);
    EXPECT_EQ(w.inner->fontHeight, -9);
    EXPECT_EQ(w.image->fontHeight, 0) << "an image has no font";
    EXPECT_EQ(w.inner->caption, "lbInner caption") << "nothing is translated without the full library";
}

TEST(LayoutSnapshot, ChildrenOfAWindowlessControlAreNotVisited)
{
    std::vector<std::string> calls;
    MemoryControl window("frmTest", ControlType::Window, true);
    window.calls = &calls;
    MemoryControl& holder = window.Add("lbInner", ControlType::Label, false);
    holder.Add("noRowForMe", ControlType::Image);
    FakeLayoutLanguage language;
    EXPECT_EQ(ApplyLayoutSnapshot(window, kWindowRows, language), 2);
}

TEST(LayoutSnapshot, AMissingNameStopsTheWalkAndLeavesTheRestAsDesigned)
{
    struct Case {
        const char* missing;
        std::vector<std::string> applied;  // names whose geometry came from the table
    };
    const Case cases[] = {
            {"pnlOuter", {}},
            {"lbInner", {"pnlOuter"}},
            {"imgInner", {"pnlOuter", "lbInner"}},
            {"lbAfter", {"pnlOuter", "lbInner", "imgInner"}},
            {"edValue", {"pnlOuter", "lbInner", "imgInner", "lbAfter"}},
            {"frmTest", {"pnlOuter", "lbInner", "imgInner", "lbAfter", "edValue"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        std::vector<LayoutRecord> rows;
        for (const LayoutRecord& row : kWindowRows)
            if (row.NameView() != c.missing)
                rows.push_back(row);
        TestWindow w;
        FakeLayoutLanguage language;
        EXPECT_EQ(ApplyLayoutSnapshot(w.window, rows, language), -1);
        std::vector<std::string> applied;
        for (MemoryControl* control : {w.outer, w.inner, w.image, w.after, w.edit})
            if (control->width != 999)
                applied.emplace_back(control->Name());
        EXPECT_EQ(applied, c.applied);
        EXPECT_EQ(Geometry(w.window), (std::vector<std::string>{"999", "999", "999", "999"}));
        EXPECT_EQ(w.window.fontHeight, 0);
    }
}

TEST(LayoutSnapshot, NamesAreComparedExactly)
{
    TestWindow w;
    std::vector<LayoutRecord> rows(std::begin(kWindowRows), std::end(kWindowRows));
    rows[2] = {"lbinner", 1, 2, 3, 4, -9};
    FakeLayoutLanguage language;
    EXPECT_EQ(ApplyLayoutSnapshot(w.window, rows, language), -1);
}

TEST(LayoutSnapshot, TextRulesByControlType)
{
    struct Case {
        ControlType type;
        bool font;
        bool caption;
        bool hint;
        bool charset;
        int shift;
    };
    const Case cases[] = {
            {ControlType::Image, false, false, true, false, 0},
            {ControlType::Window, true, false, false, true, 0},
            {ControlType::Frame, true, false, false, false, 0},
            {ControlType::Label, true, true, false, true, 3},
            {ControlType::Edit, true, false, false, false, 0},
            {ControlType::Memo, true, false, false, true, 0},
            {ControlType::Button, true, false, false, false, 0},
            {ControlType::ListBox, true, false, false, true, 0},
            {ControlType::ComboBox, true, false, false, false, 0},
            {ControlType::GroupBox, true, true, false, true, 0},
            {ControlType::RadioGroup, true, false, false, false, 0},
            {ControlType::Panel, true, true, false, true, 0},
            {ControlType::CheckBox, true, false, false, false, 0},
            {ControlType::Other, false, false, false, false, 0},
    };
    for (const Case& c : cases) {
        for (const bool japanese : {false, true}) {
            SCOPED_TRACE(std::to_string(static_cast<int>(c.type)) + (japanese ? " Japanese" : " German"));
            MemoryControl control("c", c.type);
            control.top = 50;
            control.caption = "Exit";
            control.hint = "Usage";
            FakeLayoutLanguage language;
            language.japanese = japanese;
            ApplyControlText(control, -11, language);
            EXPECT_EQ(control.fontHeight, c.font ? -11 : 0);
            EXPECT_EQ(control.caption, c.caption ? "<Exit>" : "Exit");
            EXPECT_EQ(control.hint, c.hint ? "<Usage>" : "Usage");
            EXPECT_EQ(control.fontCharset, japanese && c.charset ? 128 : 0);
            EXPECT_EQ(control.top, japanese ? 50 + c.shift : 50);
        }
    }
}

TEST(LayoutSnapshot, JapaneseLabelsSitThreePixelsBelowTheirRows)
{
    TestWindow w;
    FakeLayoutLanguage language;
    language.japanese = true;
    ASSERT_EQ(ApplyLayoutSnapshot(w.window, kWindowRows, language), 6);
    EXPECT_EQ(w.inner->top, 2 + 3);
    EXPECT_EQ(w.after->top, 30 + 3);
    EXPECT_EQ(w.inner->fontCharset, 128);
    EXPECT_EQ(w.image->top, 6);
    EXPECT_EQ(w.edit->fontCharset, 0);
    EXPECT_EQ(w.window.fontCharset, 128);
    EXPECT_EQ(w.after->caption, "<lbAfter caption>");
    EXPECT_EQ(w.image->hint, "<imgInner hint>");
}

}  // namespace
}  // namespace vantor::monitor
