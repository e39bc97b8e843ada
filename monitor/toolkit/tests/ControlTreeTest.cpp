#include "toolkit/ControlTree.h"

#include <gtest/gtest.h>

#include <string>

#include "toolkit/HitTest.h"
#include "toolkit/MouseRouter.h"
#include "toolkit/TImage.h"
#include "toolkit/TLabel.h"

namespace vantor::toolkit {
namespace {

// A windowed container, as a panel or group box is.
class Group : public Control {
public:
    using Control::Control;
    bool IsWindowed() const override { return true; }
};

// A windowless control that holds children of its own.
class Frame : public Control {
public:
    using Control::Control;
};

template <class T>
T& Add(Control& parent, const char* name, int left = 0, int top = 0, int width = 0, int height = 0)
{
    auto& c = static_cast<T&>(parent.AddChild(std::make_unique<T>(name)));
    c.SetBounds(left, top, width, height);
    return c;
}

std::string WalkNames(const Control& root)
{
    std::string names;
    WalkDepthFirst(root, [&](Control& c) {
        names += c.Name() + " ";
        return WalkStep::Continue;
    });
    return names;
}

TEST(ControlTree, WalksDepthFirstInCreationOrderIntoWindowedControlsOnly)
{
    Group form("frmTest");
    Add<TImage>(form, "imgBack");
    Group& panel = Add<Group>(form, "pnlA");
    Add<TLabel>(panel, "lbA1");
    Group& inner = Add<Group>(panel, "pnlInner");
    Add<TLabel>(inner, "lbDeep");
    Add<TLabel>(panel, "lbA2");
    Group& empty = Add<Group>(form, "pnlEmpty");
    Frame& frame = Add<Frame>(form, "frmWindowless");
    Add<TLabel>(frame, "lbHidden");
    Add<TLabel>(form, "lbLast");

    EXPECT_EQ(WalkNames(form), "imgBack pnlA lbA1 pnlInner lbDeep lbA2 pnlEmpty frmWindowless lbLast ");
    EXPECT_EQ(WalkNames(empty), "");

    // Lookup follows the same order; names match exactly.
    EXPECT_EQ(FindControl(form, "lbDeep"), inner.Children()[0].get());
    EXPECT_EQ(FindControl(form, "pnlA"), &panel);
    EXPECT_EQ(FindControl(form, "lbdeep"), nullptr);
    EXPECT_EQ(FindControl(form, "lbHidden"), nullptr) << "not reached by the walk";
    EXPECT_EQ(FindControl(form, "frmTest"), nullptr) << "the root is not below itself";

    // A visitor that stops ends the walk at once.
    int visited = 0;
    EXPECT_EQ(WalkDepthFirst(form,
                             [&](Control& c) {
                                 ++visited;
                                 return c.Name() == "lbDeep" ? WalkStep::Stop : WalkStep::Continue;
                             }),
              WalkStep::Stop);
    EXPECT_EQ(visited, 5);
}

TEST(ControlTree, FirstOfTwoSameNamedControlsIsFound)
{
    Group form("f");
    Group& panel = Add<Group>(form, "pnl");
    TLabel& first = Add<TLabel>(panel, "lbTwice");
    Add<TLabel>(form, "lbTwice");
    EXPECT_EQ(FindControl(form, "lbTwice"), &first);
}

// A window with overlapping windowless controls:
//   imgBack   0,0 200x100 (bottom)
//   imgButton 10,10 40x20
//   lbOver    30,15 40x10 (top, overlaps the button's right half)
//   a windowless frame at 100,50 holding imgInFrame at 5,5 10x10
//   a panel (windowed) at 150,0 50x50 holding imgInPanel
struct HitFixture {
    Group form{"frm"};
    TImage& back = Add<TImage>(form, "imgBack", 0, 0, 200, 100);
    TImage& button = Add<TImage>(form, "imgButton", 10, 10, 40, 20);
    TLabel& over = Add<TLabel>(form, "lbOver", 30, 15, 40, 10);
    Frame& frame = Add<Frame>(form, "frame", 100, 50, 50, 50);
    TImage& inFrame = Add<TImage>(frame, "imgInFrame", 5, 5, 10, 10);
    Group& panel = Add<Group>(form, "pnl", 150, 0, 50, 50);
    TImage& inPanel = Add<TImage>(panel, "imgInPanel", 0, 0, 50, 50);
};

TEST(HitTest, TopmostVisibleEnabledWindowlessControlWins)
{
    HitFixture f;
    struct Case {
        const char* label;
        Point at;
        const Control* expected;
    };
    const Case cases[] = {
            {"button alone", {12, 12}, &f.button},
            {"label above the button", {35, 16}, &f.over},
            {"label's last pixel", {69, 24}, &f.over},
            {"right of the label's last pixel", {70, 24}, &f.back},
            {"button's last pixel", {49, 29}, &f.button},
            {"below the button", {12, 30}, &f.back},
            {"inside a windowless frame", {106, 56}, &f.inFrame},
            {"the frame around it", {101, 51}, &f.frame},
            {"a windowed panel takes its own messages", {160, 10}, &f.back},
            {"outside everything", {250, 10}, nullptr},
            {"negative", {-1, 0}, nullptr},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ControlAt(f.form, c.at), c.expected) << c.label;

    f.over.SetVisible(false);
    EXPECT_EQ(ControlAt(f.form, {35, 16}), &f.button) << "hidden: the mouse goes through";
    f.button.SetEnabled(false);
    EXPECT_EQ(ControlAt(f.form, {35, 16}), &f.back) << "disabled: the mouse goes through";
    f.frame.SetVisible(false);
    EXPECT_EQ(ControlAt(f.form, {106, 56}), &f.back) << "a hidden frame hides its children";

    EXPECT_EQ(OriginIn(f.inFrame, f.form), (Point{105, 55}));
    EXPECT_EQ(OriginIn(f.inPanel, f.panel), (Point{0, 0}));
}

TEST(MouseRouter, LeftPressCapturesAndClicksOnlyOnReleaseInsideTheSameControl)
{
    HitFixture f;
    int clicks = 0;
    MouseRouter router(f.form);

    // Press on the button, drag off (the button keeps hearing moves), back in, release.
    RoutedMouse r = router.Down(MouseButton::Left, {12, 12});
    EXPECT_EQ(r.target, &f.button);
    EXPECT_EQ(r.event.x, 2);
    EXPECT_EQ(router.Captured(), &f.button);
    r = router.Move({150, 90});
    EXPECT_EQ(r.target, &f.button);
    EXPECT_EQ(r.event.x, 140);
    EXPECT_EQ(r.event.y, 80);
    r = router.Move({11, 11});
    r = router.Up(MouseButton::Left, {11, 11});
    EXPECT_EQ(r.target, &f.button);
    EXPECT_TRUE(r.click);
    EXPECT_EQ(router.Captured(), nullptr);
    clicks += r.click;

    // The release goes to the pressed control; it clicks when inside its bounds.
    struct Case {
        const char* label;
        Point down;
        Point up;
        const Control* target;
        bool click;
    };
    const Case cases[] = {
            {"release outside the pressed control", {12, 12}, {12, 40}, &f.button, false},
            {"release on its far corner", {12, 12}, {49, 29}, &f.button, true},
            {"release one past its edge", {12, 12}, {12, 30}, &f.button, false},
            {"release on the label beside it", {12, 12}, {60, 20}, &f.button, false},
            {"press on the background, release over the button", {150, 90}, {12, 12}, &f.back, true},
            {"press on nothing, release on the button", {250, 10}, {12, 12}, &f.button, false},
    };
    for (const Case& c : cases) {
        router.Down(MouseButton::Left, c.down);
        r = router.Up(MouseButton::Left, c.up);
        EXPECT_EQ(r.target, c.target) << c.label;
        EXPECT_EQ(r.click, c.click) << c.label;
    }

    // Only the left button clicks and captures.
    r = router.Down(MouseButton::Right, {12, 12});
    EXPECT_EQ(r.target, &f.button);
    EXPECT_EQ(router.Captured(), nullptr);
    EXPECT_FALSE(router.Up(MouseButton::Right, {12, 12}).click);

    // Disabled while held: the release reaches it but does not click.
    router.Down(MouseButton::Left, {12, 12});
    f.button.SetEnabled(false);
    r = router.Up(MouseButton::Left, {12, 12});
    EXPECT_EQ(r.target, &f.button);
    EXPECT_FALSE(r.click);
    EXPECT_EQ(clicks, 1);
}

TEST(MouseRouter, CaptureTakenByAControlRoutesMovesToItUntilReleased)
{
    HitFixture f;
    MouseRouter router(f.form);
    router.Move({12, 12});
    EXPECT_EQ(router.Hovered(), &f.button);
    router.SetCapture(&f.button);
    RoutedMouse r = router.Move({190, 95});
    EXPECT_EQ(r.target, &f.button);
    EXPECT_EQ(router.Hovered(), &f.button);
    router.ReleaseCapture();
    r = router.Move({190, 95});
    EXPECT_EQ(r.target, &f.back);
    EXPECT_EQ(router.Hovered(), &f.back);
}

}  // namespace
}  // namespace vantor::toolkit
