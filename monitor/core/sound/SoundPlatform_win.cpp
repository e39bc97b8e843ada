// The sounds' system side: Windows is needed for LoadLibraryA and
// GetProcAddress of soundplay.dll and its __stdcall SoundPlay, MessageBoxA,
// and the waveOut functions of winmm.
#include <windows.h>
#include <mmsystem.h>

#include <string>

#include "startup/ProgramFolder_win.h"
#include "sound/SoundPlatform_win.h"

namespace vantor::monitor {

namespace {

using SoundPlayFn = int(WINAPI*)(const char* name, int reserved, int mode);

}  // namespace

std::string WinSoundPlatform::ProgramFolder() { return ProgramFolderOfProcess(); }

bool WinSoundPlatform::LoadSoundLibrary(const std::string& path)
{
    m_module = LoadLibraryA(path.c_str());
    return m_module != nullptr;
}

bool WinSoundPlatform::ResolveSoundPlay()
{
    m_soundPlay = reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(m_module), "SoundPlay"));
    return m_soundPlay != nullptr;
}

void WinSoundPlatform::UnloadSoundLibrary()
{
    if (m_module != nullptr)
        FreeLibrary(static_cast<HMODULE>(m_module));
    m_module = nullptr;
    m_soundPlay = nullptr;
}

void WinSoundPlatform::SoundPlay(const char* name, std::int32_t mode)
{
    if (m_soundPlay != nullptr)
        reinterpret_cast<SoundPlayFn>(reinterpret_cast<void (*)()>(m_soundPlay))(name, 0, mode);
}

void WinSoundPlatform::ShowMessage(std::string_view text)
{
    const std::string message(text);
    MessageBoxA(nullptr, message.c_str(), "", MB_OK);
}

std::uint32_t WinSoundPlatform::WaveOutDeviceCount() { return waveOutGetNumDevs(); }

bool WinSoundPlatform::SetWaveOutVolume(std::uint32_t volume)
{
    return waveOutSetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(0)), volume) == MMSYSERR_NOERROR;
}

Sounds& ProgramSounds()
{
    static auto* platform = new WinSoundPlatform();
    static auto* sounds = new Sounds(*platform);
    return *sounds;
}

}  // namespace vantor::monitor
