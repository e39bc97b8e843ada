// The rollover behaviour of image buttons: which state picture a button shows
// as the mouse moves over it, presses, drags out and back and releases, when
// it takes and gives back the mouse capture, and when it clicks. Pure: mouse
// events in, effects out; the window applies the effects.
#pragma once

#include <optional>
#include <string_view>

namespace vantor::toolkit {

// Shared by every image button of every window for the whole run. Only one
// button is tracked at a time (the mouse capture sees to that), so one set
// of flags is enough.
struct RolloverFlags {
    bool overAllowed = true;  // the next entry without a press may show "Ov"
    bool downAllowed = true;  // the next entry with a press may show "Dn"
    bool nonUpShown = true;   // some button shows a picture other than "Up"
};

// The process-wide flags the windows share.
RolloverFlags& ProcessRollover();

// Per window: a button of it is held (or its knob dragged) / one of its
// buttons holds the capture for rollover tracking.
struct FormMouseState {
    bool pressed = false;
    bool captured = false;
    int knobOriginX = 0;
};

enum class ButtonPicture {
    Up,
    Ov,
    Dn
};

// The companion suffix that holds the picture: "Up", "Ov", "Dn".
std::string_view PictureSuffix(ButtonPicture picture);

struct ButtonEffects {
    std::optional<ButtonPicture> show;
    bool focusApplication = false;  // give the application window the keyboard focus
    bool notifyPressed = false;     // ButtonPressed
    bool playPressSound = false;    // "Button_Press"
    bool takeCapture = false;
    bool releaseCapture = false;
    bool notifyReleased = false;  // ButtonReleased
    bool click = false;           // the button's click handler runs
};

struct ButtonSize {
    int width = 0;
    int height = 0;
};

class SkinnedButtonLogic {
public:
    SkinnedButtonLogic(RolloverFlags& rollover, FormMouseState& form) : m_rollover(rollover), m_form(form) {}

    // Any mouse button down on the button.
    ButtonEffects Press();
    // The pointer at (x, y) in the button's coordinates, over it or captured by it.
    ButtonEffects Move(int x, int y, ButtonSize size);
    // Mouse button up at (x, y). Clicks only when the window's press is under
    // way, i.e. it began on a button, and the release is inside.
    ButtonEffects Release(int x, int y, ButtonSize size);

private:
    RolloverFlags& m_rollover;
    FormMouseState& m_form;
};

}  // namespace vantor::toolkit
