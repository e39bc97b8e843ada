#include "startup/BroadcastRule.h"

namespace vantor::monitor {

bool ShouldRefreshFanSettings(const QueuedMessage& queued, std::uint32_t broadcastMessage,
                              const void* applicationWindow)
{
    return broadcastMessage != 0 && queued.Message == broadcastMessage && applicationWindow != nullptr &&
           queued.Window == applicationWindow && queued.WParam == kFanSettingsChanged;
}

}  // namespace vantor::monitor
