// ZyDmi.dll under Wine with the real ZyIO.dll, ZyIni.dll and ZyHtmlEngine.dll
// beside it: Wine's own firmware table and a dmidecode dump turned into
// ZyDMI.ini and the pages, and the two failures that show a message box
// (the test reads the box's text and closes it).
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

namespace {

using DmiGetAllFn = std::uint8_t(__cdecl*)(const char*);

std::string Folder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text(path, length);
    return text.substr(0, text.find_last_of('\\'));
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Profile(const std::string& path, const char* section, const char* key)
{
    char text[512] = {};
    const DWORD length = GetPrivateProfileStringA(section, key, "", text, sizeof text, path.c_str());
    return std::string(text, length);
}

std::string OutputFolder(const char* name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "vantor-dmi\\" + name;
    return folder;
}

// Calls DMI_GetAll with a freshly loaded library, as the program does.
bool CallDmiGetAll(const std::string& outputFolder)
{
    const HMODULE library = LoadLibraryA("ZyDmi.dll");
    EXPECT_NE(library, nullptr);
    if (library == nullptr)
        return false;
    const auto getAll = reinterpret_cast<DmiGetAllFn>(reinterpret_cast<void*>(GetProcAddress(library, "DMI_GetAll")));
    EXPECT_NE(getAll, nullptr);
    const bool result = getAll != nullptr && getAll(outputFolder.c_str()) != 0;
    FreeLibrary(library);
    return result;
}

// Watches for the library's message box, keeps its caption and text, and
// presses its OK button.
class MessageBoxCloser {
public:
    MessageBoxCloser()
        : m_thread([this] {
              for (int i = 0; i < 400 && !m_stop; ++i) {
                  if (const HWND box = FindWindowA("#32770", nullptr)) {
                      char caption[128] = {};
                      char text[256] = {};
                      GetWindowTextA(box, caption, sizeof caption);
                      GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                      m_caption = caption;
                      m_text = text;
                      PostMessageA(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
                  Sleep(25);
              }
          })
    {}
    ~MessageBoxCloser() { Join(); }
    void Join()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
    }
    std::string Caption()
    {
        Join();
        return m_caption;
    }
    std::string Text()
    {
        Join();
        return m_text;
    }

private:
    std::atomic<bool> m_stop{false};
    std::string m_caption;
    std::string m_text;
    std::thread m_thread;
};

// Moves a file of the program folder aside for the length of a test.
class FileAside {
public:
    explicit FileAside(const std::string& name) : m_path(Folder() + "\\" + name), m_aside(m_path + ".aside")
    {
        EXPECT_TRUE(MoveFileA(m_path.c_str(), m_aside.c_str())) << m_path;
    }
    ~FileAside() { MoveFileA(m_aside.c_str(), m_path.c_str()); }

private:
    std::string m_path;
    std::string m_aside;
};

TEST(ZyDmi, DecodesWinesFirmwareTableIntoIniAndPages)
{
    SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", nullptr);
    const std::string out = OutputFolder("firmware");
    ASSERT_TRUE(CallDmiGetAll(out));
    const std::string ini = out + "\\ZyDMI.ini";
    const int roots = std::atoi(Profile(ini, "Root", "Count").c_str());
    EXPECT_GE(roots, 1);
    // Wine builds its table from the host's DMI data; type 0 comes first
    // when it is there.
    EXPECT_EQ(Profile(ini, "Root", "1").rfind("0|Type", 0), 0u);
    EXPECT_NE(ReadFile(out + "\\index.htm").find("<html"), std::string::npos);
}

TEST(ZyDmi, DecodesADmidecodeDump)
{
    const std::string dump = std::string(VANTOR_SMBIOS_TESTDATA) + "/lenovo-thinkpad-t480.dump";
    ASSERT_FALSE(ReadFile(dump).empty()) << dump;
    SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", dump.c_str());
    // Kept in the build tree: the run takes its screenshots of these pages.
    std::string out = VANTOR_DMI_PAGES;
    for (char& c : out)
        c = c == '/' ? '\\' : c;
    const bool done = CallDmiGetAll(out);
    SetEnvironmentVariableA("ZYIO_SMBIOS_DUMP", nullptr);
    ASSERT_TRUE(done);
    const std::string ini = out + "\\ZyDMI.ini";
    EXPECT_EQ(Profile(ini, "Root", "1"), "0|Type0");
    EXPECT_EQ(Profile(ini, "Type1", "Count").empty(), false);
    // dmidecode: "Manufacturer: LENOVO" and "Product Name: 20L8S07A14".
    const std::string system = ReadFile(ini);
    EXPECT_NE(system.find("LENOVO"), std::string::npos);
    EXPECT_NE(system.find("20L8S07A14"), std::string::npos);
    EXPECT_EQ(Profile(ini, "Type17", "1"), "0|Type17-1");
    EXPECT_EQ(Profile(ini, "Type17", "2"), "0|Type17-2");
    EXPECT_FALSE(ReadFile(out + "\\index.htm").empty());
    EXPECT_FALSE(ReadFile(out + "\\Type17-2.htm").empty());
}

TEST(ZyDmi, MissingLookupFileShowsItsMessageAndFails)
{
    const FileAside aside("SmBIOS.ini");
    MessageBoxCloser closer;
    const std::string out = OutputFolder("nonames");
    EXPECT_FALSE(CallDmiGetAll(out));
    EXPECT_EQ(closer.Caption(), "Message");
    EXPECT_EQ(closer.Text(), "Can't Open SmBIOS.ini file !!");
    // The INI file was started before the check; no pages were made.
    EXPECT_NE(GetFileAttributesA((out + "\\ZyDMI.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(ZyDmi, MissingHtmlEngineShowsItsMessageAndKeepsTheIniFile)
{
    const FileAside aside("ZyHtmlEngine.dll");
    MessageBoxCloser closer;
    const std::string out = OutputFolder("nohtml");
    EXPECT_FALSE(CallDmiGetAll(out));
    EXPECT_EQ(closer.Caption(), "Message");
    EXPECT_EQ(closer.Text(), "Open ZyHtmlEngine.dll error !!");
    EXPECT_GE(std::atoi(Profile(out + "\\ZyDMI.ini", "Root", "Count").c_str()), 1);
}

}  // namespace
