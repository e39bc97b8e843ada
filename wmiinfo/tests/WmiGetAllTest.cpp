// WMI_GetAll on a host that serves the classes from memory: the layout of
// ZyWmi.ini with one and several instances, the classes that cannot be read,
// the instances and values that are skipped, every failure and its message,
// and the pages the generator makes of the file.
#include <gtest/gtest.h>

#include <algorithm>

#include "FakeWmiHost.h"
#include "HtmlEngine.h"
#include "IniDocument.h"
#include "core/WmiGetAll.h"

namespace vantor::wmi {
namespace {

using test::FakeWmiHost;
using test::Instance;
using test::Message;
using test::Number;
using test::Text;

bool RunExport(FakeWmiHost& host) { return WmiGetAll(host, FakeWmiHost::kOutputFolder); }

TEST(WmiGetAll, WritesEveryClassUnderRootWithOneInstanceInTheClassSection)
{
    FakeWmiHost host;
    host.classes["Win32_OperatingSystem"] = std::vector<WmiInstance>{
            Instance("Win32_OperatingSystem", {{"BootDevice", Text("\\Device\\HarddiskVolume1")},
                                               {"CSName", Text("VANTOR-PC")},
                                               {"OSType", Number(18)}})};
    host.config.Set("Win32_OperatingSystem", "BootDevice", "YES");
    host.config.Set("Win32_OperatingSystem", "OSType", "TRUE");

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Root", "Count"), "12");
    for (std::size_t p = 0; p < kClassList.size(); ++p)
        EXPECT_EQ(host.Ini("Root", std::to_string(p + 1)), "0|" + std::string(kClassList[p]));
    // The first name the object lists is written too: three names, entries
    // 1 to 3.
    EXPECT_EQ(host.Ini("Win32_OperatingSystem", "Count"), "3");
    EXPECT_EQ(host.Ini("Win32_OperatingSystem", "1"), "1|BootDevice|\\Device\\HarddiskVolume1");
    EXPECT_EQ(host.Ini("Win32_OperatingSystem", "2"), "1|CSName|NULL");
    EXPECT_EQ(host.Ini("Win32_OperatingSystem", "3"), "1|OSType|WINNT (18)");
    EXPECT_FALSE(host.Ini("Win32_OperatingSystem", "4"));
    EXPECT_EQ(host.Ini("Win32_BIOS", "1"), "1|Caption|Win32_BIOS caption");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.steps.back(), "RunHtmlEngine C:\\Vantor\\WMIInfo");
}

TEST(WmiGetAll, GivesEachOfSeveralInstancesItsOwnSection)
{
    FakeWmiHost host;
    host.classes["Win32_DiskDrive"] = std::vector<WmiInstance>{
            Instance("Win32_DiskDrive", {{"Model", Text("ST1000DM010")}, {"Size", Text("1000202273280")}}),
            Instance("Win32_DiskDrive", {{"Model", Text("Samsung SSD 970")}, {"Size", Text("500105249280")}})};
    host.config.Set("Win32_DiskDrive", "Model", "YES");
    host.config.Set("Win32_DiskDrive", "Size", "TRUE");

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Win32_DiskDrive", "Count"), "2");
    EXPECT_EQ(host.Ini("Win32_DiskDrive", "1"), "0|Win32_DiskDrive1");
    EXPECT_EQ(host.Ini("Win32_DiskDrive", "2"), "0|Win32_DiskDrive2");
    EXPECT_EQ(host.Ini("Win32_DiskDrive1", "Count"), "2");
    EXPECT_EQ(host.Ini("Win32_DiskDrive1", "1"), "1|Model|ST1000DM010");
    EXPECT_EQ(host.Ini("Win32_DiskDrive1", "2"), "1|Size|1000202273280 Bytes");
    EXPECT_EQ(host.Ini("Win32_DiskDrive2", "1"), "1|Model|Samsung SSD 970");
    EXPECT_EQ(host.Ini("Win32_DiskDrive2", "2"), "1|Size|500105249280 Bytes");
}

TEST(WmiGetAll, NamesInstanceSectionsAfterTheirClassValueAndReadsTheConfigUnderTheListedClass)
{
    // An enumeration returns instances of derived classes too.
    FakeWmiHost host;
    host.classes["Win32_NetworkAdapter"] =
            std::vector<WmiInstance>{Instance("Win32_NetworkAdapter", {{"NetConnectionStatus", Number(2)}}),
                                     Instance("Vendor_NetworkAdapter", {{"NetConnectionStatus", Number(7)}})};
    host.config.Set("Win32_NetworkAdapter", "NetConnectionStatus", "TRUE");

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Win32_NetworkAdapter", "2"), "0|Vendor_NetworkAdapter2");
    EXPECT_EQ(host.Ini("Win32_NetworkAdapter1", "1"), "1|NetConnectionStatus|Connected (2)");
    EXPECT_EQ(host.Ini("Vendor_NetworkAdapter2", "1"), "1|NetConnectionStatus|Media disconnected (7)");
}

TEST(WmiGetAll, AClassThatCannotBeReadIsReportedAndLeftOutWhileTheOthersGoOn)
{
    FakeWmiHost host;
    host.classes.erase("Win32_BaseBoard");

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.messages, (std::vector<Message>{{"Enumerate Device Win32_BaseBoard Fail !!", "Error Message"}}));
    EXPECT_EQ(host.Ini("Root", "Count"), "11");
    EXPECT_FALSE(host.Ini("Root", "3"));
    EXPECT_FALSE(host.HasSection("Win32_BaseBoard"));
    for (int p : {1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        EXPECT_EQ(host.Ini("Root", std::to_string(p)), "0|" + std::string(kClassList[p - 1]));
    EXPECT_EQ(std::count(host.steps.begin(), host.steps.end(), "RunHtmlEngine C:\\Vantor\\WMIInfo"), 1);
}

TEST(WmiGetAll, TheLastClassFailingEndsWithoutPages)
{
    FakeWmiHost host;
    host.classes.erase("Win32_ComputerSystem");

    EXPECT_FALSE(RunExport(host));

    EXPECT_EQ(host.messages,
              (std::vector<Message>{{"Enumerate Device Win32_ComputerSystem Fail !!", "Error Message"}}));
    EXPECT_EQ(host.Ini("Root", "Count"), "11");
    EXPECT_TRUE(std::none_of(host.steps.begin(), host.steps.end(),
                             [](const std::string& s) { return s.starts_with("RunHtmlEngine"); }));
}

TEST(WmiGetAll, AClassWithoutInstancesIsCountedButHasNoSection)
{
    FakeWmiHost host;
    host.classes["Win32_SoundDevice"] = std::vector<WmiInstance>{};

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Root", "10"), "0|Win32_SoundDevice");
    EXPECT_EQ(host.Ini("Root", "Count"), "12");
    EXPECT_FALSE(host.HasSection("Win32_SoundDevice"));
}

TEST(WmiGetAll, SkipsInstancesAndValuesThatCannotBeRead)
{
    FakeWmiHost host;
    WmiInstance noClass = Instance("Win32_PhysicalMemory", {{"BankLabel", Text("BANK 0")}});
    noClass.className.reset();
    WmiInstance noObject = Instance("Win32_PhysicalMemory", {});
    noObject.properties.reset();
    WmiInstance oneUnreadable =
            Instance("Win32_PhysicalMemory", {{"BankLabel", std::nullopt}, {"Capacity", Text("8589934592")}});
    host.classes["Win32_PhysicalMemory"] = std::vector<WmiInstance>{noClass, noObject, oneUnreadable};
    host.config.Set("Win32_PhysicalMemory", "BankLabel", "YES");
    host.config.Set("Win32_PhysicalMemory", "Capacity", "TRUE");

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Win32_PhysicalMemory", "Count"), "3");
    EXPECT_FALSE(host.Ini("Win32_PhysicalMemory", "1"));
    EXPECT_FALSE(host.HasSection("Win32_PhysicalMemory1"));
    // The list names the second instance, whose properties are unknown.
    EXPECT_EQ(host.Ini("Win32_PhysicalMemory", "2"), "0|Win32_PhysicalMemory2");
    EXPECT_FALSE(host.HasSection("Win32_PhysicalMemory2"));
    // The third keeps its Count and leaves the unreadable value's number out.
    EXPECT_EQ(host.Ini("Win32_PhysicalMemory", "3"), "0|Win32_PhysicalMemory3");
    EXPECT_EQ(host.Ini("Win32_PhysicalMemory3", "Count"), "2");
    EXPECT_FALSE(host.Ini("Win32_PhysicalMemory3", "1"));
    EXPECT_EQ(host.Ini("Win32_PhysicalMemory3", "2"), "1|Capacity|8589934592 Bytes");
    EXPECT_TRUE(host.messages.empty());
}

TEST(WmiGetAll, AnInstanceWithoutPropertiesHasCountZero)
{
    FakeWmiHost host;
    host.classes["Win32_CDROMDrive"] = std::vector<WmiInstance>{Instance("Win32_CDROMDrive", {})};

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Win32_CDROMDrive", "Count"), "0");
}

TEST(WmiGetAll, WritesAtMost99Instances)
{
    FakeWmiHost host;
    host.classes["Win32_NetworkAdapter"] =
            std::vector<WmiInstance>(100, Instance("Win32_NetworkAdapter", {{"Caption", Text("Adapter")}}));

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Win32_NetworkAdapter", "Count"), "99");
    EXPECT_EQ(host.Ini("Win32_NetworkAdapter", "99"), "0|Win32_NetworkAdapter99");
    EXPECT_FALSE(host.Ini("Win32_NetworkAdapter", "100"));
    EXPECT_FALSE(host.HasSection("Win32_NetworkAdapter100"));
}

TEST(WmiGetAll, TakesItsStepsInOrder)
{
    FakeWmiHost host;

    EXPECT_TRUE(RunExport(host));

    const std::vector<std::string> start(host.steps.begin(), host.steps.begin() + 9);
    EXPECT_EQ(start, (std::vector<std::string>{
                             "InitializeCom", "CanRead C:\\Vantor\\WMIConfig.ini", "InitializeSecurity",
                             "CreateFolder C:", "CreateFolder C:\\Vantor", "CreateFolder C:\\Vantor\\WMIInfo",
                             "CreateEmptyFile C:\\Vantor\\WMIInfo\\ZyWmi.ini", "first write", "ReadClass Win32_BIOS"}));
    // Root's Count is 0 until the classes are done.
    EXPECT_EQ(host.writes.front().section, "Root");
    EXPECT_EQ(host.writes.front().key, "Count");
    EXPECT_EQ(host.writes.front().text, "0");
    EXPECT_EQ(host.writes.back().text, "12");
}

TEST(WmiGetAll, SetsTheProxyBlanketOnlyWhenSecurityWasSetBefore)
{
    for (const auto& [security, blanket] :
         {std::pair{Security::Set, ProxyBlanket::Leave}, std::pair{Security::SetBefore, ProxyBlanket::Set}}) {
        FakeWmiHost host;
        host.security = security;
        EXPECT_TRUE(RunExport(host));
        EXPECT_EQ(host.blankets, std::vector<ProxyBlanket>(kClassList.size(), blanket));
    }
}

struct EarlyFailure {
    const char* what;
    void (*arrange)(FakeWmiHost&);
    std::vector<Message> messages;
};

TEST(WmiGetAll, FailuresBeforeTheFileWriteNothing)
{
    const EarlyFailure failures[] = {
            {"COM already started on this thread",
             [](FakeWmiHost& h) { h.comStarts = false; },
             {{"Initialize OLE Fail !!", "Message"}}},
            {"no WMIConfig.ini",
             [](FakeWmiHost& h) { h.configPresent = false; },
             {{"Can't Open WMIConfig.ini file !!", "ZyWmi.dll"}}},
    };
    for (const EarlyFailure& failure : failures) {
        FakeWmiHost host;
        failure.arrange(host);
        EXPECT_FALSE(RunExport(host)) << failure.what;
        EXPECT_EQ(host.messages, failure.messages) << failure.what;
        EXPECT_TRUE(host.writes.empty()) << failure.what;
        EXPECT_TRUE(std::none_of(host.steps.begin(), host.steps.end(), [](const std::string& s) {
            return s.starts_with("CreateEmptyFile") || s.starts_with("ReadClass");
        })) << failure.what;
    }
}

TEST(WmiGetAll, RefusesAnOutputFolderWhoseIniPathDoesNotFitItsBuffer)
{
    // Folder, backslash and "ZyWmi.ini" in 127 characters: 117 for the folder.
    const std::string fits = "C:\\" + std::string(114, 'a');
    const std::string tooLong = fits + "b";
    FakeWmiHost host;
    EXPECT_FALSE(WmiGetAll(host, tooLong));
    EXPECT_TRUE(host.steps.empty());
    EXPECT_FALSE(WmiGetAll(host, ""));
    EXPECT_TRUE(host.steps.empty());

    EXPECT_TRUE(WmiGetAll(host, fits));
    EXPECT_EQ(host.Ini("Root", "Count"), "12");
}

TEST(WmiGetAll, AMissingHtmlGeneratorIsReportedAndTheFileKept)
{
    FakeWmiHost host;
    host.htmlResult = std::nullopt;

    EXPECT_FALSE(RunExport(host));

    EXPECT_EQ(host.messages, (std::vector<Message>{{"Open ZyHtmlEngine.dll error !!", "Message"}}));
    EXPECT_EQ(host.Ini("Root", "Count"), "12");
}

TEST(WmiGetAll, ReturnsTheGeneratorsResult)
{
    for (const bool result : {true, false}) {
        FakeWmiHost host;
        host.htmlResult = result;
        EXPECT_EQ(RunExport(host), result);
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(WmiGetAll, WritesNothingWhenTheFileCannotBeCreated)
{
    FakeWmiHost host;
    host.fileCreatable = false;

    EXPECT_TRUE(RunExport(host));

    EXPECT_TRUE(host.writes.empty());
    EXPECT_EQ(std::count_if(host.steps.begin(), host.steps.end(),
                            [](const std::string& s) { return s.starts_with("ReadClass"); }),
              12);
}

TEST(WmiGetAll, KeepsEveryEntryOnItsOwnLineAndWithinItsBuffer)
{
    FakeWmiHost host;
    host.classes["Win32_BaseBoard"] =
            std::vector<WmiInstance>{Instance("Win32_BaseBoard", {{"Product", Text("B450\r\n[Root]\r\nCount=0")},
                                                                  {"SerialNumber", Text(std::string(300, '9'))}})};
    host.config.Set("Win32_BaseBoard", "Product", "YES");
    host.config.Set("Win32_BaseBoard", "SerialNumber", "YES");

    EXPECT_TRUE(RunExport(host));

    EXPECT_EQ(host.Ini("Win32_BaseBoard", "1"), "1|Product|B450  [Root]  Count=0");
    const std::optional<std::string> serial = host.Ini("Win32_BaseBoard", "2");
    ASSERT_TRUE(serial);
    EXPECT_EQ(serial->size(), 127u);
    EXPECT_EQ(serial->substr(0, 16), "1|SerialNumber|9");
}

// What WMI reports goes into the file as it is; the HTML generator escapes it
// on the pages.
TEST(WmiGetAll, WmiTextReachesThePagesEscaped)
{
    FakeWmiHost host;
    host.classes["Win32_BaseBoard"] = std::vector<WmiInstance>{Instance(
            "Win32_BaseBoard", {{"Manufacturer", Text("A&B \"Boards\"")}, {"Product", Text("<script>x</script>")}})};
    host.config.Set("Win32_BaseBoard", "Manufacturer", "YES");
    host.config.Set("Win32_BaseBoard", "Product", "YES");
    ASSERT_TRUE(RunExport(host));
    EXPECT_EQ(host.Ini("Win32_BaseBoard", "2"), "1|Product|<script>x</script>");

    infoini::IniDocument ini;
    for (const test::ProfileWrite& write : host.writes)
        ini.Set(write.section, write.key, write.text);
    const auto kind = zyhtml::KindOf(0);
    ASSERT_TRUE(kind);
    EXPECT_EQ(kind->iniFile, "ZyWmi.ini");
    std::string page;
    for (const zyhtml::HtmlFile& file : zyhtml::GenerateSite(*kind, &ini))
        if (file.text.find("Product") != std::string::npos && file.name != "index.htm")
            page = file.text;
    ASSERT_FALSE(page.empty());
    EXPECT_NE(page.find("&lt;script&gt;x&lt;/script&gt;"), std::string::npos);
    EXPECT_NE(page.find("A&amp;B &quot;Boards&quot;"), std::string::npos);
    EXPECT_EQ(page.find("<script>"), std::string::npos);
}

}  // namespace
}  // namespace vantor::wmi
