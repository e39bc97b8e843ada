#include "mainpanel/TopmostRule.h"

namespace vantor::views {

std::optional<ZOrder> TopmostFor(TopmostTrigger trigger, bool alwaysOnTop, bool flashWindowAbsent)
{
    if (trigger == TopmostTrigger::PanelMoved && !flashWindowAbsent)
        return std::nullopt;
    return alwaysOnTop ? ZOrder::Topmost : ZOrder::NotTopmost;
}

}  // namespace vantor::views
