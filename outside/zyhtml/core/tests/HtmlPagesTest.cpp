#include "HtmlPages.h"

#include <gtest/gtest.h>

#include "HtmlEngine.h"
#include "HtmlText.h"

namespace vantor::zyhtml {
namespace {

using infoini::IniDocument;

bool Contains(const std::string& text, std::string_view part) { return text.find(part) != std::string::npos; }

TEST(HtmlPages, EscapeHtmlLeavesNoMarkupInText)
{
    const struct {
        const char* text;
        const char* html;
    } cases[] = {
            {"To Be Filled By O.E.M.", "To Be Filled By O.E.M."},
            {"<OEM>", "&lt;OEM&gt;"},
            {"A&B \"C\" 'D'", "A&amp;B &quot;C&quot; &#39;D&#39;"},
            {"&amp;", "&amp;amp;"},
            {"tab\there\r\nline", "tab here  line"},
            {"\xAE Caf\xE9", "\xAE Caf\xE9"},  // windows-1252 bytes pass
    };
    for (const auto& c : cases)
        EXPECT_EQ(EscapeHtml(c.text), c.html) << c.text;
}

// A file whose every text tries to break out of its place in the page.
const char* kHostileIni = R"(
[Root]
1=0|Type1
2=0|<b>Gone</b>
[Type1]
FileName=Type1
DisplayName=System <Information> & "more"
1=1|Manufacturer|<script>alert(1)</script>
2=1|Product "Name"|A&B </td></tr></table>
3=1|Empty|
)";

TEST(HtmlPages, GeneratedPagesEscapeEveryText)
{
    const IniDocument ini = IniDocument::Parse(kHostileIni);
    const auto files = GenerateSite(*KindOf(1), &ini);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_EQ(files[0].name, kStylesheetFile);
    EXPECT_EQ(files[1].name, kIndexFile);
    EXPECT_EQ(files[2].name, "Type1.htm");

    for (const auto& file : files) {
        SCOPED_TRACE(file.name);
        EXPECT_FALSE(Contains(file.text, "<script>"));
        EXPECT_FALSE(Contains(file.text, "<b>"));
        EXPECT_FALSE(Contains(file.text, "</td></tr></table>"));
        EXPECT_FALSE(Contains(file.text, "<Information>"));
    }
    const std::string& index = files[1].text;
    EXPECT_TRUE(Contains(index, "charset=windows-1252"));
    EXPECT_TRUE(Contains(index, "href=\"vantor-info.css\""));
    EXPECT_TRUE(Contains(index, "<title>DMI Information</title>"));
    EXPECT_TRUE(Contains(index, "<a href=\"Type1.htm\">System &lt;Information&gt; &amp; &quot;more&quot;</a>"));
    EXPECT_TRUE(Contains(index, "&lt;b&gt;Gone&lt;/b&gt;</span> <span class=\"note\">not in the file"));
    EXPECT_TRUE(Contains(index, "&lt;script&gt;alert(1)&lt;/script&gt;")) << "first value as the hint";

    const std::string& page = files[2].text;
    EXPECT_TRUE(Contains(page, "charset=windows-1252"));
    EXPECT_TRUE(Contains(page, "<h1>System &lt;Information&gt; &amp; &quot;more&quot;</h1>"));
    EXPECT_TRUE(Contains(page, "<a href=\"index.htm\">DMI Information</a>"));
    EXPECT_TRUE(Contains(page, "<td class=\"key\">Product &quot;Name&quot;</td><td>A&amp;B &lt;/td&gt;"));
    EXPECT_TRUE(Contains(page, "<td class=\"key\">Empty</td><td>&nbsp;</td>"));
}

TEST(HtmlPages, KindsNameTheirFileAndAMissingFileStillGivesAnIndex)
{
    EXPECT_EQ(KindOf(0)->iniFile, "ZyWmi.ini");
    EXPECT_EQ(KindOf(1)->iniFile, "ZyDMI.ini");
    EXPECT_EQ(KindOf(2)->iniFile, "ZyPci.ini");
    EXPECT_FALSE(KindOf(3).has_value());
    EXPECT_FALSE(KindOf(-1).has_value());

    const auto files = GenerateSite(*KindOf(0), nullptr);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[1].name, kIndexFile);
    EXPECT_TRUE(Contains(files[1].text, "ZyWmi.ini could not be read"));
    EXPECT_TRUE(Contains(files[1].text, "<title>WMI Information</title>"));
}

}  // namespace
}  // namespace vantor::zyhtml
