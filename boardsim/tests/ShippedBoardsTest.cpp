// The four boards the driver ships, through the methods the hardware access
// library calls: what each answers, what each lacks, and that test control
// can fail every method and object a board serves.
#include "AcpiBytes.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace boardsim::test {
namespace {

const char* const kShippedBoards[] = {"classic", "group", "bare", "many", "rails"};

// The boards, loaded once for the tables below; tests that change a board
// load their own copy.
LoadedBoard& Shipped(const std::string& name)
{
    static std::map<std::string, std::unique_ptr<LoadedBoard>> boards;
    std::unique_ptr<LoadedBoard>& board = boards[name];
    if (!board) {
        board = std::make_unique<LoadedBoard>();
        BsLoadError error{};
        EXPECT_EQ(board->Load(ReadFile(BOARDSIM_BOARDS_DIR "/" + name + ".ini"), &error), BS_OK)
                << name << " line " << error.line << ": " << error.message;
    }
    return *board;
}

enum class Shape {
    None,
    Integer,
    Integers3,
    Words1,
    Words3
};

// How the library calls each firmware method (descriptor objects take no
// argument).
const std::map<std::string, Shape> kMethodShapes = {
        {"VSIF", Shape::None},    {"TSIF", Shape::None},    {"FSIF", Shape::None},    {"RVLT", Shape::Integer},
        {"RTMP", Shape::Integer}, {"RFAN", Shape::Integer}, {"OCOP", Shape::Integer}, {"PROC", Shape::Integers3},
        {"KVIF", Shape::None},    {"KVST", Shape::Integer}, {"OCIF", Shape::None},    {"MBIF", Shape::None},
        {"GCQV", Shape::Integer}, {"GPLV", Shape::None},    {"GGRP", Shape::Words1},  {"GITM", Shape::Words1},
        {"SITM", Shape::Words3},
};

std::uint32_t NameOf(const std::string& name) { return BS_METHOD_NAME(name[0], name[1], name[2], name[3]); }

// A well-formed call of `name`; the arguments name an item of no board, so
// that PROC and SITM change nothing.
Bytes WellFormedCall(const std::string& name, Shape shape)
{
    switch (shape) {
    case Shape::None:
        return NoArgumentCall(NameOf(name));
    case Shape::Integer:
        return IntegerCall(NameOf(name), 2);
    case Shape::Integers3:
        return IntegersCall(NameOf(name), {0x04099999, 0, 1});
    case Shape::Words1:
        return WordsCall(NameOf(name), {4});
    case Shape::Words3:
        return WordsCall(NameOf(name), {0x04099999, 0, 1});
    }
    return {};
}

TEST(ShippedBoards, ServeTheMethodsTheirFilesDescribeAndNoOthers)
{
    const std::map<std::string, std::set<std::string>> served = {
            {"classic",
             {"VSIF", "TSIF", "FSIF", "RVLT", "RTMP", "RFAN", "OCOP", "PROC", "KVIF", "KVST", "OCIF", "MBIF", "GCQV",
              "GPLV"}},
            {"group",
             {"VSIF", "TSIF", "FSIF", "RVLT", "RTMP", "RFAN", "OCOP", "PROC", "MBIF", "GPLV", "GGRP", "GITM", "SITM"}},
            {"bare", {"VSIF", "TSIF", "FSIF", "RVLT", "RTMP", "RFAN"}},
            {"many", {"VSIF", "TSIF", "FSIF", "RVLT", "RTMP", "RFAN"}},
            {"rails", {"VSIF", "TSIF", "FSIF", "RVLT", "RTMP", "RFAN"}},
    };
    for (const char* boardName : kShippedBoards) {
        LoadedBoard& board = Shipped(boardName);
        EXPECT_EQ(BsBoardTestControl(board.get()), 1) << boardName;
        for (const auto& [method, shape] : kMethodShapes) {
            bool serves = served.at(boardName).count(method) != 0;
            EXPECT_EQ(board.Call(WellFormedCall(method, shape)).status, serves ? BS_OK : BS_NO_SUCH_METHOD)
                    << boardName << " " << method;
        }
    }
}

// Every method a board serves, and every descriptor object its lists name,
// fails while test control says so and works again afterwards; a method it
// lacks cannot be told to fail.
TEST(ShippedBoards, TestControlFailsEveryMethodAndObject)
{
    for (const char* boardName : kShippedBoards) {
        LoadedBoard board;
        ASSERT_EQ(board.Load(ReadFile(BOARDSIM_BOARDS_DIR "/" + std::string(boardName) + ".ini")), BS_OK);
        std::map<std::string, Shape> callable = kMethodShapes;
        for (const char* list : {"VSIF", "TSIF", "FSIF", "KVIF", "OCIF"}) {
            for (const Element& object : board.Call(NoArgumentCall(NameOf(list))).result.elements) {
                if (object.type == 1) {
                    callable[object.text] = Shape::None;
                }
            }
        }
        for (const Element& object : board.Call(WordsCall(Name("GGRP"), {4})).result.elements) {
            if (object.type == 1) {
                callable[object.text] = Shape::None;
            }
        }
        EXPECT_GT(callable.size(), kMethodShapes.size()) << boardName << " names no objects";

        for (const auto& [method, shape] : callable) {
            const Bytes call = WellFormedCall(method, shape);
            BsFailMethodRequest fail{NameOf(method), 1};
            if (board.Call(call).status == BS_NO_SUCH_METHOD) {
                EXPECT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_NO_SUCH_ITEM) << boardName << " " << method;
                continue;
            }
            ASSERT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_OK) << boardName << " " << method;
            EXPECT_EQ(board.Call(call).status, BS_METHOD_FAILED) << boardName << " " << method;
            EXPECT_EQ(board.Call(NoArgumentCall(Name("VSIF"))).status, method == "VSIF" ? BS_METHOD_FAILED : BS_OK)
                    << "only " << method << " fails";
            fail.fail = 0;
            ASSERT_EQ(BsFailMethod(board.get(), &fail, sizeof fail), BS_OK);
            EXPECT_EQ(board.Call(call).status, BS_OK) << boardName << " " << method;
        }
    }
}

