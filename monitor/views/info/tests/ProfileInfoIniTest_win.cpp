// The report's INI reading through the Windows profile functions, on files
// on disk: the same cases the in-memory stand-in answers in the native tests.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "info/ProfileInfoIni_win.h"
#include "info/SystemReport.h"

namespace vantor::views {
namespace {

class ProfileInfoIniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_folder = std::string(temp) + "vantor-infoini-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        DeleteFileA(Path("ZyDmi.ini").c_str());
        RemoveDirectoryA(m_folder.c_str());
    }
    std::string Path(const std::string& name) const { return m_folder + "\\" + name; }
    std::string Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(Path(name), std::ios::binary) << text;
        return Path(name);
    }

    std::string m_folder;
};

TEST_F(ProfileInfoIniTest, ValueSectionsOfAFileOnDiskPrintInFileOrder)
{
    const std::string longValue(6000, 'x');  // longer than a first read takes
    const std::string path =
            Write("ZyDmi.ini", "[Root]\r\nCount=2\r\n1=0|Type4\r\n2=0|Type0\r\n\r\n"
                               "[Type4]\r\nCount=2\r\n1=0|Type4-1\r\n2=0|Type4-2\r\n\r\n"
                               "[Type4-2]\r\nCount=1\r\n1=1|Socket|CPU 2\r\n\r\n"
                               "[Type4-1]\r\nCount = 2 \r\n1 = 1|Socket|CPU 1 \r\n2=1|Long|" +
                                       longValue + "\r\n\r\n[Type0]\r\ncount=1\r\n1=1|Vendor|Award\r\n");
    ProfileInfoIni ini;
    std::string report;
    PrintReportFile(report, ini, path);
    EXPECT_EQ(report, "[ SMBIOS: Type4-2 ]\nSocket = CPU 2\n\n"
                      "[ SMBIOS: Type4-1 ]\nSocket = CPU 1\nLong = " +
                              longValue +
                              "\n\n"
                              "[ SMBIOS: Type0 ]\nVendor = Award\n\n");

    std::string missing;
    PrintReportFile(missing, ini, Path("absent.ini"));
    PrintReportSection(missing, ini, Path("ZyWmi.ini"), "Win32_ComputerSystem");
    EXPECT_EQ(missing, "[ Win32_ComputerSystem ]\n\n");
}

}  // namespace
}  // namespace vantor::views
