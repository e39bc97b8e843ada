// The skinned button's and the knob's mouse handlers: SkinnedButtonLogic and
// KnobLogic decide, these apply the effects to the image and its window
// (pictures from the companions, focus, mouse capture, notifications, sound).
#include "toolkit/ButtonHandlers.h"

#include <windows.h>

#include "toolkit/KnobLogic.h"
#include "toolkit/SkinnedButtonLogic.h"
#include "toolkit/SystemHelpers.h"
#include "toolkit/TGoodForm.h"
#include "toolkit/TImage.h"

namespace vantor::toolkit {
namespace {

void ShowCompanion(TGoodForm& form, TImage& button, ButtonPicture picture)
{
    // A missing companion: the picture stays as it is.
    if (TImage* companion = form.FindImage(button.Name() + std::string(PictureSuffix(picture))))
        button.SetPicture(companion->GetPicture());
}

// In the order the button's steps take: focus, capture, then for a release
// the notification before the picture, for a press the picture before the
// notification, and the sound last.
void Apply(TGoodForm& form, TImage& button, const ButtonEffects& e)
{
    if (e.focusApplication) {
        HWND application = ApplicationWindow() ? ApplicationWindow() : form.Handle();
        if (GetFocus() != application)
            SetFocus(application);
    }
    if (e.releaseCapture)
        form.ReleaseMouse();
    if (e.takeCapture)
        form.CaptureMouse(button);
    if (e.notifyReleased)
        form.ButtonReleased(button);
    if (e.show)
        ShowCompanion(form, button, *e.show);
    if (e.notifyPressed)
        form.ButtonPressed(button);
    if (e.playPressSound && ButtonSoundPlayer())
        ButtonSoundPlayer()("Button_Press");
}

ButtonSize SizeOf(const TImage& image) { return ButtonSize{image.Width(), image.Height()}; }

}  // namespace

std::function<void(const std::string&)>& ButtonSoundPlayer()
{
    static std::function<void(const std::string&)> player;
    return player;
}

void AttachButtonHandlers(TGoodForm& form, TImage& image)
{
    image.CursorShape = crHandPoint;
    image.OnMouseDown = [&form, &image](Control&, const MouseEvent&) {
        SkinnedButtonLogic logic(ProcessRollover(), form.MouseState());
        Apply(form, image, logic.Press());
    };
    image.OnMouseMove = [&form, &image](Control&, const MouseEvent& e) {
        SkinnedButtonLogic logic(ProcessRollover(), form.MouseState());
        Apply(form, image, logic.Move(e.x, e.y, SizeOf(image)));
    };
    image.OnMouseUp = [&form, &image](Control&, const MouseEvent& e) {
        SkinnedButtonLogic logic(ProcessRollover(), form.MouseState());
        ButtonEffects effects = logic.Release(e.x, e.y, SizeOf(image));
        // The click itself is the form's: it runs the image's OnClick after this.
        effects.click = false;
        Apply(form, image, effects);
    };
}

void AttachKnobHandlers(TGoodForm& form, TImage& image)
{
    image.CursorShape = crHandPoint;
    image.OnMouseDown = [&form](Control&, const MouseEvent& e) { KnobLogic(form.MouseState()).Press(e.x); };
    image.OnMouseMove = [&form, &image](Control&, const MouseEvent& e) {
        if (const auto left = KnobLogic(form.MouseState()).Move(e.x, image.Left())) {
            image.SetLeft(*left);
            form.KnobMoved(image);
        }
    };
    image.OnMouseUp = [&form](Control&, const MouseEvent&) { KnobLogic(form.MouseState()).Release(); };
}

}  // namespace vantor::toolkit
