#include "alarm/AlertMessage.h"

#include <gtest/gtest.h>

#include <string>

namespace vantor::monitor::alarm {
namespace {

TEST(CoolnQuietSentence, GoesInOnceEvenWhenTheTranslationLacksTheLetters)
{
    const std::string sentence = "CnQ est actif.";
    std::string text = "Message:\n\nAvertissements: \nCPU Temperature";
    EXPECT_TRUE(InsertCoolnQuietSentence(text, sentence));
    EXPECT_EQ(text, "Message:\nCnQ est actif.\nAvertissements: \nCPU Temperature");
    EXPECT_FALSE(InsertCoolnQuietSentence(text, sentence));
    EXPECT_EQ(text, "Message:\nCnQ est actif.\nAvertissements: \nCPU Temperature");
}

TEST(CoolnQuietSentence, AnyAmdMentionOrNoLineBreakLeavesTheTextAlone)
{
    std::string mentioned = "Message:\n\nAMD board\nCPU Temperature";
    EXPECT_FALSE(InsertCoolnQuietSentence(mentioned, "sentence"));
    EXPECT_EQ(mentioned, "Message:\n\nAMD board\nCPU Temperature");
    std::string oneLine = "CPU Temperature";
    EXPECT_FALSE(InsertCoolnQuietSentence(oneLine, "sentence"));
    EXPECT_EQ(oneLine, "CPU Temperature");
}

TEST(AlertName, AppendsWhileTheCountIsBelowSixWithABreakBeforeEveryThird)
{
    struct Case {
        int countBefore;
        bool appended;
        const char* separator;
    };
    const Case cases[] = {{1, true, ", "}, {2, true, ", "}, {3, true, ",\n"},
                          {5, true, ", "}, {6, false, ""},  {0, true, ",\n"}};
    for (const Case& c : cases) {
        std::string text = "head";
        int count = c.countBefore;
        EXPECT_EQ(AppendAlertName(text, count, "SYS", SensorKind::Temperature), c.appended) << c.countBefore;
        EXPECT_EQ(text, c.appended ? std::string("head") + c.separator + "SYS Temperature" : "head") << c.countBefore;
        EXPECT_EQ(count, c.countBefore + (c.appended ? 1 : 0)) << c.countBefore;
    }
}

}  // namespace
}  // namespace vantor::monitor::alarm
