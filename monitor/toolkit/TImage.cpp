#include "toolkit/TImage.h"

namespace vantor::toolkit {

void TImage::SetPicture(PicturePtr picture)
{
    // The same picture again (a gadget's digits on every polling tick) has
    // nothing new to draw.
    if (picture == m_picture)
        return;
    m_picture = std::move(picture);
    if (AutoSize && m_picture)
        SetBounds(Left(), Top(), m_picture->Width(), m_picture->Height());
    Invalidate();
}

void TImage::SetTransparent(bool transparent, ColourRef colour)
{
    if (transparent == m_transparent && colour == m_transparentColour)
        return;
    m_transparent = transparent;
    m_transparentColour = colour;
    Invalidate();
}

}  // namespace vantor::toolkit
