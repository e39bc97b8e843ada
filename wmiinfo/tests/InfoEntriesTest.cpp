// Entry texts, their 127-character limit, and the folders made for a path.
#include <gtest/gtest.h>

#include "core/InfoEntries.h"
#include "core/WmiGetAll.h"

namespace vantor::wmi {
namespace {

// Shift JIS: lead bytes 0x81-0x9F and 0xE0-0xFC.
bool ShiftJisLead(unsigned char byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

TEST(PropertyEntry, IsNameBarValueAfterTheValueMark)
{
    EXPECT_EQ(PropertyEntry("Caption", "Microsoft Windows 10 Pro", nullptr), "1|Caption|Microsoft Windows 10 Pro");
    EXPECT_EQ(PropertyEntry("Name", "Windows|C:\\WINDOWS|\\Device\\Harddisk0", nullptr),
              "1|Name|Windows|C:\\WINDOWS|\\Device\\Harddisk0");
    EXPECT_EQ(PropertyEntry("Status", "", nullptr), "1|Status|");
}

TEST(PropertyEntry, IsCutTo127Characters)
{
    const std::string value(200, 'x');
    const std::string entry = PropertyEntry("PNPDeviceID", value, nullptr);
    EXPECT_EQ(entry.size(), kMaxEntryChars);
    EXPECT_EQ(entry.substr(0, 14), "1|PNPDeviceID|");
    // Exactly 127 stays whole.
    const std::string fits(kMaxEntryChars - 4, 'y');
    EXPECT_EQ(PropertyEntry("A", fits, nullptr).size(), kMaxEntryChars);
}

TEST(PropertyEntry, IsNeverCutInsideATwoByteCharacter)
{
    // "1|N|" then two-byte characters 0x83 0x41 from the fourth byte on: the
    // 127th byte would be a lead byte, so the cut comes one byte earlier.
    std::string value;
    for (int i = 0; i < 80; ++i)
        value += "\x83\x41";
    const std::string entry = PropertyEntry("N", value, ShiftJisLead);
    EXPECT_EQ(entry.size(), kMaxEntryChars - 1);
    EXPECT_EQ(static_cast<unsigned char>(entry[entry.size() - 2]), 0x83);
    // One more single byte in front and the pairs end exactly at 127.
    EXPECT_EQ(PropertyEntry("NN", value, ShiftJisLead).size(), kMaxEntryChars);
}

TEST(CutText, KeepsALoneLeadByteAtTheEndOfTheText)
{
    EXPECT_EQ(CutText("ab\x83", 3, ShiftJisLead), "ab\x83");
    EXPECT_EQ(CutText("ab\x83\x41", 3, ShiftJisLead), "ab");
    EXPECT_EQ(CutText("abcdef", 0, ShiftJisLead), "");
}

TEST(ProfileText, WritesControlCharactersAsBlanks)
{
    EXPECT_EQ(ProfileText("1|Description|line one\r\n[Root]\r\nCount=0\t\x7F"),
              "1|Description|line one  [Root]  Count=0  ");
    EXPECT_EQ(ProfileText("caf\xE9 <b>&amp;"), "caf\xE9 <b>&amp;");
}

TEST(InstanceSection, IsTheClassValueAndTheNumber)
{
    EXPECT_EQ(InstanceSection("Win32_DiskDrive", 2), "Win32_DiskDrive2");
    EXPECT_EQ(InstanceSection("Win32_NetworkAdapter", 12), "Win32_NetworkAdapter12");
}

TEST(FolderPrefixes, MakesEveryFolderFromTheDriveDown)
{
    EXPECT_EQ(FolderPrefixes("C:\\a\\b"), (std::vector<std::string>{"C:", "C:\\a", "C:\\a\\b"}));
    EXPECT_EQ(FolderPrefixes("C:\\a\\"), (std::vector<std::string>{"C:", "C:\\a"}));
    EXPECT_EQ(FolderPrefixes("WMIInfo"), (std::vector<std::string>{"WMIInfo"}));
    EXPECT_TRUE(FolderPrefixes("").empty());
}

}  // namespace
}  // namespace vantor::wmi
