#include "prefs/Preferences.h"

#include "config/NumberConversion.h"

namespace vantor::monitor {
namespace {

constexpr std::int32_t kMissingPreference = -1;

}  // namespace

std::string PreferencesPath(std::string_view programPath)
{
    const std::size_t separator = programPath.find_last_of("\\/");
    const std::size_t nameStart = separator == std::string_view::npos ? 0 : separator + 1;
    std::size_t dot = programPath.find_last_of('.');
    if (dot == std::string_view::npos || dot < nameStart)
        dot = programPath.size();
    return std::string(programPath.substr(0, dot)) + ".ini";
}

std::string GadgetSectionName(std::int32_t gadgetIndex) { return "arcrft" + FormatInteger(gadgetIndex); }

std::int32_t Preferences::ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback)
{
    return ParseIntegerOr(m_store.ReadString(m_path, section, key, ""), fallback);
}

bool Preferences::WriteInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    return m_store.WriteString(m_path, section, key, FormatInteger(value));
}

std::int32_t Preferences::ReadPreference(std::string_view key)
{
    return ReadInteger(kPreferenceSection, key, kMissingPreference);
}

std::optional<std::string> Preferences::WritePreference(std::string_view key, std::int32_t value)
{
    if (WriteInteger(kPreferenceSection, key, value))
        return std::nullopt;
    return WriteErrorText(m_path);
}

GadgetScheme Preferences::ReadScheme()
{
    const std::int32_t value = ReadPreference(kSchemeKey);
    if (value < static_cast<std::int32_t>(GadgetScheme::User) || value > static_cast<std::int32_t>(GadgetScheme::Left))
        return GadgetScheme::User;
    return static_cast<GadgetScheme>(value);
}

CoverPlacement Preferences::ReadCoverPlacement(std::int32_t screenWidth, std::int32_t screenHeight,
                                               std::int32_t mainPanelWidth, std::int32_t coverHeight)
{
    CoverPlacement placement;
    placement.Position.Left = ReadInteger(kCoverSection, "Left", screenWidth / 2 - mainPanelWidth / 2);
    placement.Position.Top = ReadInteger(kCoverSection, "Top", screenHeight / 2 - coverHeight / 2);
    placement.MainPanelClosed = ReadInteger(kCoverSection, "MainPanelClosed", 0) != 0;
    return placement;
}

std::optional<std::string> Preferences::WriteCoverPlacement(const CoverPlacement& placement)
{
    if (!WriteInteger(kCoverSection, "Left", placement.Position.Left) ||
        !WriteInteger(kCoverSection, "Top", placement.Position.Top) ||
        !WriteInteger(kCoverSection, "MainPanelClosed", placement.MainPanelClosed ? 1 : 0))
        return WriteErrorText(m_path);
    return std::nullopt;
}

bool Preferences::HasGadgetPositions() { return m_store.HasSection(m_path, GadgetSectionName(0)); }

ScreenPoint Preferences::ReadGadgetPosition(std::int32_t gadgetIndex, ScreenPoint current)
{
    const std::string section = GadgetSectionName(gadgetIndex);
    return ScreenPoint{ReadInteger(section, "Left", current.Left), ReadInteger(section, "Top", current.Top)};
}

std::optional<std::string> Preferences::WriteGadgetPosition(std::int32_t gadgetIndex, ScreenPoint position)
{
    const std::string section = GadgetSectionName(gadgetIndex);
    if (!WriteInteger(section, "Left", position.Left) || !WriteInteger(section, "Top", position.Top))
        return WriteErrorText(m_path);
    return std::nullopt;
}

PreferenceStartup ReadPreferenceStartup(Preferences& preferences)
{
    PreferenceStartup startup;
    for (std::size_t i = 0; i < kPreferenceFlagKeys.size(); ++i)
        startup.FlagOn[i] = preferences.ReadFlag(kPreferenceFlagKeys[i]);
    startup.Scheme = preferences.ReadScheme();
    return startup;
}

}  // namespace vantor::monitor
