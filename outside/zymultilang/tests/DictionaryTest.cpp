#include "Dictionary.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace vantor::zymultilang {
namespace {

TEST(Dictionary, ParsesEntriesAndSkipsWhatIsNotOne)
{
    const Dictionary dictionary = Dictionary::Parse("# comment\tnot an entry\r\n"
                                                    "Exit\tBeenden\r\n"
                                                    "\n"
                                                    "no tab here\n"
                                                    "\tno English\n"
                                                    "no translation\t\n"
                                                    "CPU Usage History \tCPU-Auslastung (Verlauf) \n"
                                                    "Exit\tsecond entry loses\n"
                                                    "Are you sure?\\nReally\tSicher?\\nWirklich\\\\\n"
                                                    "Time\tZeit");  // last line without a line break
    EXPECT_EQ(dictionary.Size(), 4u);
    EXPECT_STREQ(dictionary.Find("Exit"), "Beenden");
    EXPECT_STREQ(dictionary.Find("CPU Usage History "), "CPU-Auslastung (Verlauf) ");
    EXPECT_STREQ(dictionary.Find("Are you sure?\nReally"), "Sicher?\nWirklich\\");
    EXPECT_STREQ(dictionary.Find("Time"), "Zeit");
    EXPECT_EQ(dictionary.Find("CPU Usage History"), nullptr) << "keys keep their trailing blanks";
    EXPECT_EQ(dictionary.Find("exit"), nullptr);
    EXPECT_EQ(dictionary.Find("no tab here"), nullptr);
    EXPECT_EQ(dictionary.Find("no translation"), nullptr);
}

TEST(Dictionary, EmptyOrBinaryTextGivesNoEntries)
{
    EXPECT_EQ(Dictionary::Parse("").Size(), 0u);
    const std::string binary("\0\x01\xff\t", 4);
    EXPECT_EQ(Dictionary::Parse(binary).Size(), 0u);
}

TEST(Dictionary, FormatExpandsOnlyTextAndPercent)
{
    struct Case {
        const char* format;
        const char* argument;
        const char* expected;
    };
    const Case cases[] = {
            {"%s = 5", "Anzahl", "Anzahl = 5"}, {"[%s] %s", "x", "[x] x"},       {"100%%", "x", "100%"},
            {"%d %n %", "x", "%d %n %"},        {"no format", "x", "no format"}, {"%s", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(ExpandFormat(c.format, c.argument), c.expected);
    }
}

}  // namespace
}  // namespace vantor::zymultilang

namespace vantor::zymultilang {
namespace {

std::string ReadSource(const std::string& name)
{
    std::ifstream file(std::string(VANTOR_LANGUAGE_SOURCES) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The English texts of a language file, in file order.
std::vector<std::string> Keys(const std::string& fileText)
{
    std::vector<std::string> keys;
    std::istringstream lines(fileText);
    for (std::string line; std::getline(lines, line);)
        if (!line.empty() && line[0] != '#')
            keys.push_back(line.substr(0, line.find('\t')));
    return keys;
}

TEST(LanguageFiles, EveryLanguageTranslatesTheSameTextsAndEachOnce)
{
    const std::string german = ReadSource("German.txt");
    const std::string japanese = ReadSource("Japanese.txt");
    ASSERT_FALSE(german.empty());
    const std::vector<std::string> keys = Keys(german);
    EXPECT_EQ(Keys(japanese), keys);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), keys.size()) << "a text listed twice";
    for (const std::string& text : {german, japanese}) {
        const Dictionary dictionary = Dictionary::Parse(text);
        EXPECT_EQ(dictionary.Size(), keys.size()) << "an entry without a tab or a translation";
    }
}

TEST(LanguageFiles, TranslationsKeepWhatTheProgramLooksFor)
{
    for (const char* name : {"German.txt", "Japanese.txt"}) {
        SCOPED_TRACE(name);
        const Dictionary dictionary = Dictionary::Parse(ReadSource(name));
        // The alert window recognises the Cool'n'Quiet sentence by "AMD";
        // without it the sentence would be inserted again at every onset.
        const char* cnq = dictionary.Find("AMD CnQ is enabled. You can disable VCore monitoring in CONFIG.");
        ASSERT_NE(cnq, nullptr);
        EXPECT_NE(std::string(cnq).find("AMD"), std::string::npos);
        const char* unable = dictionary.Find("Unable to write to %s");
        ASSERT_NE(unable, nullptr);
        EXPECT_NE(std::string(unable).find("%s"), std::string::npos);
        const char* filter = dictionary.Find("vantor log file|*.log");
        ASSERT_NE(filter, nullptr);
        EXPECT_TRUE(std::string(filter).ends_with("|*.log"));
    }
}

}  // namespace
}  // namespace vantor::zymultilang
