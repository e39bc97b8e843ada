#include "prefs/AutoStart.h"

namespace vantor::monitor {

std::string AutoStartData(std::string_view programPath) { return "\"" + std::string(programPath) + "\" 1"; }

bool AutoStartIsOn(std::optional<std::string_view> stored, std::string_view programPath)
{
    return stored.has_value() && *stored == AutoStartData(programPath);
}

AutoStartAction AutoStartActionFor(bool newState)
{
    return newState ? AutoStartAction::WriteValue : AutoStartAction::DeleteValue;
}

bool ReadAutoStart(RegistryStore& registry, std::string_view programPath)
{
    const std::optional<std::string> stored = registry.ReadRunValue();
    return AutoStartIsOn(stored ? std::optional<std::string_view>(*stored) : std::nullopt, programPath);
}

std::optional<std::string> SetAutoStart(RegistryStore& registry, std::string_view programPath, bool newState)
{
    const bool done = AutoStartActionFor(newState) == AutoStartAction::WriteValue
                              ? registry.WriteRunValue(AutoStartData(programPath))
                              : registry.DeleteRunValue();
    if (done)
        return std::nullopt;
    return "Unable to write to HKEY_LOCAL_MACHINE\\" + std::string(kRunKeyPath);
}

}  // namespace vantor::monitor
