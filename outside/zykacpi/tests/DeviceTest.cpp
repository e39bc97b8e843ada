// The simulated device end to end under Wine: the driver zykacpi.sys running
// as the kernel service "zykacpi" on the classic board, reached through
// CreateFileA and DeviceIoControl exactly as the hardware access library
// reaches it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "DeviceControl.h"
#include "ZykacpiIoctl.h"
#include "boardsim/BoardSim.h"
#include "core/MethodCalls.h"
#include "core/ObjectList.h"
#include "win/DeviceChannel_win.h"

namespace {

using vantor::hw::DeviceChannel;
using vantor::hw::MethodName;
using vantor::hw::RequestLayout;
using vantor::hw::ResultBuffer;
using vantor::hw::testing::SetServiceRunning;

constexpr std::uint32_t kFlagsWord = 2;

HANDLE OpenDevice()
{
    return CreateFileA(ZYKACPI_DEVICE_PATH, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       OPEN_EXISTING, 0, nullptr);
}

// One raw device request; returns the system error code, 0 on success.
DWORD Control(HANDLE device, DWORD code, const void* input, DWORD inputSize, void* output, DWORD outputSize,
              DWORD* returned = nullptr)
{
    DWORD bytes = 0;
    const BOOL ok =
            DeviceIoControl(device, code, const_cast<void*>(input), inputSize, output, outputSize, &bytes, nullptr);
    if (returned != nullptr)
        *returned = bytes;
    return ok ? 0 : GetLastError();
}

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_channel.Open(vantor::hw::RequestLayoutForThisProcess()))
                << "open failed with " << m_channel.LastError();
        m_raw = OpenDevice();
        ASSERT_NE(m_raw, INVALID_HANDLE_VALUE);
    }
    void TearDown() override
    {
        // Back to the board the service is configured with, whatever a test
        // changed.
        if (m_raw != INVALID_HANDLE_VALUE) {
            Control(m_raw, IOCTL_ZYKACPI_RELOAD, nullptr, 0, nullptr, 0);
            CloseHandle(m_raw);
        }
    }

    std::vector<vantor::hw::DescriptorRecord<3>> Listed(MethodName list)
    {
        auto records = vantor::hw::ReadObjectList<3>(m_channel, list);
        std::erase_if(records, [](const auto& r) { return (r.words[kFlagsWord] & 3u) != 1u; });
        return records;
    }

    DeviceChannel m_channel;
    HANDLE m_raw = INVALID_HANDLE_VALUE;
};

TEST_F(DeviceTest, ListsAndReadsTheClassicBoard)
{
    struct Kind {
        MethodName list;
        MethodName reading;
        std::vector<std::uint32_t> mustHave;
        std::size_t atLeast;
        bool lowIsLowerBound;  // a temperature's low limit is its warning threshold
    };
    const Kind kinds[] = {
            {"VSIF", "RVLT", {0x06020000}, 6, true},
            {"TSIF", "RTMP", {0x06030000, 0x06030001}, 2, false},
            {"FSIF", "RFAN", {0x06040000, 0x06040001, 0x06040002}, 3, true},
    };
    for (const auto& kind : kinds) {
        const auto sensors = Listed(kind.list);
        ASSERT_GE(sensors.size(), kind.atLeast) << kind.list.Chars().data();
        for (std::uint32_t id : kind.mustHave) {
            EXPECT_TRUE(std::any_of(sensors.begin(), sensors.end(), [&](const auto& s) { return s.itemId == id; }))
                    << std::hex << id;
        }
        for (const auto& sensor : sensors) {
            // The classic board's readings wander, but stay good.
            const auto raw = static_cast<std::int32_t>(vantor::hw::ReadInteger(m_channel, kind.reading, sensor.itemId));
            EXPECT_GE(raw, kind.lowIsLowerBound ? static_cast<std::int32_t>(sensor.words[0]) : 1) << sensor.name.data();
            EXPECT_LE(raw, static_cast<std::int32_t>(sensor.words[1])) << sensor.name.data();
        }
    }
    const auto volts = Listed("VSIF");
    EXPECT_EQ(volts.front().itemId, 0x06020000u);
    EXPECT_STREQ(volts.front().name.data(), "Vcore Voltage");
    EXPECT_STREQ(Listed("TSIF").front().name.data(), "CPU Temperature");
    EXPECT_STREQ(Listed("FSIF").front().name.data(), "CPU FAN Speed");
}

