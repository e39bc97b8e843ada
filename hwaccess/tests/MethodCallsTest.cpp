#include "core/MethodCalls.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "FakeMethodChannel.h"
#include "ResultBuilder.h"
#include "core/ArgumentBlock.h"
#include "core/ItemAccess.h"
#include "core/LittleEndian.h"
#include "core/ObjectList.h"

namespace vantor::hw {
namespace {

using test::FakeMethodChannel;
using test::ResultBuilder;

bool AllZero(const ResultBuffer& result)
{
    return std::all_of(result.begin(), result.end(), [](std::uint8_t b) { return b == 0; });
}

TEST(MethodCalls, AClosedChannelSeesNoRequestAndEveryOperationFails)
{
    FakeMethodChannel channel;
    channel.Answer("RTMP", ResultBuilder().Integer(450).Build());
    channel.Answer("OCOP", ResultBuilder().Integer(0).Integer(1).Integer(2).Integer(1).Build());
    channel.Answer("PROC", ResultBuilder().Integer(3).Build());
    channel.Answer("TSIF", ResultBuilder().Integer(1).String("TSI0").Build());
    channel.SetOpen(false);

    ResultBuffer result;
    result.fill(0xCC);
    const std::array<std::uint32_t, 2> words = {1, 2};
    EXPECT_FALSE(CallMethod(channel, "RTMP", result));
    EXPECT_TRUE(AllZero(result)) << "a failed call leaves no stale bytes";
    EXPECT_FALSE(CallMethodInt(channel, "RTMP", 1, result));
    EXPECT_FALSE(CallMethodInt3(channel, "RTMP", 1, 2, 3, result));
    EXPECT_FALSE(CallMethodBuffer(channel, "RTMP", words, result));
    EXPECT_EQ(ReadInteger(channel, "RTMP", 0x06030000), 0u);
    EXPECT_EQ(ReadItem(channel, 0x04060003), ItemState{});
    EXPECT_FALSE(WriteItem(channel, 0x04060003, 1, 1));
    EXPECT_TRUE(ReadObjectList<3>(channel, "TSIF").empty());
    EXPECT_TRUE(channel.Requests().empty());
}

TEST(MethodCalls, SendsTheShapeInTheChannelsLayout)
{
    FakeMethodChannel inlineChannel(RequestLayout::Inline);
    FakeMethodChannel pointerChannel(RequestLayout::Pointer);
    ResultBuffer result;
    const std::array<std::uint32_t, 3> words = {7, 8, 9};
    for (FakeMethodChannel* channel : {&inlineChannel, &pointerChannel}) {
        CallMethod(*channel, "MBIF", result);
        CallMethodInt(*channel, "RVLT", 0x06020000, result);
        CallMethodInt3(*channel, "PROC", 0x04060003, 1, 1, result);
        CallMethodBuffer(*channel, "SITM", words, result);
    }

    // Inline: the whole block travels in the request.
    const auto& inlineRequests = inlineChannel.Requests();
    ASSERT_EQ(inlineRequests.size(), 4u);
    EXPECT_EQ(inlineRequests[0].size(), 20u);
    EXPECT_EQ(LoadU32(inlineRequests[0], 16), 0u) << "no-argument calls carry address 0";
    EXPECT_EQ(inlineRequests[1].size(), 24u);
    EXPECT_EQ(LoadU32(inlineRequests[1], 20), 0x06020000u);
    EXPECT_EQ(inlineRequests[2].size(), 40u);
    EXPECT_EQ(LoadU32(inlineRequests[2], 20), 0x04060003u);
    EXPECT_EQ(inlineRequests[3].size(), 32u);
    EXPECT_EQ(LoadU32(inlineRequests[3], 28), 9u);

    // Pointer: 20 bytes each; the address of a live block, 0 only without one.
    const auto& pointerRequests = pointerChannel.Requests();
    ASSERT_EQ(pointerRequests.size(), 4u);
    const std::uint32_t expectedBlockSizes[] = {0, 8, 24, 16};
    for (std::size_t i = 0; i < pointerRequests.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_EQ(pointerRequests[i].size(), 20u);
        EXPECT_EQ(LoadU32(pointerRequests[i], 12), expectedBlockSizes[i]);
        EXPECT_EQ(LoadU32(pointerRequests[i], 16) != 0, i != 0);
    }
}

TEST(MethodCalls, AnOversizedBufferIsRefusedBeforeAnyRequest)
{
    FakeMethodChannel channel;
    channel.Answer("SITM", ResultBuilder().Integer(0).Build());
    const std::vector<std::uint32_t> tooMany(kMaxBufferWords + 1, 1);
    ResultBuffer result;
    EXPECT_FALSE(CallMethodBuffer(channel, "SITM", tooMany, result));
    EXPECT_TRUE(channel.Requests().empty());
}

TEST(MethodCalls, CallReturnsTheDevicesResult)
{
    FakeMethodChannel channel;
    const ResultBuffer answer = ResultBuilder().Integer(1).String("BOARD").Build();
    channel.Answer("MBIF", answer);
    ResultBuffer result;
    result.fill(0xCC);
    EXPECT_TRUE(CallMethod(channel, "MBIF", result));
    EXPECT_EQ(result, answer);
    EXPECT_FALSE(CallMethod(channel, "NONE", result));
    EXPECT_TRUE(AllZero(result));
}

struct ReadIntegerCase {
    const char* label;
    std::optional<ResultBuffer> answer;  // none: the call fails
    std::uint32_t expected;
};

TEST(ReadInteger, ReadsTheFirstValueOrZero)
{
    const ReadIntegerCase cases[] = {
            {"an integer result", ResultBuilder().Integer(0xFFFFFF38).Build(), 0xFFFFFF38},
            {"Count 0 with a value left at offset 16", ResultBuilder().Integer(450).Count(0).Build(), 0},
            {"a string where the value belongs", ResultBuilder().String("WXYZ").Build(), 0},
            {"the call fails", std::nullopt, 0},
    };
    for (const ReadIntegerCase& c : cases) {
        SCOPED_TRACE(c.label);
        FakeMethodChannel channel;
        if (c.answer) {
            channel.Answer("RTMP", *c.answer);
        }
        EXPECT_EQ(ReadInteger(channel, "RTMP", 0x06030000), c.expected);
        ASSERT_EQ(channel.Requests().size(), 1u);
        EXPECT_EQ(LoadU32(channel.Requests()[0], 0), 2u) << "one-integer form";
        EXPECT_EQ(LoadU32(channel.Requests()[0], 20), 0x06030000u) << "the argument";
    }
}

}  // namespace
}  // namespace vantor::hw
