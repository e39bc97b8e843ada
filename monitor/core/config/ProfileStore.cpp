#include "config/ProfileStore.h"

namespace vantor::monitor {

std::string WriteErrorText(std::string_view path) { return "Unable to write to " + std::string(path); }

}  // namespace vantor::monitor
