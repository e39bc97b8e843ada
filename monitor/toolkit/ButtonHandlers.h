// Turns a form's image into a skinned button (state pictures through
// press, rollover, drag and release) or into a slider knob.
#pragma once

#include <functional>
#include <string>

namespace vantor::toolkit {

class TGoodForm;
class TImage;

// Installs the press, move and release handlers on `image`, owned by
// `form`, and gives it the hand cursor. The image's own OnClick is kept: it
// runs when the button is released over it.
void AttachButtonHandlers(TGoodForm& form, TImage& image);

// Installs the knob's drag handlers and the hand cursor.
void AttachKnobHandlers(TGoodForm& form, TImage& image);

// Plays a named button sound ("Button_Press"); the sound library's binding
// installs it. Empty: buttons are silent.
std::function<void(const std::string&)>& ButtonSoundPlayer();

}  // namespace vantor::toolkit
