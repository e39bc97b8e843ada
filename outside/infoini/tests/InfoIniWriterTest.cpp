#include "InfoIniWriter.h"

#include <gtest/gtest.h>

#include "InfoIniForm.h"

namespace vantor::infoini {
namespace {

// The DMI library's order of writes for a type with two structures and one
// value each (Root count 0 first, the type's Count before its items, each
// value section's Count written as 1 first and replaced at the end).
// A file kept up to date the way the DLL does it: the tail appended, or the
// whole text rewritten.
struct FileImage {
    std::string text;
    int rewrites = 0;
    int appends = 0;

    void Apply(const IniDocument::Change& change, const IniDocument& document)
    {
        using Kind = IniDocument::Change::Kind;
        if (change.kind == Kind::Appended) {
            text += change.tail;
            ++appends;
        } else if (change.kind == Kind::Rewritten) {
            text = document.Serialize();
            ++rewrites;
        }
    }
};

TEST(InfoIniWriter, DmiWriteSequenceGivesTheInformationForm)
{
    InfoIniWriter writer;
    FileImage file;
    const auto apply = [&](const IniDocument::Change& change) {
        file.Apply(change, writer.Document());
        ASSERT_EQ(file.text, writer.Document().Serialize()) << "the file is whole after every write";
    };
    writer.Start();
    apply(writer.WriteCount("Root", 0));
    apply(writer.WriteRootSection(1, "Type17"));
    for (int i = 1; i <= 2; ++i) {
        const std::string child = "Type17-" + std::to_string(i);
        apply(writer.WriteCount("Type17", 2));
        apply(writer.WriteItem("Type17", i, child));
        apply(writer.WriteCount(child, 1));
        apply(writer.WriteFilename(child, child));
        apply(writer.WriteDisplayname(child, "Memory Device"));
        apply(writer.WriteValue(child, 1, "Size", i == 1 ? "4096 MB" : "No Module Installed"));
        apply(writer.WriteCount(child, 1));
    }
    apply(writer.WriteCount("Root", 1));
    // Only Type17's second item and Root's final count change text before
    // the end; the rest is appended or changes nothing.
    EXPECT_EQ(file.rewrites, 2);
    EXPECT_EQ(file.appends, 12);

    EXPECT_EQ(writer.Document().Serialize(),
              "[Root]\r\nCount=1\r\n1=0|Type17\r\n"
              "\r\n[Type17]\r\nCount=2\r\n1=0|Type17-1\r\n2=0|Type17-2\r\n"
              "\r\n[Type17-1]\r\nCount=1\r\nFileName=Type17-1\r\nDisplayName=Memory Device\r\n1=1|Size|4096 MB\r\n"
              "\r\n[Type17-2]\r\nCount=1\r\nFileName=Type17-2\r\nDisplayName=Memory Device\r\n"
              "1=1|Size|No Module Installed\r\n");

    // Starting again forgets everything written before.
    writer.Start();
    writer.WriteCount("Root", 0);
    EXPECT_EQ(writer.Document().Serialize(), "[Root]\r\nCount=0\r\n");
}

TEST(InfoIniWriter, ChildEntriesNameSectionsAsTheFileSpellsThem)
{
    InfoIniWriter writer;
    writer.WriteRootSection(1, "Slot [A]\r\n");
    writer.WriteItem("Slot [A]\r\n", 1, "Slot [A]-1");
    writer.WriteValue("Slot [A]-1", 1, "k", "v");
    const IniDocument read = IniDocument::Parse(writer.Document().Serialize());
    const Entry top = ParseEntry(*read.Find("Root", "1"));
    ASSERT_NE(read.FindSection(top.first), nullptr) << top.first;
    const Entry child = ParseEntry(*read.Find(top.first, "1"));
    ASSERT_NE(read.FindSection(child.first), nullptr) << child.first;
    EXPECT_EQ(*read.Find(child.first, "1"), "1|k|v");
}

TEST(InfoIniWriter, EntriesReadBackAsTheirKind)
{
    using Kind = Entry::Kind;
    const struct {
        const char* text;
        Kind kind;
        const char* first;
        const char* second;
    } cases[] = {
            {"0|Type4", Kind::Child, "Type4", ""},
            {"1|Vendor|Award", Kind::Value, "Vendor", "Award"},
            {"1|Version|1.0 | beta", Kind::Value, "Version", "1.0 | beta"},
            {"1|Asset Tag", Kind::Value, "Asset Tag", ""},
            {"1||", Kind::Value, "", ""},
            {"0|", Kind::Broken, "", ""},
            {"2|x|y", Kind::Broken, "", ""},
            {"1", Kind::Broken, "", ""},
            {"Award", Kind::Broken, "", ""},
            {"", Kind::Broken, "", ""},
    };
    for (const auto& c : cases) {
        const Entry entry = ParseEntry(c.text);
        EXPECT_EQ(entry.kind, c.kind) << c.text;
        EXPECT_EQ(entry.first, c.first) << c.text;
        EXPECT_EQ(entry.second, c.second) << c.text;
    }
    EXPECT_EQ(ParseEntry(ValueEntry("Serial", "A|B")).second, "A|B");
    EXPECT_EQ(ParseEntry(ChildEntry("Type17-3")).first, "Type17-3");
}

}  // namespace
}  // namespace vantor::infoini
