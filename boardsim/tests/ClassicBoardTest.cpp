#include "AcpiBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <set>

namespace boardsim::test {
namespace {

struct Descriptor {
    std::uint32_t itemId;
    std::string name;
    std::int32_t low;
    std::int32_t high;
    std::uint32_t flags;
};

class ClassicBoard : public ::testing::Test {
protected:
    void SetUp() override
    {
        BsLoadError error{};
        ASSERT_EQ(board.Load(ReadFile(BOARDSIM_BOARDS_DIR "/classic.ini"), &error), BS_OK)
                << error.line << ": " << error.message;
    }

    // The descriptors a list method names, in list order.
    std::vector<Descriptor> List(std::uint32_t method)
    {
        std::vector<Descriptor> descriptors;
        auto list = board.Call(NoArgumentCall(method));
        EXPECT_EQ(list.status, BS_OK) << method;
        EXPECT_EQ(list.result.fault, "") << method;
        if (list.result.elements.empty()) {
            return descriptors;
        }
        // Element 0 counts the object names after it.
        EXPECT_EQ(list.result.elements[0].type, 0);
        EXPECT_EQ(list.result.elements[0].integer, list.result.elements.size() - 1) << method;
        for (std::size_t i = 1; i < list.result.elements.size(); ++i) {
            const Element& object = list.result.elements[i];
            EXPECT_EQ(object.type, 1);
            EXPECT_EQ(object.text.size(), 4u);
            auto answer = board.Call(
                    NoArgumentCall(BS_METHOD_NAME(object.text[0], object.text[1], object.text[2], object.text[3])));
            EXPECT_EQ(answer.status, BS_OK) << object.text;
            const auto& e = answer.result.elements;
            if (e.size() != 5 || e[0].type != 0 || e[1].type != 1 || e[2].type != 0 || e[3].type != 0 ||
                e[4].type != 0) {
                ADD_FAILURE() << object.text << " is not [ItemId, Name, Low, High, Flags]";
                continue;
            }
            descriptors.push_back({e[0].integer, e[1].text, static_cast<std::int32_t>(e[2].integer),
                                   static_cast<std::int32_t>(e[3].integer), e[4].integer});
        }
        return descriptors;
    }

    std::int32_t Read(std::uint32_t method, std::uint32_t itemId, std::uint64_t nowMs)
    {
        auto answer = board.Call(IntegerCall(method, itemId), nowMs);
        EXPECT_EQ(answer.status, BS_OK);
        EXPECT_EQ(answer.result.elements.size(), 1u);
        return answer.result.elements.empty() ? 0 : static_cast<std::int32_t>(answer.result.elements[0].integer);
    }

    std::vector<Element> Item(std::uint32_t itemId)
    {
        auto answer = board.Call(IntegerCall(Name("OCOP"), itemId));
        EXPECT_EQ(answer.status, BS_OK);
        return answer.result.elements;
    }

    std::uint32_t Write(std::uint32_t itemId, std::uint32_t value)
    {
        auto answer = board.Call(IntegersCall(Name("PROC"), {itemId, value, 1}));
        EXPECT_EQ(answer.status, BS_OK);
        return answer.result.elements.empty() ? 0xDEAD : answer.result.elements[0].integer;
    }

