// The gadget windows as a list: one per sensor, voltages first, then
// temperatures, then fans, each kind in descriptor order; the position in
// the list is the gadget's index. The created and shown masks give each of
// the first 32 gadgets a bit; a board with more sensors still gets a gadget
// for every one, kept here in plain per-gadget flags, but the later ones
// own no bit (no shift past the mask's width, no array written past its end).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "config/SensorConfig.h"

namespace vantor::views {

inline constexpr std::size_t kMaskedGadgets = 32;

struct GadgetSlot {
    monitor::SensorKind kind = monitor::SensorKind::Voltage;
    std::size_t index = 0;  // descriptor index within the kind
    bool operator==(const GadgetSlot&) const = default;
};

std::vector<GadgetSlot> GadgetOrder(std::size_t voltages, std::size_t temperatures, std::size_t fans);

// The gadget's bit in a 32-bit mask; 0 for gadgets past the 32nd.
std::uint32_t GadgetMaskBit(std::size_t gadgetIndex);

class GadgetRoster {
public:
    explicit GadgetRoster(std::vector<GadgetSlot> order);

    std::size_t Count() const { return m_order.size(); }
    const GadgetSlot& Slot(std::size_t gadget) const { return m_order[gadget]; }

    // CreatedGadgetMask: one bit per created gadget, up to 32.
    std::uint32_t CreatedMask() const { return m_created; }
    void MarkCreated(std::size_t gadget);

    // ShownGadgetMask, and the shown state of every gadget however many.
    std::uint32_t ShownMask() const { return m_shownMask; }
    bool Shown(std::size_t gadget) const { return m_shown.at(gadget); }
    void SetShown(std::size_t gadget, bool shown);

    // MagnetOff: 1 while a gadget neither pulls nor is pulled; initially 0.
    bool MagnetOff(std::size_t gadget) const { return m_magnetOff.at(gadget); }
    void SetMagnetOff(std::size_t gadget, bool off) { m_magnetOff.at(gadget) = off; }
    const std::vector<bool>& MagnetOffFlags() const { return m_magnetOff; }

private:
    std::vector<GadgetSlot> m_order;
    std::uint32_t m_created = 0;
    std::uint32_t m_shownMask = 0;
    std::vector<bool> m_shown;
    std::vector<bool> m_magnetOff;
};

}  // namespace vantor::views
