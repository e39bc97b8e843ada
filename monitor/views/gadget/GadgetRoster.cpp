#include "gadget/GadgetRoster.h"

namespace vantor::views {

std::vector<GadgetSlot> GadgetOrder(std::size_t voltages, std::size_t temperatures, std::size_t fans)
{
    std::vector<GadgetSlot> order;
    order.reserve(voltages + temperatures + fans);
    const struct {
        monitor::SensorKind kind;
        std::size_t count;
    } kinds[] = {{monitor::SensorKind::Voltage, voltages},
                 {monitor::SensorKind::Temperature, temperatures},
                 {monitor::SensorKind::Fan, fans}};
    for (const auto& kind : kinds) {
        for (std::size_t i = 0; i < kind.count; ++i)
            order.push_back({kind.kind, i});
    }
    return order;
}

std::uint32_t GadgetMaskBit(std::size_t gadgetIndex)
{
    return gadgetIndex < kMaskedGadgets ? std::uint32_t{1} << gadgetIndex : 0;
}

GadgetRoster::GadgetRoster(std::vector<GadgetSlot> order)
    : m_order(std::move(order)), m_shown(m_order.size(), false), m_magnetOff(m_order.size(), false)
{}

void GadgetRoster::MarkCreated(std::size_t gadget) { m_created |= GadgetMaskBit(gadget); }

void GadgetRoster::SetShown(std::size_t gadget, bool shown)
{
    m_shown.at(gadget) = shown;
    if (shown)
        m_shownMask |= GadgetMaskBit(gadget);
    else
        m_shownMask &= ~GadgetMaskBit(gadget);
}

}  // namespace vantor::views
