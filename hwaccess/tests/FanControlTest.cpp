#include "core/FanControl.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ResultBuilder.h"
#include "ScriptedChannel.h"

namespace vantor::hw {
namespace {

using test::ResultBuilder;
using test::ScriptedChannel;
using test::ScriptedRequest;

constexpr std::uint32_t kCpuTarget = 0x04030005;
constexpr std::uint32_t kCpuProfile = 0x04050009;
constexpr std::uint32_t kChassisProfile = 0x0405000A;
constexpr std::uint32_t kCpuFeature = 0x04060003;
constexpr std::uint32_t kChassisFeature = 0x04060006;

// ---- firmware answers ----

// An OCOP answer: elements 0 to 3 describe the item, option names follow.
ResultBuffer Item(std::uint32_t current, bool available, std::initializer_list<std::string_view> options = {})
{
    ResultBuilder builder;
    builder.Integer(0).Integer(0).Integer(current).Integer(available ? 1 : 0);
    for (std::string_view option : options) {
        builder.String(option);
    }
    return builder.Build();
}

// A list method's answer: the entry count, then the object names.
ResultBuffer ObjectList(std::initializer_list<std::string_view> objects)
{
    ResultBuilder builder;
    builder.Integer(static_cast<std::uint32_t>(objects.size()));
    for (std::string_view object : objects) {
        builder.String(object);
    }
    return builder.Build();
}

// A KVIF descriptor; word 4 carries the fan mode for the processor feature.
ResultBuffer Feature(std::uint32_t itemId, std::uint32_t word4)
{
    return ResultBuilder().Integer(itemId).String("Smart Fan").Integer(0).Integer(0).Integer(0).Integer(word4).Build();
}

// An OCIF descriptor.
ResultBuffer OcItem(std::uint32_t itemId, std::string_view name, std::int32_t low, std::int32_t high,
                    std::int32_t steps, std::uint32_t attribute = 0)
{
    return ResultBuilder()
            .Integer(itemId)
            .String(name)
            .Integer(static_cast<std::uint32_t>(low))
            .Integer(static_cast<std::uint32_t>(high))
            .Integer(static_cast<std::uint32_t>(steps))
            .Integer(attribute)
            .Build();
}

const ResultBuffer kAccepted = ResultBuilder().Integer(3).Build();

// A caller's OptionList: separate 30-byte slots filled with '#' so that an
// untouched slot shows.
class Slots {
public:
    explicit Slots(std::size_t count) : m_texts(count), m_pointers(count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            m_texts[i].fill('#');
            m_pointers[i] = m_texts[i].data();
        }
    }

    OptionList* List() { return m_pointers.data(); }
    std::int32_t Bytes() const { return static_cast<std::int32_t>(30 * m_texts.size()); }
    void Drop(std::size_t index) { m_pointers[index] = nullptr; }

    // The text up to its NUL; "<unterminated>" when the slot has none.
    std::string Text(std::size_t index) const
    {
        const auto& slot = m_texts[index];
        const void* nul = std::memchr(slot.data(), 0, slot.size());
        return nul == nullptr ? "<unterminated>" : std::string(slot.data());
    }

    bool Untouched(std::size_t index) const
    {
        for (char c : m_texts[index]) {
            if (c != '#') {
                return false;
            }
        }
        return true;
    }

    std::vector<std::string> Texts(std::size_t count) const
    {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < count; ++i) {
            texts.push_back(Text(i));
        }
        return texts;
    }

private:
    std::vector<std::array<char, 30>> m_texts;
    std::vector<char*> m_pointers;
};

// ---- OCAPI_GENERAL_GetList: named options ----

