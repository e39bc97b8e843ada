// A windowless text control: caption, font, colour and alignment; drawn on
// the window's background when transparent, greyed when disabled.
#pragma once

#include <string>

#include "toolkit/ColourKey.h"
#include "toolkit/Control.h"

namespace vantor::toolkit {

enum class TextAlign {
    Left,
    Centre,
    Right
};

class TLabel : public Control {
public:
    using Control::Control;
    ControlKind Kind() const override { return ControlKind::Label; }

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption);

    ColourRef TextColour() const { return m_textColour; }
    void SetTextColour(ColourRef colour);
    // The fill behind the text when the label is not transparent.
    ColourRef BackColour() const { return m_backColour; }
    void SetBackColour(ColourRef colour);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    TextAlign Alignment() const { return m_alignment; }
    void SetAlignment(TextAlign alignment);

private:
    std::string m_caption;
    ColourRef m_textColour = MakeColour(0, 0, 0);
    ColourRef m_backColour = MakeColour(240, 240, 240);
    bool m_transparent = true;
    TextAlign m_alignment = TextAlign::Left;
};

}  // namespace vantor::toolkit