TEST_F(DeviceTest, ResultComesBackInTheEvaluationOutputLayout)
{
    // RTMP with the processor temperature, inline layout: header, one integer.
    const std::uint8_t request[] = {
            2,    0,    0,    0,     // ArgumentForm: one integer
            'R',  'T',  'M',  'P',   // method
            1,    0,    0,    0,     // argument count
            8,    0,    0,    0,     // block size
            0,    0,    4,    0,     // Type 0, DataLength 4
            0x00, 0x00, 0x03, 0x06,  // 0x06030000
    };
    ResultBuffer result{};
    DWORD returned = 0;
    ASSERT_EQ(Control(m_raw, IOCTL_HWACPI_CALL, request, sizeof(request), result.data(), 1024, &returned), 0u);
    EXPECT_EQ(returned, 20u);
    const std::uint8_t signature[] = {'A', 'e', 'o', 'B'};  // 'BoeA' little-endian
    EXPECT_TRUE(std::equal(signature, signature + 4, result.begin()));
    EXPECT_EQ(result[8], 1);   // Count
    EXPECT_EQ(result[12], 0);  // Type integer
    EXPECT_EQ(result[14], 4);  // DataLength
}

TEST_F(DeviceTest, RefusesMalformedRequestsWithoutWritingPastTheOutput)
{
    std::vector<std::uint8_t> good = {2, 0, 0, 0, 'R', 'T', 'M', 'P', 1, 0, 0, 0, 8, 0, 0, 0, 0, 0, 4, 0, 0, 0, 3, 6};
    std::vector<std::uint8_t> unknownForm = good;
    unknownForm[0] = 3;
    std::vector<std::uint8_t> countMismatch = good;
    countMismatch[8] = 2;
    std::vector<std::uint8_t> pointerWithArguments = {2, 0, 0, 0, 'R', 'T', 'M',  'P',  1,    0,
                                                      0, 0, 8, 0, 0,   0,   0x00, 0x10, 0x40, 0x00};
    const std::vector<std::uint8_t> shortHeader(10, 0);
    const std::vector<std::uint8_t> oversized(ZYKACPI_MAX_REQUEST + 1, 0);
    std::vector<std::uint8_t> unknownMethod = {1, 0, 0, 0, 'Q', 'Q', 'Q', 'Q', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

    struct Case {
        const char* what;
        const std::vector<std::uint8_t>* request;
        DWORD outputSize;
    };
    const Case cases[] = {
            {"short header", &shortHeader, 1024},
            {"oversized request", &oversized, 1024},
            {"unknown argument form", &unknownForm, 1024},
            {"count not matching the block", &countMismatch, 1024},
            {"pointer layout with arguments", &pointerWithArguments, 1024},
            {"unknown method", &unknownMethod, 1024},
            {"result larger than the output", &good, 12},
    };
    for (const auto& c : cases) {
        std::array<std::uint8_t, 1024> output;
        output.fill(0xCD);
        DWORD returned = 7;
        EXPECT_NE(Control(m_raw, IOCTL_HWACPI_CALL, c.request->data(), static_cast<DWORD>(c.request->size()),
                          output.data(), c.outputSize, &returned),
                  0u)
                << c.what;
        EXPECT_TRUE(std::all_of(output.begin() + c.outputSize, output.end(), [](auto b) { return b == 0xCD; }))
                << c.what;
    }
    // The device still answers after all that.
    ResultBuffer result{};
    EXPECT_TRUE(vantor::hw::CallMethodInt(m_channel, "RTMP", 0x06030000, result));
}

TEST_F(DeviceTest, TestControlDrivesReadingsAndFailures)
{
    const BsSetRawRequest hot{BS_METHOD_NAME('R', 'T', 'M', 'P'), 0x06030000, 955};
    ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_SET_RAW, &hot, sizeof(hot), nullptr, 0), 0u);
    EXPECT_EQ(vantor::hw::ReadInteger(m_channel, "RTMP", 0x06030000), 955u);

    const BsSetRawRequest unknown{BS_METHOD_NAME('R', 'T', 'M', 'P'), 0x06030077, 1};
    EXPECT_NE(Control(m_raw, IOCTL_ZYKACPI_SET_RAW, &unknown, sizeof(unknown), nullptr, 0), 0u);
    EXPECT_EQ(Control(m_raw, IOCTL_ZYKACPI_SET_RAW, &hot, sizeof(hot) - 1, nullptr, 0), ERROR_INVALID_PARAMETER);

    const BsFailMethodRequest failFans{BS_METHOD_NAME('R', 'F', 'A', 'N'), 1};
    ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_FAIL_METHOD, &failFans, sizeof(failFans), nullptr, 0), 0u);
    ResultBuffer result{};
    EXPECT_FALSE(vantor::hw::CallMethodInt(m_channel, "RFAN", 0x06040000, result));
    EXPECT_NE(m_channel.LastError(), 0u);
    EXPECT_EQ(vantor::hw::ReadInteger(m_channel, "RFAN", 0x06040000), 0u);
    EXPECT_TRUE(vantor::hw::CallMethodInt(m_channel, "RTMP", 0x06030000, result)) << "only RFAN fails";

    const BsFailMethodRequest mendFans{BS_METHOD_NAME('R', 'F', 'A', 'N'), 0};
    ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_FAIL_METHOD, &mendFans, sizeof(mendFans), nullptr, 0), 0u);
    EXPECT_TRUE(vantor::hw::CallMethodInt(m_channel, "RFAN", 0x06040000, result));
}