TEST(GeneralGetList, NamedOptionsAreSizedThenCopied)
{
    constexpr std::uint32_t kItem = 0x04050001;
    ScriptedChannel channel;
    channel.Answer("OCOP", kItem, Item(1, true, {"Silent", "Normal", "Turbo"}));  // 7 elements
    FanControl fan;

    EXPECT_EQ(fan.GeneralGetList(channel, kItem, nullptr, 0), 3);

    Slots exact(3);
    EXPECT_EQ(fan.GeneralGetList(channel, kItem, exact.List(), 90), kGeneralListWritten);
    EXPECT_EQ(exact.Texts(3), (std::vector<std::string>{"Silent", "Normal", "Turbo"}));

    Slots roomy(4);
    EXPECT_EQ(fan.GeneralGetList(channel, kItem, roomy.List(), roomy.Bytes()), kGeneralListWritten);
    EXPECT_TRUE(roomy.Untouched(3));

    for (std::int32_t bytes : {60, 89, 0, -90}) {
        SCOPED_TRACE(bytes);
        Slots small(3);
        EXPECT_EQ(fan.GeneralGetList(channel, kItem, small.List(), bytes), kGeneralListTooSmall);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_TRUE(small.Untouched(i)) << "slot " << i;
        }
    }
    EXPECT_EQ(channel.CountOf("OCIF"), 0u) << "named options need no range";
}

TEST(GeneralGetList, OptionTextsAreCutToTheirSlotAndNullSlotsSkipped)
{
    constexpr std::uint32_t kItem = 0x04050001;
    ScriptedChannel channel;
    channel.Answer("OCOP", kItem, Item(0, true, {"An option name of more than 29 characters", "Second", "Third"}));
    FanControl fan;
    Slots slots(3);
    slots.Drop(1);
    EXPECT_EQ(fan.GeneralGetList(channel, kItem, slots.List(), 90), kGeneralListWritten);
    EXPECT_EQ(slots.Text(0), "An option name of more than 2");
    EXPECT_TRUE(slots.Untouched(1));
    EXPECT_EQ(slots.Text(2), "Third");
}

TEST(GeneralGetList, FailedItemReadIsStatusOne)
{
    ScriptedChannel channel;
    channel.Answer("OCIF", ObjectList({"OC00"}));
    channel.Answer("OC00", OcItem(0x04010001, "Start", 0, 100, 11));
    FanControl fan;
    Slots slots(2);
    EXPECT_EQ(fan.GeneralGetList(channel, 0x04010001, nullptr, 0), kGeneralListReadFailed);
    EXPECT_EQ(fan.GeneralGetList(channel, 0x04010001, slots.List(), slots.Bytes()), kGeneralListReadFailed);
    EXPECT_TRUE(slots.Untouched(0));
    EXPECT_EQ(channel.CountOf("OCIF"), 0u);

    channel.SetOpen(false);
    channel.Answer("OCOP", Item(0, true));
    EXPECT_EQ(fan.GeneralGetList(channel, 0x04010001, nullptr, 0), kGeneralListReadFailed);
}

// ---- OCAPI_GENERAL_GetList: range items ----

struct RangeCase {
    const char* label;
    std::uint32_t itemId;
    std::int32_t low, high, steps;
    bool itemAvailable;
    std::vector<std::string> texts;
};

std::vector<std::string> TextSeries(std::initializer_list<const char*> texts) { return {texts.begin(), texts.end()}; }

// The item's OCIF descriptor sits between others; a second record with the
// same ItemId later in the list is never used.
ScriptedChannel RangeBoard(std::uint32_t itemId, std::int32_t low, std::int32_t high, std::int32_t steps,
                           bool available)
{
    ScriptedChannel channel;
    channel.Answer("OCOP", itemId, Item(0, available));
    channel.Answer("OCIF", ObjectList({"OC00", "OC01", "OC02"}));
    channel.Answer("OC00", OcItem(0x04010009, "Other", 0, 10, 2));
    channel.Answer("OC01", OcItem(itemId, "The item", low, high, steps));
    channel.Answer("OC02", OcItem(itemId, "Shadow", 0, 1000, 3));
    return channel;
}

