#include "toolkit/TLabel.h"

namespace vantor::toolkit {

void TLabel::SetCaption(std::string caption)
{
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    Invalidate();
}

void TLabel::SetTextColour(ColourRef colour)
{
    if (colour == m_textColour)
        return;
    m_textColour = colour;
    Invalidate();
}

void TLabel::SetBackColour(ColourRef colour)
{
    if (colour == m_backColour)
        return;
    m_backColour = colour;
    Invalidate();
}

void TLabel::SetTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    Invalidate();
}

void TLabel::SetAlignment(TextAlign alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    Invalidate();
}

}  // namespace vantor::toolkit
