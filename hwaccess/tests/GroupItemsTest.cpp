#include "core/GroupItems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ScriptedChannel.h"
#include "ResultBuilder.h"
#include "core/GroupMethods.h"
#include "core/GroupValueText.h"
#include "core/TextSlot.h"

namespace vantor::hw {
namespace {

using test::ResultBuilder;
using test::ScriptedChannel;
using test::ScriptedRequest;

// The fan-control group of a test board, one item object per kind.
constexpr std::uint32_t kDuty = 0x04050001;       // kind 5: base 30, step 10, 8 options
constexpr std::uint32_t kStart = 0x04030002;      // kind 3: base 400, step 50, 4 options
constexpr std::uint32_t kSwitch = 0x04070003;     // kind 7
constexpr std::uint32_t kProfile = 0x04080004;    // kind 8: says 4 names, has 3
constexpr std::uint32_t kVolts = 0x04010005;      // kind 1: base 150, step 25, 2 options
constexpr std::uint32_t kMilli = 0x04020006;      // kind 2: base 1375, step 5, 2 options
constexpr std::uint32_t kOdd = 0x04090007;        // kind 9: no options
constexpr std::uint32_t kOverclock = 0x01050001;  // in group 0x01
constexpr std::uint32_t kMissing = 0x04050099;    // named by no object

const std::string kLongName = "Processor Fan Duty Cycle Percentage";  // 35 characters

ResultBuffer RangeObject(std::uint32_t id, std::string_view name, std::uint32_t extra1, std::uint32_t extra2,
                         std::int32_t base, std::int32_t step, std::uint32_t count)
{
    return ResultBuilder()
            .Integer(id)
            .String(name)
            .Integer(extra1)
            .Integer(extra2)
            .Integer(static_cast<std::uint32_t>(base))
            .Integer(static_cast<std::uint32_t>(step))
            .Integer(count)
            .Build();
}

ResultBuffer DutyObject(std::uint32_t extra1) { return RangeObject(kDuty, kLongName, extra1, 0x21, 30, 10, 8); }

// A GITM or SITM answer: one 8-byte buffer holding the status and value words.
ResultBuffer GroupAnswer(std::uint32_t status, std::uint32_t value = 0)
{
    std::array<std::uint8_t, 8> bytes{};
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(status >> (8 * i));
        bytes[static_cast<std::size_t>(i) + 4] = static_cast<std::uint8_t>(value >> (8 * i));
    }
    return ResultBuilder().Buffer(bytes).Build();
}

void AddBoard(ScriptedChannel& channel)
{
    channel.Answer("GGRP", 4,
                   ResultBuilder()
                           .String("FN00")
                           .String("FN01")
                           .String("FN02")
                           .String("FN03")
                           .String("FN04")
                           .String("FN05")
                           .String("FN06")
                           .Build());
    channel.Answer("FN00", DutyObject(0x11));
    channel.Answer("FN01", RangeObject(kStart, "Fan Start", 0x12, 0x22, 400, 50, 4));
    channel.Answer("FN02", ResultBuilder().Integer(kSwitch).String("Smart Fan").Integer(0x13).Integer(0x23).Build());
    channel.Answer("FN03", ResultBuilder()
                                   .Integer(kProfile)
                                   .String("Profile")
                                   .Integer(0x14)
                                   .Integer(0x24)
                                   .Integer(4)
                                   .String("Silent")
                                   .String("Normal")
                                   .String("A profile name much longer than a slot")
                                   .Build());
    channel.Answer("FN04", RangeObject(kVolts, "Fan Volts", 0x15, 0x25, 150, 25, 2));
    channel.Answer("FN05", RangeObject(kMilli, "Fan Millivolts", 0x16, 0x26, 1375, 5, 2));
    channel.Answer("FN06", RangeObject(kOdd, "Odd", 0x17, 0x27, 1, 1, 5));
    channel.Answer("GGRP", 1, ResultBuilder().String("OC00").Build());
    channel.Answer("OC00", RangeObject(kOverclock, "Ratio", 0, 0, 1, 1, 3));
}

TEST(GroupValueText, ReadsTheValueByKind)
{
    struct Case {
        std::uint32_t kind;
        std::int64_t value;
        const char* expected;
    };
    const Case cases[] = {
            {1, 150, "1.50"},  {1, 5, "0.05"}, {1, -5, "-0.05"}, {2, 1375, "1.375"},  {2, 1380, "1.380"},
            {2, -1, "-0.001"}, {3, 400, "40"}, {3, 59, "5"},     {3, -45, "-4"},      {3, -5, "0"},
            {4, 7, "7"},       {5, 30, "30%"}, {5, -10, "-10%"}, {6, 12345, "12345"}, {0, 5, ""},
            {7, 1, ""},        {8, 1, ""},     {9, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << " value " << c.value);
        EXPECT_EQ(GroupValueText(c.kind, c.value), c.expected);
    }
}

TEST(FindObjectName, SearchesTheItemsGroupForItsObject)
{
    struct Case {
        const char* label;
        std::uint32_t itemId;
        FindStatus expected;
        const char* name;  // "" when not found
        std::uint32_t group;
    };
    const Case cases[] = {
            {"first object", kDuty, FindStatus::Found, "FN00", 4},
            {"last object", kOdd, FindStatus::Found, "FN06", 4},
            {"the group comes from bits 24-31", kOverclock, FindStatus::Found, "OC00", 1},
            {"no such item", kMissing, FindStatus::NotFound, "", 4},
            {"GGRP fails for the group", 0x0B060001, FindStatus::GroupFailed, "", 0x0B},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        AddBoard(channel);
        MethodName name = "XXXX";
        ResultBuffer object;
        object.fill(0xCC);
        EXPECT_EQ(FindObjectName(channel, c.itemId, name, object), c.expected);
        EXPECT_EQ(name, MethodName::FromChars(c.name));
        ASSERT_FALSE(channel.Requests().empty());
        EXPECT_EQ(channel.Requests()[0], (ScriptedRequest{"GGRP", {c.group}}));
        if (c.expected == FindStatus::Found) {
            EXPECT_EQ(ResultList(object).IntegerAt(0), c.itemId);
            EXPECT_EQ(channel.Requests().back().name, name);
        } else {
            EXPECT_TRUE(std::all_of(object.begin(), object.end(), [](auto b) { return b == 0; }));
        }
    }

    ScriptedChannel empty;
    empty.Answer("GGRP", 4, ResultBuilder().Build());
    MethodName name;
    ResultBuffer object;
    EXPECT_EQ(FindObjectName(empty, kDuty, name, object), FindStatus::GroupEmpty);
}

TEST(FindObjectName, FirstMatchWinsAndBrokenEntriesAreSkipped)
{
    ScriptedChannel channel;
    channel.Answer("GGRP", 4,
                   ResultBuilder()
                           .Integer(4)      // not a name
                           .String("FN")    // too short to name an object
                           .String("GONE")  // its evaluation fails
                           .String("FN01")
                           .String("FN00")
                           .Build());
    channel.Answer("FN00", DutyObject(1));
    channel.Answer("FN01", DutyObject(2));
    MethodName name;
    ResultBuffer object;
    EXPECT_EQ(FindObjectName(channel, kDuty, name, object), FindStatus::Found);
    EXPECT_EQ(name, MethodName("FN01"));
    EXPECT_EQ(ResultList(object).IntegerAt(2), 2u);
    EXPECT_EQ(channel.RequestedNames(), (std::vector<MethodName>{"GGRP", "GONE", "FN01"}));
}

TEST(ReadItemInfo, TakesTheObjectsFirstFourElementsAndItsOptionCount)
{
    ScriptedChannel channel;
    AddBoard(channel);
    struct Case {
        std::uint32_t itemId;
        const char* objectName;
        std::string name;
        std::uint32_t extra1;
        std::uint32_t extra2;
        std::uint32_t optionCount;
    };
    const Case cases[] = {
            {kDuty, "FN00", kLongName.substr(0, 30), 0x11, 0x21, 8},
            {kStart, "FN01", "Fan Start", 0x12, 0x22, 4},
            {kSwitch, "FN02", "Smart Fan", 0x13, 0x23, 2},
            {kProfile, "FN03", "Profile", 0x14, 0x24, 4},
            {kOdd, "FN06", "Odd", 0x17, 0x27, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.objectName);
        const GroupItemInfo info = ReadItemInfo(channel, c.itemId);
        EXPECT_EQ(std::string_view(info.objectName.data(), 4), c.objectName);
        EXPECT_EQ(info.itemId, c.itemId);
        // A 30-character name fills the field without a NUL.
        EXPECT_EQ(std::string(info.name.data(), strnlen(info.name.data(), info.name.size())), c.name);
        EXPECT_EQ(info.extra1, c.extra1);
        EXPECT_EQ(info.extra2, c.extra2);
        EXPECT_EQ(info.optionCount, c.optionCount);
    }
    EXPECT_EQ(ReadItemInfo(channel, kMissing), GroupItemInfo());
}

TEST(OptionCountOf, ByKindAndZeroForMissingElements)
{
    struct Case {
        const char* label;
        ResultBuffer object;
        std::uint32_t expected;
    };
    const Case cases[] = {
            {"kind 1 takes element 6", RangeObject(0x04010000, "a", 0, 0, 0, 0, 9), 9},
            {"kind 6 takes element 6", RangeObject(0x04060000, "a", 0, 0, 0, 0, 3), 3},
            {"kind 6 without element 6",
             ResultBuilder().Integer(0x04060000).String("a").Integer(0).Integer(0).Integer(5).Build(), 0},
            {"kind 7 is a switch", ResultBuilder().Integer(0x04070000).Build(), 2},
            {"kind 8 takes element 4",
             ResultBuilder().Integer(0x04080000).String("a").Integer(0).Integer(0).Integer(6).Build(), 6},
            {"kind 8 without element 4", ResultBuilder().Integer(0x04080000).String("a").Build(), 0},
            {"kind 0", RangeObject(0x04000000, "a", 0, 0, 0, 0, 3), 0},
            {"kind 9", RangeObject(0x04090000, "a", 0, 0, 0, 0, 3), 0},
            {"an empty result", ResultBuilder().Build(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(OptionCountOf(ResultList(c.object)), c.expected);
    }
}

TEST(ReadGroupItems, SizesThenReadsOneRecordPerElement)
{
    ScriptedChannel channel;
    channel.Answer("GGRP", 4, ResultBuilder().Integer(3).String("FN01").String("GONE").String("FN00").Build());
    channel.Answer("FN00", DutyObject(0x11));
    channel.Answer("FN01", RangeObject(kStart, "Fan Start", 0x12, 0x22, 400, 50, 4));

    std::size_t count = 0;
    EXPECT_EQ(ReadGroupItems(channel, 4, nullptr, count), GroupListStatus::Done);
    EXPECT_EQ(count, 4u);

    std::vector<GroupItemInfo> records(4);
    records[0].itemId = 0xDEAD;  // a record that names nothing is emptied
    EXPECT_EQ(ReadGroupItems(channel, 4, records.data(), count), GroupListStatus::Done);
    EXPECT_EQ(records[0], GroupItemInfo());
    EXPECT_EQ(records[1].itemId, kStart);
    EXPECT_EQ(records[1].optionCount, 4u);
    EXPECT_EQ(records[2], GroupItemInfo());
    EXPECT_EQ(records[3].itemId, kDuty);
    EXPECT_EQ(records[3].extra1, 0x11u);

    std::size_t wrongCount = 3;
    records.assign(4, GroupItemInfo());
    records[0].itemId = 0xDEAD;
    EXPECT_EQ(ReadGroupItems(channel, 4, records.data(), wrongCount), GroupListStatus::CountChanged);
    EXPECT_EQ(records[0].itemId, 0xDEADu);

    ScriptedChannel failing;
    EXPECT_EQ(ReadGroupItems(failing, 4, nullptr, count), GroupListStatus::GroupFailed);
    ScriptedChannel empty;
    empty.Answer("GGRP", 4, ResultBuilder().Build());
    EXPECT_EQ(ReadGroupItems(empty, 4, nullptr, count), GroupListStatus::GroupEmpty);
}

TEST(ReadValue, TakesWordOneOfAtMostEightBytes)
{
    const std::uint8_t sixBytes[] = {1, 0, 0, 0, 0x11, 0x22};
    const std::uint8_t twelveBytes[] = {1, 0, 0, 0, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    struct Case {
        const char* label;
        std::optional<ResultBuffer> gitm;
        std::optional<std::uint32_t> expected;
    };
    const Case cases[] = {
            {"eight bytes", GroupAnswer(0, 0x1234), 0x1234},
            {"twelve bytes: only the first eight count", ResultBuilder().Buffer(twelveBytes).Build(), 0x44332211},
            // The string after the short buffer would put 0x01 into byte 6.
            {"six bytes: the rest of the area stays clear", ResultBuilder().Buffer(sixBytes).String("zz").Build(),
             0x2211},
            {"an integer has no word 1", ResultBuilder().Integer(0x1234).Build(), 0},
            {"Count 0: nothing copied", ResultBuilder().Buffer(twelveBytes).Count(0).Build(), 0},
            {"low byte of Count 0: nothing copied", ResultBuilder().Buffer(twelveBytes).Count(0x100).Build(), 0},
            {"GITM fails", std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        if (c.gitm) {
            channel.Answer("GITM", *c.gitm);
        }
        EXPECT_EQ(ReadValue(channel, kDuty), c.expected);
        EXPECT_EQ(channel.Requests(), (std::vector<ScriptedRequest>{{"GITM", {kDuty}}}));
    }
}

TEST(WriteValue, NeedsBothLowStatusBits)
{
    struct Case {
        std::optional<ResultBuffer> sitm;
        bool expected;
    };
    const Case cases[] = {
            {GroupAnswer(3), true},  {GroupAnswer(7), true},  {GroupAnswer(0x103), true},       {GroupAnswer(1), false},
            {GroupAnswer(2), false}, {GroupAnswer(0), false}, {ResultBuilder().Build(), false}, {std::nullopt, false},
    };
    for (const Case& c : cases) {
        ScriptedChannel channel;
        if (c.sitm) {
            channel.Answer("SITM", *c.sitm);
        }
        EXPECT_EQ(WriteValue(channel, kDuty, 0xFFFFFFFB, 1), c.expected);
        EXPECT_EQ(channel.Requests(), (std::vector<ScriptedRequest>{{"SITM", {kDuty, 0xFFFFFFFB, 1}}}));
    }
}

TEST(GroupTable, BuildsOneEntryPerGroupObject)
{
    ScriptedChannel channel;
    AddBoard(channel);
    GroupTable table;
    table.Build(channel);

    struct Expected {
        std::uint32_t id;
        std::string name;
        std::uint32_t extra1;
        std::uint32_t extra2;
        std::int32_t optionCount;
    };
    const Expected expected[] = {
            {kDuty, kLongName.substr(0, 30), 0x11, 0x21, 8},
            {kStart, "Fan Start", 0x12, 0x22, 4},
            {kSwitch, "Smart Fan", 0x13, 0x23, 2},
            {kProfile, "Profile", 0x14, 0x24, 4},
            {kVolts, "Fan Volts", 0x15, 0x25, 2},
            {kMilli, "Fan Millivolts", 0x16, 0x26, 2},
            {kOdd, "Odd", 0x17, 0x27, 0},
    };
    ASSERT_EQ(table.Items().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(i);
        const SettingItem& item = table.Items()[i];
        EXPECT_EQ(item.Id, expected[i].id);
        EXPECT_STREQ(item.Name, expected[i].name.c_str());
        EXPECT_EQ(item.Extra1, expected[i].extra1);
        EXPECT_EQ(item.Extra2, expected[i].extra2);
        EXPECT_EQ(item.OptionCount, expected[i].optionCount);
        EXPECT_EQ(item.Reserved, 0u);
        EXPECT_EQ(item.RangeLow, 0);
        EXPECT_EQ(item.RangeHigh, 0);
        EXPECT_EQ(item.Value, 0);
    }
}

TEST(GroupTable, WithoutAGroupTheTableIsEmpty)
{
    struct Case {
        const char* label;
        std::optional<ResultBuffer> ggrp;
    };
    const Case cases[] = {
            {"GGRP fails", std::nullopt},
            {"GGRP lists nothing", ResultBuilder().Build()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        AddBoard(channel);
        GroupTable table;
        table.Build(channel);  // a table from an earlier build is replaced
        channel.Forget("GGRP", 4);
        if (c.ggrp) {
            channel.Answer("GGRP", 4, *c.ggrp);
        }
        table.Build(channel);
        std::int32_t count = 99;
        SettingItem item{};
        item.Id = 0xDEAD;
        EXPECT_EQ(table.GetData(channel, &item, &count), 0);
        EXPECT_EQ(count, 0);
        EXPECT_EQ(item.Id, 0xDEADu);
    }
}

TEST(GroupTable, GetDataRefreshesExtra1AndValueAndKeepsValueWhenGitmFails)
{
    ScriptedChannel channel;
    AddBoard(channel);
    GroupTable table;
    table.Build(channel);

    channel.ClearRequests();
    std::int32_t count = -1;
    EXPECT_EQ(table.GetData(channel, nullptr, &count), 0);
    EXPECT_EQ(count, 7);
    EXPECT_TRUE(channel.Requests().empty());  // sizing asks the board nothing

    // Only the duty and start items answer GITM on the first read.
    channel.Answer("GITM", kDuty, GroupAnswer(0, 60));
    channel.Answer("GITM", kStart, GroupAnswer(0, 450));
    channel.Answer("FN00", DutyObject(0x91));
    std::vector<SettingItem> items(7);
    for (SettingItem& item : items) {
        std::memset(item.CallerArea, 0xAB, sizeof item.CallerArea);
    }
    EXPECT_EQ(table.GetData(channel, items.data(), &count), 0);
    EXPECT_EQ(count, 7);
    EXPECT_EQ(items[0].Id, kDuty);
    EXPECT_EQ(items[0].Extra1, 0x91u);
    EXPECT_EQ(items[0].Value, 60);
    EXPECT_EQ(items[1].Value, 450);
    EXPECT_EQ(items[2].Value, 0);  // never read
    EXPECT_EQ(items[0].Extra2, 0x21u);
    EXPECT_EQ(items[0].OptionCount, 8);
    EXPECT_STREQ(items[3].Name, "Profile");
    // Each item is the table entry up to the caller area, which stays the caller's.
    ASSERT_EQ(table.Items().size(), items.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::memcmp(&items[i], &table.Items()[i], offsetof(SettingItem, CallerArea)), 0);
        EXPECT_TRUE(std::all_of(std::begin(items[i].CallerArea), std::end(items[i].CallerArea),
                                [](std::uint8_t b) { return b == 0xAB; }));
    }

    // Second read: GITM fails for the duty item, answers for the switch.
    channel.Forget("GITM", kDuty);
    channel.Answer("GITM", kSwitch, GroupAnswer(0, 1));
    channel.Answer("GITM", kStart, GroupAnswer(0, 500));
    std::vector<SettingItem> again(7);
    EXPECT_EQ(table.GetData(channel, again.data(), &count), 0);
    EXPECT_EQ(again[0].Value, 60);
    EXPECT_EQ(again[1].Value, 500);
    EXPECT_EQ(again[2].Value, 1);

    // Without a count pointer nothing is done.
    channel.ClearRequests();
    again[0].Value = -3;
    EXPECT_EQ(table.GetData(channel, again.data(), nullptr), 0);
    EXPECT_EQ(again[0].Value, -3);
    EXPECT_TRUE(channel.Requests().empty());
}

SettingItem Setting(std::uint32_t id, std::int32_t value)
{
    SettingItem item{};
    item.Id = id;
    item.Value = value;
    return item;
}

TEST(GroupTable, SetDataWritesGroupFourItemsInTheControlsMode)
{
    const SettingItem items[] = {Setting(kDuty, 70), Setting(kOverclock, 5), Setting(kStart, -5),
                                 Setting(0x06040000, 1), Setting(kSwitch, 1)};
    struct Case {
        const char* label;
        std::uint32_t control;
        std::uint32_t dutyStatus;
        std::uint32_t otherStatus;
        std::int32_t expected;
        std::uint32_t mode;
    };
    const Case cases[] = {
            {"mode 1 answers 0 even when every write was taken", 0x1000, 3, 3, 0, 1},
            {"mode 0: one taken write answers 1", 0, 3, 1, 1, 0},
            {"mode 0: no taken write answers 0", 0, 2, 0, 0, 0},
            {"mode from bits 12-15 only", 0xFFFF2FFF, 3, 3, 0, 2},
            {"bits outside 12-15 leave mode 0", 0xFFFF0FFF, 0, 3, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        channel.Answer("SITM", GroupAnswer(c.otherStatus));
        channel.Answer("SITM", kDuty, GroupAnswer(c.dutyStatus));
        EXPECT_EQ(GroupTable::SetData(channel, items, 5, c.control), c.expected);
        EXPECT_EQ(channel.Requests(), (std::vector<ScriptedRequest>{
                                              {"SITM", {kDuty, 70, c.mode}},
                                              {"SITM", {kStart, 0xFFFFFFFB, c.mode}},
                                              {"SITM", {kSwitch, 1, c.mode}},
                                      }));
    }

    ScriptedChannel channel;
    channel.Answer("SITM", GroupAnswer(3));
    EXPECT_EQ(GroupTable::SetData(channel, nullptr, 5, 0), 0);
    EXPECT_EQ(GroupTable::SetData(channel, items, 0, 0), 0);
    EXPECT_EQ(GroupTable::SetData(channel, items, -2, 0), 0);
    EXPECT_TRUE(channel.Requests().empty());
    EXPECT_EQ(GroupTable::SetData(channel, items, 1, 0), 1);
}

// Ten caller slots of 30 bytes, filled with '#' so untouched ones show.
struct Slots {
    static constexpr std::size_t kCount = 10;
    std::array<std::array<char, kOptionSlotSize>, kCount> text{};
    std::array<char*, kCount> pointers{};

    Slots()
    {
        for (std::size_t i = 0; i < kCount; ++i) {
            text[i].fill('#');
            pointers[i] = text[i].data();
        }
    }

    std::vector<std::string> Texts() const
    {
        std::vector<std::string> texts;
        for (const auto& slot : text) {
            const bool untouched = std::all_of(slot.begin(), slot.end(), [](char ch) { return ch == '#'; });
            // A written slot always holds its NUL.
            texts.push_back(untouched ? "-" : std::string(slot.data(), strnlen(slot.data(), 30)));
        }
        return texts;
    }
};

std::vector<std::string> Padded(std::vector<std::string> texts)
{
    texts.resize(Slots::kCount, "-");
    return texts;
}

TEST(GroupTable, GetListWritesTheTextsOfEachKind)
{
    struct Case {
        const char* label;
        std::uint32_t itemId;
        std::int32_t bytes;
        std::int32_t expected;
        std::vector<std::string> texts;
        std::optional<std::size_t> nullSlot = std::nullopt;
    };
    const Case cases[] = {
            {"kind 5", kDuty, 240, 8, {"30%", "40%", "50%", "60%", "70%", "80%", "90%", "100%"}},
            {"kind 3 in tenths, cut toward zero", kStart, 120, 4, {"40", "45", "50", "55"}},
            {"kind 1", kVolts, 60, 2, {"1.50", "1.75"}},
            {"kind 2", kMilli, 60, 2, {"1.375", "1.380"}},
            {"kind 7 with exactly 60 bytes", kSwitch, 60, 2, {"Disable", "Enable"}},
            {"kind 7 with room to spare", kSwitch, 300, 2, {"Disable", "Enable"}},
            {"kind 8: the names present, cut at 29",
             kProfile,
             120,
             4,
             {"Silent", "Normal", "A profile name much longer th"}},
            {"kind 9: nothing written", kOdd, 300, 0, {}},
            {"an item no object names", kMissing, 300, 0, {}},
            {"a null slot is skipped", kStart, 120, 4, {"40", "-", "50", "55"}, 1},
            {"3 slots for 4 options", kStart, 90, -1, {}},
            {"kind 7 with 59 bytes", kSwitch, 59, -1, {}},
            {"negative bytes", kDuty, -1, -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        AddBoard(channel);
        Slots slots;
        if (c.nullSlot) {
            slots.pointers[*c.nullSlot] = nullptr;
        }
        EXPECT_EQ(GroupTable::GetList(channel, c.itemId, slots.pointers.data(), c.bytes), c.expected);
        EXPECT_EQ(slots.Texts(), Padded(c.texts));
    }
}

TEST(GroupTable, GetListReadsANonStringWhereANameBelongsAsEmpty)
{
    ScriptedChannel channel;
    AddBoard(channel);
    channel.Answer("FN03", ResultBuilder()
                                   .Integer(kProfile)
                                   .String("Profile")
                                   .Integer(0)
                                   .Integer(0)
                                   .Integer(2)
                                   .Integer(7)
                                   .String("Turbo")
                                   .Build());
    Slots slots;
    EXPECT_EQ(GroupTable::GetList(channel, kProfile, slots.pointers.data(), 60), 2);
    EXPECT_EQ(slots.Texts(), Padded({"", "Turbo"}));
}

TEST(GroupTable, GetListWithoutAListReportsTheCount)
{
    struct Case {
        std::uint32_t itemId;
        std::int32_t expected;
    };
    const Case cases[] = {
            {kDuty, 8}, {kStart, 4}, {kSwitch, 2}, {kProfile, 4}, {kOdd, 0}, {kMissing, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.itemId);
        ScriptedChannel channel;
        AddBoard(channel);
        EXPECT_EQ(GroupTable::GetList(channel, c.itemId, nullptr, 0), c.expected);
    }

    ScriptedChannel noGroup;
    Slots slots;
    EXPECT_EQ(GroupTable::GetList(noGroup, kDuty, nullptr, 0), 0);
    EXPECT_EQ(GroupTable::GetList(noGroup, kDuty, slots.pointers.data(), 300), 0);
    EXPECT_EQ(slots.Texts(), Padded({}));
}

}  // namespace
}  // namespace vantor::hw
