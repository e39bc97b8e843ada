// The core against the simulated firmware in-process: both halves of the
// device protocol have to agree byte for byte, natively and under sanitizers.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "core/ItemAccess.h"
#include "core/MethodCalls.h"
#include "core/ObjectList.h"
#include "sim/BoardSimChannel.h"

namespace vantor::hw {
namespace {

std::string ReadBoard(const char* name)
{
    std::ifstream file(std::string(BOARDSIM_BOARDS_DIR) + "/" + name + ".ini", std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class BoardSimChannelTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_channel.Load(ReadBoard("classic"))); }
    BoardSimChannel m_channel;
};

TEST_F(BoardSimChannelTest, ReadsTheClassicSensorLists)
{
    const auto volts = ReadObjectList<3>(m_channel, "VSIF");
    // Record 0 belongs to the list's leading count and stays empty.
    ASSERT_GE(volts.size(), 7u);
    EXPECT_EQ(volts[0], DescriptorRecord<3>{});
    EXPECT_EQ(volts[1].itemId, 0x06020000u);
    EXPECT_STREQ(volts[1].name.data(), "Vcore Voltage");
    EXPECT_EQ(volts[1].words[0], 800u);
    EXPECT_EQ(volts[1].words[1], 1550u);
    EXPECT_EQ(volts[1].words[2] & 3u, 1u);

    const auto temps = ReadObjectList<3>(m_channel, "TSIF");
    ASSERT_EQ(temps.size(), 3u);
    EXPECT_EQ(temps[1].itemId, 0x06030000u);
    EXPECT_EQ(temps[2].itemId, 0x06030001u);
    const auto fans = ReadObjectList<3>(m_channel, "FSIF");
    ASSERT_EQ(fans.size(), 4u);
    EXPECT_STREQ(fans[1].name.data(), "CPU FAN Speed");
}

TEST_F(BoardSimChannelTest, ReadingsFollowTestControl)
{
    const BsSetRawRequest hot{BS_METHOD_NAME('R', 'T', 'M', 'P'), 0x06030000, -15};
    ASSERT_EQ(BsSetRaw(m_channel.Board(), &hot, sizeof(hot)), BS_OK);
    EXPECT_EQ(static_cast<std::int32_t>(ReadInteger(m_channel, "RTMP", 0x06030000)), -15);

    const BsFailMethodRequest fail{BS_METHOD_NAME('R', 'T', 'M', 'P'), 1};
    ASSERT_EQ(BsFailMethod(m_channel.Board(), &fail, sizeof(fail)), BS_OK);
    EXPECT_EQ(ReadInteger(m_channel, "RTMP", 0x06030000), 0u);
    EXPECT_EQ(m_channel.LastStatus(), BS_METHOD_FAILED);
}

TEST_F(BoardSimChannelTest, ItemsAreReadAndWrittenThroughOcopAndProc)
{
    const ItemState before = ReadItem(m_channel, 0x04060006);
    EXPECT_TRUE(before.available);
    EXPECT_EQ(before.current, 0u);
    EXPECT_TRUE(WriteItem(m_channel, 0x04060006, 1, 1));
    EXPECT_EQ(ReadItem(m_channel, 0x04060006).current, 1u);

    EXPECT_FALSE(ReadItem(m_channel, 0x04069999).available);
    EXPECT_FALSE(WriteItem(m_channel, 0x04069999, 1, 1));
}

TEST_F(BoardSimChannelTest, ClosedChannelSendsNothing)
{
    m_channel.Close();
    ResultBuffer result{};
    EXPECT_FALSE(CallMethod(m_channel, "VSIF", result));
    EXPECT_TRUE(ReadObjectList<3>(m_channel, "VSIF").empty());
}

}  // namespace
}  // namespace vantor::hw
