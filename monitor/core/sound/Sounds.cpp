#include "sound/Sounds.h"

#include <algorithm>
#include <string>

namespace vantor::monitor {

std::uint32_t WaveVolumeFor(int percent)
{
    // A percentage above 100 would carry the left channel into the right one.
    const auto clamped = static_cast<std::uint32_t>(std::clamp(percent, 0, 100));
    const std::uint32_t channel = clamped * 65535u / 100u;
    return channel + channel * 65536u;
}

SoundBindResult Sounds::BindSoundLibrary()
{
    if (m_loaded)
        return m_hasEntry ? SoundBindResult::Bound : SoundBindResult::EntryMissing;
    const std::string path = m_platform.ProgramFolder() + std::string(kSoundLibraryName);
    if (!m_platform.LoadSoundLibrary(path)) {
        m_platform.ShowMessage(kSoundLoadFailureMessage);
        return SoundBindResult::LoadFailed;
    }
    m_loaded = true;
    m_hasEntry = m_platform.ResolveSoundPlay();
    return m_hasEntry ? SoundBindResult::Bound : SoundBindResult::EntryMissing;
}

void Sounds::UnbindSoundLibrary()
{
    if (!m_loaded)
        return;
    // A sound still playing would be cut off by the unload anyway; stopping
    // it first lets the library's playing thread end before its code goes.
    Play(nullptr, kSoundStop);
    m_platform.UnloadSoundLibrary();
    m_loaded = false;
    m_hasEntry = false;
}

void Sounds::Play(const char* name, std::int32_t mode)
{
    if (m_loaded && m_hasEntry)
        m_platform.SoundPlay(name, mode);
}

void Sounds::PlayButtonSound(std::string_view name, SoundWanted wanted)
{
    Play(nullptr, kSoundStop);
    if (wanted == SoundWanted::Yes)
        Play(std::string(name).c_str(), kSoundPlayOnce);
}

void Sounds::PlayAlertSound(std::string_view name, SoundWanted wanted)
{
    Play(nullptr, kSoundStop);
    if (wanted == SoundWanted::Yes)
        Play(std::string(name).c_str(), kSoundPlayAlert);
}

bool Sounds::SetWaveVolume(int percent)
{
    if (!m_deviceCount)
        m_deviceCount = m_platform.WaveOutDeviceCount();
    if (*m_deviceCount == 0)
        return false;
    return m_platform.SetWaveOutVolume(WaveVolumeFor(percent));
}

}  // namespace vantor::monitor
