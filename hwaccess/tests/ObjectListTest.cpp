#include "core/ObjectList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeMethodChannel.h"
#include "ResultBuilder.h"

namespace vantor::hw {
namespace {

using test::FakeMethodChannel;
using test::ResultBuilder;
using SensorRecord = DescriptorRecord<3>;

TEST(ReadObjectList, AListOfOnlyItsCountIsOneEmptyRecord)
{
    FakeMethodChannel channel;
    channel.Answer("TSIF", ResultBuilder().Integer(0).Build());
    const auto records = ReadObjectList<3>(channel, "TSIF");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0], SensorRecord{});
    EXPECT_EQ(channel.RequestedNames(), std::vector<MethodName>{"TSIF"});
}

TEST(ReadObjectList, AFailedListMethodGivesNoRecords)
{
    FakeMethodChannel channel;
    EXPECT_TRUE(ReadObjectList<3>(channel, "TSIF").empty());
    EXPECT_EQ(channel.RequestedNames(), std::vector<MethodName>{"TSIF"});
}

// Record i belongs to element i, whatever happened to the elements before it.
TEST(ReadObjectList, KeepsOneRecordPerElementInListOrder)
{
    FakeMethodChannel channel;
    channel.Answer("TSIF", ResultBuilder()
                                   .Integer(5)         // entry count: empty record
                                   .String("TSI1")     // fails: empty record
                                   .String("TSI0XYZ")  // names TSI0
                                   .String("AB")       // too short for a name: no request
                                   .String("TSI2")     // describes nothing: empty record
                                   .String("TSI0")     // the same object again
                                   .Build());
    channel.Answer("TSI0", ResultBuilder()
                                   .Integer(0x06030000)
                                   .String("CPU Temperature")
                                   .Integer(800)
                                   .Integer(1000)
                                   .Integer(1)
                                   .Build());
    channel.Answer("TSI2", ResultBuilder().Integer(0x06030002).Count(1).Build());

    const auto records = ReadObjectList<3>(channel, "TSIF");

    ASSERT_EQ(records.size(), 6u);
    const std::size_t empties[] = {0, 1, 3, 4};
    for (std::size_t i : empties) {
        EXPECT_EQ(records[i], SensorRecord{}) << "record " << i;
    }
    for (std::size_t i : {2u, 5u}) {
        SCOPED_TRACE(i);
        EXPECT_EQ(records[i].itemId, 0x06030000u);
        EXPECT_EQ(std::string(records[i].name.data()), "CPU Temperature");
        EXPECT_EQ(records[i].words, (std::array<std::uint32_t, 3>{800, 1000, 1}));
    }
    const std::vector<MethodName> expected = {"TSIF", "TSI1", "TSI0", "TSI2", "TSI0"};
    EXPECT_EQ(channel.RequestedNames(), expected);
    for (const auto& request : channel.Requests()) {
        EXPECT_EQ(request.size(), 20u) << "every call here is the no-argument form";
    }
}

}  // namespace
}  // namespace vantor::hw