TEST(GeneralGetList, RangeItemsListTheirValuesAsTexts)
{
    const RangeCase cases[] = {
            {"kind 1", 0x01010003, 100, 200, 3, true, TextSeries({"1.00", "1.50", "2.00"})},
            {"tenths item available", 0x01060001, 6, 12, 13, true,
             TextSeries(
                     {"6.0", "6.5", "7.0", "7.5", "8.0", "8.5", "9.0", "9.5", "10.0", "10.5", "11.0", "11.5", "12.0"})},
            {"tenths item unavailable", 0x01060001, 6, 3, 13, false, TextSeries({"0.0", "1.0", "2.0", "3.0"})},
            {"scaled voltage", 0x01020008, 1100, 1850, 15, true,
             TextSeries({"1.85000", "1.80000", "1.75000", "1.70000", "1.65000", "1.60000", "1.55000", "1.50000",
                         "1.45000", "1.40000", "1.35000", "1.30000", "1.25000", "1.20000", "1.15000", "1.10000"})},
            {"other kind in general form", 0x04030001, 20, 70, 3, true, TextSeries({"20", "45", "70"})},
            {"step 0: no values", 0x04010001, 100, 101, 3, true, {}},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel = RangeBoard(c.itemId, c.low, c.high, c.steps, c.itemAvailable);
        FanControl fan;
        const auto count = static_cast<std::int32_t>(c.texts.size());

        EXPECT_EQ(fan.GeneralGetList(channel, c.itemId, nullptr, 0), count);
        Slots slots(c.texts.size() + 1);
        EXPECT_EQ(fan.GeneralGetList(channel, c.itemId, slots.List(), slots.Bytes()), count);
        EXPECT_EQ(slots.Texts(c.texts.size()), c.texts);
        EXPECT_TRUE(slots.Untouched(c.texts.size()));
        EXPECT_EQ(fan.RangeScale(), 10.0f);
    }
}

TEST(GeneralGetList, ARangeListWritesOnlyWhatFitsAndReportsAllValues)
{
    ScriptedChannel channel = RangeBoard(0x01010003, 100, 200, 3, true);
    FanControl fan;
    Slots slots(3);
    slots.Drop(0);
    EXPECT_EQ(fan.GeneralGetList(channel, 0x01010003, slots.List(), 60), 3);
    EXPECT_TRUE(slots.Untouched(0)) << "null slot skipped";
    EXPECT_EQ(slots.Text(1), "1.50");
    EXPECT_TRUE(slots.Untouched(2)) << "beyond bytes / 30";

    Slots none(1);
    EXPECT_EQ(fan.GeneralGetList(channel, 0x01010003, none.List(), -30), 3);
    EXPECT_TRUE(none.Untouched(0));
}

TEST(GeneralGetList, ScaledVoltageScaleFollowsItsBounds)
{
    constexpr std::uint32_t kScaled = 0x01020008;
    struct Step {
        std::int32_t low, high, steps;
        float scale;
        const char* firstText;
    };
    const Step steps[] = {
            {10000, 20000, 10, 1.0f, "2.00000"},
            {100000, 150000, 5, 0.1f, "0.18928"},  // 150000 kept as 16 bits is 18928
            {1100, 1850, 15, 0.1f, "0.01850"},     // small bounds keep the last scale
    };
    FanControl fan;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.low);
        ScriptedChannel channel = RangeBoard(kScaled, step.low, step.high, step.steps, true);
        EXPECT_GT(fan.GeneralGetList(channel, kScaled, nullptr, 0), 0) << "sizing computes too";
        EXPECT_EQ(fan.RangeScale(), step.scale);
        Slots slots(1);
        fan.GeneralGetList(channel, kScaled, slots.List(), slots.Bytes());
        EXPECT_EQ(slots.Text(0), step.firstText);
    }
}

TEST(GeneralGetList, ARangeItemWithoutDescriptorIsZero)
{
    for (bool ocifAnswers : {true, false}) {
        SCOPED_TRACE(ocifAnswers);
        ScriptedChannel channel;
        channel.Answer("OCOP", 0x01010003, Item(0, true));
        if (ocifAnswers) {
            channel.Answer("OCIF", ObjectList({"OC00"}));
            channel.Answer("OC00", OcItem(0x01010004, "Another", 100, 200, 3));
        }
        FanControl fan;
        Slots slots(3);
        EXPECT_EQ(fan.GeneralGetList(channel, 0x01010003, nullptr, 0), 0);
        EXPECT_EQ(fan.GeneralGetList(channel, 0x01010003, slots.List(), slots.Bytes()), 0);
        EXPECT_TRUE(slots.Untouched(0));
    }
}

// ---- feature state ----

