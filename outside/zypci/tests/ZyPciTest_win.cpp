// ZyPci.dll under Wine, as the information worker calls it: the real
// library reads configuration space through the real ZyIO.dll from the
// driver serving a board, and the INI file is read back with the profile
// functions the information browser uses.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ZyPci.h"
#include "ZykacpiIoctl.h"

namespace {

std::string ProgramFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

// Makes the driver serve a board file by path; empty: the service's own.
DWORD ReloadBoard(const std::string& path)
{
    HANDLE device = CreateFileA(ZYKACPI_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD returned = 0;
    const BOOL ok = DeviceIoControl(device, IOCTL_ZYKACPI_RELOAD, const_cast<char*>(path.data()),
                                    static_cast<DWORD>(path.size()), nullptr, 0, &returned, nullptr);
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(device);
    return error;
}

std::string Profile(const std::string& ini, const std::string& section, const std::string& key)
{
    char text[1024] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", text, sizeof text, ini.c_str());
    return text;
}

std::string FileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The value of the entry `key` of a value section, as "1|key|value" holds it.
std::string Value(const std::string& ini, const std::string& section, const std::string& key)
{
    const int count = GetPrivateProfileIntA(section.c_str(), "Count", 0, ini.c_str());
    for (int k = 1; k <= count; ++k) {
        const std::string entry = Profile(ini, section, std::to_string(k));
        const std::string head = "1|" + key + "|";
        if (entry.rfind(head, 0) == 0)
            return entry.substr(head.size());
    }
    return "(no entry)";
}

class ZyPci : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_library = LoadLibraryA((ProgramFolder() + ZYPCI_LIBRARY_NAME).c_str());
        ASSERT_NE(m_library, nullptr);
        m_getAll = reinterpret_cast<PciGetAllFn>(reinterpret_cast<void*>(GetProcAddress(m_library, PCI_GET_ALL_NAME)));
        ASSERT_NE(m_getAll, nullptr);
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "ZyPciTest" + std::to_string(GetCurrentProcessId()) + "\\PCIInfo";
    }
    void TearDown() override
    {
        ReloadBoard("");
        if (m_library != nullptr)
            FreeLibrary(m_library);
    }

    HMODULE m_library = nullptr;
    PciGetAllFn m_getAll = nullptr;
    std::string m_folder;
};

TEST_F(ZyPci, ListsTheClassicBoardsChipsetFromTheDriver)
{
    ASSERT_EQ(ReloadBoard(VANTOR_BOARDS_DIR "\\classic.ini"), 0u);
    ASSERT_EQ(m_getAll(m_folder.c_str()), 1);
    const std::string ini = m_folder + "\\ZyPci.ini";

    EXPECT_EQ(Profile(ini, "Root", "Count"), "22");
    EXPECT_EQ(Profile(ini, "Root", "1"), "0|0-0-0");
    EXPECT_EQ(Profile(ini, "Root", "15"), "0|0-31-2");
    EXPECT_EQ(Profile(ini, "Root", "22"), "0|29-0-0");
    // Every section Root names holds values from entry 1 on, so the system
    // report prints each once.
    for (int k = 1; k <= 22; ++k) {
        const std::string section = Profile(ini, "Root", std::to_string(k)).substr(2);
        EXPECT_EQ(Profile(ini, section, "1").substr(0, 11), "1|Location|") << section;
    }
    EXPECT_EQ(Value(ini, "0-31-2", "Location"), "Bus 0, Device 31, Function 2");
    EXPECT_EQ(Value(ini, "0-31-2", "Device"), "82801HM/HEM (ICH8M/ICH8M-E) SATA Controller [AHCI mode] [2829]");
    EXPECT_EQ(Value(ini, "0-31-2", "Programming Interface"), "AHCI 1.0 [01]");
    EXPECT_EQ(Value(ini, "0-31-2", "BAR 5"), "Memory at fc704000 (32-bit, non-prefetchable)");
    EXPECT_EQ(Value(ini, "0-28-0", "Secondary Bus"), "4");
    EXPECT_EQ(Value(ini, "0-28-0", "Capability [40]"), "PCI Express [10]");
    EXPECT_EQ(Value(ini, "20-0-0", "Vendor"), "Intel Corporation [8086]");
    EXPECT_EQ(Value(ini, "29-0-0", "Device"), "3com 3CRWE154G72 [Office Connect Wireless LAN Adapter] [6001]");
    EXPECT_EQ(Profile(ini, "0-31-2", "DisplayName"), "00:1f.2 SATA controller");

    const std::string index = FileText(m_folder + "\\index.htm");
    EXPECT_NE(index.find("PCI Information"), std::string::npos);
    EXPECT_NE(index.find("00:1f.2 SATA controller"), std::string::npos);
    EXPECT_NE(index.find("0-31-2.htm"), std::string::npos);
    const std::string page = FileText(m_folder + "\\0-31-2.htm");
    EXPECT_NE(page.find("82801HM/HEM (ICH8M/ICH8M-E) SATA Controller [AHCI mode] [2829]"), std::string::npos);

    // The pages of this run are kept for the screenshots the test run takes.
    const std::string pages = VANTOR_PCI_PAGES;
    CreateDirectoryA(pages.c_str(), nullptr);
    EXPECT_EQ(m_getAll(pages.c_str()), 1);
}

TEST_F(ZyPci, BoardWithoutConfigurationSpaceListsNothing)
{
    ASSERT_EQ(ReloadBoard(VANTOR_BOARDS_DIR "\\bare.ini"), 0u);
    ASSERT_EQ(m_getAll(m_folder.c_str()), 1);
    EXPECT_EQ(Profile(m_folder + "\\ZyPci.ini", "Root", "Count"), "0");
    EXPECT_NE(FileText(m_folder + "\\index.htm").find("PCI Information"), std::string::npos);
}

}  // namespace
