// The preference file beside the program (its path with the extension
// ".ini"): the main panel's flags and gadget arrangement ("Preference"), the
// cover's place ("maincover") and the gadget windows' places ("arcrft<n>").
// Every access goes straight to the file; nothing is cached.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "config/ProfileStore.h"

namespace vantor::monitor {

inline constexpr std::string_view kPreferenceSection = "Preference";
inline constexpr std::string_view kCoverSection = "maincover";

// Section and key names stay letter for letter as the Vantor.ini files
// already written hold them ("bAlwaysonTop", "bEnableAirCraft" included).
inline constexpr std::string_view kAlwaysOnTopKey = "bAlwaysonTop";
inline constexpr std::string_view kAirCraftKey = "bEnableAirCraft";
inline constexpr std::string_view kSoundEffectKey = "bEnableSoundEffect";
inline constexpr std::string_view kSmallKey = "bSmall";
inline constexpr std::string_view kSchemeKey = "nSchemeIdx";

// The four flags in the order the main panel loads them.
inline constexpr std::array<std::string_view, 4> kPreferenceFlagKeys{kAlwaysOnTopKey, kAirCraftKey, kSoundEffectKey,
                                                                     kSmallKey};

// Gadget arrangements: a screen edge, or wherever the user put them.
enum class GadgetScheme : std::int32_t {
    User = -1,
    Top = 0,
    Right = 1,
    Bottom = 2,
    Left = 3
};

// The program file's path with its extension replaced by ".ini".
std::string PreferencesPath(std::string_view programPath);

// "arcrft" and the gadget index in decimal.
std::string GadgetSectionName(std::int32_t gadgetIndex);

struct ScreenPoint {
    std::int32_t Left = 0;
    std::int32_t Top = 0;

    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct CoverPlacement {
    ScreenPoint Position;
    bool MainPanelClosed = false;
};

class Preferences {
public:
    Preferences(ProfileStore& store, std::string path) : m_store(store), m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }

    // An integer of section "Preference"; -1 when missing or not an integer.
    std::int32_t ReadPreference(std::string_view key);
    // The error text when the write is refused.
    std::optional<std::string> WritePreference(std::string_view key, std::int32_t value);

    // The flag's state at start: any value but 0 (missing included) sets it.
    bool ReadFlag(std::string_view key) { return ReadPreference(key) != 0; }
    // "nSchemeIdx"; values outside -1..3 read as User.
    GadgetScheme ReadScheme();

    // Defaults centre the cover: half the screen minus half the main panel's
    // width, half the screen minus half the cover's height.
    CoverPlacement ReadCoverPlacement(std::int32_t screenWidth, std::int32_t screenHeight, std::int32_t mainPanelWidth,
                                      std::int32_t coverHeight);
    // "Left", "Top", "MainPanelClosed" in this order; stops at a refusal.
    std::optional<std::string> WriteCoverPlacement(const CoverPlacement& placement);

    // Stored places exist when gadget 0 has its section.
    bool HasGadgetPositions();
    // The stored place, each coordinate defaulting to the current one.
    ScreenPoint ReadGadgetPosition(std::int32_t gadgetIndex, ScreenPoint current);
    std::optional<std::string> WriteGadgetPosition(std::int32_t gadgetIndex, ScreenPoint position);

private:
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t fallback);
    bool WriteInteger(std::string_view section, std::string_view key, std::int32_t value);

    ProfileStore& m_store;
    std::string m_path;
};

// Which flags the main panel switches on through their click handling at
// start (each click writes 1 back), in load order.
struct PreferenceStartup {
    std::array<bool, kPreferenceFlagKeys.size()> FlagOn{};
    GadgetScheme Scheme = GadgetScheme::User;
};
PreferenceStartup ReadPreferenceStartup(Preferences& preferences);

}  // namespace vantor::monitor
