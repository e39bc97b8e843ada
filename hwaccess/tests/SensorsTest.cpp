#include "core/Sensors.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "FakeMethodChannel.h"
#include "ResultBuilder.h"
#include "ScriptedChannel.h"
#include "core/LittleEndian.h"

namespace vantor::hw {
namespace {

using test::FakeMethodChannel;
using test::ResultBuilder;
using test::ScriptedChannel;
using test::ScriptedRequest;

ResultBuffer Integer(std::uint32_t value) { return ResultBuilder().Integer(value).Build(); }

ResultBuffer Descriptor(std::uint32_t id, std::string_view name, std::int32_t low, std::int32_t high,
                        std::uint32_t flags)
{
    return ResultBuilder()
            .Integer(id)
            .String(name)
            .Integer(static_cast<std::uint32_t>(low))
            .Integer(static_cast<std::uint32_t>(high))
            .Integer(flags)
            .Build();
}

// ---- readings ----

struct ReadingCase {
    const char* label;
    std::uint32_t itemId;
    MethodName method;
    std::optional<std::int32_t> raw;  // nullopt: the method fails
    float expected;
};

TEST(ReadSensorValue, ScalesRawUnitsByKind)
{
    const ReadingCase cases[] = {
            {"temperature in tenths", 0x06030000, "RTMP", 455, 45.5f},
            {"negative temperature", 0x06030001, "RTMP", -15, -1.5f},
            {"voltage in millivolts", 0x06020000, "RVLT", 1504, 1.504f},
            {"fan in rpm", 0x06040000, "RFAN", 2410, 2410.0f},
            {"another index of a kind", 0x06040002, "RFAN", 1520, 1520.0f},
            {"failed read", 0x06020003, "RVLT", std::nullopt, 0.0f},
    };
    for (const ReadingCase& c : cases) {
        SCOPED_TRACE(c.label);
        FakeMethodChannel channel;
        if (c.raw) {
            channel.Answer(c.method, Integer(static_cast<std::uint32_t>(*c.raw)));
        }
        const double value = ReadSensorValue(channel, c.itemId);
        EXPECT_FLOAT_EQ(static_cast<float>(value), c.expected);
        ASSERT_EQ(channel.RequestedNames(), std::vector<MethodName>{c.method});
        EXPECT_EQ(LoadU32(channel.Requests()[0], 20), c.itemId) << "argument";
    }
}

// The factors are the floats nearest 0.1 and 0.001, so the products are
// not exactly 45.5 and 1.504.
TEST(ReadSensorValue, MultipliesBySinglePrecisionFactor)
{
    FakeMethodChannel channel;
    channel.Answer("RTMP", Integer(455));
    EXPECT_DOUBLE_EQ(ReadSensorValue(channel, 0x06030000), 45.500000678002834);
    channel.Answer("RVLT", Integer(1504));
    EXPECT_DOUBLE_EQ(ReadSensorValue(channel, 0x06020000), 1.5040000714361668);
}

TEST(ReadSensorValue, OtherItemsReadZeroWithoutARequest)
{
    const std::uint32_t items[] = {
            0x06050000,  // sensor group, kind 5
            0x06000001,  // sensor group, kind 0
            0x01020008, 0x04060003, 0x0B060001, 0x0406000C, 0x00000000, 0xFFFFFFFF,
    };
    for (std::uint32_t item : items) {
        SCOPED_TRACE(item);
        FakeMethodChannel channel;
        for (MethodName name :
             {MethodName("RVLT"), MethodName("RTMP"), MethodName("RFAN"), MethodName("OCOP"), MethodName("GCQV")}) {
            channel.Answer(name, ResultBuilder().Integer(7).Integer(7).Integer(7).Integer(1).Build());
        }
        EXPECT_EQ(ReadSensorValue(channel, item), 0.0);
        EXPECT_TRUE(channel.Requests().empty());
    }
}

ResultBuffer ItemWithValue(std::uint32_t current, bool available = true)
{
    return ResultBuilder().Integer(0).Integer(9).Integer(current).Integer(available ? 1 : 0).Build();
}

struct SpecialCase {
    const char* label;
    std::uint32_t itemId;
    std::optional<std::uint32_t> current;  // nullopt: OCOP fails
    std::optional<std::uint32_t> gcqv;     // nullopt: GCQV fails
    bool available;
    double expected;
};

TEST(ReadSensorValue, SpecialItemsAnswerTheirCurrentValue)
{
    constexpr std::uint32_t kCnq = 0x0106000C;
    const SpecialCase cases[] = {
            {"Cool'n'Quiet: 0 | 1", kCnq, 0, 1, true, 1.0},
            {"Cool'n'Quiet: 4 | 1", kCnq, 4, 1, true, 5.0},
            {"Cool'n'Quiet: 1 | 1", kCnq, 1, 1, true, 1.0},
            {"Cool'n'Quiet, GCQV fails", kCnq, 6, std::nullopt, true, 6.0},
            {"Cool'n'Quiet, OCOP fails", kCnq, std::nullopt, 2, true, 2.0},
            {"fan target", 0x04030005, 3, 1, true, 3.0},
            {"processor profile", 0x04050009, 2, 1, true, 2.0},
            {"chassis profile", 0x0405000A, 1, 1, true, 1.0},
            {"availability is not asked", 0x0405000A, 2, 1, false, 2.0},
    };
    for (const SpecialCase& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        if (c.current) {
            channel.Answer("OCOP", c.itemId, ItemWithValue(*c.current, c.available));
        }
        if (c.gcqv) {
            channel.Answer("GCQV", 2, Integer(*c.gcqv));
        }
        EXPECT_EQ(ReadSensorValue(channel, c.itemId), c.expected);

        std::vector<ScriptedRequest> expected = {{"OCOP", {c.itemId}}};
        if (c.itemId == kCnq) {
            expected.push_back({"GCQV", {2}});
        }
        EXPECT_EQ(channel.Requests(), expected);
    }
}

// ---- health snapshot ----

struct HealthCase {
    std::int32_t rawTenths;
    std::int32_t degrees;
};

TEST(ReadHealthData, ReadsSixValuesInOrderAndTruncatesTemperatures)
{
    const HealthCase cases[] = {{455, 45}, {459, 45}, {-15, -1}, {-5, 0}, {-459, -45}, {0, 0}};
    for (const HealthCase& c : cases) {
        SCOPED_TRACE(c.rawTenths);
        ScriptedChannel channel;
        channel.Answer("RTMP", 0x06030000, Integer(static_cast<std::uint32_t>(c.rawTenths)));
        channel.Answer("RTMP", 0x06030001, Integer(418));
        channel.Answer("RFAN", 0x06040000, Integer(2410));
        channel.Answer("RFAN", 0x06040001, Integer(1850));
        channel.Answer("RFAN", 0x06040002, Integer(1520));
        channel.Answer("RVLT", 0x06020000, Integer(1350));

        HealthData data;
        std::memset(&data, 0x5A, sizeof data);
        ReadHealthData(channel, data);

        EXPECT_EQ(data.CpuTemperature, c.degrees);
        EXPECT_EQ(data.BoardTemperature, 41);
        EXPECT_EQ(data.CoreVoltage, 1350);
        EXPECT_EQ(data.CpuFan, 2410);
        EXPECT_EQ(data.Reserved, 0x5A5A5A5A) << "never written";
        EXPECT_EQ(data.ChassisFan, 1850);
        EXPECT_EQ(data.PowerFan, 1520);

        const std::vector<ScriptedRequest> order = {
                {"RTMP", {0x06030000}}, {"RTMP", {0x06030001}}, {"RFAN", {0x06040000}},
                {"RFAN", {0x06040001}}, {"RFAN", {0x06040002}}, {"RVLT", {0x06020000}},
        };
        EXPECT_EQ(channel.Requests(), order);
    }
}

TEST(ReadHealthData, WithoutADeviceEveryFieldIsZeroButReserved)
{
    ScriptedChannel channel;
    channel.SetOpen(false);
    HealthData data;
    std::memset(&data, 0x11, sizeof data);
    ReadHealthData(channel, data);
    EXPECT_EQ(data.CpuTemperature, 0);
    EXPECT_EQ(data.BoardTemperature, 0);
    EXPECT_EQ(data.CoreVoltage, 0);
    EXPECT_EQ(data.CpuFan, 0);
    EXPECT_EQ(data.ChassisFan, 0);
    EXPECT_EQ(data.PowerFan, 0);
    EXPECT_EQ(data.Reserved, 0x11111111);
    EXPECT_TRUE(channel.Requests().empty());
}

// ---- enumeration ----

// A temperature list of six objects, every flag pattern that matters.
FakeMethodChannel TemperatureList()
{
    FakeMethodChannel channel;
    channel.Answer("TSIF", ResultBuilder()
                                   .Integer(6)
                                   .String("TS00")
                                   .String("TS01")
                                   .String("TS02")
                                   .String("TS03")
                                   .String("TS04")
                                   .String("TS05")
                                   .String("TS06")
                                   .Build());
    channel.Answer("TS00", Descriptor(0x06030000, "CPU Temperature", 600, 950, 1));
    channel.Answer("TS01", Descriptor(0x06030001, "Board", 450, 700, 2));
    channel.Answer("TS02", Descriptor(0x06030002, "Extra", -100, 800, 0x00010001));
    channel.Answer("TS03", Descriptor(0x06030003, "Odd", 0, 0, 0x00010002));
    channel.Answer("TS04", Descriptor(0x06030004, "Both bits", 0, 0, 3));
    channel.Answer("TS05", Descriptor(0x06030005, "A temperature name far longer than thirty-one", 1, 2, 0x81));
    // TS06 is not answered: its object cannot be evaluated.
    return channel;
}

TEST(EnumerateSensors, KeepsListedDescriptorsInListOrder)
{
    FakeMethodChannel channel = TemperatureList();
    const std::vector<SensorDescriptor> sensors = EnumerateSensors(channel, "TSIF");

    ASSERT_EQ(sensors.size(), 3u);
    EXPECT_EQ(sensors[0].Id, 0x06030000u);
    EXPECT_STREQ(sensors[0].Name, "CPU Temperature");
    EXPECT_EQ(sensors[0].LowLimit, 600);
    EXPECT_EQ(sensors[0].HighLimit, 950);
    EXPECT_EQ(sensors[0].Flags, 1u);

    EXPECT_EQ(sensors[1].Id, 0x06030002u);
    EXPECT_EQ(sensors[1].LowLimit, -100) << "limits are signed";
    EXPECT_EQ(sensors[1].Flags, 0x00010001u) << "other bits passed on";

    EXPECT_EQ(sensors[2].Id, 0x06030005u);
    EXPECT_EQ(std::string(sensors[2].Name), "A temperature name far longer t");
    EXPECT_EQ(sensors[2].Name[31], '\0');
}

TEST(EnumerateSensors, EachCallReadsTheListAfreshWithEqualContent)
{
    FakeMethodChannel channel = TemperatureList();
    const auto first = EnumerateSensors(channel, "TSIF");
    const std::size_t requests = channel.Requests().size();
    const auto second = EnumerateSensors(channel, "TSIF");
    EXPECT_EQ(channel.Requests().size(), 2 * requests) << "nothing cached";
    ASSERT_EQ(first.size(), second.size());
    ASSERT_FALSE(first.empty());
    EXPECT_NE(first.data(), second.data());
    EXPECT_EQ(std::memcmp(first.data(), second.data(), first.size() * sizeof(SensorDescriptor)), 0);
}

TEST(EnumerateSensors, UsesTheFirstFourCharactersAsTheListName)
{
    FakeMethodChannel channel = TemperatureList();
    EXPECT_EQ(EnumerateSensors(channel, "TSIFX").size(), 3u);
    EXPECT_EQ(channel.RequestedNames()[0], MethodName("TSIF"));
}

TEST(EnumerateSensors, NoListGivesNoSensors)
{
    struct Case {
        const char* label;
        std::string_view name;
        std::size_t requests;
    };
    const Case cases[] = {
            {"list method fails", "VSIF", 1},
            {"name too short to name a method", "TS", 0},
            {"empty name", "", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FakeMethodChannel channel = TemperatureList();
        EXPECT_TRUE(EnumerateSensors(channel, c.name).empty());
        EXPECT_EQ(channel.Requests().size(), c.requests);
    }
    FakeMethodChannel onlyCount;
    onlyCount.Answer("FSIF", ResultBuilder().Integer(0).Build());
    EXPECT_TRUE(EnumerateSensors(onlyCount, "FSIF").empty());
}

}  // namespace
}  // namespace vantor::hw
