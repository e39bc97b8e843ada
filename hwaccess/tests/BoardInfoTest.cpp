#include "core/BoardInfo.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "ScriptedChannel.h"
#include "FakeMethodChannel.h"
#include "ResultBuilder.h"
#include "VantorHw.h"

namespace vantor::hw {
namespace {

using test::FakeMethodChannel;
using test::ResultBuilder;
using test::ScriptedChannel;
using test::ScriptedRequest;

constexpr std::uint32_t kUntouched = 0xEEEEEEEE;

// Version 2, a name and three values; value 0 carries the group marker.
const ResultBuffer kMbifFive =
        ResultBuilder().Integer(2).String("VX-990 Pro").Integer(0x00000100).Integer(0x22).Integer(0x33).Build();

struct MbifCase {
    const char* label;
    std::optional<ResultBuffer> mbif;
    bool withName;
    bool withValues;
    std::int32_t countIn;
    std::int32_t expectedResult;
    std::uint32_t expectedVersion;
    std::string expectedName;  // "" with withName false
    std::int32_t expectedCount;
    std::vector<std::uint32_t> expectedValues;  // the array of 5 after the call
};

TEST(GetMbif, SizesChecksAndCopiesTheValues)
{
    const std::vector<std::uint32_t> untouched(5, kUntouched);
    const MbifCase cases[] = {
            {"sizing reports three values", kMbifFive, true, false, -7, kMbifDone, 2, "VX-990 Pro", 3, untouched},
            {"count 2 is too small; version and name still written", kMbifFive, true, true, 2, kMbifArrayTooSmall, 2,
             "VX-990 Pro", 2, untouched},
            {"count 3 copies elements 2 to 4, count unchanged",
             kMbifFive,
             true,
             true,
             3,
             kMbifDone,
             2,
             "VX-990 Pro",
             3,
             {0x100, 0x22, 0x33, kUntouched, kUntouched}},
            {"the same without a name buffer",
             kMbifFive,
             false,
             true,
             3,
             kMbifDone,
             2,
             "",
             3,
             {0x100, 0x22, 0x33, kUntouched, kUntouched}},
            {"a larger array keeps its count and its tail",
             kMbifFive,
             false,
             true,
             5,
             kMbifDone,
             2,
             "",
             5,
             {0x100, 0x22, 0x33, kUntouched, kUntouched}},
            {"negative count is too small", kMbifFive, false, true, -1, kMbifArrayTooSmall, 2, "", -1, untouched},
            {"MBIF fails: nothing written", std::nullopt, true, true, 3, kMbifFailed, kUntouched, "(untouched)", 3,
             untouched},
            {"only version and name: no values", ResultBuilder().Integer(1).String("Old").Build(), true, false, 9,
             kMbifDone, 1, "Old", 0, untouched},
            {"only the version: no values, an empty name", ResultBuilder().Integer(1).Build(), true, false, 9,
             kMbifDone, 1, "", 0, untouched},
            {"a huge Count stops at what the 1024-byte buffer holds",
             ResultBuilder().Integer(2).String("X").Integer(7).Count(0xFFFFFFFF).Build(), false, false, 0, kMbifDone, 2,
             "", static_cast<std::int32_t>(kMaxResultElements - 2), untouched},
    };
    for (const MbifCase& c : cases) {
        SCOPED_TRACE(c.label);
        FakeMethodChannel channel;
        if (c.mbif) {
            channel.Answer("MBIF", *c.mbif);
        }
        std::uint32_t version = kUntouched;
        char name[64];
        std::strcpy(name, "(untouched)");
        std::vector<std::uint32_t> values(5, kUntouched);
        std::int32_t count = c.countIn;

        EXPECT_EQ(
                GetMbif(channel, &version, c.withName ? name : nullptr, c.withValues ? values.data() : nullptr, &count),
                c.expectedResult);
        EXPECT_EQ(version, c.expectedVersion);
        EXPECT_EQ(count, c.expectedCount);
        EXPECT_EQ(values, c.expectedValues);
        if (c.withName) {
            EXPECT_STREQ(name, c.expectedName.c_str());
        }
        EXPECT_EQ(channel.RequestedNames(), std::vector<MethodName>{MethodName("MBIF")});
    }
}

TEST(GetMbif, NullVersionAndCountPointersAreSafe)
{
    FakeMethodChannel channel;
    channel.Answer("MBIF", kMbifFive);
    std::vector<std::uint32_t> values(3, kUntouched);
    // Sizing without a count pointer reports nothing and succeeds.
    EXPECT_EQ(GetMbif(channel, nullptr, nullptr, nullptr, nullptr), kMbifDone);
    // An array without a count holds nothing: too small for three values.
    EXPECT_EQ(GetMbif(channel, nullptr, nullptr, values.data(), nullptr), kMbifArrayTooSmall);
    EXPECT_EQ(values, std::vector<std::uint32_t>(3, kUntouched));

    FakeMethodChannel noValues;
    noValues.Answer("MBIF", ResultBuilder().Integer(2).String("X").Build());
    EXPECT_EQ(GetMbif(noValues, nullptr, nullptr, values.data(), nullptr), kMbifDone);
}

TEST(BoardName, IsCutAt49CharactersAndTerminated)
{
    const std::string longName(70, 'N');
    struct Case {
        const char* label;
        std::string firmwareName;
        std::string expected;
    };
    const Case cases[] = {
            {"short name", "VX-990 Pro", "VX-990 Pro"},
            {"49 characters fit", std::string(49, 'N'), std::string(49, 'N')},
            {"longer names are cut", longName, std::string(49, 'N')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FakeMethodChannel channel;
        channel.Answer("MBIF", ResultBuilder().Integer(2).String(c.firmwareName).Build());

        std::array<char, 80> board;
        board.fill('#');
        EXPECT_TRUE(GetBoardName(channel, board.data()));
        EXPECT_EQ(std::string(board.data()), c.expected);
        // Nothing past the name's NUL is written.
        EXPECT_EQ(board[c.expected.size() + 1], '#');

        board.fill('#');
        std::uint32_t version = 0;
        EXPECT_EQ(GetMbif(channel, &version, board.data(), nullptr, nullptr), kMbifDone);
        EXPECT_EQ(std::string(board.data()), c.expected);
        EXPECT_EQ(board[c.expected.size() + 1], '#');
    }
}

TEST(BoardName, FailsWithoutMbifOrBuffer)
{
    FakeMethodChannel channel;
    char board[64] = "(untouched)";
    EXPECT_FALSE(GetBoardName(channel, board));
    EXPECT_STREQ(board, "(untouched)");

    channel.Answer("MBIF", kMbifFive);
    EXPECT_FALSE(GetBoardName(channel, nullptr));
}

TEST(GroupInterfaceMarker, NeedsVersionAboveOneAndBitsEightToFifteen)
{
    struct Case {
        std::uint32_t version;
        std::vector<std::uint32_t> values;
        bool expected;
    };
    const Case cases[] = {
            {2, {0x00000100}, true},  {2, {0x00010000}, false},
            {2, {0x000000FF}, false}, {3, {0x0000FF00, 0}, true},
            {1, {0x00000100}, false}, {0xFFFFFFFF, {0x00008000}, true},
            {2, {}, false},           {2, {0, 0x100}, false},  // only value 0 carries the marker
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version);
        EXPECT_EQ(UsesGroupInterface(c.version, c.values), c.expected);

        ResultBuilder mbif;
        mbif.Integer(c.version).String("Board");
        for (std::uint32_t value : c.values) {
            mbif.Integer(value);
        }
        FakeMethodChannel channel;
        channel.Answer("MBIF", mbif.Build());
        EXPECT_EQ(UsesGroupInterface(channel), c.expected);
    }

    FakeMethodChannel failing;
    EXPECT_FALSE(UsesGroupInterface(failing));
}

// GITM's answer: a buffer holding a status word and the value.
ResultBuffer GitmAnswer(std::uint32_t value)
{
    const std::uint8_t bytes[] = {1, 0, 0, 0, static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
                                  0, 0};
    return ResultBuilder().Buffer(bytes).Build();
}

TEST(CheckRuvel, TakesGplvBeforeVersionThreeAndGitmFromIt)
{
    struct Case {
        const char* label;
        std::optional<std::uint32_t> version;  // nullopt: MBIF fails
        std::optional<std::uint32_t> gplv;
        std::optional<std::uint32_t> gitm;
        bool expected;
        std::vector<MethodName> calls;
    };
    const Case cases[] = {
            {"version 2, GPLV 1", 2, 1, 0, true, {"MBIF", "GPLV"}},
            {"version 2, GPLV 0", 2, 0, 1, false, {"MBIF", "GPLV"}},
            {"version 2, GPLV fails", 2, std::nullopt, 1, false, {"MBIF", "GPLV"}},
            {"MBIF fails: the GPLV path", std::nullopt, 1, 0, true, {"MBIF", "GPLV"}},
            {"version 3, GITM 1", 3, 0, 1, true, {"MBIF", "GITM"}},
            {"version 3, GITM 0 ignores GPLV 1", 3, 1, 0, false, {"MBIF", "GITM"}},
            {"version 4, GITM fails", 4, 1, std::nullopt, false, {"MBIF", "GITM"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        if (c.version) {
            channel.Answer("MBIF", ResultBuilder().Integer(*c.version).String("B").Build());
        }
        if (c.gplv) {
            channel.Answer("GPLV", ResultBuilder().Integer(*c.gplv).Build());
        }
        if (c.gitm) {
            channel.Answer("GITM", OC_ITEM_RUVEL_STATE, GitmAnswer(*c.gitm));
        }
        EXPECT_EQ(CheckRuvel(channel), c.expected);
        EXPECT_EQ(channel.RequestedNames(), c.calls);
        for (const ScriptedRequest& call : channel.Requests()) {
            if (call.name == MethodName("GITM")) {
                EXPECT_EQ(call.words, std::vector<std::uint32_t>{0x0B060001});
            }
        }
    }
}

TEST(CpuVoltRange, ReadsBothEndsInVolts)
{
    struct Case {
        const char* label;
        std::optional<std::uint32_t> gcqv0;
        std::optional<std::uint32_t> gcqv1;
        bool expected;
        float first;
        float second;
    };
    const Case cases[] = {
            {"both ends", 1400, 1100, true, 1.1f, 1.4f},
            {"GCQV fails", std::nullopt, std::nullopt, false, 0.0f, 0.0f},
            {"one end zero", 1400, 0, false, 0.0f, 1.4f},
            {"one end unreadable", std::nullopt, 1100, false, 1.1f, 0.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        if (c.gcqv0) {
            channel.Answer("GCQV", 0, ResultBuilder().Integer(*c.gcqv0).Build());
        }
        if (c.gcqv1) {
            channel.Answer("GCQV", 1, ResultBuilder().Integer(*c.gcqv1).Build());
        }
        float first = 9.0f;
        float second = 9.0f;
        EXPECT_EQ(GetCpuVoltRange(channel, &first, &second), c.expected);
        EXPECT_FLOAT_EQ(first, c.first);
        EXPECT_FLOAT_EQ(second, c.second);
        EXPECT_EQ(channel.Requests(), (std::vector<ScriptedRequest>{{"GCQV", {0}}, {"GCQV", {1}}}));
        EXPECT_EQ(GetCpuVoltRange(channel, nullptr, nullptr), c.expected);
    }
}

TEST(CheckWorkable, CoolnQuietFlagAsksGcqvFirstOtherItemsOnlyOcop)
{
    const ResultBuffer available = ResultBuilder().Integer(0).Integer(0).Integer(0).Integer(1).Build();
    const ResultBuffer unavailable = ResultBuilder().Integer(0).Integer(0).Integer(0).Integer(0).Build();
    struct Case {
        const char* label;
        std::uint32_t itemId;
        std::optional<std::uint32_t> gcqv2;
        std::optional<ResultBuffer> ocop;
        bool expected;
        std::vector<MethodName> calls;
    };
    const Case cases[] = {
            {"supported by GCQV: OCOP not asked", ACPI_OCINFO_COOLNQUIET_FLAG, 1, unavailable, true, {"GCQV"}},
            {"GCQV 0, OCOP available", ACPI_OCINFO_COOLNQUIET_FLAG, 0, available, true, {"GCQV", "OCOP"}},
            {"GCQV fails, OCOP available",
             ACPI_OCINFO_COOLNQUIET_FLAG,
             std::nullopt,
             available,
             true,
             {"GCQV", "OCOP"}},
            {"GCQV fails, OCOP unavailable",
             ACPI_OCINFO_COOLNQUIET_FLAG,
             std::nullopt,
             unavailable,
             false,
             {"GCQV", "OCOP"}},
            {"GCQV fails, OCOP fails",
             ACPI_OCINFO_COOLNQUIET_FLAG,
             std::nullopt,
             std::nullopt,
             false,
             {"GCQV", "OCOP"}},
            {"other items ignore GCQV", 0x01060001, 1, unavailable, false, {"OCOP"}},
            {"other item available", 0x01060001, std::nullopt, available, true, {"OCOP"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ScriptedChannel channel;
        if (c.gcqv2) {
            channel.Answer("GCQV", 2, ResultBuilder().Integer(*c.gcqv2).Build());
        }
        if (c.ocop) {
            channel.Answer("OCOP", *c.ocop);
        }
        EXPECT_EQ(CheckWorkable(channel, c.itemId), c.expected);
        EXPECT_EQ(channel.RequestedNames(), c.calls);
        for (const ScriptedRequest& call : channel.Requests()) {
            EXPECT_EQ(call.words, std::vector<std::uint32_t>{call.name == MethodName("GCQV") ? 2u : c.itemId});
        }
    }
}

// ZyIO.dll as a test sees it: fixed answers, every call recorded.
class FakeRegisters final : public ProcessorRegisters {
public:
    std::array<std::uint32_t, 4> cpuId{};
    std::array<std::uint32_t, 2> msr{};
    bool hasCpuId = true;
    bool hasMsr = true;
    std::vector<std::uint32_t> leaves;
    std::vector<std::uint32_t> msrs;

    bool GetCpuId(std::uint32_t leaf, std::uint32_t words[4]) override
    {
        leaves.push_back(leaf);
        if (!hasCpuId) {
            return false;
        }
        std::copy(cpuId.begin(), cpuId.end(), words);
        return true;
    }

    bool ReadMsr(std::uint32_t index, std::uint32_t words[2]) override
    {
        msrs.push_back(index);
        if (!hasMsr) {
            return false;
        }
        std::copy(msr.begin(), msr.end(), words);
        return true;
    }
};

// CPUID leaf 0 words as ZyIO.dll hands them: EBX, EDX, ECX, EAX.
constexpr std::array<std::uint32_t, 4> kGenuineIntel = {0x756E6547, 0x49656E69, 0x6C65746E, 0x16};
constexpr std::array<std::uint32_t, 4> kAuthenticAmd = {0x68747541, 0x69746E65, 0x444D4163, 0x10};

TEST(IntelPowerSaving, AnyOfFourMiscEnableBitsOnAnIntelProcessor)
{
    struct Case {
        const char* label;
        std::uint32_t low;
        bool expected;
    };
    const Case cases[] = {
            {"bit 25", 1u << 25, true},
            {"bit 16", 1u << 16, true},
            {"bit 13", 1u << 13, true},
            {"bit 3", 1u << 3, true},
            {"all four", (1u << 25) | (1u << 16) | (1u << 13) | (1u << 3), true},
            {"none set", 0, false},
            {"every other bit", ~((1u << 25) | (1u << 16) | (1u << 13) | (1u << 3)), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FakeRegisters registers;
        registers.cpuId = kGenuineIntel;
        registers.msr = {c.low, 0xFFFFFFFF};  // the high word never counts
        EXPECT_EQ(CheckIntelPowerSaving(&registers), c.expected);
        EXPECT_EQ(registers.leaves, std::vector<std::uint32_t>{0});
        EXPECT_EQ(registers.msrs, std::vector<std::uint32_t>{0x1A0});
    }
}

TEST(IntelPowerSaving, FalseForOtherVendorsWithoutReadingTheRegister)
{
    struct Case {
        const char* label;
        std::array<std::uint32_t, 4> vendor;
    };
    const Case cases[] = {
            {"AuthenticAMD", kAuthenticAmd},
            {"Intel words in ECX order (Genu, ntel)", {0x756E6547, 0x6C65746E, 0x49656E69, 0}},
            {"only the first word matches", {0x756E6547, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        FakeRegisters registers;
        registers.cpuId = c.vendor;
        registers.msr = {0xFFFFFFFF, 0xFFFFFFFF};
        EXPECT_FALSE(CheckIntelPowerSaving(&registers));
        EXPECT_EQ(registers.leaves, std::vector<std::uint32_t>{0});
        EXPECT_TRUE(registers.msrs.empty());
    }
}

TEST(IntelPowerSaving, FalseWithoutTheLibraryOrAnEntryPoint)
{
    EXPECT_FALSE(CheckIntelPowerSaving(nullptr));

    FakeRegisters noCpuId;
    noCpuId.hasCpuId = false;
    noCpuId.msr = {0xFFFFFFFF, 0};
    EXPECT_FALSE(CheckIntelPowerSaving(&noCpuId));
    EXPECT_TRUE(noCpuId.msrs.empty());

    FakeRegisters noMsr;
    noMsr.cpuId = kGenuineIntel;
    noMsr.hasMsr = false;
    EXPECT_FALSE(CheckIntelPowerSaving(&noMsr));
    EXPECT_EQ(noMsr.msrs, std::vector<std::uint32_t>{0x1A0});
}

}  // namespace
}  // namespace vantor::hw