struct Answer {
    const char* board;
    Bytes request;
    const char* elements;  // as Show() writes them
};

TEST(ShippedBoards, AnswerTheLibrarysMethods)
{
    const Answer answers[] = {
            // Board information: version, name, values; value 0 of the group
            // board carries the group-interface marker in bits 8-15.
            {"classic", NoArgumentCall(Name("MBIF")), R"([2, "ZK-790 Classic", 0x10000, 1])"},
            {"group", NoArgumentCall(Name("MBIF")), R"([3, "ZK-890 Group", 256, 3])"},
            // Power profile and Cool'n'Quiet.
            {"classic", NoArgumentCall(Name("GPLV")), "[1]"},
            {"group", NoArgumentCall(Name("GPLV")), "[0]"},
            {"classic", IntegerCall(Name("GCQV"), 0), "[1400]"},
            {"classic", IntegerCall(Name("GCQV"), 1), "[1100]"},
            {"classic", IntegerCall(Name("GCQV"), 2), "[1]"},
            {"classic", IntegerCall(Name("GCQV"), 3), "[0]"},
            {"classic", IntegerCall(Name("OCOP"), 0x0106000C), R"([0x106000C, 0, 1, 1, "Disabled", "Enabled"])"},
            // Fan-control features: the list, the objects (word 4 of the
            // processor feature: supported, on, shown) and the start
            // temperatures in whole degrees.
            {"classic", NoArgumentCall(Name("KVIF")), R"([3, "KVC0", "KVS0", "KV05"])"},
            {"classic", NoArgumentCall(Name("KV05")), R"([0x4030005, "Kelvane Target", 0, 0, 0, 0])"},
            {"classic", NoArgumentCall(Name("KVC0")), R"([0x4060003, "CPU Kelvane", 0, 0, 0, 0x30003])"},
            {"classic", NoArgumentCall(Name("KVS0")), R"([0x4060006, "Chassis Kelvane", 0, 0, 0, 0x10001])"},
            {"classic", IntegerCall(Name("KVST"), 0x04060003), "[40]"},
            {"classic", IntegerCall(Name("KVST"), 0x04060006), "[35]"},
            {"classic", IntegerCall(Name("KVST"), 0x04050009), "[0]"},
            // Settings and overclocking items: the list in file order, range
            // and option descriptors, and the items' OCOP answers.
            {"classic", NoArgumentCall(Name("OCIF")),
             R"([12, "OM11", "OD12", "OS13", "OT14", "OM21", "OD22", "OT24", "OK05", "OK09", "OK0A", "OV08", "OR01"])"},
            {"classic", NoArgumentCall(Name("OD12")), R"([0x4050112, "CPU FAN Duty Cycle", 30, 100, 8, 0])"},
            {"classic", NoArgumentCall(Name("OM11")), R"([0x4080111, "CPU FAN Mode", 0, 0, 0, 0])"},
            {"classic", NoArgumentCall(Name("OK05")), R"([0x4030005, "Kelvane Target", 0, 0, 0, 0])"},
            {"classic", NoArgumentCall(Name("OV08")), R"([0x1020008, "CPU Voltage", 1100, 1850, 15, 0])"},
            {"classic", NoArgumentCall(Name("OR01")), R"([0x1060001, "CPU Ratio", 6, 12, 13, 0])"},
            {"classic", IntegerCall(Name("OCOP"), 0x04030005),
             R"([0x4030005, 0, 1, 1, "Silent", "Standard", "Performance", "Full Speed"])"},
            {"classic", IntegerCall(Name("OCOP"), 0x0405000A),
             R"([0x405000A, 0, 0, 0, "Silent", "Standard", "Performance", "Full Speed"])"},
            {"classic", IntegerCall(Name("OCOP"), 0x01060001), "[0x1060001, 0, 90, 1]"},
            // The group interface: the items of group 4 in file order, their
            // objects by kind, and their values.
            {"group", WordsCall(Name("GGRP"), {4}),
             R"(["GK00", "GC11", "GC12", "GC13", "GC14", "GS21", "GS22", "GS23", "GS24"])"},
            {"group", WordsCall(Name("GGRP"), {0x0B}), "[]"},
            {"group", WordsCall(Name("GGRP"), {0x104}), "[]"},
            {"group", NoArgumentCall(Name("GK00")),
             R"([0x4080000, "Kelvane Mode", 0, 0, 3, "Disabled", "Kelvane", "Advanced Kelvane"])"},
            {"group", NoArgumentCall(Name("GC11")),
             R"([0x4080011, "CPU FAN Control Mode", 0, 0, 2, "Smart", "Manual"])"},
            {"group", NoArgumentCall(Name("GC12")), R"([0x4050012, "CPU FAN Duty Cycle", 0x110001, 0, 30, 10, 8])"},
            {"group", NoArgumentCall(Name("GC13")),
             R"([0x4030013, "CPU FAN Target Temperature", 0x110002, 0, 400, 50, 6])"},
            {"group", NoArgumentCall(Name("GC14")), R"([0x4070014, "CPU FAN Fail Warning", 0, 0])"},
            {"group", NoArgumentCall(Name("GS24")),
             R"([0x4010024, "SYS FAN Response Time", 0xFFFFFFFF, 0, 50, 50, 6])"},
            {"group", WordsCall(Name("GITM"), {0x04080000}), "[{3, 2}]"},
            {"group", WordsCall(Name("GITM"), {0x04050012}), "[{3, 4}]"},
            {"group", WordsCall(Name("GITM"), {0x0B060001}), "[{3, 1}]"},
            {"group", WordsCall(Name("GITM"), {0x04060003}), "[{3, 1}]"},
            {"group", WordsCall(Name("GITM"), {0x04059999}), "[{0, 0}]"},
            {"group", IntegerCall(Name("OCOP"), 0x04050012), "[0x4050012, 0, 4, 1]"},
    };
    for (const Answer& answer : answers) {
        auto got = Shipped(answer.board).Call(answer.request);
        ASSERT_EQ(got.status, BS_OK) << answer.board << " " << answer.elements;
        EXPECT_EQ(got.result.fault, "") << answer.elements;
        EXPECT_EQ(Show(got.result.elements), answer.elements) << answer.board;
    }
}