    LoadedBoard board;
};

TEST_F(ClassicBoard, ListsItsSensorsWithRealisticDescriptors)
{
    EXPECT_STREQ(BsBoardName(board.get()), "ZK-790 Classic");
    EXPECT_EQ(BsBoardTestControl(board.get()), 1);

    std::vector<Descriptor> voltages = List(Name("VSIF"));
    std::vector<Descriptor> temperatures = List(Name("TSIF"));
    std::vector<Descriptor> fans = List(Name("FSIF"));
    ASSERT_GE(voltages.size(), 6u);
    EXPECT_EQ(voltages[0].itemId, 0x06020000u) << "the core voltage comes first";
    EXPECT_EQ(voltages[0].name, "Vcore Voltage");

    std::map<std::string, Descriptor> byName;
    std::set<std::uint32_t> ids;
    for (const auto* list : {&voltages, &temperatures, &fans}) {
        for (const Descriptor& d : *list) {
            byName[d.name] = d;
            EXPECT_TRUE(ids.insert(d.itemId).second) << d.name;
            // Present (bits 0-1 = 1); temperatures also carry the upper
            // half that lists them on the options window's temperature tab.
            EXPECT_EQ(d.flags, list == &temperatures ? 0x00010001u : 1u) << d.name;
            EXPECT_LT(d.low, d.high) << d.name;
            EXPECT_LE(d.name.size(), 31u) << d.name;
        }
    }
    for (const Descriptor& d : voltages) {
        EXPECT_EQ(d.itemId & 0xFFFF0000u, 0x06020000u) << d.name;
    }
    struct Expected {
        const char* name;
        std::uint32_t itemId;
    };
    for (const Expected& e : {Expected{"+3.3V Voltage", 0}, Expected{"+5V Voltage", 0}, Expected{"+12V Voltage", 0},
                              Expected{"CPU Temperature", 0x06030000}, Expected{"System Temperature", 0x06030001},
                              Expected{"CPU FAN Speed", 0x06040000}, Expected{"Chassis FAN Speed", 0x06040001},
                              Expected{"Power FAN Speed", 0x06040002}}) {
        ASSERT_EQ(byName.count(e.name), 1u) << e.name;
        if (e.itemId != 0) {
            EXPECT_EQ(byName[e.name].itemId, e.itemId) << e.name;
        }
    }
    EXPECT_EQ(temperatures.size(), 2u);
    EXPECT_EQ(fans.size(), 3u);
    // Limits in firmware units: millivolts and tenths of a degree.
    EXPECT_EQ(byName["+12V Voltage"].low, 11400);
    EXPECT_EQ(byName["+12V Voltage"].high, 12600);
    EXPECT_EQ(byName["CPU Temperature"].low, 600);
    EXPECT_EQ(byName["CPU Temperature"].high, 950);
}

TEST_F(ClassicBoard, ReadingsMoveDeterministicallyInsideTheLimits)
{
    LoadedBoard twin;
    ASSERT_EQ(twin.Load(ReadFile(BOARDSIM_BOARDS_DIR "/classic.ini")), BS_OK);
    // Voltages and fans stay between their limits; temperatures stay below
    // the warning threshold (their low limit).
    const struct {
        std::uint32_t list;
        std::uint32_t reader;
        bool belowLow;
    } kinds[] = {{Name("VSIF"), Name("RVLT"), false},
                 {Name("TSIF"), Name("RTMP"), true},
                 {Name("FSIF"), Name("RFAN"), false}};
    for (const auto& kind : kinds) {
        for (const Descriptor& d : List(kind.list)) {
            std::set<std::int32_t> seen;
            // A day, sampled off the beat of any period, and a clock past 32 bits.
            for (std::uint64_t t = 0; t < 86400000; t += 86413) {
                for (std::uint64_t now : {t, t + (std::uint64_t{1} << 40)}) {
                    std::int32_t value = Read(kind.reader, d.itemId, now);
                    if (kind.belowLow) {
                        ASSERT_LT(value, d.low) << d.name << " at " << now;
                    } else {
                        ASSERT_GE(value, d.low) << d.name << " at " << now;
                        ASSERT_LE(value, d.high) << d.name << " at " << now;
                    }
                    auto again = twin.Call(IntegerCall(kind.reader, d.itemId), now);
                    ASSERT_EQ(static_cast<std::int32_t>(again.result.elements.at(0).integer), value) << d.name;
                    seen.insert(value);
                }
            }
            EXPECT_GT(seen.size(), 3u) << d.name << " does not move";
        }
    }
    // Around 40-50 degrees: the processor, over ten minutes.
    for (std::uint64_t t = 0; t < 600000; t += 1000) {
        std::int32_t tenths = Read(Name("RTMP"), 0x06030000, t);
        ASSERT_GE(tenths, 400);
        ASSERT_LE(tenths, 500);
    }
}

TEST_F(ClassicBoard, ReadingMethodsAnswerZeroForSensorsTheyDoNotHave)
{
    EXPECT_EQ(Read(Name("RVLT"), 0x06020063, 0), 0);
    EXPECT_EQ(Read(Name("RTMP"), 0x06020000, 0), 0) << "a voltage is no temperature";
    EXPECT_EQ(Read(Name("RFAN"), 0, 0), 0);
    EXPECT_NE(Read(Name("RFAN"), 0x06040002, 0), 0);
}

TEST_F(ClassicBoard, ArgumentsMustFitTheMethod)
{
    // The layout is fine but the method wants something else.
    EXPECT_EQ(board.Call(NoArgumentCall(Name("RVLT"))).status, BS_BAD_REQUEST);
    EXPECT_EQ(board.Call(IntegersCall(Name("RVLT"), {0x06020000, 0})).status, BS_BAD_REQUEST);
    EXPECT_EQ(board.Call(InlineRequest(4, Name("RVLT"), 1, 8, StringArgument("VCO"))).status, BS_BAD_REQUEST);
    EXPECT_EQ(board.Call(IntegerCall(Name("VSIF"), 0)).status, BS_BAD_REQUEST);
    EXPECT_EQ(board.Call(IntegerCall(Name("PROC"), 0x04060003)).status, BS_BAD_REQUEST);
    // An argument list of one integer serves like the one-integer form.
    auto listed = board.Call(IntegersCall(Name("RVLT"), {0x06020000}), 5000);
    auto single = board.Call(IntegerCall(Name("RVLT"), 0x06020000), 5000);
    ASSERT_EQ(listed.status, BS_OK);
    EXPECT_EQ(listed.result.elements.at(0).integer, single.result.elements.at(0).integer);
    // Methods this board lacks, and the pointer layout with arguments.
    EXPECT_EQ(board.Call(WordsCall(Name("GGRP"), {4})).status, BS_NO_SUCH_METHOD);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("vcor"))).status, BS_NO_SUCH_METHOD);
    EXPECT_EQ(board.Call(PointerRequest(2, Name("RVLT"), 1, 8, 0x0012F000)).status, BS_UNSUPPORTED_LAYOUT);
}

