#include "core/DescriptorRule.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "ResultBuilder.h"

namespace vantor::hw {
namespace {

using test::ResultBuilder;
using SensorRecord = DescriptorRecord<3>;  // LowLimit, HighLimit, Flags

SensorRecord Sensor(std::uint32_t id, std::string_view name, std::array<std::uint32_t, 3> words)
{
    SensorRecord record;
    record.itemId = id;
    std::copy(name.begin(), name.end(), record.name.begin());
    record.words = words;
    return record;
}

struct RuleCase {
    const char* label;
    ResultBuffer result;
    SensorRecord expected;
};

TEST(DescriptorRule, FillsTheRecordOnlyWhenTheObjectDescribesSomething)
{
    const RuleCase cases[] = {
            {"n > 1: id, name and the words",
             ResultBuilder()
                     .Integer(0x06030000)
                     .String("CPU Temperature")
                     .Integer(800)
                     .Integer(1000)
                     .Integer(1)
                     .Build(),
             Sensor(0x06030000, "CPU Temperature", {800, 1000, 1})},
            {"extra elements beyond the record's words are ignored",
             ResultBuilder()
                     .Integer(0x06020000)
                     .String("Vcore")
                     .Integer(1)
                     .Integer(2)
                     .Integer(3)
                     .Integer(4)
                     .Integer(5)
                     .Build(),
             Sensor(0x06020000, "Vcore", {1, 2, 3})},
            {"words the object lacks read 0",
             ResultBuilder().Integer(0x06040000).String("CPU Fan").Integer(600).Build(),
             Sensor(0x06040000, "CPU Fan", {600, 0, 0})},
            {"n == 1 and f == 0: nothing is taken, even from bytes past Count",
             ResultBuilder().Integer(0x06030000).String("CPU Temperature").Integer(800).Count(1).Build(),
             SensorRecord{}},
            {"n == 0: empty", ResultBuilder().Build(), SensorRecord{}},
            {"f != 0 with n == 1: the elements are taken",
             ResultBuilder()
                     .Integer(0x06030001)
                     .String("MB Temperature")
                     .Integer(450)
                     .Integer(900)
                     .Integer(3)
                     .Count(0x0101)
                     .Build(),
             Sensor(0x06030001, "MB Temperature", {450, 900, 3})},
            {"f != 0 with n == 0: taken as far as the list goes",
             ResultBuilder().Integer(0x06020001).String("+12V").Count(0x0200).Build(),
             Sensor(0x06020001, "+12V", {0, 0, 0})},
            {"an integer where the name belongs gives an empty name",
             ResultBuilder().Integer(0x06020002).Integer(42).Integer(3300).Build(),
             Sensor(0x06020002, "", {3300, 0, 0})},
            {"a name of 40 characters is cut to 31 and a NUL",
             ResultBuilder().Integer(0x06030002).String("0123456789012345678901234567890123456789").Integer(7).Build(),
             Sensor(0x06030002, "0123456789012345678901234567890", {7, 0, 0})},
    };
    for (const RuleCase& c : cases) {
        SCOPED_TRACE(c.label);
        const SensorRecord record = ReadDescriptor<3>(ResultList(c.result));
        EXPECT_EQ(record.itemId, c.expected.itemId);
        EXPECT_EQ(std::string(record.name.data()), std::string(c.expected.name.data()));
        EXPECT_EQ(record.words, c.expected.words);
        EXPECT_EQ(record, c.expected) << "every byte past the name's NUL is 0";
    }
}

// Records are reused by callers that read a list into fixed storage; a record
// the rule takes nothing for must not keep what it held before.
TEST(DescriptorRule, ClearsWhatTheRecordHeldBefore)
{
    const ResultBuffer empty = ResultBuilder().Integer(0x06030000).Count(1).Build();
    const ResultBuffer shortName = ResultBuilder().Integer(0x06030000).String("CPU").Integer(5).Build();

    std::uint32_t itemId = 0xDEADBEEF;
    std::array<char, kDescriptorNameSize> name;
    name.fill('x');
    std::array<std::uint32_t, 4> words = {9, 9, 9, 9};

    ApplyDescriptorRule(ResultList(shortName), itemId, name, words);
    EXPECT_EQ(itemId, 0x06030000u);
    EXPECT_EQ(std::string_view(name.data(), 4), std::string_view("CPU\0", 4));
    EXPECT_TRUE(std::all_of(name.begin() + 3, name.end(), [](char c) { return c == '\0'; }));
    EXPECT_EQ(words, (std::array<std::uint32_t, 4>{5, 0, 0, 0}));

    name.fill('x');
    ApplyDescriptorRule(ResultList(empty), itemId, name, words);
    EXPECT_EQ(itemId, 0u);
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c == '\0'; }));
    EXPECT_EQ(words, (std::array<std::uint32_t, 4>{}));
}

}  // namespace
}  // namespace vantor::hw
