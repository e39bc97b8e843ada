#include "language/layouts/LayoutTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vantor::monitor {
namespace {

struct Window {
    const char* name;
    const LayoutTable* table;
};

const Window kWindows[] = {
        {"frmMainPanel", &kMainPanelLayout},
        {"frmCover", &kCoverLayout},
        {"frmOption", &kOptionLayout},
        {"frmList", &kListLayout},
        {"frmHexagon_8", &kHexagonLayout},
        {"frmUsage", &kUsageLayout},
        {"frmInfoBrowserE", &kInfoBrowserLayout},
        {"frmReport", &kReportLayout},
};

const LayoutRecord* Find(LayoutTable table, std::string_view name)
{
    for (const LayoutRecord& row : table)
        if (row.NameView() == name)
            return &row;
    return nullptr;
}

// A duplicate name would leave its second row unused; a label without a font
// height would draw its text in the toolkit's default size.
TEST(LayoutTables, EachTableStartsWithItsWindowAndNamesEveryRowOnce)
{
    for (const Window& window : kWindows) {
        SCOPED_TRACE(window.name);
        const LayoutTable table = *window.table;
        ASSERT_FALSE(table.empty());
        EXPECT_EQ(table.front().NameView(), window.name);
        std::set<std::string_view> names;
        for (const LayoutRecord& row : table) {
            SCOPED_TRACE(std::string(row.NameView()));
            EXPECT_FALSE(row.NameView().empty());
            EXPECT_TRUE(names.insert(row.NameView()).second) << "named twice";
            EXPECT_GT(row.Width, 0);
            EXPECT_GT(row.Height, 0);
            if (row.NameView().starts_with("lb") || row.NameView().starts_with("Label")) {
                EXPECT_LT(row.FontHeight, 0);
            }
        }
    }
}

TEST(LayoutTables, MainPanelRowsTheOtherWindowsRelyOn)
{
    struct Row {
        const char* name;
        int left, top, width, height, font;
    };
    const Row rows[] = {
            {"frmMainPanel", 361, 350, 558, 486, -11}, {"imgCover", 0, 0, 239, 206, 0},
            {"imgBackground", 142, 0, 416, 206, 0},    {"Label1", 215, 51, 75, 13, -11},
            {"lbScheme", 284, 85, 26, 13, -9},         {"imgScheme", 345, 84, 13, 16, 0},
    };
    for (const Row& expected : rows) {
        SCOPED_TRACE(expected.name);
        const LayoutRecord* row = Find(kMainPanelLayout, expected.name);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->Left, expected.left);
        EXPECT_EQ(row->Top, expected.top);
        EXPECT_EQ(row->Width, expected.width);
        EXPECT_EQ(row->Height, expected.height);
        EXPECT_EQ(row->FontHeight, expected.font);
    }
}

// Every gadget window applies the same 77 records: the window and its 76
// controls (the window's own test applies it to the real control tree).
TEST(LayoutTables, TheGadgetTableHoldsTheWindowAndItsSeventySixControls)
{
    EXPECT_EQ(kHexagonLayout.size(), 77u);
    for (const char* name :
         {"imgRedLed", "imgRedLedSmall", "imgLock", "imgSensor5", "imgThreshold5", "imgS_12", "imgRPM_a"})
        EXPECT_NE(Find(kHexagonLayout, name), nullptr) << name;
}

TEST(LayoutTables, SkinnedButtonsHaveTheirPictureHolders)
{
    struct Button {
        const LayoutTable* table;
        const char* name;
        bool disabledPicture;
    };
    const Button buttons[] = {
            {&kMainPanelLayout, "imgDMI", true},
            {&kMainPanelLayout, "imgPCI", true},
            {&kMainPanelLayout, "imgWMI", true},
            {&kMainPanelLayout, "imgUSI", true},
            {&kMainPanelLayout, "imgScheme", true},
            {&kMainPanelLayout, "imgApply", false},
            {&kMainPanelLayout, "imgSlideForm", false},
            {&kCoverLayout, "imgOption", true},
            {&kCoverLayout, "imgHexagon", false},
            {&kCoverLayout, "imgClose", false},
            {&kCoverLayout, "imgHide", false},
            {&kHexagonLayout, "imgTSUp", false},
            {&kHexagonLayout, "imgTSDown", false},
            {&kOptionLayout, "imgApply", true},
            {&kListLayout, "imgOk", false},
            {&kReportLayout, "imgClear", true},
            {&kUsageLayout, "imgClose", false},
            {&kInfoBrowserLayout, "imgClose", false},
    };
    for (const Button& button : buttons) {
        SCOPED_TRACE(button.name);
        for (const char* suffix : {"", "Up", "Ov", "Dn"})
            EXPECT_NE(Find(*button.table, std::string(button.name) + suffix), nullptr) << suffix;
        EXPECT_EQ(Find(*button.table, std::string(button.name) + "Ds") != nullptr, button.disabledPicture);
    }
}

}  // namespace
}  // namespace vantor::monitor
