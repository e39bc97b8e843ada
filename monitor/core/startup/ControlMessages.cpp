#include "startup/ControlMessages.h"

#include <array>

namespace vantor::monitor {
namespace {

// Indexed by message - WM_USER.
constexpr std::array<ControlAction, kControlMessageCount> kActions = {
        ControlAction::EndRun,        // WM_USER
        ControlAction::Minimise,      // +1
        ControlAction::None,          // +2
        ControlAction::Restore,       // +3
        ControlAction::None,          // +4
        ControlAction::None,          // +5
        ControlAction::BringToFront,  // +6
        ControlAction::None,          // +7
};

}  // namespace

std::optional<ControlAction> ControlActionFor(std::uint32_t message)
{
    if (message < kWmUser || message - kWmUser >= kControlMessageCount)
        return std::nullopt;
    return kActions[message - kWmUser];
}

}  // namespace vantor::monitor