// Settings the library lists from OCIF become rows whose values index their
// option texts: named options, or the values a range steps through.
TEST(ShippedBoards, ClassicSettingsIndexTheirOptions)
{
    LoadedBoard& board = Shipped("classic");
    auto list = board.Call(NoArgumentCall(Name("OCIF")));
    ASSERT_EQ(list.status, BS_OK);
    for (const Element& object : list.result.elements) {
        if (object.type != 1) {
            continue;
        }
        const auto descriptor = board.Call(NoArgumentCall(NameOf(object.text))).result.elements;
        ASSERT_EQ(descriptor.size(), 6u) << object.text;
        const std::uint32_t itemId = descriptor[0].integer;
        const auto low = static_cast<std::int32_t>(descriptor[2].integer);
        const auto high = static_cast<std::int32_t>(descriptor[3].integer);
        const auto steps = static_cast<std::int32_t>(descriptor[4].integer);
        const auto item = board.Call(IntegerCall(Name("OCOP"), itemId)).result.elements;
        ASSERT_GE(item.size(), 4u);
        if ((item[3].integer & 1) == 0) {
            continue;  // described but not available: the library leaves it out
        }
        const auto value = static_cast<std::int32_t>(item[2].integer);
        if (item.size() > 4) {
            EXPECT_LT(value, static_cast<std::int32_t>(item.size() - 4)) << object.text;
            continue;
        }
        ASSERT_GT(steps, 1) << object.text;
        if (itemId >> 24 != 0x04) {
            continue;  // overclocking items hold values, not indexes
        }
        EXPECT_EQ((high - low) % (steps - 1), 0) << object.text << ": the range steps evenly";
        EXPECT_GE(value, 0) << object.text;
        EXPECT_LT(value, steps) << object.text;
    }
    // The feature word and the feature item agree: supported, on.
    EXPECT_EQ(Show(board.Call(IntegerCall(Name("OCOP"), 0x04060003)).result.elements),
              R"([0x4060003, 0, 1, 1, "Disabled", "Enabled"])");
}

