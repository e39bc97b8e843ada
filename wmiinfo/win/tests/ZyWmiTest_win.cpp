// ZyWmi.dll under Wine with ZyHtmlEngine.dll and WMIConfig.ini beside it,
// against Wine's own WMI provider: the INI file and the pages of a whole
// call, every property name of an instance, and the failures that show a
// message box (the test reads each box and closes it).
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "core/ClassList.h"
#include "tests/MessageBoxWatcher_win.h"
#include "win/WmiReader_win.h"

namespace vantor::wmi {
namespace {

using test::MessageBoxWatcher;
using test::ShownMessage;
using WmiGetAllFn = std::uint8_t(__cdecl*)(const char*);

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    const std::string text(path, length);
    return text.substr(0, text.find_last_of('\\'));
}

// A folder of the temporary folder, without the files an earlier run left.
std::string FreshFolder(const char* name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vantor-wmi\\" + name;
    DeleteFileA((folder + "\\ZyWmi.ini").c_str());
    DeleteFileA((folder + "\\index.htm").c_str());
    return folder;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Profile(const std::string& path, const std::string& section, const std::string& key)
{
    char text[512] = {};
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", text, sizeof text, path.c_str());
    return std::string(text, length);
}

// The value entries of a section, name to value, and their names in order.
struct ValueSection {
    int count = 0;
    std::vector<std::string> names;
    std::map<std::string, std::string> values;
};

ValueSection ReadValueSection(const std::string& ini, const std::string& section)
{
    ValueSection values;
    values.count = std::atoi(Profile(ini, section, "Count").c_str());
    for (int k = 1; k <= values.count; ++k) {
        const std::string entry = Profile(ini, section, std::to_string(k));
        EXPECT_EQ(entry.rfind("1|", 0), 0u) << section << " " << k << ": " << entry;
        const std::size_t bar = entry.find('|', 2);
        if (bar == std::string::npos)
            continue;
        values.names.push_back(entry.substr(2, bar - 2));
        values.values[entry.substr(2, bar - 2)] = entry.substr(bar + 1);
    }
    return values;
}

// WMI_GetAll from a freshly loaded library, as the program's worker calls
// it: on a thread of its own unless one is given, since the library leaves
// COM started on the calling thread.
bool CallWmiGetAll(const std::string& outputFolder)
{
    const HMODULE library = LoadLibraryA("ZyWmi.dll");
    EXPECT_NE(library, nullptr);
    if (library == nullptr)
        return false;
    const auto getAll = reinterpret_cast<WmiGetAllFn>(reinterpret_cast<void*>(GetProcAddress(library, "WMI_GetAll")));
    EXPECT_NE(getAll, nullptr);
    const bool result = getAll != nullptr && getAll(outputFolder.c_str()) != 0;
    FreeLibrary(library);
    return result;
}

bool CallOnNewThread(const std::string& outputFolder)
{
    bool result = false;
    std::thread([&] { result = CallWmiGetAll(outputFolder); }).join();
    return result;
}

// Moves a file of the program folder aside for the length of a test.
class FileAside {
public:
    explicit FileAside(const std::string& name) : m_path(ProgramFolder() + "\\" + name), m_aside(m_path + ".aside")
    {
        EXPECT_TRUE(MoveFileA(m_path.c_str(), m_aside.c_str())) << m_path;
    }
    ~FileAside() { MoveFileA(m_aside.c_str(), m_path.c_str()); }

private:
    std::string m_path;
    std::string m_aside;
};

TEST(ZyWmi, WritesWinesClassesIntoTheIniFileAndThePages)
{
    // Kept in the build tree, to be looked at.
    std::string out = VANTOR_WMI_PAGES;
    for (char& c : out)
        c = c == '/' ? '\\' : c;
    DeleteFileA((out + "\\ZyWmi.ini").c_str());
    const std::string ini = out + "\\ZyWmi.ini";
    MessageBoxWatcher watcher;

    ASSERT_TRUE(CallOnNewThread(out));

    // Wine answers all twelve classes.
    EXPECT_TRUE(watcher.Messages().empty());
    EXPECT_EQ(Profile(ini, "Root", "Count"), "12");
    for (std::size_t p = 0; p < kClassList.size(); ++p)
        EXPECT_EQ(Profile(ini, "Root", std::to_string(p + 1)), "0|" + std::string(kClassList[p]));

    const ValueSection os = ReadValueSection(ini, "Win32_OperatingSystem");
    EXPECT_GE(os.count, 5);
    EXPECT_EQ(os.values.at("OSType"), "WINNT (18)");
    // Wine reports the system's language; US English has a name.
    if (GetSystemDefaultLangID() == 0x0409) {
        EXPECT_EQ(os.values.at("OSLanguage"), "English - US (0409)");
    }
    EXPECT_EQ(os.values.at("ProductType"), "WorkStation (1)");
    EXPECT_NE(os.values.at("Caption").find("Windows"), std::string::npos);
    EXPECT_NE(os.values.at("TotalVisibleMemorySize").find(" KBytes"), std::string::npos);
    EXPECT_EQ(os.values.at("LastBootUpTime").size(), 8u);
    const ValueSection system = ReadValueSection(ini, "Win32_ComputerSystem");
    EXPECT_EQ(system.values.at("DomainRole"), "Standalone Workstation (0)");
    EXPECT_NE(system.values.at("TotalPhysicalMemory").find(" Bytes"), std::string::npos);
    const ValueSection bios = ReadValueSection(ini, "Win32_BIOS");
    EXPECT_EQ(bios.values.at("ReleaseDate").size(), 8u);
    // Not in WMIConfig.ini.
    EXPECT_EQ(bios.values.at("IdentificationCode"), "NULL");

    // Several instances: a list of instance sections, each with its values.
    const int disks = std::atoi(Profile(ini, "Win32_DiskDrive", "Count").c_str());
    ASSERT_GE(disks, 1);
    if (disks >= 2) {
        for (int i = 1; i <= disks; ++i) {
            const std::string section = "Win32_DiskDrive" + std::to_string(i);
            EXPECT_EQ(Profile(ini, "Win32_DiskDrive", std::to_string(i)), "0|" + section);
            EXPECT_NE(ReadValueSection(ini, section).values.at("Size").find(" Bytes"), std::string::npos) << section;
        }
    }
    // Enumerated without instances: listed, counted, no section.
    EXPECT_EQ(Profile(ini, "Win32_CDROMDrive", "Count"), "");

    const std::string index = out + "\\index.htm";
    ASSERT_TRUE(Exists(index));
    EXPECT_TRUE(Exists(out + "\\Win32_OperatingSystem.htm"));
}

// Entry k holds the k-th name the object lists, the first included.
TEST(ZyWmi, WritesEveryPropertyNameTheObjectLists)
{
    const std::string out = FreshFolder("names");
    ASSERT_TRUE(CallOnNewThread(out));

    std::vector<std::string> names;
    std::thread([&] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (const auto instances = ReadWmiClass("Win32_OperatingSystem", ProxyBlanket::Leave);
            instances && !instances->empty() && instances->front().properties)
            for (const WmiProperty& property : *instances->front().properties)
                names.push_back(property.name);
        CoUninitialize();
    }).join();
    ASSERT_FALSE(names.empty());

    const ValueSection os = ReadValueSection(out + "\\ZyWmi.ini", "Win32_OperatingSystem");
    EXPECT_EQ(os.count, static_cast<int>(names.size()));
    EXPECT_EQ(os.names, names);
}

TEST(ZyWmi, AMissingConfigFileShowsItsMessageAndWritesNothing)
{
    const FileAside aside("WMIConfig.ini");
    const std::string out = FreshFolder("noconfig");
    MessageBoxWatcher watcher;

    EXPECT_FALSE(CallOnNewThread(out));

    EXPECT_EQ(watcher.Messages(), (std::vector<ShownMessage>{{"Can't Open WMIConfig.ini file !!", "ZyWmi.dll"}}));
    EXPECT_FALSE(Exists(out + "\\ZyWmi.ini"));
}

TEST(ZyWmi, AMissingHtmlGeneratorShowsItsMessageAndKeepsTheIniFile)
{
    const FileAside aside("ZyHtmlEngine.dll");
    const std::string out = FreshFolder("nohtml");
    MessageBoxWatcher watcher;

    EXPECT_FALSE(CallOnNewThread(out));

    EXPECT_EQ(watcher.Messages(), (std::vector<ShownMessage>{{"Open ZyHtmlEngine.dll error !!", "Message"}}));
    EXPECT_EQ(Profile(out + "\\ZyWmi.ini", "Root", "Count"), "12");
    EXPECT_FALSE(Exists(out + "\\index.htm"));
}

// COM stays started on the thread of a call, so a second call there fails;
// a call on another thread works again.
TEST(ZyWmi, ASecondCallOnTheSameThreadFails)
{
    const std::string out = FreshFolder("twice");
    MessageBoxWatcher watcher;
    bool first = false;
    bool second = true;
    std::thread([&] {
        first = CallWmiGetAll(out);
        second = CallWmiGetAll(out);
    }).join();

    EXPECT_TRUE(first);
    EXPECT_FALSE(second);
    EXPECT_EQ(watcher.Messages(), (std::vector<ShownMessage>{{"Initialize OLE Fail !!", "Message"}}));
    EXPECT_TRUE(CallOnNewThread(out));
}

}  // namespace
}  // namespace vantor::wmi
