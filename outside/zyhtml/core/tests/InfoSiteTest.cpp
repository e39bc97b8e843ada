#include "InfoSite.h"

#include <gtest/gtest.h>

namespace vantor::zyhtml {
namespace {

using infoini::IniDocument;
using State = InfoNode::State;

IniDocument Ini(std::string_view text) { return IniDocument::Parse(text); }

TEST(InfoSite, DmiFileBecomesATreeWithOnePagePerValueSection)
{
    const IniDocument ini = Ini(R"(
[Root]
Count=2
1=0|Type0
2=0|Type4
[Type0]
Count=3
FileName=Type0
DisplayName=BIOS Information
1=1|Vendor|Acme
2=1|Version|1.0
10=1|ROM Size|64 kB
[Type4]
Count=2
1=0|Type4-1
2=0|Type4-2
[Type4-1]
Count=1
FileName=Type4-1
DisplayName=Processor Information-1
1=1|Socket Designation|CPU0
[Type4-2]
Count=1
FileName=Type4-2
DisplayName=Processor Information-2
1=1|Socket Designation|CPU1
)");
    const InfoSite site = BuildInfoSite(ini);
    ASSERT_EQ(site.top.size(), 2u);
    EXPECT_EQ(site.brokenEntries, 0u);

    const InfoNode& bios = site.top[0];
    EXPECT_EQ(bios.label, "BIOS Information");
    ASSERT_GE(bios.page, 0);
    const InfoPage& biosPage = site.pages[static_cast<std::size_t>(bios.page)];
    EXPECT_EQ(biosPage.file, "Type0.htm");
    EXPECT_EQ(biosPage.title, "BIOS Information");
    // Number order, not text order: 10 comes after 2.
    ASSERT_EQ(biosPage.rows.size(), 3u);
    EXPECT_EQ(biosPage.rows[2], (std::pair<std::string, std::string>("ROM Size", "64 kB")));

    const InfoNode& cpus = site.top[1];
    EXPECT_EQ(cpus.page, -1) << "a list section has no page";
    EXPECT_EQ(cpus.label, "Processor Information") << "the title its members share";
    EXPECT_EQ(cpus.children[0].label, "Processor Information-1");
    ASSERT_EQ(cpus.children.size(), 2u);
    EXPECT_EQ(cpus.children[1].section, "Type4-2");
    EXPECT_EQ(site.pages[static_cast<std::size_t>(cpus.children[1].page)].rows[0].second, "CPU1");
    EXPECT_EQ(site.pages.size(), 3u);
}

TEST(InfoSite, DamagedFilesStillGiveABoundedTree)
{
    const struct {
        const char* name;
        const char* ini;
        std::size_t top, pages, broken;
        std::vector<State> states;  // of the top nodes
    } cases[] = {
            {"no Count, gaps in the numbers",
             "[Root]\n1=0|A\n4=0|B\n[A]\n2=1|k|v\n[B]\n7=1|k|v\n",
             2,
             2,
             0,
             {State::Shown, State::Shown}},
            {"entries in neither form",
             "[Root]\n1=0|A\n2=junk\n3=1|k|v\n[A]\n1=1|k|v\n2=0|\n3=x|y\n",
             1,
             1,
             4,
             {State::Shown}},
            {"a section referenced but absent",
             "[Root]\n1=0|A\n2=0|Gone\n[A]\n1=1|k|v\n",
             2,
             1,
             0,
             {State::Shown, State::Missing}},
            {"the same section twice",
             "[Root]\n1=0|A\n2=0|a\n[A]\n1=1|k|v\n",
             2,
             1,
             0,
             {State::Shown, State::Repeated}},
            {"a cycle back to Root",
             "[Root]\n1=0|A\n[A]\n1=0|B\n[B]\n1=0|A\n2=0|Root\n3=0|B\n",
             1,
             0,
             0,
             {State::Shown}},
            {"a huge Count",
             "[Root]\nCount=2147483647\n1=0|A\n[A]\nCount=99999999\n1=1|k|v\n",
             1,
             1,
             0,
             {State::Shown}},
            {"an empty file", "", 0, 0, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const InfoSite site = BuildInfoSite(Ini(c.ini));
        EXPECT_EQ(site.top.size(), c.top);
        EXPECT_EQ(site.pages.size(), c.pages);
        EXPECT_EQ(site.brokenEntries, c.broken);
        std::vector<State> states;
        for (const auto& node : site.top)
            states.push_back(node.state);
        EXPECT_EQ(states, c.states);
    }

    // The cycle: Root > A > B > (A again, Root again, B again), nothing deeper.
    const InfoSite cycle = BuildInfoSite(Ini(cases[4].ini));
    const InfoNode& b = cycle.top[0].children.at(0);
    ASSERT_EQ(b.children.size(), 3u);
    for (const InfoNode& again : b.children) {
        EXPECT_EQ(again.state, State::Repeated) << again.section;
        EXPECT_TRUE(again.children.empty());
    }
    // A second reference links to the page made for the first.
    const InfoSite twice = BuildInfoSite(Ini(cases[3].ini));
    EXPECT_EQ(twice.top[1].page, twice.top[0].page);
}

TEST(InfoSite, DepthAndEntryCountsAreCapped)
{
    // A chain Root > S1 > S2 > ... > S30, each with a value.
    std::string chain = "[Root]\n1=0|S1\n";
    for (int i = 1; i <= 30; ++i)
        chain += "[S" + std::to_string(i) + "]\n1=1|k|v\n2=0|S" + std::to_string(i + 1) + "\n";
    const InfoSite deep = BuildInfoSite(Ini(chain));
    std::size_t depth = 0;
    for (const InfoNode* node = &deep.top[0]; node != nullptr;
         node = node->children.empty() ? nullptr : &node->children[0])
        ++depth;
    EXPECT_EQ(depth, kMaxDepth);

    std::string wide = "[Root]\n1=0|W\n[W]\n";
    for (std::size_t i = 1; i <= kMaxEntriesPerSection + 10; ++i)
        wide += std::to_string(i) + "=1|Key " + std::to_string(i) + "|v\n";
    const InfoSite capped = BuildInfoSite(Ini(wide));
    ASSERT_EQ(capped.pages.size(), 1u);
    EXPECT_EQ(capped.pages[0].rows.size(), kMaxEntriesPerSection);
    EXPECT_EQ(capped.pages[0].rows.back().first, "Key " + std::to_string(kMaxEntriesPerSection));
}

TEST(InfoSite, AListWithoutASharedTitleKeepsItsName)
{
    const InfoSite site = BuildInfoSite(Ini("[Root]\n1=0|Type7\n[Type7]\n1=0|Type7-1\n2=0|Type7-2\n"
                                            "[Type7-1]\nDisplayName=L1 - Cache\n1=1|k|v\n"
                                            "[Type7-2]\nDisplayName=L2 - Cache\n1=1|k|v\n"));
    EXPECT_EQ(site.top.at(0).label, "Type7");
}

TEST(InfoSite, WithoutRootEveryValueSectionIsATopNode)
{
    const InfoSite site = BuildInfoSite(Ini("[List]\n1=0|B\n[B]\n1=1|k|v\n[A]\n1=1|k|v\n"));
    ASSERT_EQ(site.top.size(), 2u);
    EXPECT_EQ(site.top[0].section, "B");
    EXPECT_EQ(site.top[1].section, "A");
}

TEST(InfoSite, PageFilesAreSafeAndUnique)
{
    const InfoSite site = BuildInfoSite(Ini(R"(
[Root]
1=0|A
2=0|B
3=0|C
4=0|D
5=0|E
[A]
FileName=..\..\Windows\win.ini
1=1|k|v
[B]
FileName=Same
1=1|k|v
[C]
FileName=same
1=1|k|v
[D]
FileName=index
1=1|k|v
[E]
FileName=CON
1=1|k|v
)"));
    std::vector<std::string> files;
    for (const auto& page : site.pages)
        files.push_back(page.file);
    EXPECT_EQ(files, (std::vector<std::string>{"_.._Windows_win.ini.htm", "Same.htm", "same-2.htm", "index-2.htm",
                                               "_CON.htm"}));
    const struct {
        const char* name;
        const char* stem;
    } stems[] = {{"Type17-2", "Type17-2"}, {"", "section"},         {"...", "section"},
                 {"a b/c:d", "a_b_c_d"},   {"nul.txt", "_nul.txt"}, {"Win32_DiskDrive2", "Win32_DiskDrive2"}};
    for (const auto& s : stems)
        EXPECT_EQ(SafeFileStem(s.name), s.stem) << s.name;
    EXPECT_EQ(SafeFileStem(std::string(300, 'x')).size(), 64u);
}

}  // namespace
}  // namespace vantor::zyhtml