TEST(ShippedBoards, ManyBoardHasLongListsLongNamesAndOddFlags)
{
    LoadedBoard& board = Shipped("many");
    std::size_t listed = 0;
    std::map<std::uint32_t, std::uint32_t> flagsById;
    std::string longest;
    for (const char* list : {"VSIF", "TSIF", "FSIF"}) {
        auto names = board.Call(NoArgumentCall(NameOf(list)));
        ASSERT_EQ(names.status, BS_OK) << list;
        for (const Element& object : names.result.elements) {
            if (object.type != 1) {
                continue;
            }
            const auto descriptor = board.Call(NoArgumentCall(NameOf(object.text))).result.elements;
            ASSERT_EQ(descriptor.size(), 5u);
            flagsById[descriptor[0].integer] = descriptor[4].integer;
            listed += (descriptor[4].integer & 3) == 1;
            if (descriptor[1].text.size() > longest.size()) {
                longest = descriptor[1].text;
            }
        }
    }
    EXPECT_GT(listed, 32u);
    EXPECT_EQ(board.Call(NoArgumentCall(Name("VSIF"))).result.elements.at(0).integer, 20u);
    // The firmware answers the whole name; keeping 31 characters is the reader's business.
    EXPECT_EQ(longest, "Memory Controller Hub Core Voltage Rail");
    EXPECT_EQ(flagsById.at(0x0602000E), 0x00010001u);
    EXPECT_EQ(flagsById.at(0x06030008), 2u);
    EXPECT_EQ(flagsById.at(0x06040008), 0x00010002u);
    // The sensors the library reads by ItemId are there and listed.
    for (std::uint32_t itemId : {0x06020000u, 0x06030000u, 0x06030001u, 0x06040000u, 0x06040001u, 0x06040002u}) {
        EXPECT_EQ(flagsById[itemId], 1u) << std::hex << itemId;
    }
}

TEST(ShippedBoards, ReadMiscEnable)
{
    // IA32_MISC_ENABLE: the library looks for bits 25, 16, 13 and 3.
    constexpr std::uint64_t kPowerSaving = (1u << 25) | (1u << 16) | (1u << 13) | (1u << 3);
    std::uint64_t value = 0;
    ASSERT_EQ(BsReadMsr(Shipped("classic").get(), 0x1A0, &value), BS_OK);
    EXPECT_EQ(value, 0x00850089u);
    EXPECT_NE(value & kPowerSaving, 0u);
    ASSERT_EQ(BsReadMsr(Shipped("group").get(), 0x1A0, &value), BS_OK);
    EXPECT_EQ(value & kPowerSaving, 0u);

    value = 77;
    EXPECT_EQ(BsReadMsr(Shipped("bare").get(), 0x1A0, &value), BS_NO_SUCH_ITEM) << "no [cpu]";
    EXPECT_EQ(BsReadMsr(Shipped("classic").get(), 0x1A1, &value), BS_NO_SUCH_ITEM);
    EXPECT_EQ(BsReadMsr(Shipped("classic").get(), 0x10, &value), BS_NO_SUCH_ITEM);
    EXPECT_EQ(value, 77u) << "untouched when there is nothing to read";
    EXPECT_EQ(BsReadMsr(nullptr, 0x1A0, &value), BS_BAD_REQUEST);
    EXPECT_EQ(BsReadMsr(Shipped("classic").get(), 0x1A0, nullptr), BS_BAD_REQUEST);

    // A read needs no test control, and takes the widest value a file allows.
    LoadedBoard locked;
    ASSERT_EQ(locked.Load("[board]\nname = L\n[cpu]\nmisc_enable = 0xFFFFFFFFFF\n"), BS_OK);
    ASSERT_EQ(BsReadMsr(locked.get(), 0x1A0, &value), BS_OK);
    EXPECT_EQ(value, 0xFFFFFFFFFFu);
}

}  // namespace
}  // namespace boardsim::test
