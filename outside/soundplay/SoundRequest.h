// What one SoundPlay call asks for, decided before anything is played: the
// program stops the current sound with (no name, 0, 0), plays a press sound
// with mode 1 and an alert with mode 2. Sounds are WAV files named after
// the sound under Sound\ beside the library.
#pragma once

#include <string>
#include <string_view>

namespace vantor::soundplay {

enum class SoundAction {
    Stop,
    // Play the file once, without waiting for it.
    Play,
    // Nothing to do: an unknown mode, or no usable sound name.
    Ignore,
};

struct SoundRequest {
    SoundAction action = SoundAction::Ignore;
    // Relative to the library's folder; set for Play.
    std::string file;
};

// name may be null. A name is a plain file name stem: letters, digits, '_',
// '-' and blanks, at most 64 characters, so a request never reaches outside
// the sound folder.
SoundRequest DecideSoundRequest(const char* name, int mode);

}  // namespace vantor::soundplay
