// The application's standard error display: what an error that escapes an
// event handler, the window creation or the message loop shows before the
// program goes on (or, from the entry, returns).
#pragma once

#include <string_view>

namespace vantor::views {

// A message box titled "Vantor" with the error's text. Windows only.
void ShowStandardError(std::string_view text);

}  // namespace vantor::views
