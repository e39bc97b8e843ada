// One running copy per session: a named mutex created at start and never
// closed; the system releases it when the process ends.
#pragma once

#include <string_view>

namespace vantor::monitor {

inline constexpr std::string_view kSingleInstanceMutexName = "ZYKO_Vantor_0228943447#3835";

enum class InstanceClaim {
    First,
    AlreadyRunning,
    Failed
};

// Creates (or opens) the named mutex with initial ownership requested.
// AlreadyRunning when the name existed before this call; the handle is kept
// open in every case but Failed, so the name stays held for the process's
// life. Windows only.
InstanceClaim ClaimSingleInstance(std::string_view mutexName = kSingleInstanceMutexName);

}  // namespace vantor::monitor
