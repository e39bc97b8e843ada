// soundplay.dll, the program's button and alert sounds: Windows is needed
// for the module's own path and PlaySoundA of winmm.
//
// SoundPlay(name, reserved, mode), __stdcall: mode 0 stops the sound that
// plays; modes 1 (press) and 2 (alert) play Sound\<name>.wav beside the
// library once, asynchronously, without the system's default sound when the
// file is missing. The result is 1 when the request was carried out and 0
// otherwise; the program does not use it.
#include <windows.h>
#include <mmsystem.h>

#include <array>
#include <string>

#include "SoundRequest.h"

namespace {

HMODULE g_self = nullptr;

std::string OwnFolder()
{
    std::array<char, MAX_PATH + 1> path{};
    const DWORD length = GetModuleFileNameA(g_self, path.data(), MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    std::string folder(path.data(), length);
    const auto slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    // No sound is stopped here: waiting for winmm's playing thread under the
    // loader lock would deadlock. Callers stop the sound before unloading.
    if (reason == DLL_PROCESS_ATTACH)
        g_self = instance;
    return TRUE;
}

int WINAPI SoundPlay(const char* name, int /*reserved*/, int mode)
{
    using vantor::soundplay::SoundAction;
    const vantor::soundplay::SoundRequest request = vantor::soundplay::DecideSoundRequest(name, mode);
    switch (request.action) {
    case SoundAction::Stop:
        return PlaySoundA(nullptr, nullptr, 0) ? 1 : 0;
    case SoundAction::Play: {
        const std::string path = OwnFolder() + request.file;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            return 0;
        return PlaySoundA(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT) ? 1 : 0;
    }
    case SoundAction::Ignore:
        break;
    }
    return 0;
}

}  // extern "C"