TEST(GetKelvaneInfo, AnAvailableItemAnswersByItsValue)
{
    for (const auto& [current, expected] : {std::pair{0u, kKelvaneOff}, std::pair{7u, kKelvaneOn}}) {
        SCOPED_TRACE(current);
        ScriptedChannel channel;
        channel.Answer("OCOP", kChassisFeature, Item(current, true, {"Disabled", "Enabled"}));
        channel.Answer("KVIF", ObjectList({"KV00"}));
        channel.Answer("KV00", Feature(kCpuFeature, 0));
        FanControl fan;
        EXPECT_EQ(fan.GetKelvaneInfo(channel, kChassisFeature), expected);
        EXPECT_EQ(fan.GetKelvaneInfo(channel, kChassisFeature), expected);
        EXPECT_EQ(channel.CountOf("KVIF"), 0u);
    }
}

// Without the item, the answer comes from the processor feature in KVIF and
// FanModeWord, read once and kept for the library's life.
TEST(GetKelvaneInfo, AnUnavailableItemIsAnsweredFromTheCachedFeature)
{
    struct Case {
        const char* label;
        bool featureListed;
        std::uint32_t modeWord;
        std::int32_t expected;
    };
    const Case cases[] = {
            {"supported and on", true, 0x30000, kKelvaneOn},
            {"supported and off", true, 0x10000, kKelvaneOff},
            {"on but not supported", true, 0x20000, kKelvaneUnsupported},
            {"mode word without feature bits", true, 0x3, kKelvaneUnsupported},
            {"feature not listed", false, 0x30000, kKelvaneUnsupported},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        channel.Answer("KVIF", ObjectList({"KV00", "KV01"}));
        channel.Answer("KV00", Feature(0x04060009, 0x30000));
        channel.Answer("KV01", Feature(c.featureListed ? kCpuFeature : 0x04060008, c.modeWord));
        FanControl fan;
        fan.Initialize(channel);
        channel.ClearRequests();

        EXPECT_EQ(fan.GetKelvaneInfo(channel, kChassisFeature), c.expected);
        EXPECT_EQ(channel.CountOf("KVIF"), 1u);

        // Later calls, for any unavailable item, never read KVIF again, even
        // when it has changed since.
        channel.Answer("KV01", Feature(kCpuFeature, 0x10000));
        EXPECT_EQ(fan.GetKelvaneInfo(channel, kChassisFeature), c.expected);
        EXPECT_EQ(fan.GetKelvaneInfo(channel, kCpuFeature), c.expected);
        EXPECT_EQ(channel.CountOf("KVIF"), 1u);

        // An available item still answers for itself.
        channel.Answer("OCOP", kCpuFeature, Item(0, true));
        EXPECT_EQ(fan.GetKelvaneInfo(channel, kCpuFeature), kKelvaneOff);
    }
}

