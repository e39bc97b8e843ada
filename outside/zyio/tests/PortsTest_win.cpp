// ZyIO.dll's port functions under Wine, against the driver serving the
// classic board: PCI configuration mechanism 1 through ZYIO_OutPortD and
// ZYIO_InPortD/ZYIO_InPortB, as the PCI library uses them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "ZyIO.h"

namespace {

class ZyioPorts : public ::testing::Test {
protected:
    void SetUp() override
    {
        char path[MAX_PATH] = {};
        const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
        std::string folder(path, length);
        folder.resize(folder.find_last_of('\\') + 1);
        m_library = LoadLibraryA((folder + ZYIO_LIBRARY_NAME).c_str());
        ASSERT_NE(m_library, nullptr);
        m_inB = Bind<ZyioInPortBFn>(ZYIO_IN_PORT_B_NAME);
        m_outB = Bind<ZyioOutPortBFn>(ZYIO_OUT_PORT_B_NAME);
        m_inD = Bind<ZyioInPortDFn>(ZYIO_IN_PORT_D_NAME);
        m_outD = Bind<ZyioOutPortDFn>(ZYIO_OUT_PORT_D_NAME);
        ASSERT_TRUE(m_inB && m_outB && m_inD && m_outD);
    }
    void TearDown() override
    {
        if (m_library != nullptr)
            FreeLibrary(m_library);
    }

    template <typename Fn>
    Fn Bind(const char* name)
    {
        return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(m_library, name)));
    }

    HMODULE m_library = nullptr;
    ZyioInPortBFn m_inB = nullptr;
    ZyioOutPortBFn m_outB = nullptr;
    ZyioInPortDFn m_inD = nullptr;
    ZyioOutPortDFn m_outD = nullptr;
};

TEST_F(ZyioPorts, ReadConfigurationSpaceOfTheBoard)
{
    m_outD(0xCF8, 0x8000FA00);  // 00:1f.2, register 0
    EXPECT_EQ(m_inD(0xCFC), 0x28298086u);
    EXPECT_EQ(m_inB(0xCFE), 0x29u);
    EXPECT_EQ(m_inD(0xCF8), 0x8000FA00u);
    m_outD(0xCF8, 0x8000FA08);  // class register: SATA, AHCI
    EXPECT_EQ(m_inB(0xCFF), 0x01u);
    EXPECT_EQ(m_inB(0xCFE), 0x06u);
    m_outD(0xCF8, 0x80002800);  // 00:05.0: nothing there
    EXPECT_EQ(m_inD(0xCFC), 0xFFFFFFFFu);
    // A write to the data window goes nowhere: configuration space stays.
    m_outD(0xCF8, 0x8000FA00);
    m_outD(0xCFC, 0);
    m_outB(0xCFC, 0);
    EXPECT_EQ(m_inD(0xCFC), 0x28298086u);
    // Ports without a device behind them.
    EXPECT_EQ(m_inB(0x80), 0xFFu);
    EXPECT_EQ(m_inD(0x1000), 0xFFFFFFFFu);
}

}  // namespace
