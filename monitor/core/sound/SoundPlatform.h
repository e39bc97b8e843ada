// What the press and alert sounds and the wave volume need from the system:
// the sound library soundplay.dll and its SoundPlay entry, the message box,
// and the wave output devices. Windows implements it (SoundPlatform_win.cpp);
// tests use a fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor::monitor {

class SoundPlatform {
public:
    virtual ~SoundPlatform() = default;

    // Folder of the program file, with its trailing separator.
    virtual std::string ProgramFolder() = 0;
    // False when the library cannot be loaded.
    virtual bool LoadSoundLibrary(const std::string& path) = 0;
    // False when the loaded library lacks SoundPlay.
    virtual bool ResolveSoundPlay() = 0;
    virtual void UnloadSoundLibrary() = 0;
    // SoundPlay(name, 0, mode); name null means "no name".
    virtual void SoundPlay(const char* name, std::int32_t mode) = 0;

    virtual void ShowMessage(std::string_view text) = 0;

    virtual std::uint32_t WaveOutDeviceCount() = 0;
    // waveOutSetVolume of device 0; false when the device refuses it.
    virtual bool SetWaveOutVolume(std::uint32_t volume) = 0;
};

}  // namespace vantor::monitor
