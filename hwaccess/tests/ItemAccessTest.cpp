#include "core/ItemAccess.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "FakeMethodChannel.h"
#include "ResultBuilder.h"
#include "core/LittleEndian.h"

namespace vantor::hw {
namespace {

using test::FakeMethodChannel;
using test::ResultBuilder;

constexpr std::uint32_t kItem = 0x04050009;

struct ReadCase {
    const char* label;
    std::optional<ResultBuffer> answer;
    ItemState expected;
};

TEST(ReadItem, TakesElementsOneToThree)
{
    const ReadCase cases[] = {
            {"four elements, available",
             ResultBuilder().Integer(0xAAAA).Integer(2).Integer(1).Integer(0x81).String("Silent").Build(),
             {.value1 = 2, .current = 1, .available = true}},
            {"only bit 0 of element 3 says available",
             ResultBuilder().Integer(0).Integer(2).Integer(1).Integer(0xFE).Build(),
             {.value1 = 2, .current = 1, .available = false}},
            {"three elements: the flag is missing and reads 0",
             ResultBuilder().Integer(0).Integer(5).Integer(6).Build(),
             {.value1 = 5, .current = 6, .available = false}},
            {"three elements by Count, with a set word left past it",
             ResultBuilder().Integer(0).Integer(5).Integer(6).Integer(1).Count(3).Build(),
             {.value1 = 5, .current = 6, .available = false}},
            {"the call fails", std::nullopt, {}},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.label);
        FakeMethodChannel channel;
        if (c.answer) {
            channel.Answer("OCOP", *c.answer);
        }
        EXPECT_EQ(ReadItem(channel, kItem), c.expected);
        ASSERT_EQ(channel.Requests().size(), 1u);
        EXPECT_EQ(channel.RequestedNames()[0], MethodName("OCOP"));
        EXPECT_EQ(LoadU32(channel.Requests()[0], 20), kItem);
    }
}

const ResultBuffer kAvailable = ResultBuilder().Integer(0).Integer(0).Integer(2).Integer(1).Build();
const ResultBuffer kUnavailable = ResultBuilder().Integer(0).Integer(0).Integer(2).Integer(0).Build();

struct WriteCase {
    const char* label;
    std::optional<ResultBuffer> ocop;
    std::optional<ResultBuffer> proc;
    bool expected;
    bool procSent;
};

TEST(WriteItem, WritesOnlyAnAvailableItemAndReportsTheStatus)
{
    const WriteCase cases[] = {
            {"unavailable: no PROC request", kUnavailable, ResultBuilder().Integer(3).Build(), false, false},
            {"OCOP fails: no PROC request", std::nullopt, ResultBuilder().Integer(3).Build(), false, false},
            {"status 3: accepted", kAvailable, ResultBuilder().Integer(3).Build(), true, true},
            {"only the low byte of the status counts", kAvailable, ResultBuilder().Integer(0x1203).Build(), true, true},
            {"any other status: refused", kAvailable, ResultBuilder().Integer(2).Build(), false, true},
            {"PROC answers nothing", kAvailable, ResultBuilder().Build(), false, true},
            {"PROC fails", kAvailable, std::nullopt, false, true},
    };
    for (const WriteCase& c : cases) {
        SCOPED_TRACE(c.label);
        FakeMethodChannel channel;
        if (c.ocop) {
            channel.Answer("OCOP", *c.ocop);
        }
        if (c.proc) {
            channel.Answer("PROC", *c.proc);
        }
        EXPECT_EQ(WriteItem(channel, kItem, 2, 1), c.expected);

        std::vector<MethodName> expectedNames = {"OCOP"};
        if (c.procSent) {
            expectedNames.push_back("PROC");
        }
        ASSERT_EQ(channel.RequestedNames(), expectedNames);
        if (c.procSent) {
            const auto& proc = channel.Requests()[1];
            ASSERT_EQ(proc.size(), 40u);
            EXPECT_EQ(LoadU32(proc, 20), kItem);
            EXPECT_EQ(LoadU32(proc, 28), 2u) << "value";
            EXPECT_EQ(LoadU32(proc, 36), 1u) << "mode";
        }
    }
}

}  // namespace
}  // namespace vantor::hw
