// The Win32 host: entries written and read back through the profile
// functions, WMIConfig.ini entries as Windows reads them, and a whole export
// against Wine's WMI in which one class cannot be read.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "MessageBoxWatcher_win.h"
#include "core/ClassList.h"
#include "core/InfoEntries.h"
#include "core/PropertyFormat.h"
#include "core/WmiGetAll.h"
#include "win/WinWmiHost_win.h"

namespace vantor::wmi {
namespace {

std::string TempFolder(const char* name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vantor-wmi-host";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder + "\\" + name;
}

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string text(path, length);
    return text.substr(0, text.find_last_of('\\'));
}

std::string ReadBack(const std::string& path, const char* section, const char* key)
{
    char text[1024] = {};
    const DWORD length = GetPrivateProfileStringA(section, key, "", text, sizeof text, path.c_str());
    return std::string(text, length);
}

TEST(WinWmiHost, EntriesReadBackAsTheyWereWritten)
{
    const std::string path = TempFolder("entries.ini");
    WinWmiHost host;
    ASSERT_TRUE(host.CreateEmptyFile(path));
    const std::string entries[] = {
            ChildEntry("Win32_DiskDrive1"),
            PropertyEntry("Name", "Microsoft Windows 7|C:\\WINDOWS|\\Device\\Harddisk0\\Partition1", nullptr),
            PropertyEntry("Caption", "\"quoted\" = 'x' ; not a comment", nullptr),
            PropertyEntry("Description", std::string(200, 'd'), nullptr),
            PropertyEntry("Product", "<b>B450</b> & more", nullptr),
    };
    for (std::size_t i = 0; i < std::size(entries); ++i)
        host.WriteProfile(path, "Win32_Test", std::to_string(i + 1), entries[i]);
    for (std::size_t i = 0; i < std::size(entries); ++i)
        EXPECT_EQ(ReadBack(path, "Win32_Test", std::to_string(i + 1).c_str()), entries[i]);

    // Created empty again, the file has lost them.
    ASSERT_TRUE(host.CreateEmptyFile(path));
    EXPECT_EQ(ReadBack(path, "Win32_Test", "1"), "");
}

struct ConfigCase {
    const char* section;
    const char* key;
    PropertyMode expected;
};

TEST(WinWmiHost, ReadsConfigEntriesAsWindowsDoes)
{
    const std::string path = TempFolder("config.ini");
    const char* text = "; comment\r\n"
                       "[Win32_ComputerSystem]\r\n"
                       "DomainRole=TRUE\r\n"
                       "Model=true\r\n"
                       "Name=\r\n"
                       "WakeUpType =  TRUE  \r\n"
                       "PowerState=\"TRUE\"\r\n"
                       "ThermalState=TRUE and then some more text that runs past the sixty-three characters\r\n"
                       "Domain=YES\r\n";
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(strlen(text)), &written, nullptr);
    CloseHandle(file);

    const ConfigCase cases[] = {
            {"Win32_ComputerSystem", "DomainRole", PropertyMode::Formatted},
            {"win32_computersystem", "domainrole", PropertyMode::Formatted},
            {"Win32_ComputerSystem", "Model", PropertyMode::Plain},
            {"Win32_ComputerSystem", "Domain", PropertyMode::Plain},
            {"Win32_ComputerSystem", "Name", PropertyMode::Hidden},
            {"Win32_ComputerSystem", "Workgroup", PropertyMode::Hidden},
            {"Win32_BIOS", "DomainRole", PropertyMode::Hidden},
            {"Win32_ComputerSystem", "WakeUpType", PropertyMode::Formatted},
            {"Win32_ComputerSystem", "PowerState", PropertyMode::Formatted},
            {"Win32_ComputerSystem", "ThermalState", PropertyMode::Plain},
    };
    WinWmiHost host;
    for (const ConfigCase& c : cases)
        EXPECT_EQ(ModeOf(host.ReadProfile(path, c.section, c.key, kConfigEntryBuffer)), c.expected)
                << c.section << "." << c.key;
}

