// The sound library and the wave output on Windows (SoundPlatform_win.cpp),
// and the program's one Sounds object. Windows builds only.
#pragma once

#include "sound/SoundPlatform.h"
#include "sound/Sounds.h"

namespace vantor::monitor {

class WinSoundPlatform : public SoundPlatform {
public:
    WinSoundPlatform() = default;
    WinSoundPlatform(const WinSoundPlatform&) = delete;
    WinSoundPlatform& operator=(const WinSoundPlatform&) = delete;

    std::string ProgramFolder() override;
    bool LoadSoundLibrary(const std::string& path) override;
    bool ResolveSoundPlay() override;
    void UnloadSoundLibrary() override;
    void SoundPlay(const char* name, std::int32_t mode) override;
    void ShowMessage(std::string_view text) override;
    std::uint32_t WaveOutDeviceCount() override;
    bool SetWaveOutVolume(std::uint32_t volume) override;

private:
    void* m_module = nullptr;
    void* m_soundPlay = nullptr;
};

// The program's sounds over WinSoundPlatform.
Sounds& ProgramSounds();

}  // namespace vantor::monitor
