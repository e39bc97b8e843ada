#include "toolkit/SkinnedButtonLogic.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/KnobLogic.h"

namespace vantor::toolkit {
namespace {

constexpr ButtonSize kSize{40, 20};

// One mouse event on a 40 x 20 button and what it should bring.
struct Step {
    enum Kind {
        Move,
        Press,
        Release
    } kind;
    int x;
    int y;
    const char* show;  // "Up", "Ov", "Dn" or "" for no change
    bool click;
};

// What one step did, as text, so a failing sequence shows where it parted.
std::string Describe(const ButtonEffects& e)
{
    return std::string(e.show ? PictureSuffix(*e.show) : "") + (e.click ? " click" : "");
}

void RunSteps(const std::vector<Step>& steps, RolloverFlags& rollover, FormMouseState& form)
{
    SkinnedButtonLogic button(rollover, form);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        const ButtonEffects e = s.kind == Step::Move    ? button.Move(s.x, s.y, kSize)
                                : s.kind == Step::Press ? button.Press()
                                                        : button.Release(s.x, s.y, kSize);
        EXPECT_EQ(Describe(e), std::string(s.show) + (s.click ? " click" : "")) << "step " << i;
    }
}

TEST(SkinnedButton, MouseSequencesShowTheRightPictureAndClickOnlyInside)
{
    struct Sequence {
        const char* label;
        std::vector<Step> steps;
    };
    const Sequence sequences[] = {
            {"hover, press, release inside: click, and Up stays while the pointer stays",
             {{Step::Move, 5, 5, "Ov", false},
              {Step::Move, 6, 5, "", false},
              {Step::Press, 6, 5, "Dn", false},
              {Step::Release, 6, 5, "Up", true},
              {Step::Move, 7, 5, "", false},
              {Step::Move, 39, 19, "", false},
              {Step::Move, 40, 19, "Up", false},  // leaves: right edge is width - 1
              {Step::Move, 39, 19, "Ov", false}}},
            {"press, drag out, back in, release inside",
             {{Step::Move, 5, 5, "Ov", false},
              {Step::Press, 5, 5, "Dn", false},
              {Step::Move, 6, 5, "Dn", false},
              {Step::Move, -1, 5, "Up", false},
              {Step::Move, -5, 5, "", false},
              {Step::Move, 0, 0, "Dn", false},
              {Step::Release, 0, 0, "Up", true}}},
            {"press, drag out, release outside: no click, Up stays",
             {{Step::Move, 5, 5, "Ov", false},
              {Step::Press, 5, 5, "Dn", false},
              {Step::Move, 5, 20, "Up", false},
              {Step::Release, 5, 20, "", false},
              {Step::Move, 5, 25, "", false}}},
            {"release without a press on the button does not click",
             {{Step::Move, 5, 5, "Ov", false}, {Step::Release, 5, 5, "Up", false}}},
    };
    for (const Sequence& s : sequences) {
        SCOPED_TRACE(s.label);
        RolloverFlags rollover;
        FormMouseState form;
        RunSteps(s.steps, rollover, form);
    }
}

TEST(SkinnedButton, CaptureIsHeldWhileTrackingAndWhilePressed)
{
    RolloverFlags rollover;
    FormMouseState form;
    SkinnedButtonLogic button(rollover, form);

    ButtonEffects e = button.Move(3, 3, kSize);
    EXPECT_TRUE(e.takeCapture);
    EXPECT_TRUE(form.captured);
    EXPECT_FALSE(button.Move(4, 3, kSize).takeCapture);  // taken once

    e = button.Press();
    EXPECT_TRUE(e.notifyPressed && e.playPressSound && e.focusApplication);
    EXPECT_TRUE(form.pressed);
    e = button.Move(50, 3, kSize);  // out while pressed: keep the capture
    EXPECT_FALSE(e.releaseCapture);
    EXPECT_TRUE(form.captured);

    e = button.Release(50, 3, kSize);
    EXPECT_TRUE(e.releaseCapture && e.notifyReleased);
    EXPECT_FALSE(form.pressed || form.captured);

    button.Move(3, 3, kSize);  // hover again, then leave without a press
    e = button.Move(-1, 3, kSize);
    EXPECT_TRUE(e.releaseCapture);
    EXPECT_FALSE(form.captured);
}

TEST(SkinnedButton, RolloverFlagsAreSharedBetweenButtons)
{
    // A click on one button leaves overAllowed clear; the next button entered
    // without leaving a button first shows no rollover, as the flags say.
    RolloverFlags rollover;
    FormMouseState formA, formB;
    SkinnedButtonLogic a(rollover, formA), b(rollover, formB);
    a.Move(1, 1, kSize);
    a.Press();
    a.Release(1, 1, kSize);
    EXPECT_FALSE(rollover.overAllowed);
    EXPECT_FALSE(b.Move(1, 1, kSize).show.has_value());
    b.Move(-1, 1, kSize);  // leaving sets them again
    EXPECT_EQ(b.Move(1, 1, kSize).show, ButtonPicture::Ov);
}

TEST(Knob, FollowsTheMouseWithinTheTrackAndReportsEveryMove)
{
    FormMouseState form;
    KnobLogic knob(form);
    EXPECT_EQ(knob.Move(10, 420), std::nullopt);  // not held

    knob.Press(6);
    EXPECT_TRUE(form.pressed);
    struct Case {
        int mouseX;
        int knobLeft;
        int expected;
    };
    const Case cases[] = {
            {6, 420, 420},  // no movement still reports
            {16, 420, 430},  {0, 420, 414}, {-100, 420, 395},      {6, 395, 395},
            {5, 395, 395},  // held at the left end
            {200, 420, 460}, {7, 460, 460}, {INT32_MIN, 420, 395}, {INT32_MAX, 420, 460},
    };
    for (const Case& c : cases)
        EXPECT_EQ(knob.Move(c.mouseX, c.knobLeft), c.expected) << c.mouseX << " " << c.knobLeft;

    knob.Release();
    EXPECT_FALSE(form.pressed);
    EXPECT_EQ(knob.Move(16, 420), std::nullopt);
}

}  // namespace
}  // namespace vantor::toolkit