TEST_F(DeviceTest, AnswersTheBoardsModelSpecificRegister)
{
    struct Exchange {
        std::uint32_t msr;
        std::uint64_t value;
    };
    Exchange exchange{0x1A0, 0};
    DWORD returned = 0;
    ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_READ_MSR, &exchange.msr, sizeof exchange.msr, &exchange.value,
                      sizeof exchange.value, &returned),
              0u);
    EXPECT_EQ(returned, 8u);
    EXPECT_EQ(exchange.value, 0x00850089u) << "IA32_MISC_ENABLE of the classic board";

    std::uint32_t unknown = 0x10;
    std::uint64_t value = 0;
    EXPECT_NE(Control(m_raw, IOCTL_ZYKACPI_READ_MSR, &unknown, sizeof unknown, &value, sizeof value), 0u);
    EXPECT_NE(Control(m_raw, IOCTL_ZYKACPI_READ_MSR, &unknown, 2, &value, sizeof value), 0u) << "short input";
}

// One port access; the system error code, or 0.
DWORD Port(HANDLE device, DWORD code, std::uint32_t port, std::uint32_t width, std::uint32_t& value)
{
    const ZykacpiPortAccess access{port, width, value};
    DWORD returned = 0;
    const DWORD error = Control(device, code, &access, sizeof access, &value, sizeof value, &returned);
    if (error == 0 && code == IOCTL_ZYKACPI_PORT_READ) {
        EXPECT_EQ(returned, sizeof value);
    }
    return error;
}

TEST_F(DeviceTest, ServesTheBoardsConfigurationSpaceThroughPorts)
{
    // Configuration mechanism 1 over the classic board's snapshot.
    struct Case {
        const char* what;
        std::uint32_t address;
        std::uint32_t port;
        std::uint32_t width;
        std::uint32_t value;
    };
    const Case cases[] = {
            {"00:1f.2 vendor and device", 0x8000FA00, 0xCFC, 4, 0x28298086},
            {"00:1f.2 class as a word", 0x8000FA08, 0xCFE, 2, 0x0106},
            {"00:1f.2 programming interface as a byte", 0x8000FA08, 0xCFD, 1, 0x01},
            {"1d:00.0 behind the CardBus bridge", 0x801D0000, 0xCFC, 4, 0x600110B7},
            {"no device at 00:05.0", 0x80002800, 0xCFC, 4, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        std::uint32_t value = c.address;
        ASSERT_EQ(Port(m_raw, IOCTL_ZYKACPI_PORT_WRITE, 0xCF8, 4, value), 0u) << c.what;
        value = 0;
        ASSERT_EQ(Port(m_raw, IOCTL_ZYKACPI_PORT_READ, c.port, c.width, value), 0u) << c.what;
        EXPECT_EQ(value, c.value) << c.what;
    }
    std::uint32_t value = 0;
    ASSERT_EQ(Port(m_raw, IOCTL_ZYKACPI_PORT_READ, 0xCF8, 4, value), 0u);
    EXPECT_EQ(value, 0x80002800u) << "the address register reads back";
    EXPECT_EQ(Port(m_raw, IOCTL_ZYKACPI_PORT_READ, 0xCFC, 3, value), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(Port(m_raw, IOCTL_ZYKACPI_PORT_READ, 0xFFFE, 4, value), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
    const std::uint16_t shortInput = 0xCFC;
    EXPECT_NE(Control(m_raw, IOCTL_ZYKACPI_PORT_READ, &shortInput, sizeof shortInput, &value, sizeof value), 0u);
}

// A reload that asks for its result: why a board did not load, and the
// board before it goes on serving.
TEST_F(DeviceTest, RejectedBoardIsExplainedAndTheServingBoardStays)
{
    struct Case {
        const char* board;
        unsigned line;
        const char* file;
        const char* message;
    };
    const Case cases[] = {
            {VANTOR_TEST_BOARDS_DIR "\\novalue.ini", 4, "", "this [sensor] lacks the key 'value'"},
            {VANTOR_TEST_BOARDS_DIR "\\badpci.ini", 3, "badpci.lspci", "expected 16 bytes"},
            {VANTOR_TEST_BOARDS_DIR "\\nosuchboard.ini", 0, "", "cannot read the board file (NTSTATUS 0xC0000034)"},
    };
    for (const Case& c : cases) {
        const std::string path = c.board;
        ZykacpiReloadResult result;
        std::memset(&result, 0x5A, sizeof result);
        DWORD returned = 0;
        ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_RELOAD, path.data(), static_cast<DWORD>(path.size()), &result,
                          sizeof result, &returned),
                  0u)
                << c.board;
        ASSERT_EQ(returned, sizeof result) << c.board;
        EXPECT_NE(result.status, 0) << c.board;
        EXPECT_EQ(result.error.line, c.line) << c.board << ": " << result.error.message;
        EXPECT_STREQ(result.error.file, c.file) << c.board;
        EXPECT_NE(std::string(result.error.message).find(c.message), std::string::npos)
                << c.board << ": " << result.error.message;
        EXPECT_GE(Listed("VSIF").size(), 6u) << "the classic board still serves after " << c.board;
    }

    // A board that loads says so, and one that asks for no result still
    // fails the request as before.
    const std::string good = VANTOR_BOARDS_DIR "\\group.ini";
    ZykacpiReloadResult result{};
    DWORD returned = 0;
    ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_RELOAD, good.data(), static_cast<DWORD>(good.size()), &result, sizeof result,
                      &returned),
              0u);
    EXPECT_EQ(result.status, 0);
    EXPECT_STREQ(result.error.message, "");
    ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_RELOAD, nullptr, 0, nullptr, 0), 0u);  // back to classic
    const std::string bad = cases[0].board;
    EXPECT_NE(Control(m_raw, IOCTL_ZYKACPI_RELOAD, bad.data(), static_cast<DWORD>(bad.size()), nullptr, 0), 0u);
    EXPECT_NE(Control(m_raw, IOCTL_ZYKACPI_RELOAD, bad.data(), static_cast<DWORD>(bad.size()), &result, 8), 0u)
            << "too little room for the result";
}

