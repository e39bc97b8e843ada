#include "toolkit/ZyButtonState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/ZyButtonLook.h"

namespace vantor::toolkit {
namespace {

enum class Ev {
    In,
    Out,
    DownIn,
    UpIn,
    UpOut,
    SpaceDown,
    SpaceUp,
    SpaceChar,
    EnterDown,
    EnterUp,
    Focus,
    Blur,
    CaptureLost,
    Disable,
    Enable
};

struct Step {
    Ev event;
    int slot;  // the slot shown after the event
    bool click;
};

ZyEffects Apply(ZyButtonState& b, Ev ev)
{
    switch (ev) {
    case Ev::In:
        return b.MouseMove(true);
    case Ev::Out:
        return b.MouseMove(false);
    case Ev::DownIn:
        return b.LeftDown(true);
    case Ev::UpIn:
        return b.LeftUp(true);
    case Ev::UpOut:
        return b.LeftUp(false);
    case Ev::SpaceDown:
        return b.KeyDown(ZyKey::Space);
    case Ev::SpaceUp:
        return b.KeyUp(ZyKey::Space);
    case Ev::SpaceChar:
        return b.CharTyped(' ');
    case Ev::EnterDown:
        return b.KeyDown(ZyKey::Enter);
    case Ev::EnterUp:
        return b.KeyUp(ZyKey::Enter);
    case Ev::Focus:
        return b.FocusGained();
    case Ev::Blur:
        return b.FocusLost();
    case Ev::CaptureLost:
        return b.CaptureLost();
    case Ev::Disable:
        return b.SetEnabled(false);
    case Ev::Enable:
        return b.SetEnabled(true);
    }
    return {};
}

TEST(ZyButtonState, SequencesShowTheRightSlotAndClickOnce)
{
    struct Sequence {
        const char* label;
        bool showMouseOver;
        std::vector<Step> steps;
    };
    const Sequence sequences[] = {
            {"hover, press, release inside",
             true,
             {{Ev::In, 2, false}, {Ev::DownIn, 1, false}, {Ev::UpIn, 2, true}, {Ev::Out, 0, false}}},
            {"press, drag out, back in, release inside",
             true,
             {{Ev::In, 2, false},
              {Ev::DownIn, 1, false},
              {Ev::Out, 0, false},
              {Ev::In, 1, false},
              {Ev::UpIn, 2, true}}},
            {"press, drag out, release outside: no click",
             true,
             {{Ev::In, 2, false},
              {Ev::DownIn, 1, false},
              {Ev::Out, 0, false},
              {Ev::UpOut, 0, false},
              {Ev::In, 2, false}}},
            {"without mouse-over pictures the hover keeps slot 0",
             false,
             {{Ev::In, 0, false}, {Ev::DownIn, 1, false}, {Ev::UpIn, 0, true}}},
            {"Space typed on a focused button clicks once",
             true,
             {{Ev::Focus, 2, false}, {Ev::SpaceDown, 1, false}, {Ev::SpaceChar, 1, true}, {Ev::SpaceUp, 0, false}}},
            {"held Enter shows the press but never clicks",
             true,
             {{Ev::Focus, 2, false}, {Ev::EnterDown, 1, false}, {Ev::EnterDown, 1, false}, {Ev::EnterUp, 0, false}}},
            {"focus lost during a key press ends it",
             true,
             {{Ev::Focus, 2, false}, {Ev::SpaceDown, 1, false}, {Ev::Blur, 0, false}, {Ev::SpaceUp, 0, false}}},
            {"focus lost during a mouse press: the release no longer clicks",
             true,
             {{Ev::In, 2, false}, {Ev::DownIn, 1, false}, {Ev::Blur, 2, false}, {Ev::UpIn, 2, false}}},
            {"disabled while pressed: slot 3 and no click",
             true,
             {{Ev::In, 2, false},
              {Ev::DownIn, 1, false},
              {Ev::Disable, 3, false},
              {Ev::UpIn, 3, false},
              {Ev::SpaceChar, 3, false},
              {Ev::Enable, 0, false}}},
            {"capture taken by another window ends the press",
             true,
             {{Ev::In, 2, false}, {Ev::DownIn, 1, false}, {Ev::CaptureLost, 0, false}, {Ev::UpIn, 0, false}}},
    };
    for (const Sequence& s : sequences) {
        SCOPED_TRACE(s.label);
        ZyButtonState button;
        button.showMouseOver = s.showMouseOver;
        for (std::size_t i = 0; i < s.steps.size(); ++i) {
            const ZyEffects e = Apply(button, s.steps[i].event);
            EXPECT_EQ(static_cast<int>(button.Slot()), s.steps[i].slot) << "step " << i;
            EXPECT_EQ(e.click, s.steps[i].click) << "step " << i;
        }
    }
}

TEST(ZyButtonState, CaptureFollowsHoverAndPress)
{
    ZyButtonState b;
    ZyEffects e = b.MouseMove(true);
    EXPECT_TRUE(e.takeCapture && e.mouseEnter);
    e = b.MouseMove(false);  // hover ends: give the capture back
    EXPECT_TRUE(e.releaseCapture && e.mouseLeave);

    b.MouseMove(true);
    e = b.LeftDown(true);
    EXPECT_TRUE(e.takeCapture && e.takeFocus);
    e = b.MouseMove(false);  // pressed: the capture stays for the drag
    EXPECT_FALSE(e.releaseCapture);
    EXPECT_FALSE(e.mouseLeave);
    e = b.LeftUp(false);
    EXPECT_TRUE(e.releaseCapture);

    ZyButtonState notTabStop;
    notTabStop.tabStop = false;
    EXPECT_FALSE(notTabStop.LeftDown(true).takeFocus);
}

TEST(ZyButtonLook, EmptySlotsFallBackAndCaptionFollowsTheState)
{
    const std::array<bool, 4> onlyRaised{true, false, false, false};
    const std::array<bool, 4> all{true, true, true, true};
    EXPECT_EQ(EffectiveSlot(ZySlot::Focused, onlyRaised), ZySlot::Raised);
    EXPECT_EQ(EffectiveSlot(ZySlot::Disabled, onlyRaised), ZySlot::Raised);
    EXPECT_EQ(EffectiveSlot(ZySlot::Disabled, all), ZySlot::Disabled);

    const ColourRef font = MakeColour(1, 2, 3), grey = MakeColour(128, 128, 128);
    const ZyThreeStateFontColor defaults;
    const ZyThreeStateFontColor set{0x0000FF, 0x00FF00, 0xFF0000};
    struct Case {
        ZySlot slot;
        ColourRef withDefaults;
        ColourRef withSet;
    };
    const Case cases[] = {{ZySlot::Raised, font, font},
                          {ZySlot::Sunken, font, 0x0000FF},
                          {ZySlot::Focused, font, 0x00FF00},
                          {ZySlot::Disabled, grey, 0xFF0000}};
    for (const Case& c : cases) {
        EXPECT_EQ(CaptionColour(c.slot, font, defaults, grey), c.withDefaults) << static_cast<int>(c.slot);
        EXPECT_EQ(CaptionColour(c.slot, font, set, grey), c.withSet) << static_cast<int>(c.slot);
    }

    const PixelRect bounds{0, 0, 18, 16};
    EXPECT_EQ(CaptionRect(bounds, ZySlot::Sunken, {}), (PixelRect{2, 2, 20, 18}));
    EXPECT_EQ(CaptionRect(bounds, ZySlot::Focused, {}), bounds);
    EXPECT_EQ(CaptionRect(bounds, ZySlot::Sunken, {0, 1}), (PixelRect{0, 1, 18, 17}));
}

}  // namespace
}  // namespace vantor::toolkit
