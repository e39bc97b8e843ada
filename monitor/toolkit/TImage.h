// A windowless picture control. Skinned buttons are images too, and their
// hidden state companions are images that only hold a picture.
#pragma once

#include "toolkit/ColourKey.h"
#include "toolkit/Control.h"
#include "toolkit/Picture.h"

namespace vantor::toolkit {

class TImage : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::Image; }

    const PicturePtr& GetPicture() const { return m_picture; }
    // An auto-sized image takes the picture's size.
    void SetPicture(PicturePtr picture);

    bool AutoSize = false;

    // Drawn with every pixel of TransparentColour left out.
    bool Transparent() const { return m_transparent; }
    ColourRef TransparentColour() const { return m_transparentColour; }
    void SetTransparent(bool transparent, ColourRef colour);

private:
    PicturePtr m_picture;
    bool m_transparent = false;
    ColourRef m_transparentColour = 0;
};

}  // namespace vantor::toolkit
