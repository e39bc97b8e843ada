// The press and alert sounds through the outside sound library, and the wave
// output volume. The library is loaded by the cover's creation and unloaded
// by its destruction; without it every play request does nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "sound/SoundPlatform.h"

namespace vantor::monitor {

inline constexpr std::string_view kSoundLibraryName = "soundplay.dll";
inline constexpr std::string_view kSoundLoadFailureMessage = "Load SoundPlay.dll failed !";
inline constexpr std::string_view kButtonPressSound = "Button_Press";
inline constexpr std::string_view kCheckboxPressSound = "Checkbox_Press";
inline constexpr std::string_view kWarningSound = "Warning";

// SoundPlay's modes.
enum SoundMode : std::int32_t {
    kSoundStop = 0,
    kSoundPlayOnce = 1,
    kSoundPlayAlert = 2
};

enum class SoundBindResult {
    Bound,
    // Loaded, but without SoundPlay: play requests do nothing.
    EntryMissing,
    // Not loaded; the failure message was shown.
    LoadFailed,
};

// Whether the user wants the sound after the stop request.
enum class SoundWanted {
    No,
    Yes
};

class Sounds {
public:
    // platform must outlive this object.
    explicit Sounds(SoundPlatform& platform) : m_platform(platform) {}

    SoundBindResult BindSoundLibrary();
    void UnbindSoundLibrary();
    bool IsSoundLibraryBound() const { return m_loaded; }

    // Stops any sound, then plays name once when wanted (the main panel's
    // sound-effect flag).
    void PlayButtonSound(std::string_view name, SoundWanted wanted);
    // Stops any sound, then plays name as an alert when wanted (the alert
    // sound setting).
    void PlayAlertSound(std::string_view name, SoundWanted wanted);

    // Sets both channels of wave device 0 to percent (kept within 0..100).
    // False when there is no wave output device or the device refuses.
    bool SetWaveVolume(int percent);

private:
    void Play(const char* name, std::int32_t mode);

    SoundPlatform& m_platform;
    bool m_loaded = false;
    bool m_hasEntry = false;
    std::optional<std::uint32_t> m_deviceCount;
};

// The waveOutSetVolume value for a percentage: the channel word
// v = percent * 65535 / 100 (truncated) in both halves.
std::uint32_t WaveVolumeFor(int percent);

}  // namespace vantor::monitor
