#include "cover/CoverMessages.h"

namespace vantor::views {

CoverNotice CoverNoticeFor(std::uint32_t message, std::uintptr_t wParam)
{
    switch (message) {
    case kWmSettingChange:
        // The setting changes get no normal handling at all.
        return CoverNotice{.defaultHandling = false,
                           .action = wParam == kSpiSetIconMetrics ? CoverNoticeAction::PanelToCoverCorner
                                                                  : CoverNoticeAction::None};
    case kWmDisplayChange:
        return CoverNotice{.action = CoverNoticeAction::PanelToSlidePlace};
    case kWmPowerBroadcast:
        if (wParam == kPbtApmSuspend)
            return CoverNotice{.action = CoverNoticeAction::NoteSuspend};
        break;
    default:
        break;
    }
    return CoverNotice{};
}

PanelPlace PanelPlaceFor(CoverNoticeAction action, int coverLeft, int coverTop, int coverOffset)
{
    if (action == CoverNoticeAction::PanelToSlidePlace)
        return PanelPlace{coverLeft - coverOffset, coverTop};
    return PanelPlace{coverLeft, coverTop};
}

}  // namespace vantor::views
