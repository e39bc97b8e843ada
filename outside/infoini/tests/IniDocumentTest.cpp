#include "IniDocument.h"

#include <gtest/gtest.h>

#include "InfoIniForm.h"

namespace vantor::infoini {
namespace {

TEST(IniDocument, SerializedTextParsesBackToTheSameEntriesInOrder)
{
    IniDocument written;
    written.Set("Root", "Count", "2");
    written.Set("Root", "1", "0|Type0");
    written.Set("Type0", "1", "1|Vendor|American Megatrends Inc.");
    written.Set("Root", "2", "0|Type1");  // back to an earlier section
    written.Set("Type0", "Count", "1");

    const std::string text = written.Serialize();
    EXPECT_EQ(text, "[Root]\r\nCount=2\r\n1=0|Type0\r\n2=0|Type1\r\n"
                    "\r\n[Type0]\r\n1=1|Vendor|American Megatrends Inc.\r\nCount=1\r\n");
    const IniDocument read = IniDocument::Parse(text);
    ASSERT_EQ(read.Sections().size(), 2u);
    for (const auto& section : written.Sections())
        for (const auto& [key, value] : section.entries) {
            const std::string* got = read.Find(section.name, key);
            ASSERT_NE(got, nullptr) << section.name << "/" << key;
            EXPECT_EQ(*got, value);
        }
}

TEST(IniDocument, NamesMatchWithoutRegardToCaseAndALaterWriteReplaces)
{
    IniDocument document;
    document.Set("Type4", "Count", "1");
    document.Set("TYPE4", "count", "2");
    ASSERT_EQ(document.Sections().size(), 1u);
    ASSERT_EQ(document.Sections()[0].entries.size(), 1u);
    EXPECT_EQ(document.Sections()[0].entries[0], (std::pair<std::string, std::string>("Count", "2")));
    EXPECT_EQ(*document.Find("type4", "COUNT"), "2");
    EXPECT_EQ(document.Find("Type5", "Count"), nullptr);
    EXPECT_EQ(document.Find("Type4", "1"), nullptr);
}

TEST(IniDocument, NoTextCanBreakOutOfItsLine)
{
    IniDocument document;
    document.Set("Root", "Count", "1");
    document.Set("Type1", "1", "1|Product|X\r\n[Root]\r\nCount=99");
    document.Set("Odd]Name", "Key=With=Equals", "v");
    document.Set("Type1", "2", std::string(5000, 'A'));

    const IniDocument read = IniDocument::Parse(document.Serialize());
    EXPECT_EQ(*read.Find("Root", "Count"), "1");
    EXPECT_EQ(*read.Find("Type1", "1"), "1|Product|X  [Root]  Count=99");
    EXPECT_EQ(*read.Find("Odd_Name", "Key_With_Equals"), "v");
    EXPECT_EQ(read.Find("Type1", "2")->size(), kMaxEntryLength);
    EXPECT_EQ(read.Sections().size(), 3u);
}

TEST(IniDocument, ParseReadsWhatTheProfileFunctionsRead)
{
    const IniDocument read = IniDocument::Parse("stray=before any section\n"
                                                "; a comment\n"
                                                "[Root]\n"
                                                "  Count = 3  \n"
                                                "no equals sign here\n"
                                                "1=0|Type0\n"
                                                "1=0|Shadowed\n"  // the first of two keys wins
                                                "\n"
                                                "[Type0]\r\n"
                                                "1=1|Vendor|a=b\r\n"  // "=" inside a value stays
                                                "[root]\n"            // a second Root adds no new one
                                                "2=0|Type1\n"
                                                "[Unclosed\n"
                                                "k=v\n");
    ASSERT_EQ(read.Sections().size(), 3u);
    EXPECT_EQ(*read.Find("Root", "Count"), "3");
    EXPECT_EQ(*read.Find("Root", "1"), "0|Type0");
    EXPECT_EQ(*read.Find("Root", "2"), "0|Type1");
    EXPECT_EQ(*read.Find("Type0", "1"), "1|Vendor|a=b");
    EXPECT_EQ(*read.Find("Unclosed", "k"), "v");
    EXPECT_EQ(read.Find("Root", "stray"), nullptr);
}

}  // namespace
}  // namespace vantor::infoini
