#include "sound/Sounds.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantor::monitor {
namespace {

class FakeSoundPlatform final : public SoundPlatform {
public:
    bool loads = true;
    bool hasEntry = true;
    std::uint32_t devices = 1;
    bool volumeAccepted = true;
    std::vector<std::string> calls;
    std::vector<std::string> messages;
    std::vector<std::uint32_t> volumes;
    int deviceQueries = 0;

    std::string ProgramFolder() override { return "C:\\Vantor\\"; }
    bool LoadSoundLibrary(const std::string& path) override
    {
        calls.push_back("load " + path);
        return loads;
    }
    bool ResolveSoundPlay() override { return hasEntry; }
    void UnloadSoundLibrary() override { calls.push_back("unload"); }
    void SoundPlay(const char* name, std::int32_t mode) override
    {
        calls.push_back(std::string(name == nullptr ? "(none)" : name) + " " + std::to_string(mode));
    }
    void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
    std::uint32_t WaveOutDeviceCount() override
    {
        ++deviceQueries;
        return devices;
    }
    bool SetWaveOutVolume(std::uint32_t volume) override
    {
        volumes.push_back(volume);
        return volumeAccepted;
    }
};

TEST(Sounds, BindsOnceAndPlaysThroughTheLibrary)
{
    FakeSoundPlatform platform;
    Sounds sounds(platform);
    EXPECT_EQ(sounds.BindSoundLibrary(), SoundBindResult::Bound);
    EXPECT_EQ(sounds.BindSoundLibrary(), SoundBindResult::Bound);
    sounds.PlayButtonSound("Button_Press", SoundWanted::Yes);
    sounds.PlayButtonSound("Button_Press", SoundWanted::No);
    sounds.PlayAlertSound("Warning", SoundWanted::Yes);
    sounds.PlayAlertSound("Warning", SoundWanted::No);
    sounds.UnbindSoundLibrary();
    sounds.UnbindSoundLibrary();
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"load C:\\Vantor\\soundplay.dll", "(none) 0", "Button_Press 1",
                                                        "(none) 0", "(none) 0", "Warning 2", "(none) 0",
                                                        // the sound is stopped before the library goes
                                                        "(none) 0", "unload"}));
    EXPECT_TRUE(platform.messages.empty());
}

TEST(Sounds, MissingLibraryShowsTheMessageOnceAndSilencesEveryRequest)
{
    FakeSoundPlatform platform;
    platform.loads = false;
    Sounds sounds(platform);
    EXPECT_EQ(sounds.BindSoundLibrary(), SoundBindResult::LoadFailed);
    sounds.PlayButtonSound("Button_Press", SoundWanted::Yes);
    sounds.PlayAlertSound("Warning", SoundWanted::Yes);
    sounds.UnbindSoundLibrary();
    EXPECT_EQ(platform.messages, (std::vector<std::string>{"Load SoundPlay.dll failed !"}));
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"load C:\\Vantor\\soundplay.dll"}));
}

TEST(Sounds, LibraryWithoutSoundPlayIsKeptButSilent)
{
    FakeSoundPlatform platform;
    platform.hasEntry = false;
    Sounds sounds(platform);
    EXPECT_EQ(sounds.BindSoundLibrary(), SoundBindResult::EntryMissing);
    sounds.PlayAlertSound("Warning", SoundWanted::Yes);
    sounds.UnbindSoundLibrary();
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"load C:\\Vantor\\soundplay.dll", "unload"}));
}

TEST(Sounds, VolumeWordCarriesBothChannels)
{
    struct Case {
        int percent;
        std::uint32_t volume;
    };
    const Case cases[] = {
            {0, 0},
            {1, 655u + 655u * 65536u},
            {50, 32767u + 32767u * 65536u},
            {100, 0xFFFFFFFFu},
            {150, 0xFFFFFFFFu},  // kept at 100: no carry into the other channel
            {-5, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        EXPECT_EQ(WaveVolumeFor(c.percent), c.volume);
    }
}

TEST(Sounds, VolumeCountsDevicesOnceAndFailsWithoutOne)
{
    FakeSoundPlatform platform;
    Sounds sounds(platform);
    EXPECT_TRUE(sounds.SetWaveVolume(50));
    EXPECT_TRUE(sounds.SetWaveVolume(100));
    EXPECT_EQ(platform.deviceQueries, 1);
    EXPECT_EQ(platform.volumes, (std::vector<std::uint32_t>{32767u * 65537u, 65535u * 65537u}));

    FakeSoundPlatform silent;
    silent.devices = 0;
    Sounds none(silent);
    EXPECT_FALSE(none.SetWaveVolume(50));
    silent.devices = 1;  // the first count is kept for the run
    EXPECT_FALSE(none.SetWaveVolume(50));
    EXPECT_TRUE(silent.volumes.empty());

    FakeSoundPlatform refusing;
    refusing.volumeAccepted = false;
    Sounds refused(refusing);
    EXPECT_FALSE(refused.SetWaveVolume(50)) << "a device that refuses the volume is a failure";
}

}  // namespace
}  // namespace vantor::monitor
