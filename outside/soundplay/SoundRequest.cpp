#include "SoundRequest.h"

namespace vantor::soundplay {

namespace {

constexpr std::size_t kMaxNameLength = 64;

bool IsPlainName(std::string_view name)
{
    if (name.empty() || name.size() > kMaxNameLength || name.front() == ' ')
        return false;
    for (const char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '_' && c != '-' && c != ' ')
            return false;
    }
    return true;
}

}  // namespace

SoundRequest DecideSoundRequest(const char* name, int mode)
{
    if (mode == 0)
        return {SoundAction::Stop, {}};
    if (mode != 1 && mode != 2)
        return {};
    if (name == nullptr || !IsPlainName(name))
        return {};
    // An alert plays once like a press: the program asks for it only when a
    // sensor turns abnormal, and nothing would ever stop a looping one.
    return {SoundAction::Play, "Sound\\" + std::string(name) + ".wav"};
}

}  // namespace vantor::soundplay
