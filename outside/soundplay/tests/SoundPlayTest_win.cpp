// soundplay.dll as the program loads it: a copy in a scratch program folder
// with a small WAV file written by the test under Sound\.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using SoundPlayFn = int(WINAPI*)(const char*, int, int);

void Put32(std::vector<char>& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void Put16(std::vector<char>& out, std::uint16_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>(v >> 8));
}

// 20 ms of a square wave, 8 kHz, 8-bit mono PCM.
std::vector<char> TinyWave()
{
    const std::uint32_t samples = 160;
    std::vector<char> out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    Put32(out, 36 + samples);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(out, 16);
    Put16(out, 1);     // PCM
    Put16(out, 1);     // mono
    Put32(out, 8000);  // samples per second
    Put32(out, 8000);  // bytes per second
    Put16(out, 1);     // block align
    Put16(out, 8);     // bits per sample
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    Put32(out, samples);
    for (std::uint32_t i = 0; i < samples; ++i)
        out.push_back(static_cast<char>((i / 8) % 2 ? 0xC0 : 0x40));
    return out;
}

class SoundFolder {
public:
    SoundFolder()
    {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        m_root = fs::temp_directory_path() / ("soundplay-" + std::to_string(GetCurrentProcessId()));
        fs::remove_all(m_root);
        fs::create_directories(m_root / "Sound");
        fs::copy_file(fs::path(self).parent_path() / "soundplay.dll", m_root / "soundplay.dll");
        const std::vector<char> wave = TinyWave();
        std::ofstream(m_root / "Sound" / "Button_Press.wav", std::ios::binary)
                .write(wave.data(), static_cast<std::streamsize>(wave.size()));
        m_module = LoadLibraryA((m_root / "soundplay.dll").string().c_str());
        play = reinterpret_cast<SoundPlayFn>(reinterpret_cast<void (*)()>(GetProcAddress(m_module, "SoundPlay")));
    }
    ~SoundFolder()
    {
        if (m_module != nullptr)
            FreeLibrary(m_module);
        std::error_code ignored;
        fs::remove_all(m_root, ignored);
    }

    SoundPlayFn play = nullptr;

private:
    fs::path m_root;
    HMODULE m_module = nullptr;
};

TEST(SoundPlay, RequestsThatCannotPlayReportZeroAndNeverBeep)
{
    SoundFolder folder;
    ASSERT_NE(folder.play, nullptr);
    EXPECT_EQ(folder.play("Warning", 0, 2), 0) << "no Warning.wav in this folder";
    EXPECT_EQ(folder.play(nullptr, 0, 1), 0);
    EXPECT_EQ(folder.play("..\\Sound\\Button_Press", 0, 1), 0);
    EXPECT_EQ(folder.play("Button_Press", 0, 7), 0);
}

TEST(SoundPlay, PlaysAShippedFileWhenThereIsAWaveDevice)
{
    SoundFolder folder;
    ASSERT_NE(folder.play, nullptr);
    const UINT devices = waveOutGetNumDevs();
    std::printf("wave output devices: %u\n", devices);
    const int once = folder.play("Button_Press", 0, 1);
    const int alert = folder.play("Button_Press", 0, 2);
    const int stop = folder.play(nullptr, 0, 0);
    std::printf("play once: %d, alert: %d, stop: %d\n", once, alert, stop);
    // Without a device (Wine here reports none) an asynchronous PlaySoundA
    // still accepts the request, so its answer proves nothing then.
    if (devices > 0) {
        EXPECT_EQ(once, 1);
        EXPECT_EQ(alert, 1);
    }
    EXPECT_EQ(stop, 1);
}

}  // namespace