TEST_F(ClassicBoard, FanControlItemsReadAndWrite)
{
    std::vector<Element> cpu = Item(0x04060003);
    ASSERT_EQ(cpu.size(), 6u);
    EXPECT_EQ(cpu[0].integer, 0x04060003u);
    EXPECT_EQ(cpu[2].integer, 1u) << "on";
    EXPECT_EQ(cpu[3].integer & 1, 1u) << "available";
    EXPECT_EQ(cpu[4].text, "Disabled");
    EXPECT_EQ(cpu[5].text, "Enabled");
    EXPECT_EQ(Item(0x04060006).at(2).integer, 0u) << "chassis fan control starts off";

    EXPECT_EQ(Write(0x04060006, 1), 3u);
    EXPECT_EQ(Item(0x04060006).at(2).integer, 1u);
    EXPECT_EQ(Write(0x04060003, 0), 3u);
    EXPECT_EQ(Item(0x04060003).at(2).integer, 0u);
    EXPECT_EQ(Item(0x04060006).at(2).integer, 1u) << "one write, one item";

    // Only option indexes are accepted; a refusal changes nothing.
    EXPECT_EQ(Write(0x04060003, 2), 2u);
    EXPECT_EQ(Write(0x04060003, 0xFFFFFFFF), 2u);
    EXPECT_EQ(Item(0x04060003).at(2).integer, 0u);

    // An item the board lacks reads as unavailable and refuses writes.
    std::vector<Element> missing = Item(0x04050019);
    ASSERT_EQ(missing.size(), 4u);
    EXPECT_EQ(missing[0].integer, 0x04050019u);
    EXPECT_EQ(missing[3].integer, 0u);
    EXPECT_EQ(Write(0x04050019, 1), 0u);
}