TEST_F(DeviceTest, ReloadServesAnotherBoardUntilTheServiceRestarts)
{
    const std::string path = VANTOR_TEST_BOARDS_DIR "\\locked.ini";
    ASSERT_EQ(Control(m_raw, IOCTL_ZYKACPI_RELOAD, path.data(), static_cast<DWORD>(path.size()), nullptr, 0), 0u);
    // That board lists one voltage and refuses test control.
    EXPECT_EQ(Listed("VSIF").size(), 1u);
    const BsSetRawRequest raw{BS_METHOD_NAME('R', 'V', 'L', 'T'), 0x06020000, 1000};
    EXPECT_EQ(Control(m_raw, IOCTL_ZYKACPI_SET_RAW, &raw, sizeof(raw), nullptr, 0), ERROR_ACCESS_DENIED);
    EXPECT_EQ(Control(m_raw, IOCTL_ZYKACPI_RELOAD, nullptr, 0, nullptr, 0), ERROR_ACCESS_DENIED);

    const std::string missing = "C:\\no\\such\\board.ini";
    EXPECT_NE(Control(m_raw, IOCTL_ZYKACPI_RELOAD, missing.data(), static_cast<DWORD>(missing.size()), nullptr, 0), 0u);

    m_channel.Close();
    CloseHandle(m_raw);
    m_raw = INVALID_HANDLE_VALUE;
    ASSERT_TRUE(SetServiceRunning(false));
    ASSERT_TRUE(SetServiceRunning(true));
    ASSERT_TRUE(m_channel.Open(RequestLayout::Inline));
    EXPECT_GE(Listed("VSIF").size(), 6u) << "the configured classic board is back";
}

TEST_F(DeviceTest, DeviceIsAbsentWhileTheServiceIsStopped)
{
    m_channel.Close();
    CloseHandle(m_raw);
    m_raw = INVALID_HANDLE_VALUE;
    ASSERT_TRUE(SetServiceRunning(false));

    EXPECT_EQ(OpenDevice(), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(m_channel.Open(RequestLayout::Inline));
    EXPECT_EQ(m_channel.LastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    ResultBuffer result{};
    EXPECT_FALSE(vantor::hw::CallMethod(m_channel, "VSIF", result));
    EXPECT_EQ(vantor::hw::ReadInteger(m_channel, "RTMP", 0x06030000), 0u);

    ASSERT_TRUE(SetServiceRunning(true));
    EXPECT_TRUE(m_channel.Open(RequestLayout::Inline));
    m_raw = OpenDevice();
    EXPECT_NE(m_raw, INVALID_HANDLE_VALUE);
}

}  // namespace
