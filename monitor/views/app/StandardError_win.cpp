// The standard error display: Windows is needed for the message box.
#include <windows.h>

#include <string>

#include "app/StandardError.h"
#include "startup/DisplayCheck.h"

namespace vantor::views {

void ShowStandardError(std::string_view text)
{
    const std::string message(text);
    const std::string title(monitor::kApplicationTitle);
    MessageBoxA(nullptr, message.c_str(), title.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

}  // namespace vantor::views
