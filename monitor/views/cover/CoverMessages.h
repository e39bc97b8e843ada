// What the cover does with the system's notices: a change of the icon
// metrics puts the main panel back on the cover's left edge, a display mode
// change keeps it at its slide position, a suspend is passed to the
// hardware binding. Pure: the message and its wParam in, the action out.
#pragma once

#include <cstdint>

namespace vantor::views {

inline constexpr std::uint32_t kWmSettingChange = 0x001A;
inline constexpr std::uint32_t kWmDisplayChange = 0x007E;
inline constexpr std::uint32_t kWmPowerBroadcast = 0x0218;
inline constexpr std::uintptr_t kSpiSetIconMetrics = 46;
inline constexpr std::uintptr_t kPbtApmSuspend = 4;

enum class CoverNoticeAction {
    None,
    PanelToCoverCorner,  // the panel's left and top become the cover's
    PanelToSlidePlace,   // top: the cover's; left: the cover's minus the cover offset
    NoteSuspend,
};

struct CoverNotice {
    bool defaultHandling = true;  // the window's normal handling first
    CoverNoticeAction action = CoverNoticeAction::None;
    bool operator==(const CoverNotice&) const = default;
};

CoverNotice CoverNoticeFor(std::uint32_t message, std::uintptr_t wParam);

// Where the panel goes for the two placing actions.
struct PanelPlace {
    int left = 0;
    int top = 0;
    bool operator==(const PanelPlace&) const = default;
};
PanelPlace PanelPlaceFor(CoverNoticeAction action, int coverLeft, int coverTop, int coverOffset);

}  // namespace vantor::views
