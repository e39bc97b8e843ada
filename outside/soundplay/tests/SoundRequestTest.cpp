#include "SoundRequest.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor::soundplay {
namespace {

TEST(SoundRequest, ModesAndNames)
{
    struct Case {
        const char* name;
        int mode;
        SoundAction action;
        const char* file;
    };
    const Case cases[] = {
            {nullptr, 0, SoundAction::Stop, ""},
            {"Warning", 0, SoundAction::Stop, ""},
            {"Button_Press", 1, SoundAction::Play, "Sound\\Button_Press.wav"},
            {"Checkbox_Press", 1, SoundAction::Play, "Sound\\Checkbox_Press.wav"},
            {"Warning", 2, SoundAction::Play, "Sound\\Warning.wav"},
            {"Fan Speed-2", 1, SoundAction::Play, "Sound\\Fan Speed-2.wav"},
            {nullptr, 1, SoundAction::Ignore, ""},
            {"", 2, SoundAction::Ignore, ""},
            {"Warning", 3, SoundAction::Ignore, ""},
            {"Warning", -1, SoundAction::Ignore, ""},
            {"..\\..\\Windows\\Media\\tada", 1, SoundAction::Ignore, ""},
            {"C:Warning", 1, SoundAction::Ignore, ""},
            {"sub/Warning", 1, SoundAction::Ignore, ""},
            {"Warning.wav", 1, SoundAction::Ignore, ""},
            {" Warning", 1, SoundAction::Ignore, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name == nullptr ? "(none)" : c.name) + " mode " + std::to_string(c.mode));
        const SoundRequest request = DecideSoundRequest(c.name, c.mode);
        EXPECT_EQ(request.action, c.action);
        EXPECT_EQ(request.file, c.file);
    }
    EXPECT_EQ(DecideSoundRequest(std::string(64, 'a').c_str(), 1).action, SoundAction::Play);
    EXPECT_EQ(DecideSoundRequest(std::string(65, 'a').c_str(), 1).action, SoundAction::Ignore);
}

}  // namespace
}  // namespace vantor::soundplay