TEST(HideKelvane, AsksKvifEveryTimeAndReadsTheModeWord)
{
    struct Case {
        const char* label;
        std::optional<std::vector<std::uint32_t>> modeWords;  // nullopt: no KVIF
        bool expected;
    };
    const Case cases[] = {
            {"bits 0-1 clear", std::vector<std::uint32_t>{0x10000}, true},
            {"bit 0 set", std::vector<std::uint32_t>{0x10001}, false},
            {"bit 1 set", std::vector<std::uint32_t>{0x30002}, false},
            {"the last record sets the mode word", std::vector<std::uint32_t>{0x1, 0x10000}, true},
            {"feature not listed", std::vector<std::uint32_t>{}, false},
            {"no KVIF: mode word 3", std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        if (c.modeWords) {
            ResultBuilder list;
            list.Integer(static_cast<std::uint32_t>(c.modeWords->size() + 1)).String("KVXX");
            channel.Answer("KVXX", Feature(0x04060009, 0));
            for (std::size_t i = 0; i < c.modeWords->size(); ++i) {
                const std::string name = "KV0" + std::to_string(i);
                list.String(name);
                channel.Answer(MethodName::FromChars(name), Feature(kCpuFeature, (*c.modeWords)[i]));
            }
            channel.Answer("KVIF", list.Build());
        }
        FanControl fan;
        fan.Initialize(channel);
        channel.ClearRequests();
        EXPECT_EQ(fan.HideKelvane(channel), c.expected);
        EXPECT_EQ(fan.HideKelvane(channel), c.expected);
        EXPECT_EQ(channel.CountOf("KVIF"), 2u);
    }
}

// ---- writes ----

TEST(SetKelvaneTarget, WritesTheProfileOrFallsBackToTheOlderTarget)
{
    struct Case {
        const char* label;
        bool profileAvailable;
        bool targetAvailable;
        std::vector<ScriptedRequest> writes;
    };
    const Case cases[] = {
            {"profile item present", true, true, {{"PROC", {kChassisProfile, 2, 1}}}},
            {"older board: the target item instead", false, true, {{"PROC", {kCpuTarget, 2, 1}}}},
            {"nothing to write", false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        channel.Answer("OCOP", kCpuProfile, Item(0, c.profileAvailable));
        channel.Answer("OCOP", kChassisProfile, Item(0, true));
        channel.Answer("OCOP", kCpuTarget, Item(0, c.targetAvailable));
        channel.Answer("PROC", kAccepted);
        FanControl::SetKelvaneTarget(channel, 2, kChassisProfile);
        EXPECT_EQ(channel.RequestsTo("PROC"), c.writes);
    }
}

TEST(EnableKelvane, WritesOneOrZeroToAnAvailableItem)
{
    ScriptedChannel channel;
    channel.Answer("OCOP", kCpuFeature, Item(0, true));
    channel.Answer("OCOP", kChassisFeature, Item(0, false));
    channel.Answer("PROC", kAccepted);
    FanControl::EnableKelvane(channel, true, kCpuFeature);
    FanControl::EnableKelvane(channel, false, kCpuFeature);
    FanControl::EnableKelvane(channel, true, kChassisFeature);
    const std::vector<ScriptedRequest> writes = {{"PROC", {kCpuFeature, 1, 1}}, {"PROC", {kCpuFeature, 0, 1}}};
    EXPECT_EQ(channel.RequestsTo("PROC"), writes);
}

TEST(GetFanStartTemp, ReadsKvstForTheItem)
{
    struct Case {
        std::optional<std::uint32_t> kvst;  // nullopt: KVST fails
        bool withOut;
        bool expected;
        std::int32_t out;
    };
    const Case cases[] = {
            {45, true, true, 45},
            {0, true, false, 0},
            {std::nullopt, true, false, 0},
            {45, false, true, -1},  // no place to store: only the answer
    };
    for (const Case& c : cases) {
        ScriptedChannel channel;
        if (c.kvst) {
            channel.Answer("KVST", kChassisFeature, ResultBuilder().Integer(*c.kvst).Build());
        }
        std::int32_t out = -1;
        EXPECT_EQ(FanControl::GetFanStartTemp(channel, c.withOut ? &out : nullptr, kChassisFeature), c.expected);
        EXPECT_EQ(out, c.out);
        EXPECT_EQ(channel.Requests(), (std::vector<ScriptedRequest>{{"KVST", {kChassisFeature}}}));
    }
}

// ---- profile names ----

TEST(PresetList, CopiesProfileListBOrA)
{
    struct Case {
        const char* label;
        std::optional<std::vector<std::uint32_t>> features;  // KVIF items; nullopt: no KVIF
        bool profileAvailable;
        std::vector<std::string> expected;
    };
    const std::vector<std::string> listA = {"Standard", "Silent"};
    const std::vector<std::string> listB = {"Quiet", "Balanced", "Performance"};
    const Case cases[] = {
            {"no KVIF, profile item available: list B", std::nullopt, true, listB},
            {"no KVIF, no profile item: list A", std::nullopt, false, listA},
            {"KVIF names the target: list A", std::vector<std::uint32_t>{kCpuTarget}, false, listA},
            {"KVIF and profile item: list B was never built", std::vector<std::uint32_t>{kCpuTarget}, true, {}},
            {"KVIF without the target: list A empty", std::vector<std::uint32_t>{kCpuFeature}, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        channel.Answer("OCOP", kCpuTarget, Item(0, true, {"Standard", "Silent"}));
        channel.Answer("OCOP", kCpuProfile, Item(0, c.profileAvailable, {"Quiet", "Balanced", "Performance"}));
        if (c.features) {
            ResultBuilder list;
            list.Integer(static_cast<std::uint32_t>(c.features->size()));
            for (std::size_t i = 0; i < c.features->size(); ++i) {
                const std::string name = "KV0" + std::to_string(i);
                list.String(name);
                channel.Answer(MethodName::FromChars(name), Feature((*c.features)[i], 0));
            }
            channel.Answer("KVIF", list.Build());
        }
        FanControl fan;
        fan.Initialize(channel);

        std::array<char, 4 * 30> slots;
        slots.fill('#');
        const std::int32_t count = fan.PresetList(channel, slots.data());
        ASSERT_EQ(count, static_cast<std::int32_t>(c.expected.size()));
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            EXPECT_STREQ(slots.data() + 30 * i, c.expected[i].c_str());
        }
        EXPECT_EQ(slots[30 * c.expected.size()], '#') << "nothing past the last slot";
        EXPECT_EQ(fan.PresetList(channel, nullptr), 0);
    }
}

TEST(PresetList, LongProfileNamesAreCutToTheirSlot)
{
    ScriptedChannel channel;
    channel.Answer("OCOP", kCpuTarget, Item(0, true, {"A profile name that runs past its slot", "Next"}));
    FanControl fan;
    fan.Initialize(channel);
    std::array<char, 2 * 30> slots;
    slots.fill('#');
    ASSERT_EQ(fan.PresetList(channel, slots.data()), 2);
    EXPECT_EQ(std::string(slots.data()), "A profile name that runs past");
    EXPECT_STREQ(slots.data() + 30, "Next");
}

// ---- setting table ----

// Four OCIF objects; two of them become table entries.
ScriptedChannel SettingBoard()
{
    ScriptedChannel channel;
    channel.Answer("OCIF", ObjectList({"OC00", "OC01", "OC02", "OC03"}));
    channel.Answer("OC00", OcItem(0x04010001, "CPU Fan Start Temperature", 20, 70, 11, 0x100));
    channel.Answer("OC01", OcItem(0x01020008, "Core Voltage", 1100, 1850, 15, 0x200));
    channel.Answer("OC02", OcItem(0x04010002, "Unavailable", 0, 10, 2, 0x300));
    channel.Answer("OC03", OcItem(kCpuTarget, "CPU Fan Target", 0, 0, 0, 0x400));
    channel.Answer("OCOP", 0x04010001, Item(40, true));
    channel.Answer("OCOP", 0x01020008, Item(1350, true));
    channel.Answer("OCOP", 0x04010002, Item(5, false));
    channel.Answer("OCOP", kCpuTarget, Item(1, true, {"Standard", "Silent", "Turbo"}));
    channel.Answer("PROC", kAccepted);
    return channel;
}

TEST(KelvaneGetData, TableHoldsAvailableFanItemsWithTheirOptionCounts)
{
    ScriptedChannel channel = SettingBoard();
    FanControl fan;
    fan.Initialize(channel);

    std::int32_t count = -1;
    EXPECT_EQ(fan.KelvaneGetData(channel, nullptr, &count), 0);
    ASSERT_EQ(count, 2);

    std::array<SettingItem, 2> items;
    std::memset(items.data(), 0xAB, sizeof items);
    EXPECT_EQ(fan.KelvaneGetData(channel, items.data(), &count), 0);
    EXPECT_EQ(count, 2);

    EXPECT_EQ(items[0].Reserved, 0u);
    EXPECT_EQ(items[0].Id, 0x04010001u);
    EXPECT_STREQ(items[0].Name, "CPU Fan Start Temperature");
    EXPECT_EQ(items[0].RangeLow, 20);
    EXPECT_EQ(items[0].RangeHigh, 70);
    EXPECT_EQ(items[0].OptionCount, 11) << "20 to 70 in steps of 5";
    EXPECT_EQ(items[0].Extra1, 0x100u);
    EXPECT_EQ(items[0].Value, 40);
    EXPECT_EQ(items[0].Extra2, 0u);

    EXPECT_EQ(items[1].Id, kCpuTarget);
    EXPECT_EQ(items[1].OptionCount, 3) << "named options";
    EXPECT_EQ(items[1].Extra1, 0x400u);
    EXPECT_EQ(items[1].Value, 1);

    for (const SettingItem& item : items) {
        for (std::uint8_t byte : item.CallerArea) {
            EXPECT_EQ(byte, 0xAB) << "the caller area is the caller's";
        }
    }
}

TEST(KelvaneGetData, RefreshesValuesOnEveryReadWithAnArray)
{
    ScriptedChannel channel = SettingBoard();
    FanControl fan;
    fan.Initialize(channel);
    std::array<SettingItem, 2> items{};

    channel.Answer("OCOP", 0x04010001, Item(55, true));
    channel.Fail("OCOP", kCpuTarget);
    fan.KelvaneGetData(channel, items.data(), nullptr);  // no count wanted
    EXPECT_EQ(items[0].Value, 55);
    EXPECT_EQ(items[1].Value, 0) << "a failed read stores 0";
    EXPECT_EQ(fan.SettingTable()[0].Value, 55) << "the table keeps the refreshed value";

    channel.ClearRequests();
    std::int32_t count = 0;
    fan.KelvaneGetData(channel, nullptr, &count);
    EXPECT_TRUE(channel.Requests().empty()) << "sizing reads nothing";
}

TEST(KelvaneGetData, WithoutOcifTheTableIsEmpty)
{
    ScriptedChannel channel = SettingBoard();
    channel.Answer("OCIF", ResultBuilder().Integer(0).Build());  // only its count
    FanControl fan;
    fan.Initialize(channel);
    std::int32_t count = -1;
    SettingItem item{};
    EXPECT_EQ(fan.KelvaneGetData(channel, &item, &count), 0);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(item.Id, 0u);
}

TEST(KelvaneSetData, WritesFanItemsOnly)
{
    ScriptedChannel channel = SettingBoard();
    FanControl fan;
    std::array<SettingItem, 4> items{};
    items[0].Id = 0x04010001;
    items[0].Value = 60;
    items[1].Id = 0x01020008;  // not a fan item: skipped
    items[1].Value = 1400;
    items[2].Id = kCpuTarget;
    items[2].Value = 2;
    items[3].Id = 0x04010002;  // unavailable: WriteItem refuses it
    items[3].Value = 9;

    EXPECT_EQ(fan.KelvaneSetData(channel, items.data(), 4), 0);
    const std::vector<ScriptedRequest> writes = {{"PROC", {0x04010001, 60, 1}}, {"PROC", {kCpuTarget, 2, 1}}};
    EXPECT_EQ(channel.RequestsTo("PROC"), writes);
    for (const ScriptedRequest& read : channel.RequestsTo("OCOP")) {
        EXPECT_NE(read.words[0], 0x01020008u);
    }

    channel.ClearRequests();
    EXPECT_EQ(fan.KelvaneSetData(channel, nullptr, 4), 1);
    EXPECT_EQ(fan.KelvaneSetData(channel, items.data(), 0), 0);
    EXPECT_EQ(fan.KelvaneSetData(channel, items.data(), -3), 0);
    EXPECT_TRUE(channel.Requests().empty());
}

// ---- initialisation ----

TEST(Initialize, WithoutADeviceEverythingStaysEmpty)
{
    ScriptedChannel channel = SettingBoard();
    channel.SetOpen(false);
    FanControl fan;
    fan.Initialize(channel);
    EXPECT_TRUE(fan.ProfileListA().empty());
    EXPECT_TRUE(fan.ProfileListB().empty());
    EXPECT_TRUE(fan.SettingTable().empty());
    EXPECT_EQ(fan.FanModeWord(), 3u);
    EXPECT_TRUE(channel.Requests().empty());
    EXPECT_FALSE(fan.HideKelvane(channel));
    EXPECT_EQ(fan.GetKelvaneInfo(channel, kCpuFeature), kKelvaneUnsupported);
}

TEST(Initialize, ASecondCallStartsTheTablesOver)
{
    ScriptedChannel channel = SettingBoard();
    FanControl fan;
    fan.Initialize(channel);
    fan.Initialize(channel);
    EXPECT_EQ(fan.ProfileListA().size(), 3u);
    EXPECT_EQ(fan.SettingTable().size(), 2u);

    channel.Fail("OCOP", kCpuTarget);
    fan.Initialize(channel);
    EXPECT_TRUE(fan.ProfileListA().empty()) << "not the first call's list";
    EXPECT_EQ(fan.SettingTable().size(), 1u);
}

}  // namespace
}  // namespace vantor::hw
