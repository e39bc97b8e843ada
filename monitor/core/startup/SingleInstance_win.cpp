// The single-instance mutex: Windows is needed for named kernel objects.
#include <windows.h>

#include <string>

#include "startup/SingleInstance.h"

namespace vantor::monitor {

InstanceClaim ClaimSingleInstance(std::string_view mutexName)
{
    const std::string name(mutexName);
    // Deliberately never closed: the process holds the name until it ends.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
    const DWORD error = GetLastError();
    if (mutex == nullptr)
        return InstanceClaim::Failed;
    return error == ERROR_ALREADY_EXISTS ? InstanceClaim::AlreadyRunning : InstanceClaim::First;
}

}  // namespace vantor::monitor
