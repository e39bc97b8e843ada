#include "toolkit/ControlHelpers.h"

#include "toolkit/ControlTree.h"
#include "toolkit/LanguageState.h"
#include "toolkit/TImage.h"

namespace vantor::toolkit {

void PlaceControl(Control* control, int left, int top)
{
    if (!control)
        return;
    // The language's name alone decides, as the library reports it: taller
    // Shift-JIS glyphs need the room even when other functions are missing.
    if (control->Kind() == ControlKind::Label && CurrentLanguage().Name() == "Japanese")
        top += 3;
    control->SetLeft(left);
    control->SetTop(top);
}

void SizeControl(Control* control, int width, int height)
{
    if (!control)
        return;
    control->SetWidth(width);
    control->SetHeight(height);
}

void PlaceAndSize(Control* control, int left, int top, int width, int height)
{
    PlaceControl(control, left, top);
    SizeControl(control, width, height);
}

void SetControlFont(Control* control, const std::string& face, int height)
{
    if (!control || (control->Kind() != ControlKind::Edit && control->Kind() != ControlKind::Label))
        return;
    FontSpec font = control->Font();
    font.face = face;
    font.height = height;
    control->SetFont(font);
}

void SetControlsVisible(const Control& window, std::string_view prefix, int count, int first, bool visible)
{
    for (int n = first; n < first + count; ++n) {
        if (Control* c = FindControl(window, std::string(prefix) + std::to_string(n)))
            c->SetVisible(visible);
    }
}

void SetButtonEnabled(const Control& window, std::string_view button, bool enabled)
{
    auto* image = dynamic_cast<TImage*>(FindControl(window, button));
    auto* companion = dynamic_cast<TImage*>(FindControl(window, std::string(button) + (enabled ? "Up" : "Ds")));
    if (!image || !companion)
        return;
    image->SetPicture(companion->GetPicture());
    image->SetEnabled(enabled);
}

}  // namespace vantor::toolkit