TEST_F(ClassicBoard, SmallResultBuffersAreNeverOverrun)
{
    auto full = board.Call(NoArgumentCall(Name("VSIF")));
    ASSERT_EQ(full.status, BS_OK);
    const Bytes request = NoArgumentCall(Name("VSIF"));
    for (std::size_t capacity = 0; capacity < full.length; ++capacity) {
        auto out = std::make_unique<std::uint8_t[]>(capacity + 16);
        std::memset(out.get(), 0xCC, capacity + 16);
        std::size_t length = 0;
        EXPECT_EQ(BsEvaluate(board.get(), request.data(), request.size(), out.get(), capacity, &length, 0),
                  BS_RESULT_TOO_LARGE);
        EXPECT_EQ(length, full.length) << "the size it needs";
        for (std::size_t i = capacity; i < capacity + 16; ++i) {
            ASSERT_EQ(out[i], 0xCC) << "capacity " << capacity << " byte " << i;
        }
    }

    // A write whose answer does not fit is not made.
    const Bytes write = IntegersCall(Name("PROC"), {0x04060006, 1, 1});
    std::uint8_t small[19];
    std::size_t length = 0;
    EXPECT_EQ(BsEvaluate(board.get(), write.data(), write.size(), small, sizeof small, &length, 0),
              BS_RESULT_TOO_LARGE);
    EXPECT_EQ(length, 20u);
    EXPECT_EQ(Item(0x04060006).at(2).integer, 0u);
    EXPECT_EQ(BsEvaluate(board.get(), nullptr, 0, small, sizeof small, &length, 0), BS_BAD_REQUEST);
}

TEST_F(ClassicBoard, TestControlFixesReadingsAndFailsMethods)
{
    BsSetRawRequest raw{Name("RTMP"), 0x06030000, 1000};
    ASSERT_EQ(BsSetRaw(board.get(), &raw, sizeof raw), BS_OK);
    EXPECT_EQ(Read(Name("RTMP"), 0x06030000, 0), 1000);
    EXPECT_EQ(Read(Name("RTMP"), 0x06030000, 123456789), 1000) << "no more sine or drift";
    raw = {Name("RFAN"), 0x06040001, -1};
    ASSERT_EQ(BsSetRaw(board.get(), &raw, sizeof raw), BS_OK);
    EXPECT_EQ(Read(Name("RFAN"), 0x06040001, 0), -1);
    EXPECT_GT(Read(Name("RTMP"), 0x06030001, 0), 0) << "other sensors keep moving";

    const BsSetRawRequest unknown[] = {
            {Name("RTMP"), 0x06030002, 1},  // no such sensor
            {Name("RVLT"), 0x06030000, 1},  // a temperature asked as a voltage
            {Name("OCOP"), 0x04060003, 1},  // not a reading method
    };
    for (const BsSetRawRequest& request : unknown) {
        EXPECT_EQ(BsSetRaw(board.get(), &request, sizeof request), BS_NO_SUCH_ITEM) << request.itemId;
    }
    EXPECT_EQ(BsSetRaw(board.get(), &raw, sizeof raw - 1), BS_BAD_REQUEST);
    EXPECT_EQ(BsSetRaw(board.get(), nullptr, 0), BS_BAD_REQUEST);

    BsFailMethodRequest fail{Name("RVLT"), 1};
    ASSERT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_OK);
    EXPECT_EQ(board.Call(IntegerCall(Name("RVLT"), 0x06020000)).status, BS_METHOD_FAILED);
    EXPECT_EQ(board.Call(IntegerCall(Name("RTMP"), 0x06030000)).status, BS_OK);
    fail.fail = 0;
    ASSERT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_OK);
    EXPECT_EQ(board.Call(IntegerCall(Name("RVLT"), 0x06020000)).status, BS_OK);

    // Descriptor objects fail like any method; a malformed call still says so.
    fail = {Name("VCOR"), 7};
    ASSERT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_OK);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("VCOR"))).status, BS_METHOD_FAILED);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("VSIF"))).status, BS_OK);
    EXPECT_EQ(board.Call(InlineRequest(1, Name("VCOR"), 0, 0, {})).status, BS_BAD_REQUEST);

    fail = {Name("GGRP"), 1};
    EXPECT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_NO_SUCH_ITEM) << "a method the board lacks";
    EXPECT_EQ(BsFailMethod(board.get(), &fail, sizeof fail + 1), BS_BAD_REQUEST);
}

}  // namespace
}  // namespace boardsim::test