TEST(WinWmiHost, TheShippedConfigFormatsEveryPropertyThatHasARule)
{
    const std::string path = ProgramFolder() + "\\WMIConfig.ini";
    WinWmiHost host;
    ASSERT_TRUE(host.CanRead(path));
    for (const ClassProperty& p : PropertiesWithRules())
        EXPECT_EQ(ModeOf(host.ReadProfile(path, p.className, p.property, kConfigEntryBuffer)), PropertyMode::Formatted)
                << p.className << "." << p.property;
    EXPECT_EQ(ModeOf(host.ReadProfile(path, "Win32_OperatingSystem", "Caption", kConfigEntryBuffer)),
              PropertyMode::Plain);
}

// The real host, except that one class is asked for under a name that WMI
// refuses to enumerate.
class OneClassUnreadableHost final : public WmiHost {
public:
    explicit OneClassUnreadableHost(std::string_view unreadable) : m_unreadable(unreadable) {}

    bool InitializeCom() override { return m_host.InitializeCom(); }
    Security InitializeSecurity() override { return m_host.InitializeSecurity(); }
    std::string ProgramFolder() override { return m_host.ProgramFolder(); }
    bool CanRead(const std::string& path) override { return m_host.CanRead(path); }
    void CreateFolder(const std::string& path) override { m_host.CreateFolder(path); }
    bool CreateEmptyFile(const std::string& path) override { return m_host.CreateEmptyFile(path); }
    void WriteProfile(const std::string& path, std::string_view section, std::string_view key,
                      std::string_view text) override
    {
        m_host.WriteProfile(path, section, key, text);
    }
    std::string ReadProfile(const std::string& path, std::string_view section, std::string_view key,
                            std::size_t bufferSize) override
    {
        return m_host.ReadProfile(path, section, key, bufferSize);
    }
    std::optional<std::vector<WmiInstance>> ReadClass(std::string_view className, ProxyBlanket blanket) override
    {
        return m_host.ReadClass(className == m_unreadable ? "Win32 BaseBoard" : className, blanket);
    }
    std::optional<bool> RunHtmlEngine(const std::string& folder) override { return m_host.RunHtmlEngine(folder); }
    void ShowMessage(std::string_view text, std::string_view caption) override { m_host.ShowMessage(text, caption); }
    bool IsLeadByte(unsigned char byte) override { return m_host.IsLeadByte(byte); }

private:
    WinWmiHost m_host;
    std::string_view m_unreadable;
};

TEST(WinWmiHost, AClassThatCannotBeReadShowsItsMessageWhileTheOthersAreWritten)
{
    const std::string out = TempFolder("unreadable-class");
    const std::string ini = out + "\\ZyWmi.ini";
    test::MessageBoxWatcher watcher;
    bool result = false;
    // COM stays started on the thread that ran the export.
    std::thread([&] {
        OneClassUnreadableHost host("Win32_BaseBoard");
        result = WmiGetAll(host, out);
    }).join();

    EXPECT_TRUE(result);
    EXPECT_EQ(watcher.Messages(),
              (std::vector<test::ShownMessage>{{"Enumerate Device Win32_BaseBoard Fail !!", "Error Message"}}));
    EXPECT_EQ(ReadBack(ini, "Root", "Count"), "11");
    EXPECT_EQ(ReadBack(ini, "Win32_BaseBoard", "Count"), "");
    for (std::size_t p = 0; p < kClassList.size(); ++p) {
        const std::string expected = p == 2 ? "" : "0|" + std::string(kClassList[p]);
        EXPECT_EQ(ReadBack(ini, "Root", std::to_string(p + 1).c_str()), expected);
    }
    EXPECT_NE(ReadBack(ini, "Win32_OperatingSystem", "Count"), "");
    EXPECT_NE(GetFileAttributesA((out + "\\index.htm").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace vantor::wmi
