// The program's sounds over the real soundplay.dll built beside this test,
// and the wave volume against the system's wave output devices.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "sound/SoundPlatform_win.h"

namespace vantor::monitor {
namespace {

// Keeps the message box out of the test and can point at another folder.
class QuietPlatform final : public WinSoundPlatform {
public:
    std::string folder;
    std::vector<std::string> messages;
    std::string ProgramFolder() override { return folder.empty() ? WinSoundPlatform::ProgramFolder() : folder; }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
};

TEST(SoundsWin, BindsTheLibraryBesideTheProgramAndPlays)
{
    QuietPlatform platform;
    Sounds sounds(platform);
    EXPECT_EQ(sounds.BindSoundLibrary(), SoundBindResult::Bound);
    // The shipped sounds may be absent from a test build; a request must
    // simply do nothing then.
    sounds.PlayButtonSound("Button_Press", SoundWanted::Yes);
    sounds.PlayAlertSound("Warning", SoundWanted::Yes);
    sounds.UnbindSoundLibrary();
    EXPECT_FALSE(sounds.IsSoundLibraryBound());
    EXPECT_TRUE(platform.messages.empty());
}

TEST(SoundsWin, AMissingLibraryIsReportedOnce)
{
    const std::filesystem::path empty =
            std::filesystem::temp_directory_path() / ("vantor-nosound-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(empty);
    QuietPlatform platform;
    platform.folder = empty.string() + "\\";
    Sounds sounds(platform);
    EXPECT_EQ(sounds.BindSoundLibrary(), SoundBindResult::LoadFailed);
    sounds.PlayButtonSound("Button_Press", SoundWanted::Yes);
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Load SoundPlay.dll failed !"}));
    std::filesystem::remove_all(empty);
}

TEST(SoundsWin, WaveVolumeFollowsTheDevicesThereAre)
{
    QuietPlatform platform;
    Sounds sounds(platform);
    const UINT devices = waveOutGetNumDevs();
    std::printf("wave output devices: %u\n", devices);
    const bool set = sounds.SetWaveVolume(50);
    if (devices == 0) {
        EXPECT_FALSE(set) << "no device: failure, nothing changed";
        return;
    }
    // With a device the answer is the device's; when it took the volume,
    // both channels read back as 32767.
    DWORD volume = 0;
    if (set && waveOutGetVolume(reinterpret_cast<HWAVEOUT>(static_cast<UINT_PTR>(0)), &volume) == MMSYSERR_NOERROR) {
        EXPECT_EQ(volume, 32767u + 32767u * 65536u);
    }
}

}  // namespace
}  // namespace vantor::monitor
